// The layout of the program's message box: a 32-pixel icon at the left, the word-wrapped
// message beside it and a row of buttons below, computed each time the box is shown from the
// size the message label takes.
#pragma once

#include <cstdint>
#include <vector>

namespace orvel {

inline constexpr int32_t DialogLabelMinWidth = 300;
inline constexpr int32_t DialogLabelMaxWidth = 400;
inline constexpr int32_t DialogLabelMinHeight = 32;
inline constexpr int32_t DialogLabelMaxHeight = 400;
inline constexpr int32_t DialogLabelLeft = 64;
inline constexpr int32_t DialogIconLeft = 16;
inline constexpr int32_t DialogIconSize = 32;

// The label's size for a text whose one-line width is naturalWidth and whose height, wrapped
// at a width, heightAt gives.
struct TDialogLabelSize {
    int32_t Width = 0;
    int32_t Height = 0;
};
template <typename HeightAt>
TDialogLabelSize DialogLabelSize(int32_t naturalWidth, HeightAt heightAt) {
    int32_t width = naturalWidth < DialogLabelMinWidth   ? DialogLabelMinWidth
                    : naturalWidth > DialogLabelMaxWidth ? DialogLabelMaxWidth
                                                         : naturalWidth;
    int32_t height = heightAt(width);
    height = height < DialogLabelMinHeight   ? DialogLabelMinHeight
             : height > DialogLabelMaxHeight ? DialogLabelMaxHeight
                                             : height;
    return {width, height};
}

struct TDialogBoxLayout {
    int32_t ClientWidth = 0;
    int32_t ClientHeight = 0;
    int32_t LabelTop = 0;
    int32_t IconTop = 0;
    int32_t ButtonTop = 0;
    std::vector<int32_t> ButtonLefts; // one for each visible button, in order
};

// labelWidth and labelHeight are the label's size after it fitted itself to the text;
// buttonWidths are those of the visible buttons in order.
TDialogBoxLayout LayOutDialogBox(int32_t labelLeft, int32_t labelWidth, int32_t labelHeight,
                                 const std::vector<int32_t>& buttonWidths, int32_t buttonHeight);

} // namespace orvel
