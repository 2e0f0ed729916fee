// "广告图轮播-圆点导航轮播" (F28): the top distance of the dots follows the height; the markup is a data
// case.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

const char* const kHeight = "编辑框_图片高";
const char* const kTop = "编辑框_顶距";
const char* const kLeft = "编辑框_左距";

TEST(RoundDotCarousel, EveryHeightChangeSetsTheTopDistance30PixelsHigher) {
    const std::pair<const char*, const char*> cases[] = {
        {"300", "270"}, {"", "-30"},
        {"abc", "-30"}, {"\t 12px", "-18"},
        {"-5", "-35"},  {"３００", "-30"},
        {"20", "-10"},  {"-99999999999999999999", "-9223372036854775808"}, // stays at the end of the range
    };
    OpenWindow w("F28");
    Form& f = w.form();
    EXPECT_EQ(f.text(kTop), "420");
    for (const auto& [height, top] : cases) {
        f.setText(kHeight, height);
        EXPECT_EQ(f.text(kTop), top) << height;
        EXPECT_EQ(f.text(kLeft), "435") << height; // the left distance never moves by itself
    }
    // A typed top distance stands until the height changes again.
    f.setText(kTop, "7");
    f.setText("编辑框_图片宽", "500");
    EXPECT_EQ(f.text(kTop), "7");
    f.setText(kHeight, "100");
    EXPECT_EQ(f.text(kTop), "70");
}

TEST(RoundDotCarousel, ClearKeepsTheLeftDistanceAndMovesTheDotsWithTheEmptiedHeight) {
    OpenWindow w("F28");
    Form& f = w.form();
    f.setText(kLeft, "99");
    w.prompter.answers = {Answer::No};
    w.press("按钮_F28清空内容");
    EXPECT_EQ(f.text(kHeight), "450");
    EXPECT_EQ(f.text(kTop), "420");

    w.press("按钮_F28清空内容");
    EXPECT_EQ(f.text(kLeft), "99");
    EXPECT_EQ(f.text(kTop), "-30");
    for (const char* name :
         {"编辑框_图片地址01", "编辑框_图片地址03", "编辑框_链接地址02", "编辑框_图片宽", kHeight})
        EXPECT_EQ(f.text(name), "") << name;
}

} // namespace
} // namespace ornavo::testing
