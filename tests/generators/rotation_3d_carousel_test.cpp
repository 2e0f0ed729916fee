// "宝贝轮播展示-八图立体旋转特效" (F26): the window, its clear, and that only the large pictures link.
// The whole markup of both editions is checked by the cases in windows/F26.

#include "framework/model/markup.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

TEST(Rotation3dCarousel, WindowKeepsItsPlaceAndOpensFromBothPages) {
    const ModuleSpec& m = *moduleRegistry().byKey("F26");
    EXPECT_EQ(m.caption, "宝贝轮播展示-八图立体旋转特效");
    EXPECT_EQ(m.width, 534);
    EXPECT_EQ(m.height, 680);
    EXPECT_FALSE(m.top.has_value());
    ASSERT_TRUE(m.basicButton.has_value());
    EXPECT_EQ(m.basicButton->name, "按钮_F19基础宝贝轮播展示立体旋转");
}

TEST(Rotation3dCarousel, ClearEmptiesPicturesLinksThenCode) {
    OpenWindow w("F26");
    Form& f = w.form();
    w.press("按钮_F26专业版代码");
    std::vector<std::string> order;
    const Subscription told = f.addChangeListener([&](const std::string& name) { order.push_back(name); });
    w.prompter.answers = {Answer::No};
    f.press("按钮_F26清空内容");
    EXPECT_TRUE(order.empty());
    f.press("按钮_F26清空内容");
    std::vector<std::string> expected = numberedNames("编辑框_图片地址", 1, 8);
    for (const std::string& n : numberedNames("编辑框_链接地址", 1, 8))
        expected.push_back(n);
    expected.push_back("超级编辑框_F26代码生成");
    EXPECT_EQ(order, expected);
}

TEST(Rotation3dCarousel, OnlyTheLargePicturesLink) {
    OpenWindow w("F26");
    for (int k = 1; k <= 8; ++k)
        w.form().setText("编辑框_链接地址" + twoDigits(k), "L" + std::to_string(k));
    const std::string& code = w.press("按钮_F26专业版代码");
    EXPECT_EQ(countOf(code, "href="), 8u);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(countOf(code, "<a href=\"L" + std::to_string(k) + "\" style=\"width:625px;"), 1u) << k;
    EXPECT_EQ(countOf(code, "data-attr-replace=\"" + markup::attributionReplaceContact() + "\"  style="), 7u);
    EXPECT_EQ(countOf(code, "<div style=\"display:none;\">"), 7u);
}

} // namespace
} // namespace ornavo::testing
