// The main window: the calculator form, its menu and its icon.
#pragma once

#include "fw/controls.h"
#include "fw/dialog.h"
#include "fw/gdi.h"
#include "ui/mix_combo_box.h"
#include "ui/resource_ids.h"

class CCoilDialog : public CDialog {
public:
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

    // Report: save to a text file, print.
    void SaveReport();
    void PrintReport();
    // The report of what the form shows now: Windows-1252 text, LF line ends.
    CString BuildReport();
    // Writes the report to `path` and tells the user how it went.
    void WriteReportFile(const CString& path);

    void ShowAbout();

protected:
    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

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
