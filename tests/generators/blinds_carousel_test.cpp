// "广告图轮播-SDK百叶窗渐变特效" (F27): what the width and height fields reach; the markup is a data case.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

const char* const kProfessional = "按钮_F27专业版代码";

TEST(BlindsCarousel, WidthSetsOnlyTheOuterAreaWhileTheHeightReachesEverySliceAndItem) {
    OpenWindow w("F27");
    const std::string defaults = w.press(kProfessional);
    EXPECT_EQ(countOf(defaults, "WIDTH: 95px;"), 10u + 20u + 5u); // slices, items, clickable links

    w.form().setText("编辑框_图片宽", "1234");
    std::string expected = defaults;
    const std::string outer = "no-repeat; WIDTH: 950px;";
    ASSERT_EQ(countOf(expected, outer), 1u);
    expected.replace(expected.find(outer), outer.size(), "no-repeat; WIDTH: 1234px;");
    EXPECT_EQ(w.press(kProfessional), expected);

    w.form().setText("编辑框_图片高", "321");
    const std::string& code = w.press(kProfessional);
    EXPECT_EQ(countOf(code, "HEIGHT: 321px"),
              1u + 10u * 3u + 20u + 5u); // area; slice, widget, list; items; links
    EXPECT_EQ(countOf(code, "400"), 0u);
}

TEST(BlindsCarousel, BothEditionsReadTheSameFieldsAndClearEmptiesAllSix) {
    OpenWindow w("F27");
    w.press("按钮_F27基础版代码");
    w.press("按钮_F27清空内容");
    EXPECT_EQ(w.prompter.messages, std::vector<std::string>{"是否要清空所有内容？"});
    for (const char* name : {"编辑框_图片地址01", "编辑框_链接地址01", "编辑框_图片地址02",
                             "编辑框_链接地址02", "编辑框_图片宽", "编辑框_图片高", "超级编辑框_F27代码生成"})
        EXPECT_EQ(w.form().text(name), "") << name;
    EXPECT_EQ(countOf(w.press(kProfessional), "url()"), 21u); // the background and every item
}

} // namespace
} // namespace ornavo::testing
