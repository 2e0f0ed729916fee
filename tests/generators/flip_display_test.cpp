#include "framework/model/sample_picture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo {
namespace {

TEST(FlipDisplay, WindowWithItsSamplePictureButton) {
    const ModuleSpec* module = moduleRegistry().byKey("F15");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->caption, "宝贝特效展示（正反换图）");
    EXPECT_EQ(module->width, 1009);
    EXPECT_EQ(module->height, 694);
    EXPECT_EQ(module->top, 10);
    ASSERT_TRUE(module->basicButton.has_value());
    EXPECT_EQ(module->basicButton->name, "按钮_F10基础宝贝特效展示正反换图");

    // The sample is the picture button whose normal picture is the front of the flip.
    int fields = 0;
    const PlacedControl* sample = nullptr;
    const auto placed = placedControls(*module);
    for (const PlacedControl& p : placed) {
        fields += p.control->kind == ControlKind::Field;
        if (p.control->name == "图形按钮_模块样例")
            sample = &p;
    }
    EXPECT_EQ(fields, 46);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->control->kind, ControlKind::Picture);
    // Both pictures come from the maker's site as the window opens.
    EXPECT_EQ(sample->control->text, remotePicture("/Tessaly/upload/images/131104/f15/tx1.gif"));
    EXPECT_EQ(sample->control->hover, remotePicture("/Tessaly/upload/images/131104/f15/tx2.gif"));
    EXPECT_EQ(sample->at.area, "模块样例（图片尺寸：310x460px）");

    // The colour picker stands beside the background colour.
    for (const PlacedButton& b : placedButtons(*module))
        if (b.button->action == Action::ColourPicker) {
            EXPECT_EQ(b.button->name, "按钮_选色器");
            for (const PlacedControl& p : placed)
                if (p.control->name == "编辑框_背景颜色") {
                    EXPECT_EQ(p.at.area, b.at.area);
                    EXPECT_EQ(p.at.row, b.at.row);
                }
        }
}

} // namespace
} // namespace ornavo
