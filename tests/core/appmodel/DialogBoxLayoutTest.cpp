#include "core/appmodel/DialogBoxLayout.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(DialogBoxLayoutTest, LabelKeepsItsLimits) {
    auto oneLine = [](int32_t) { return 16; };
    TDialogLabelSize size = DialogLabelSize(120, oneLine);
    EXPECT_EQ(size.Width, 300);
    EXPECT_EQ(size.Height, 32);
    // A long text wraps at 400 pixels and grows in height, up to 400.
    size = DialogLabelSize(2000, [](int32_t width) { return width == 400 ? 96 : 0; });
    EXPECT_EQ(size.Width, 400);
    EXPECT_EQ(size.Height, 96);
    size = DialogLabelSize(20000, [](int32_t) { return 900; });
    EXPECT_EQ(size.Height, 400);
    EXPECT_EQ(DialogLabelSize(350, oneLine).Width, 350);
}

TEST(DialogBoxLayoutTest, OneLineErrorBox) {
    const TDialogBoxLayout layout = LayOutDialogBox(DialogLabelLeft, 300, 32, {75}, 25);
    EXPECT_EQ(layout.LabelTop, 16);
    EXPECT_EQ(layout.IconTop, 16);
    EXPECT_EQ(layout.ButtonTop, 64);
    EXPECT_EQ(layout.ClientWidth, 380);
    EXPECT_EQ(layout.ClientHeight, 25 + 32 + 32 + 16);
    // Centred: (380 - 75) / 2 = 152, well right of the label.
    EXPECT_EQ(layout.ButtonLefts, std::vector<int32_t>{152});
}

TEST(DialogBoxLayoutTest, TallLabelCentresTheIcon) {
    const TDialogBoxLayout layout = LayOutDialogBox(DialogLabelLeft, 400, 100, {75}, 25);
    EXPECT_EQ(layout.IconTop, (100 - 32) / 2 + 16);
    EXPECT_EQ(layout.ButtonTop, 132);
    EXPECT_EQ(layout.ClientHeight, 25 + 100 + 48);
}

TEST(DialogBoxLayoutTest, ButtonRowStartsAtTheLabelWhenCentringGainsLittle) {
    // Three buttons: 75 + 83 + 83 = 241; (380 - 241) / 2 = 69, within 8 of the label's 64.
    TDialogBoxLayout layout = LayOutDialogBox(DialogLabelLeft, 300, 32, {75, 75, 75}, 25);
    EXPECT_EQ(layout.ButtonLefts, (std::vector<int32_t>{64, 147, 230}));
    // Wide buttons would start left of the label: the label's left wins.
    layout = LayOutDialogBox(DialogLabelLeft, 300, 32, {150, 150}, 25);
    EXPECT_EQ(layout.ButtonLefts, (std::vector<int32_t>{64, 222}));
    // With room to spare the row is centred.
    layout = LayOutDialogBox(DialogLabelLeft, 400, 32, {75, 75, 75}, 25);
    EXPECT_EQ(layout.ButtonLefts, (std::vector<int32_t>{119, 202, 285}));
}

} // namespace
