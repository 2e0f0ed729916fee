// "广告图轮播-方向箭头轮播" (F30): the carousel's sizes are fixed; only the arrows' distance from the top
// follows a field. The markup itself is a data case.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

TEST(ArrowCarousel, SizesStayFixedWhateverTheFieldsHold) {
    OpenWindow w("F30");
    for (const char* typed : {"300", "", "１２", "9999px"}) {
        for (const Control* c : allControls(w.form().module()))
            if (c->kind == ControlKind::Field)
                w.form().setText(c->name, typed);
        const std::string& code = w.press("按钮_F30一键生成");
        EXPECT_EQ(countOf(code, "style=\"WIDTH: 950px; HEIGHT: 460px\""), 1u) << typed;
        EXPECT_EQ(countOf(code, "'viewSize':[850]"), 1u) << typed;
        EXPECT_EQ(countOf(code, "WIDTH: 854px; TOP: 3px; HEIGHT: 460px\""), 1u) << typed;
        EXPECT_EQ(
            countOf(code, "WIDTH: 45px; CURSOR: pointer; PADDING-TOP: " + std::string(typed) + "px; \""), 2u)
            << typed;
    }
}

} // namespace
} // namespace ornavo::testing
