// "950通栏-图片轮播（带底部宝贝标题）" (F11): the two heights computed from the typed image height.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

TEST(BannerTitleCarousel, HeightsAreTheTypedHeightPlus30And9AsTheCLibraryReadsIt) {
    struct Case {
        const char* typed;
        const char* outer;
        const char* slide;
    };
    const Case cases[] = {
        {"450", "480", "459"},
        {" \t200", "230", "209"},
        {"-40", "-10", "-31"},
        {"+7", "37", "16"},
        {"12.9", "42", "21"},
        {"abc", "30", "9"},
        {"　450", "30", "9"}, // an ideographic space is no blank
        {"99999999999999999999", "9223372036854775807", "9223372036854775807"}, // the sums never wrap round
        {"-99999999999999999999", "-9223372036854775777", "-9223372036854775798"},
    };
    OpenWindow w("F11");
    for (const Case& c : cases) {
        w.form().setText("编辑框_图片高", c.typed);
        const std::string& code = w.press("按钮_F11一键生成");
        const std::string outer = c.outer, slide = c.slide;
        EXPECT_EQ(code.rfind("<div style=\"height:" + outer + "px;\">\r\n", 0), 0u) << c.typed;
        EXPECT_EQ(countOf(code, "z-index:99;width:950px;height:" + outer + "px;\""), 1u) << c.typed;
        EXPECT_EQ(countOf(code, "data-widget-type=\"Slide\" style=\"height:" + outer + "px;\""), 1u)
            << c.typed;
        EXPECT_EQ(countOf(code, "height=\"" + outer + "\"width="), 1u) << c.typed;
        EXPECT_EQ(countOf(code, "style=\"width:950px;height:" + slide + "px;\">"), 1u) << c.typed;
        // Everywhere else the height goes in as typed.
        EXPECT_EQ(countOf(code, "<img height=\"" + std::string(c.typed) + "\"src="), 5u) << c.typed;
    }
}

} // namespace
} // namespace ornavo::testing
