// The calculator form: the commands behind the main window's buttons and
// lists. Every number lives only as the text of its field; a command reads
// the texts it needs, then writes its result or clears its own field.
#include "calc/field_text.h"
#include "calc/formulas.h"
#include "calc/mix_text.h"
#include "catalogue/catalogue.h"
#include "ui/coil_dialog.h"

namespace {

double ReadField(const CWnd& form, int id) {
    CString text;
    form.GetDlgItemText(id, text);
    return calc::ReadReal(text.View());
}

// A result with three decimals; a result that is not finite clears the field.
void WriteResult(CWnd& form, int id, double value) { form.SetDlgItemText(id, calc::ResultText(value).c_str()); }

void Clear(CWnd& form, int id) { form.SetDlgItemText(id, ""); }

// Reads two fields, in this order; when both are positive, writes
// formula(first, second) into `result`, otherwise clears it.
void SolveFor(CWnd& form, int result, int first, int second, double (*formula)(double, double)) {
    const double a = ReadField(form, first);
    const double b = ReadField(form, second);
    if (a > 0 && b > 0) {
        WriteResult(form, result, formula(a, b));
    } else {
        Clear(form, result);
    }
}

}  // namespace

void CCoilDialog::CalcTurns() {
    const int mixRow = m_mixList.GetCurSel();
    const int coreRow = m_coreList.GetCurSel();
    const double inductance = ReadField(*this, IDC_INDUCTANCE);
    const catalogue::CoreEntry* core = catalogue::FindCore(mixRow, coreRow);
    if (inductance > 0 && core != nullptr) {
        // Turns that do not fit a 32-bit count leave the field empty.
        if (const auto turns = calc::TurnsFromInductance(inductance, core->Al())) {
            SetDlgItemInt(IDC_TURNS, static_cast<UINT>(*turns), TRUE);
            return;
        }
    }
    Clear(*this, IDC_TURNS);
}

void CCoilDialog::CalcInductance() {
    const int mixRow = m_mixList.GetCurSel();
    const int coreRow = m_coreList.GetCurSel();
    const auto turns = static_cast<std::int32_t>(GetDlgItemInt(IDC_TURNS, nullptr, TRUE));
    const catalogue::CoreEntry* core = catalogue::FindCore(mixRow, coreRow);
    if (turns == 0 || core == nullptr) {
        Clear(*this, IDC_INDUCTANCE);
        return;
    }
    WriteResult(*this, IDC_INDUCTANCE, calc::InductanceFromTurns(turns, core->Al()));
}

void CCoilDialog::CalcFrequency() {
    SolveFor(*this, IDC_FREQUENCY, IDC_INDUCTANCE, IDC_CAPACITANCE, calc::ResonantFrequency);
}

void CCoilDialog::CalcInductanceFromFC() {
    SolveFor(*this, IDC_INDUCTANCE, IDC_FREQUENCY, IDC_CAPACITANCE, calc::InductanceFromFC);
}

void CCoilDialog::CalcCapacitanceFromFL() {
    SolveFor(*this, IDC_CAPACITANCE, IDC_FREQUENCY, IDC_INDUCTANCE, calc::CapacitanceFromFL);
}

void CCoilDialog::CalcReactances() {
    const double inductance = ReadField(*this, IDC_INDUCTANCE);
    const double capacitance = ReadField(*this, IDC_CAPACITANCE);
    const double frequency = ReadField(*this, IDC_FREQUENCY);
    // Each reactance is checked, written or cleared on its own.
    if (frequency > 0 && inductance > 0) {
        WriteResult(*this, IDC_XL, calc::InductiveReactance(frequency, inductance));
    } else {
        Clear(*this, IDC_XL);
    }
    if (frequency > 0 && capacitance > 0) {
        WriteResult(*this, IDC_XC, calc::CapacitiveReactance(frequency, capacitance));
    } else {
        Clear(*this, IDC_XC);
    }
}

void CCoilDialog::FillCoreList() {
    const int mixRow = m_mixList.GetCurSel();
    m_coreList.ResetContent();
    for (const catalogue::CoreEntry* core = catalogue::CoresOf(mixRow); core != nullptr && !core->IsEnd(); ++core) {
        m_coreList.AddString(std::string(core->partNumber.View()).c_str());
    }
    m_coreList.SetCurSel(0);
}

void CCoilDialog::FillMixList() {
    for (const catalogue::MixEntry* mix = catalogue::Mixes(); !mix->IsEnd(); ++mix) {
        m_mixList.AddString(calc::MixRowText(*mix).c_str());
    }
    m_mixList.SetCurSel(0);
}
