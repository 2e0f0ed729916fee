// The three-face carousel: band height derived from the picture height at each generation, the effect
// list's lasting window variable, the fixed width fields, the clear and the four tab pages.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

const char* const kProfessional = "按钮_F19专业版代码";
const char* const kBasic = "按钮_F19基础版代码";
const char* const kClear = "按钮_F19清空内容";
const char* const kHeight = "编辑框_大图高";
const char* const kEffectList = "组合框_轮播效果";

std::string bandStyle(const std::string& band) {
    return "; height: " + band + "px\">\r\n\t\t<div class=\"banner\">";
}

TEST(ThreeFaceCarousel, BandHeightIsThePictureHeightReadAsANumberPlus80) {
    struct Case {
        const char* typed;
        const char* band;
    };
    const Case cases[] = {
        {"355", "435"},
        {"300px", "380"},
        {"３００", "380"},
        {"　 12", "92"},
        {"px300", "80"},
        {"", "80"},
        {"-100", "-20"},
        {"+5", "85"},
        // Far too long: the largest number, never wrapped round.
        {"99999999999999999999", "9223372036854775807"},
    };
    OpenWindow w("F19");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        w.form().setText(kHeight, c.typed);
        const std::string& html = w.press(kProfessional);
        EXPECT_NE(html.find(bandStyle(c.band)), std::string::npos);
        // Everywhere else the height goes in as typed.
        EXPECT_EQ(countOf(html, std::string("height: ") + c.typed + "px"), 4u * 3u + 4u);
    }
    // Recomputed by every generation, also by the basic edition's button.
    w.form().setText(kHeight, "20");
    EXPECT_NE(w.press(kBasic).find(bandStyle("100")), std::string::npos);
}

TEST(ThreeFaceCarousel, EffectOutlivesClearAndReopening) {
    WindowVariables vars;
    auto effectOf = [](const std::string& html) {
        const std::string key = "{'effect': '";
        const std::size_t at = html.find(key) + key.size();
        return html.substr(at, html.find('\'', at) - at);
    };
    {
        OpenWindow w("F19", &vars);
        EXPECT_EQ(effectOf(w.press(kProfessional)), ""); // never picked yet
        EXPECT_TRUE(w.form().pickEntry(kEffectList, "渐变"));
        const std::string& html = w.press(kProfessional);
        EXPECT_EQ(countOf(html, "{'effect': 'fade',"), 4u);
        w.press(kClear);
        EXPECT_EQ(w.form().index(kEffectList), -1);
        EXPECT_EQ(effectOf(w.press(kProfessional)), "fade");
        EXPECT_TRUE(w.form().pickEntry(kEffectList, "左右"));
        EXPECT_TRUE(w.form().requestClose());
    }
    OpenWindow reopened("F19", &vars);
    EXPECT_EQ(reopened.form().index(kEffectList), -1);
    EXPECT_EQ(countOf(reopened.press(kProfessional), "{'effect': 'scrollx',"), 4u);
    // Another window of the program has variables of its own.
    EXPECT_EQ(effectOf(OpenWindow("F19").press(kProfessional)), "");
}

TEST(ThreeFaceCarousel, ClearKeepsTheFixedWidthsAndEmptiesTheRest) {
    OpenWindow w("F19");
    Form& f = w.form();
    std::vector<std::string> emptied;
    const Subscription told =
        f.addChangeListener([&emptied](const std::string& name) { emptied.push_back(name); });
    w.press(kClear);
    EXPECT_EQ(w.prompter.messages, std::vector<std::string>{kAskClearAll});
    // Nothing was picked, so the list does not change; every field but the two widths does.
    ASSERT_EQ(emptied.size(), 36u + 4u);
    EXPECT_EQ(emptied.front(), "编辑框_大图片地址一01");
    EXPECT_EQ(
        std::vector<std::string>(emptied.end() - 4, emptied.end()),
        (std::vector<std::string>{kHeight, "编辑框_小图高", "编辑框_边框背景颜色", "编辑框_小图背景颜色"}));
    EXPECT_EQ(f.text("编辑框_大图宽"), "230");
    EXPECT_EQ(f.text("编辑框_小图宽"), "40");
    for (const Control* c : allControls(f.module())) {
        if (c->kind == ControlKind::Field && !c->pinned) {
            EXPECT_EQ(f.text(c->name), "") << c->name;
        }
    }
}

TEST(ThreeFaceCarousel, EachTabPageHoldsItsCell) {
    OpenWindow w("F19");
    const auto tabControls = allTabControls(w.form().module());
    ASSERT_EQ(tabControls.size(), 1u);
    const TabControl& tabs = *tabControls[0];
    EXPECT_EQ(tabs.name, "选择夹1");
    const char* const captions[] = {"第一格", "第二格", "第三格", "第四格"};
    const char* const numerals[] = {"一", "二", "三", "四"};
    ASSERT_EQ(tabs.pages.size(), 4u);
    for (std::size_t p = 0; p < 4; ++p) {
        EXPECT_EQ(tabs.pages[p].caption, captions[p]);
        ASSERT_EQ(tabs.pages[p].items.size(), 1u);
        const Table& t = std::get<Table>(tabs.pages[p].items[0].content);
        EXPECT_EQ(t.columns, (std::vector<std::string>{"大图地址", "小图地址", "链接地址"}));
        ASSERT_EQ(t.rows.size(), 3u);
        EXPECT_EQ(t.rows[2].label, "03");
        EXPECT_EQ(t.rows[2].cells[0].name, std::string("编辑框_大图片地址") + numerals[p] + "03");
        EXPECT_EQ(t.rows[2].cells[1].name, std::string("编辑框_小图片地址") + numerals[p] + "03");
        EXPECT_EQ(t.rows[2].cells[2].name, std::string("编辑框_链接地址") + numerals[p] + "03");
    }
    EXPECT_EQ(w.form().module().top, 5);
    w.press("按钮_选色器");
    EXPECT_EQ(w.host.colourTables, 1);
}

} // namespace
} // namespace ornavo::testing
