// "广告图轮播-带缩略图" (F25): the effect picked in the list, and the two heights computed from the fields.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

const char* const kGenerate = "按钮_F25一键生成";
const char* const kMode = "组合框_轮播方式";

std::string effectIn(const std::string& code) {
    const std::string key = "{'effect': '";
    const std::size_t at = code.find(key);
    return at == std::string::npos
               ? "?"
               : code.substr(at + key.size(), code.find('\'', at + key.size()) - at - key.size());
}

TEST(ThumbnailCarousel, EffectFollowsTheLastPickAndSurvivesClearAndReopening) {
    OpenWindow first("F25");
    EXPECT_EQ(effectIn(first.press(kGenerate)), "");
    ASSERT_TRUE(first.form().pickEntry(kMode, "上下"));
    EXPECT_EQ(effectIn(first.press(kGenerate)), "scrolly");
    ASSERT_TRUE(first.form().pickEntry(kMode, "渐变"));
    EXPECT_EQ(effectIn(first.press(kGenerate)), "fade");
    ASSERT_TRUE(first.form().pickEntry(kMode, "上下"));

    first.press("按钮_F25清空内容");
    EXPECT_EQ(first.form().index(kMode), -1);
    EXPECT_EQ(effectIn(first.press(kGenerate)), "scrolly");

    OpenWindow second("F25", &first.variables());
    EXPECT_EQ(second.form().index(kMode), -1);
    EXPECT_EQ(second.form().text("编辑框_大图高"), "450");
    EXPECT_EQ(effectIn(second.press(kGenerate)), "scrolly");
}

TEST(ThumbnailCarousel, UpperAreaIsLargeHeightPlus5AndTotalAddsTheThumbnailRow) {
    struct Case {
        const char* large;
        const char* thumb;
        const char* upper;
        const char* total;
    };
    const Case cases[] = {
        {"450", "85", "455", "540"},
        {"  12abc", "+3", "17", "20"},
        {"-20", "x", "-15", "-15"},
        {"４５０", "　８５", "455", "540"}, // full-width digits and blanks count
        {"99999999999999999999", "100", "9223372036854775807", "9223372036854775807"},
    };
    OpenWindow w("F25");
    for (const Case& c : cases) {
        w.form().setText("编辑框_大图高", c.large);
        w.form().setText("编辑框_小图高", c.thumb);
        const std::string& code = w.press(kGenerate);
        EXPECT_EQ(countOf(code, "px; height: " + std::string(c.total) +
                                    "px\">\r\n\t<div style=\"overflow: hidden; "
                                    "height: " +
                                    c.upper + "px\">"),
                  1u)
            << c.large << " / " << c.thumb;
    }
}

} // namespace
} // namespace ornavo::testing
