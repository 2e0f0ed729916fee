// The navigation style sheet over background pictures: 25 pieces around eight picture addresses and
// four text colours.

#include "framework/model/constants.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <map>

namespace ornavo::testing {
namespace {

const char* const kGenerate = "按钮_F08一键生成";
const char* const kClear = "按钮_F08清空代码";
const char* const kCode = "超级编辑框_F08生成代码";

const std::map<char, std::string> kFields = {
    {'A', "编辑框_导航背景图"},           {'B', "编辑框_鼠标移至导航背景图"},
    {'C', "编辑框_所有分类背景图"},       {'D', "编辑框_鼠标移至所有分类背景图"},
    {'E', "编辑框_一级下拉菜单背景图"},   {'F', "编辑框_鼠标移至一级菜单背景图"},
    {'G', "编辑框_二级下拉菜单背景图"},   {'H', "编辑框_鼠标移至二级菜单背景图"},
    {'I', "编辑框_导航文字颜色"},         {'J', "编辑框_所有分类文字颜色"},
    {'K', "编辑框_一级下拉菜单文字颜色"}, {'M', "编辑框_二级下拉菜单文字颜色"},
};

std::string preset(const std::string& file) {
    return makerServer() + "/Tessaly/upload/images/131101/daohangcss/" + file;
}

std::map<char, std::string> defaults() {
    return {{'A', preset("shenhui.jpg")},
            {'B', preset("lvse.jpg")},
            {'C', preset("lvse.jpg")},
            {'D', preset("lanse.jpg")},
            {'E', ""},
            {'F', preset("lvse.jpg")},
            {'G', ""},
            {'H', preset("lvse.jpg")},
            {'I', "#FFFFFF"},
            {'J', "#FFFFFF"},
            {'K', "#FFFFFF"},
            {'M', "#FFFFFF"}};
}

// The 25 pieces, each followed by its slot (none after the last).
std::string expectedCss(std::map<char, std::string> v) {
    const std::vector<std::pair<std::string, char>> pieces = {
        {".skin-box-bd{background:url(", 'A'},
        {");}/*页头背景颜色设置成url(", 'A'},
        {")可以做成宽屏的导航*/\r\n.skin-box-bd .menu-list{background:url(", 'A'},
        {");}\r\n.skin-box-bd .menu-list .menu{background:url(", 'A'},
        {");border:none;}\r\n.skin-box-bd .menu-list .menu .link{background:url(", 'A'},
        {");border-right:0px solid ;}\r\n.all-cats .link{background:url(", 'C'},
        {");border:none;}\r\n.all-cats .link:hover{background:url(", 'D'},
        {");}\r\n.all-cats .link .title{color:", 'J'},
        {";border:none;}\r\n.all-cats  .link .title:hover{color:}\r\n.skin-box-bd .menu-list .menu "
         ".link:hover{"
         "background:url(",
         'B'},
        {");}\r\n.skin-box-bd .menu-list .menu .link .title{background:none;color:", 'I'},
        {";Tessaly;}\r\n.skin-box-bd .menu-list .menu .link "
         ".title:hover{color:url(Text4)}\r\n.popup-content{border:"
         "none;padding:0px;margin:0px;}\r\n.popup-content "
         ".popup-inner{border:none;padding:0px;margin:0px;background:"
         "url(",
         'E'},
        {");}\r\n.popup-inner .cats-tree .fst-cat{background:url(", 'E'},
        {");border-top:solid 0px url();}\r\n.popup-inner .cats-tree "
         ".fst-cat:hover{background:url();}\r\n.popup-"
         "inner .cats-tree .fst-cat .cat-hd .fst-cat-name{color:",
         'K'},
        {";}\r\n.popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name:hover{color:", 'I'},
        {"}\r\n.popup-content .menu-popup-cats .sub-cat{background:url(", 'E'},
        {");}\r\n.popup-content .menu-popup-cats .sub-cat .cat-name{color:", 'K'},
        {";background:url(", 'E'},
        {");}\r\n.popup-content .menu-popup-cats .sub-cat .cat-name:hover{color:", 'I'},
        {";background:url();}\r\n.snd-pop-inner{height:auto;padding:0px;margin:0px;}\r\n.snd-pop-inner "
         ".fst-cat-bd{"
         "padding:0px;margin:0px;background-color:url(",
         'E'},
        {");}\r\n.snd-pop-inner .fst-cat-bd .snd-cat-hd{background-color:url(", 'E'},
        {");}\r\n.snd-pop-inner .fst-cat-bd .snd-cat-name{color:", 'M'},
        {";}\r\n.snd-pop-inner .fst-cat-bd "
         ".snd-cat-name:hover{color:;background-color:url();}\r\n.skin-box-bd "
         ".popup-content .cats-tree \r\n.cat-hd-hover{background:url(",
         'F'},
        {");}.fst-cat-bd{padding:0px;margin:0px;background-color:url();background:url(", 'G'},
        {");}.snd-pop-inner .fst-cat-bd .snd-cat-name:hover{background:url();background:url(", 'H'},
        {");}\r\n", 0},
    };
    EXPECT_EQ(pieces.size(), 25u);
    std::string css;
    for (const auto& [text, slot] : pieces)
        css += text + (slot ? v[slot] : std::string());
    return css;
}

TEST(NavigationOverImage, WindowDescription) {
    OpenWindow w("F08");
    const ModuleSpec& module = w.form().module();
    EXPECT_EQ(module.caption, "导航变色效果（图片颜色底图）");
    EXPECT_EQ(module.width, 845);
    EXPECT_EQ(module.height, 629);
    EXPECT_EQ(module.professionalButton.caption, "F08-导航CSS代码(图片导航变色)");
    ASSERT_TRUE(module.basicButton.has_value());
    EXPECT_EQ(module.basicButton->name, "按钮_F05基础导航CSS代码图片导航变色");
    EXPECT_EQ(module.codeBox.name, kCode);
    for (const Button& b : module.buttons)
        EXPECT_NE(b.action, Action::Preview) << b.name;
    std::string notes;
    for (const char* label : {"标签11", "标签13", "标签17", "标签18", "标签19"}) {
        ASSERT_NE(w.form().control(label), nullptr) << label;
        notes += w.form().control(label)->caption;
    }
    EXPECT_EQ(
        notes,
        "1、如果不需要修改的，保留空白即可，图片尺寸：高为30px,宽不限，超出部分不显示.2、设置导航、一级、"
        "二级下拉菜单背景图，设置鼠标移至背景、未移至背景颜色，当设置未移至与移至背景不一样时实现变色动感效果"
        ".");
    for (const auto& [slot, value] : defaults())
        EXPECT_EQ(w.form().text(kFields.at(slot)), value) << slot;
    w.press("按钮_选色器");
    EXPECT_EQ(w.host.colourTables, 1);
}

TEST(NavigationOverImage, DefaultsGiveTheFullStyleSheet) {
    OpenWindow w("F08");
    const std::string& css = w.press(kGenerate);
    EXPECT_EQ(css, expectedCss(defaults()));
    EXPECT_EQ(css.rfind(".skin-box-bd{background:url(" + preset("shenhui.jpg") + ");}", 0), 0u);
    // The menus' backgrounds take the empty first- and second-level pictures.
    EXPECT_NE(css.find(".popup-content .popup-inner{border:none;padding:0px;margin:0px;background:url();}"),
              std::string::npos);
    EXPECT_NE(css.find("background-color:url();background:url();}"), std::string::npos);
    EXPECT_EQ(css.substr(css.size() - 5), ");}\r\n");
}

TEST(NavigationOverImage, EverySlotLandsInItsPlaces) {
    OpenWindow w("F08");
    std::map<char, std::string> values;
    for (const auto& [slot, name] : kFields) {
        values[slot] = std::string("<") + slot + "'\">";
        w.form().setText(name, values[slot]);
    }
    const std::string& css = w.press(kGenerate);
    EXPECT_EQ(css, expectedCss(values));
    EXPECT_EQ(countOf(css, "<A'\">"), 5u);
    EXPECT_EQ(countOf(css, "<E'\">"), 6u);
    EXPECT_EQ(countOf(css, "<I'\">"), 3u);
}

TEST(NavigationOverImage, EmptyPicturesGiveEmptyUrls) {
    OpenWindow w("F08");
    for (const auto& [slot, name] : kFields)
        w.form().setText(name, "");
    const std::string& css = w.press(kGenerate);
    EXPECT_EQ(css, expectedCss({}));
    EXPECT_EQ(countOf(css, "url()"), 23u); // 17 emptied slots and 6 fixed ones
    EXPECT_EQ(
        css.rfind(".skin-box-bd{background:url();}/*页头背景颜色设置成url()可以做成宽屏的导航*/\r\n", 0), 0u);
}

TEST(NavigationOverImage, ClearEmptiesEverySlotInOrderThenTheCode) {
    OpenWindow w("F08");
    for (const auto& [slot, name] : kFields)
        w.form().setText(name, std::string(1, slot));
    w.press(kGenerate);
    std::vector<std::string> emptied;
    const Subscription told =
        w.form().addChangeListener([&emptied](const std::string& name) { emptied.push_back(name); });
    w.prompter.answers = {Answer::No};
    w.press(kClear);
    EXPECT_TRUE(emptied.empty());
    w.press(kClear);
    EXPECT_EQ(w.prompter.messages,
              (std::vector<std::string>{"是否要清空所有内容？", "是否要清空所有内容？"}));
    std::vector<std::string> expected;
    for (char slot : std::string("AICJGEBMKHFD"))
        expected.push_back(kFields.at(slot));
    expected.push_back(kCode);
    EXPECT_EQ(emptied, expected);
    EXPECT_EQ(w.form().code(), "");
}

} // namespace
} // namespace ornavo::testing
