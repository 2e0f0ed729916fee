// "950手拉风琴轮播特效" (F10): the fixed panel width and what clear leaves; the markup itself is a data case.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

const char* const kGenerate = "按钮_F10一键生成";
const char* const kClear = "按钮_F10清空代码";
const char* const kWidth = "编辑框_图片宽";

TEST(AccordionCarousel, PanelWidthStaysFixedThroughTypingAndClear) {
    OpenWindow w("F10");
    Form& f = w.form();
    for (const char* typed : {"900", "", "８２５px", "825 "}) {
        f.setText(kWidth, typed);
        EXPECT_EQ(f.text(kWidth), "825") << typed;
    }
    w.press(kGenerate);
    w.press(kClear);
    EXPECT_EQ(w.prompter.messages, std::vector<std::string>{"是否要清空所有内容？"});
    for (const Control* c : allControls(f.module())) {
        if (c->kind == ControlKind::Field || c->kind == ControlKind::CodeBox) {
            EXPECT_EQ(f.text(c->name), c->name == kWidth ? "825" : "") << c->name;
        }
    }
    // Generating after clear still gives the fixed width to every panel and image.
    const std::string& code = w.press(kGenerate);
    EXPECT_EQ(countOf(code, "WIDTH: 825px; HEIGHT:"), 8u);
    EXPECT_EQ(countOf(code, "HEIGHT: px"), 4u + 5u + 3u + 4u); // nest, strips, hidden panels, images
}

} // namespace
} // namespace ornavo::testing
