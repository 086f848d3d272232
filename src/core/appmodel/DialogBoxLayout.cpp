#include "core/appmodel/DialogBoxLayout.h"

#include <algorithm>

namespace orvel {

namespace {

constexpr int32_t ButtonGap = 8;
constexpr int32_t Margin = 16;
constexpr int32_t LabelToButtons = 32;

} // namespace

TDialogBoxLayout LayOutDialogBox(int32_t labelLeft, int32_t labelWidth, int32_t labelHeight,
                                 const std::vector<int32_t>& buttonWidths, int32_t buttonHeight) {
    TDialogBoxLayout layout;
    const int32_t h = std::max(labelHeight, DialogLabelMinHeight);
    layout.ButtonTop = h + LabelToButtons;
    layout.ClientHeight = buttonHeight + h + LabelToButtons + Margin;
    layout.ClientWidth = labelWidth + 80;
    layout.LabelTop = Margin;
    layout.IconTop = (h - DialogIconSize) / 2 + Margin;

    int32_t rowWidth = 0;
    for (size_t i = 0; i < buttonWidths.size(); ++i)
        rowWidth += buttonWidths[i] + (i == 0 ? 0 : ButtonGap);
    int32_t left = std::max((layout.ClientWidth - rowWidth) / 2, labelLeft);
    if (left <= labelLeft + ButtonGap)
        left = labelLeft;
    for (int32_t width : buttonWidths) {
        layout.ButtonLefts.push_back(left);
        left += width + ButtonGap;
    }
    return layout;
}

} // namespace orvel
