// The plain-colour navigation style sheet: eighteen colour fields placed into 28 fixed rules.

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <map>

namespace ornavo::testing {
namespace {

const char* const kGenerate = "按钮_导航CSS一键生成";
const char* const kClear = "按钮_导航CSS清空内容";

// Slot letter → field, in the order the clear empties them.
const std::vector<std::pair<char, std::string>> kSlots = {
    {'A', "编辑框_导航背景颜色"},
    {'B', "编辑框_导航文字颜色"},
    {'C', "编辑框_导航分隔竖线颜色"},
    {'D', "编辑框_鼠标移至导航背景颜色"},
    {'E', "编辑框_鼠标移至导航文字颜色"},
    {'F', "编辑框_所有分类背景颜色"},
    {'G', "编辑框_所有分类文字颜色"},
    {'H', "编辑框_鼠标移至所有分类背景颜色"},
    {'I', "编辑框_鼠标移至所有分类文字颜色"},
    {'J', "编辑框_一级下拉菜单背景颜色"},
    {'K', "编辑框_一级下拉菜单文字颜色"},
    {'L', "编辑框_一级下拉菜单上边框颜色"},
    {'M', "编辑框_鼠标移至一级下拉菜单背景颜色"},
    {'N', "编辑框_鼠标移至一级下拉菜单文字颜色"},
    {'O', "编辑框_二级下拉菜单背景颜色"},
    {'P', "编辑框_二级下拉菜单文字颜色"},
    {'Q', "编辑框_鼠标移至二级下拉菜单背景颜色"},
    {'R', "编辑框_鼠标移至二级下拉菜单文字颜色"},
};

// The style sheet written out rule by rule, for the given slot texts.
std::string expectedCss(std::map<char, std::string> v) {
    const std::vector<std::string> rules = {
        ".skin-box-bd{background:" + v['A'] + ";}",
        "/*页头背景颜色设置成" + v['A'] + "可以做成宽屏的导航*/",
        ".skin-box-bd .menu-list{background:" + v['A'] + ";}",
        ".skin-box-bd .menu-list .menu{background:" + v['A'] + ";border:none;}",
        ".skin-box-bd .menu-list .menu .link{background:" + v['A'] + ";border:none;border-right:1px solid" +
            v['C'] + ";}",
        ".all-cats .link{background:" + v['F'] + ";border:none;}",
        ".all-cats .link:hover{background:" + v['H'] + ";}",
        ".all-cats .link .title{color:" + v['G'] + ";border:none;}",
        ".all-cats  .link .title:hover{color:" + v['I'] + "}",
        ".skin-box-bd .menu-list .menu .link:hover{background:" + v['D'] + ";}",
        ".skin-box-bd .menu-list .menu .link .title{background:none;color:" + v['B'] + ";font-weight:bold;}",
        ".skin-box-bd .menu-list .menu .link .title:hover{color:" + v['E'] + ";}",
        ".skin-box-bd .menu-list .menu-selected .link{background:" + v['D'] + ";}",
        ".skin-box-bd .menu-list .menu-selected .link .title{color:" + v['E'] + ";}",
        ".popup-content{border:none;padding:0px;margin:0px;}",
        ".popup-content .popup-inner{border:none;padding:0px;margin:0px;background:" + v['J'] + ";}",
        ".popup-inner .cats-tree .fst-cat{background:" + v['J'] + ";border-top:solid 1px" + v['L'] + ";}",
        ".popup-inner .cats-tree .fst-cat:hover{background:" + v['M'] + ";}",
        ".popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name{color:" + v['K'] + ";}",
        ".popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name:hover{color:" + v['N'] + "}",
        ".popup-content .menu-popup-cats .sub-cat{background:" + v['J'] + ";}",
        ".popup-content .menu-popup-cats .sub-cat .cat-name{color:" + v['K'] + ";background:" + v['J'] + ";}",
        ".popup-content .menu-popup-cats .sub-cat .cat-name:hover{color:" + v['N'] + ";background:" + v['M'] +
            ";}",
        ".snd-pop-inner{height:auto;padding:0px;margin:0px;}",
        ".snd-pop-inner .fst-cat-bd{padding:0px;margin:0px;background-color:" + v['O'] + ";}",
        ".snd-pop-inner .fst-cat-bd .snd-cat-hd{background-color:" + v['O'] + ";}",
        ".snd-pop-inner .fst-cat-bd .snd-cat-name{color:" + v['P'] + ";}",
        ".snd-pop-inner .fst-cat-bd .snd-cat-name:hover{color:" + v['R'] + ";background-color:" + v['Q'] +
            ";}",
    };
    EXPECT_EQ(rules.size(), 28u);
    std::string css;
    for (const std::string& rule : rules)
        css += rule;
    return css;
}

TEST(NavigationCss, WindowDescription) {
    OpenWindow w("F07");
    const ModuleSpec& module = w.form().module();
    EXPECT_EQ(module.caption, "店铺导航CSS生成模块");
    EXPECT_EQ(module.width, 965);
    EXPECT_EQ(module.height, 662);
    EXPECT_EQ(module.professionalButton.name, "按钮_F07纯颜色导航CSS生成");
    ASSERT_TRUE(module.basicButton.has_value());
    EXPECT_EQ(module.basicButton->caption, "F04-纯颜色导航CSS生成");
    EXPECT_FALSE(module.top.has_value());
    EXPECT_EQ(module.codeBox.name, "超级编辑框_导航CSS生成");
    for (const Button& b : module.buttons)
        EXPECT_NE(b.action, Action::Preview) << b.name; // a style sheet has nothing to preview
    ASSERT_NE(w.form().control("编辑框_鼠标移至一级下拉菜单背景颜色"), nullptr);
    EXPECT_EQ(w.form().control("编辑框_鼠标移至一级下拉菜单背景颜色")->caption,
              "鼠标移至,一级下拉菜单背景颜色：");
    for (const auto& [slot, name] : kSlots)
        EXPECT_EQ(w.form().text(name), "") << slot;
    w.press("按钮_导航CSS选色器");
    EXPECT_EQ(w.host.colourTables, 1);
    EXPECT_FALSE(w.form().isClosed());
}

TEST(NavigationCss, EmptyFieldsGiveEveryRuleWithAnEmptyValue) {
    OpenWindow w("F07");
    const std::string& css = w.press(kGenerate);
    EXPECT_EQ(css, expectedCss({}));
    EXPECT_EQ(css.rfind(".skin-box-bd{background:;}/*页头背景颜色设置成可以做成宽屏的导航*/", 0), 0u);
    EXPECT_EQ(css.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(countOf(css, "}"), 27u); // 27 rules and the comment
    EXPECT_EQ(countOf(css, "color:}"), 2u);
}

TEST(NavigationCss, EverySlotLandsInItsRules) {
    OpenWindow w("F07");
    std::map<char, std::string> values;
    for (const auto& [slot, name] : kSlots) {
        values[slot] = std::string("#c") + slot;
        w.form().setText(name, values[slot]);
    }
    const std::string& css = w.press(kGenerate);
    EXPECT_EQ(css, expectedCss(values));
    EXPECT_NE(css.find("border-right:1px solid#cC;"), std::string::npos);
    EXPECT_NE(css.find("border-top:solid 1px#cL;"), std::string::npos);
    EXPECT_NE(css.find(".menu-selected .link{background:#cD;}"), std::string::npos);
}

TEST(NavigationCss, TextsAreTakenAsTyped) {
    OpenWindow w("F07");
    w.form().setText("编辑框_导航背景颜色", "#1d1d1d ");
    w.form().setText("编辑框_导航文字颜色", "red\"/><b>");
    const std::string& css = w.press(kGenerate);
    EXPECT_EQ(
        css.rfind(".skin-box-bd{background:#1d1d1d ;}/*页头背景颜色设置成#1d1d1d 可以做成宽屏的导航*/", 0),
        0u);
    EXPECT_EQ(countOf(css, "#1d1d1d "), 5u); // four rules and the comment
    EXPECT_NE(css.find("color:red\"/><b>;font-weight:bold;"), std::string::npos);
}

TEST(NavigationCss, ClearEmptiesTheFieldsInOrderThenTheCode) {
    OpenWindow w("F07");
    for (const auto& [slot, name] : kSlots)
        w.form().setText(name, std::string(1, slot));
    w.press(kGenerate);
    std::vector<std::string> emptied;
    const Subscription told =
        w.form().addChangeListener([&emptied](const std::string& name) { emptied.push_back(name); });

    w.prompter.answers = {Answer::No};
    w.press(kClear);
    EXPECT_TRUE(emptied.empty());
    EXPECT_FALSE(w.form().code().empty());

    w.press(kClear);
    EXPECT_EQ(w.prompter.messages.back(), "是否要清空所有内容？");
    ASSERT_EQ(emptied.size(), kSlots.size() + 1);
    for (std::size_t i = 0; i < kSlots.size(); ++i)
        EXPECT_EQ(emptied[i], kSlots[i].second);
    EXPECT_EQ(emptied.back(), "超级编辑框_导航CSS生成");
    EXPECT_EQ(w.form().code(), "");
}

} // namespace
} // namespace ornavo::testing
