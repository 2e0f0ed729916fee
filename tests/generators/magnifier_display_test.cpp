#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo {
namespace {

TEST(MagnifierDisplay, WindowOnTheProfessionalPageOnly) {
    const ModuleSpec* module = moduleRegistry().byKey("F16");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->caption, "宝贝特效展示（放大镜特效）");
    EXPECT_EQ(module->width, 889);
    EXPECT_EQ(module->height, 719);
    EXPECT_EQ(module->top, 5);
    EXPECT_FALSE(module->basicButton.has_value());

    // Eight groups of five and the three colours, which share a line with the colour picker.
    int fields = 0;
    int colourRow = -1;
    for (const PlacedControl& p : placedControls(*module)) {
        fields += p.control->kind == ControlKind::Field;
        if (p.control->name == "编辑框_促销标题背景")
            colourRow = p.at.row;
        if (p.control->name == "编辑框_价格区背景" || p.control->name == "编辑框_边框背景") {
            EXPECT_EQ(p.at.row, colourRow) << p.control->name;
        }
        if (p.control->kind == ControlKind::Picture) {
            EXPECT_EQ(p.control->text, "/Tessaly/samples/F16.jpg");
        }
    }
    EXPECT_EQ(fields, 43);
    for (const PlacedButton& b : placedButtons(*module))
        if (b.button->action == Action::ColourPicker) {
            EXPECT_EQ(b.at.row, colourRow);
        }
}

} // namespace
} // namespace ornavo
