// The mix list: a drop-down list that paints its own rows, each mix's colour
// names in the mix's colours.
#pragma once

#include "fw/controls.h"
#include "fw/gdi.h"

class CMixComboBox : public CComboBox {
public:
    CMixComboBox() = default;
    ~CMixComboBox() override;

    void DrawItem(LPDRAWITEMSTRUCT pDrawItemStruct) override;
    // A row as it is painted, without its separators.
    CString GetItemSpokenText(int index) const override;
};
