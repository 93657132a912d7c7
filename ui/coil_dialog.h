// The main window: the calculator form, its menu and its icon.
#pragma once

#include "fw/controls.h"
#include "fw/dialog.h"
#include "fw/gdi.h"
#include "ui/mix_combo_box.h"
#include "ui/resource_ids.h"

class CCoilDialog : public fw::Routed<CCoilDialog, CDialog> {
public:
    static const fw::RoutingTable kRoutes;

    explicit CCoilDialog(CWnd* pParent = nullptr);
    ~CCoilDialog() override;

    // The calculator form: each command reads the fields it needs from their
    // texts and writes or clears its own results.
    void CalcTurns();
    void CalcInductance();
    void CalcFrequency();
    void CalcInductanceFromFC();
    void CalcCapacitanceFromFL();
    void CalcReactances();
    void FillCoreList();
    void FillMixList();

    // The report of what the form shows now: Windows-1252 text, LF line ends.
    CString BuildReport();
    // File > Salva...: asks for a file and writes the report there.
    void SaveReport();
    // Writes the report to `path` and tells the user how it went.
    void WriteReportFile(const CString& path);
    // File > Stampa...: prints the report on a printer the user picks.
    void PrintReport();

    void ShowAbout();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

private:
    CComboBox m_coreList;
    HICON m_hIcon;
    CFont m_coreFont;
    CFont m_mixFont;
    CMixComboBox m_mixList;
};
