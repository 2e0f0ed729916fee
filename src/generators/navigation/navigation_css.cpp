// "店铺导航CSS生成模块": a one-line style sheet that recolours the marketplace's own navigation module
// (bar, links, all-categories button, first- and second-level drop-down menus) with plain colours.
// Every value is a colour text typed by the user and placed into fixed rules unchanged.

#include "framework/model/form.h"
#include "generators/catalogue.h"

namespace ornavo {
namespace {

// Navigation bar.
const char* const kNavBackground = "编辑框_导航背景颜色";                      // A
const char* const kNavText = "编辑框_导航文字颜色";                            // B
const char* const kNavDivider = "编辑框_导航分隔竖线颜色";                     // C
const char* const kNavHoverBackground = "编辑框_鼠标移至导航背景颜色";         // D
const char* const kNavHoverText = "编辑框_鼠标移至导航文字颜色";               // E
const char* const kAllCatsBackground = "编辑框_所有分类背景颜色";              // F
const char* const kAllCatsText = "编辑框_所有分类文字颜色";                    // G
const char* const kAllCatsHoverBackground = "编辑框_鼠标移至所有分类背景颜色"; // H
const char* const kAllCatsHoverText = "编辑框_鼠标移至所有分类文字颜色";       // I
// First-level drop-down menu.
const char* const kFirstBackground = "编辑框_一级下拉菜单背景颜色";              // J
const char* const kFirstText = "编辑框_一级下拉菜单文字颜色";                    // K
const char* const kFirstTopBorder = "编辑框_一级下拉菜单上边框颜色";             // L
const char* const kFirstHoverBackground = "编辑框_鼠标移至一级下拉菜单背景颜色"; // M
const char* const kFirstHoverText = "编辑框_鼠标移至一级下拉菜单文字颜色";       // N
// Second-level drop-down menu.
const char* const kSecondBackground = "编辑框_二级下拉菜单背景颜色";              // O
const char* const kSecondText = "编辑框_二级下拉菜单文字颜色";                    // P
const char* const kSecondHoverBackground = "编辑框_鼠标移至二级下拉菜单背景颜色"; // Q
const char* const kSecondHoverText = "编辑框_鼠标移至二级下拉菜单文字颜色";       // R

const char* const kCode = "超级编辑框_导航CSS生成";

// All rules on one line, nothing between them. The selected entry takes the hover colours, and the
// sub-categories of the first-level menu take the first-level colours.
std::string generate(const Form& f) {
    const std::string& a = f.text(kNavBackground);
    const std::string& b = f.text(kNavText);
    const std::string& c = f.text(kNavDivider);
    const std::string& d = f.text(kNavHoverBackground);
    const std::string& e = f.text(kNavHoverText);
    const std::string& cf = f.text(kAllCatsBackground);
    const std::string& g = f.text(kAllCatsText);
    const std::string& h = f.text(kAllCatsHoverBackground);
    const std::string& i = f.text(kAllCatsHoverText);
    const std::string& j = f.text(kFirstBackground);
    const std::string& k = f.text(kFirstText);
    const std::string& l = f.text(kFirstTopBorder);
    const std::string& m = f.text(kFirstHoverBackground);
    const std::string& n = f.text(kFirstHoverText);
    const std::string& o = f.text(kSecondBackground);
    const std::string& p = f.text(kSecondText);
    const std::string& q = f.text(kSecondHoverBackground);
    const std::string& r = f.text(kSecondHoverText);

    std::string css;
    css += ".skin-box-bd{background:" + a + ";}";
    css += "/*页头背景颜色设置成" + a + "可以做成宽屏的导航*/";
    css += ".skin-box-bd .menu-list{background:" + a + ";}";
    css += ".skin-box-bd .menu-list .menu{background:" + a + ";border:none;}";
    css += ".skin-box-bd .menu-list .menu .link{background:" + a + ";border:none;border-right:1px solid" + c +
           ";}";
    css += ".all-cats .link{background:" + cf + ";border:none;}";
    css += ".all-cats .link:hover{background:" + h + ";}";
    css += ".all-cats .link .title{color:" + g + ";border:none;}";
    css += ".all-cats  .link .title:hover{color:" + i + "}";
    css += ".skin-box-bd .menu-list .menu .link:hover{background:" + d + ";}";
    css += ".skin-box-bd .menu-list .menu .link .title{background:none;color:" + b + ";font-weight:bold;}";
    css += ".skin-box-bd .menu-list .menu .link .title:hover{color:" + e + ";}";
    css += ".skin-box-bd .menu-list .menu-selected .link{background:" + d + ";}";
    css += ".skin-box-bd .menu-list .menu-selected .link .title{color:" + e + ";}";
    css += ".popup-content{border:none;padding:0px;margin:0px;}";
    css += ".popup-content .popup-inner{border:none;padding:0px;margin:0px;background:" + j + ";}";
    css += ".popup-inner .cats-tree .fst-cat{background:" + j + ";border-top:solid 1px" + l + ";}";
    css += ".popup-inner .cats-tree .fst-cat:hover{background:" + m + ";}";
    css += ".popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name{color:" + k + ";}";
    css += ".popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name:hover{color:" + n + "}";
    css += ".popup-content .menu-popup-cats .sub-cat{background:" + j + ";}";
    css += ".popup-content .menu-popup-cats .sub-cat .cat-name{color:" + k + ";background:" + j + ";}";
    css += ".popup-content .menu-popup-cats .sub-cat .cat-name:hover{color:" + n + ";background:" + m + ";}";
    css += ".snd-pop-inner{height:auto;padding:0px;margin:0px;}";
    css += ".snd-pop-inner .fst-cat-bd{padding:0px;margin:0px;background-color:" + o + ";}";
    css += ".snd-pop-inner .fst-cat-bd .snd-cat-hd{background-color:" + o + ";}";
    css += ".snd-pop-inner .fst-cat-bd .snd-cat-name{color:" + p + ";}";
    css += ".snd-pop-inner .fst-cat-bd .snd-cat-name:hover{color:" + r + ";background-color:" + q + ";}";
    return css;
}

} // namespace

ModuleSpec navigationCssModule() {
    ModuleSpec m;
    m.caption = "店铺导航CSS生成模块";
    m.width = 965;
    m.height = 662;
    m.sections = {
        {"模块样例", {line({picture("图片框_导航CSS生成", "/Tessaly/samples/F07.jpg", 700, 120)})}},
        {"导航颜色选择区",
         {
             line({field(kNavBackground, "导航背景颜色：", ""), field(kNavText, "导航文字颜色：", ""),
                   field(kNavDivider, "导航分隔竖线颜色：", "")}),
             line({field(kNavHoverBackground, "鼠标移至,导航背景颜色：", ""),
                   field(kNavHoverText, "鼠标移至,导航文字颜色：", "")}),
             line({field(kAllCatsBackground, "所有分类背景颜色：", ""),
                   field(kAllCatsText, "所有分类文字颜色：", "")}),
             line({field(kAllCatsHoverBackground, "鼠标移至,所有分类背景颜色：", ""),
                   field(kAllCatsHoverText, "鼠标移至,所有分类文字颜色：", "")}),
         }},
        {"一级分类颜色选择区",
         {
             line({field(kFirstBackground, "一级下拉菜单背景颜色：", ""),
                   field(kFirstText, "一级下拉菜单文字颜色：", ""),
                   field(kFirstTopBorder, "一级下拉菜单上边框颜色：", "")}),
             line({field(kFirstHoverBackground, "鼠标移至,一级下拉菜单背景颜色：", ""),
                   field(kFirstHoverText, "鼠标移至,一级下拉菜单文字颜色：", "")}),
         }},
        {"二级分类颜色选择区",
         {
             line({field(kSecondBackground, "二级下拉菜单背景颜色：", ""),
                   field(kSecondText, "二级下拉菜单文字颜色：", "")}),
             line({field(kSecondHoverBackground, "鼠标移至,二级下拉菜单背景颜色：", ""),
                   field(kSecondHoverText, "鼠标移至,二级下拉菜单文字颜色：", "")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_导航CSS一键生成", "一键生成", generate),
        copyButton("按钮_导航CSS复制代码"),
        clearButton("按钮_导航CSS清空内容", "清空所有内容",
                    {kNavBackground, kNavText, kNavDivider, kNavHoverBackground, kNavHoverText,
                     kAllCatsBackground, kAllCatsText, kAllCatsHoverBackground, kAllCatsHoverText,
                     kFirstBackground, kFirstText, kFirstTopBorder, kFirstHoverBackground, kFirstHoverText,
                     kSecondBackground, kSecondText, kSecondHoverBackground, kSecondHoverText, kCode}),
        exitButton("按钮_导航CSS退出"),
        colourButton("按钮_导航CSS选色器"),
    };
    return m;
}

} // namespace ornavo
