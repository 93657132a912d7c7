// The calculator form's commands: each reads the texts and selections it
// needs from the window and writes what the form's rules answer, an empty
// text clearing the field.
#include "calc/form.h"
#include "ui/coil_dialog.h"

namespace {

std::string FieldText(const CWnd& form, int id) {
    CString text;
    form.GetDlgItemText(id, text);
    return text.Str();
}

void SetField(CWnd& form, int id, const std::string& text) { form.SetDlgItemText(id, text.c_str()); }

}  // namespace

void CCoilDialog::CalcTurns() {
    SetField(*this, IDC_TURNS,
             calc::TurnsText(FieldText(*this, IDC_INDUCTANCE), m_mixList.GetCurSel(), m_coreList.GetCurSel()));
}

void CCoilDialog::CalcInductance() {
    // The dialog's integer conversion: text that does not convert reads 0.
    const auto turns = static_cast<std::int32_t>(GetDlgItemInt(IDC_TURNS, nullptr, TRUE));
    SetField(*this, IDC_INDUCTANCE, calc::InductanceText(turns, m_mixList.GetCurSel(), m_coreList.GetCurSel()));
}

void CCoilDialog::CalcFrequency() {
    SetField(*this, IDC_FREQUENCY,
             calc::FrequencyText(FieldText(*this, IDC_INDUCTANCE), FieldText(*this, IDC_CAPACITANCE)));
}

void CCoilDialog::CalcInductanceFromFC() {
    SetField(*this, IDC_INDUCTANCE,
             calc::InductanceFromFcText(FieldText(*this, IDC_FREQUENCY), FieldText(*this, IDC_CAPACITANCE)));
}

void CCoilDialog::CalcCapacitanceFromFL() {
    SetField(*this, IDC_CAPACITANCE,
             calc::CapacitanceFromFlText(FieldText(*this, IDC_FREQUENCY), FieldText(*this, IDC_INDUCTANCE)));
}

void CCoilDialog::CalcReactances() {
    const calc::Reactances x = calc::ReactanceTexts(FieldText(*this, IDC_INDUCTANCE), FieldText(*this, IDC_CAPACITANCE),
                                                    FieldText(*this, IDC_FREQUENCY));
    SetField(*this, IDC_XL, x.inductive);
    SetField(*this, IDC_XC, x.capacitive);
}

void CCoilDialog::FillCoreList() {
    const int mixRow = m_mixList.GetCurSel();
    m_coreList.ResetContent();
    for (const std::string& row : calc::CoreRows(mixRow)) m_coreList.AddString(row.c_str());
    m_coreList.SetCurSel(0);
}

void CCoilDialog::FillMixList() {
    for (const std::string& row : calc::MixRows()) m_mixList.AddString(row.c_str());
    m_mixList.SetCurSel(0);
}
