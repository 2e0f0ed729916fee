#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo {
namespace {

TEST(FourCellDisplay, WindowOnBothPages) {
    const ModuleSpec* module = moduleRegistry().byKey("F17");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->caption, "宝贝展示-单排四格子模块");
    EXPECT_EQ(module->width, 980);
    EXPECT_EQ(module->height, 687);
    EXPECT_EQ(module->top, 5);
    ASSERT_TRUE(module->basicButton.has_value());
    EXPECT_EQ(module->basicButton->name, "按钮_F11宝贝格子展示四格子模块");
    int fields = 0;
    for (const Control* c : allControls(*module)) {
        fields += c->kind == ControlKind::Field;
        if (c->kind == ControlKind::Picture) {
            EXPECT_EQ(c->text, "/Tessaly/samples/F17.jpg");
        }
    }
    EXPECT_EQ(fields, 19);
}

} // namespace
} // namespace ornavo
