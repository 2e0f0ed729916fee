// "宝贝轮播展示-左右分窗特效" (F21): the effect list and its lasting choice, the clear and its order.
// The whole markup is checked by the cases in windows/F21.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

const char* const kProfessional = "按钮_F21专业版代码";
const char* const kClear = "按钮_F21清空内容";
const char* const kList = "组合框_轮播效果";

TEST(SplitWindowCarousel, WindowOpensFromBothPagesAtTopFive) {
    const ModuleSpec& m = *moduleRegistry().byKey("F21");
    EXPECT_EQ(m.caption, "宝贝轮播展示-左右分窗特效");
    EXPECT_EQ(m.width, 769);
    EXPECT_EQ(m.height, 707);
    EXPECT_EQ(m.top, 5);
    ASSERT_TRUE(m.basicButton.has_value());
    EXPECT_EQ(m.basicButton->name, "按钮_F15基础宝贝轮播展示左右窗口");

    OpenWindow w("F21");
    EXPECT_EQ(w.form().index(kList), -1);
    EXPECT_EQ(w.form().control(kList)->entries, (std::vector<std::string>{"上下", "渐变"}));
    w.form().press("按钮_选色器");
    EXPECT_EQ(w.host.colourTables, 1);
}

TEST(SplitWindowCarousel, BothCarouselsTakeTheLastPickedEffect) {
    OpenWindow w("F21");
    const std::pair<const char*, const char*> picks[] = {
        {"上下", "scrolly"}, {"渐变", "fade"}, {"上下", "scrolly"}};
    for (const auto& [entry, effect] : picks) {
        ASSERT_TRUE(w.form().pickEntry(kList, entry));
        EXPECT_EQ(countOf(w.press(kProfessional), std::string("{'effect': '") + effect + "',"), 2u) << entry;
    }
    // Emptying the list keeps the effect.
    w.form().pick(kList, -1);
    EXPECT_EQ(countOf(w.press(kProfessional), "{'effect': 'scrolly',"), 2u);
}

TEST(SplitWindowCarousel, ClearEmptiesFieldsCodeAndListButKeepsTheEffect) {
    OpenWindow w("F21");
    Form& f = w.form();
    f.pickEntry(kList, "渐变");
    w.press(kProfessional);

    w.prompter.answers = {Answer::No};
    f.press(kClear);
    EXPECT_EQ(f.index(kList), 1);
    EXPECT_EQ(f.text("编辑框_背景颜色"), "#ffffff");

    std::vector<std::string> order;
    const Subscription told = f.addChangeListener([&](const std::string& name) { order.push_back(name); });
    f.press(kClear);
    ASSERT_EQ(order.size(), 35u + 2u);
    EXPECT_EQ(order.front(), "编辑框_图片地址01");
    EXPECT_EQ(order[8], "编辑框_链接地址01");
    EXPECT_EQ(order[31], "编辑框_价格08");
    EXPECT_EQ(std::vector<std::string>(order.begin() + 32, order.end()),
              (std::vector<std::string>{"编辑框_背景颜色", "编辑框_边框颜色", "编辑框_标题颜色",
                                        "超级编辑框_F21代码生成", kList}));
    EXPECT_EQ(f.index(kList), -1);
    EXPECT_EQ(f.var("rotation effect"), "fade");

    // Titles are never links: with every field empty the only anchors left are the eight pictures and
    // eight thumbnails.
    const std::string& code = w.press(kProfessional);
    EXPECT_EQ(countOf(code, "<a href=\"\" target=\"_blank\">"), 16u);
    EXPECT_EQ(countOf(code, "<a style="), 8u);
}

} // namespace
} // namespace ornavo::testing
