#include "ui/mix_combo_box.h"

CMixComboBox::~CMixComboBox() = default;

const fw::MessageMap* CMixComboBox::GetThisMessageMap() {
    static constexpr fw::MessageMap kMap{&CComboBox::GetThisMessageMap, {}};
    return &kMap;
}

void CMixComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
