// "导航变色效果（图片颜色底图）": a style sheet for the marketplace's own navigation module that lays
// background pictures (30 pixels high) under the bar, its entries and the drop-down menus, with a
// second picture while the mouse rests on an entry, so the bar seems to change colour. The rules are
// written exactly as the marketplace editors have always pasted them, including the declarations a
// browser ignores.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

namespace ornavo {
namespace {

// Pictures.
const char* const kNavPicture = "编辑框_导航背景图";                      // A
const char* const kNavHoverPicture = "编辑框_鼠标移至导航背景图";         // B
const char* const kAllCatsPicture = "编辑框_所有分类背景图";              // C
const char* const kAllCatsHoverPicture = "编辑框_鼠标移至所有分类背景图"; // D
const char* const kFirstPicture = "编辑框_一级下拉菜单背景图";            // E
const char* const kFirstHoverPicture = "编辑框_鼠标移至一级菜单背景图";   // F
const char* const kSecondPicture = "编辑框_二级下拉菜单背景图";           // G
const char* const kSecondHoverPicture = "编辑框_鼠标移至二级菜单背景图";  // H
// Text colours.
const char* const kNavText = "编辑框_导航文字颜色";            // I
const char* const kAllCatsText = "编辑框_所有分类文字颜色";    // J
const char* const kFirstText = "编辑框_一级下拉菜单文字颜色";  // K
const char* const kSecondText = "编辑框_二级下拉菜单文字颜色"; // M

const char* const kCode = "超级编辑框_F08生成代码";

std::string presetPicture(const char* file) {
    return makerServer() + "/Tessaly/upload/images/131101/daohangcss/" + file;
}

// The first- and second-level menus' hover text colours take the navigation text colour I.
std::string generate(const Form& f) {
    const std::string& a = f.text(kNavPicture);
    const std::string& b = f.text(kNavHoverPicture);
    const std::string& c = f.text(kAllCatsPicture);
    const std::string& d = f.text(kAllCatsHoverPicture);
    const std::string& e = f.text(kFirstPicture);
    const std::string& pf = f.text(kFirstHoverPicture);
    const std::string& g = f.text(kSecondPicture);
    const std::string& h = f.text(kSecondHoverPicture);
    const std::string& i = f.text(kNavText);
    const std::string& j = f.text(kAllCatsText);
    const std::string& k = f.text(kFirstText);
    const std::string& m = f.text(kSecondText);

    std::string css;
    css += ".skin-box-bd{background:url(" + a;
    css += ");}/*页头背景颜色设置成url(" + a;
    css += ")可以做成宽屏的导航*/\r\n.skin-box-bd .menu-list{background:url(" + a;
    css += ");}\r\n.skin-box-bd .menu-list .menu{background:url(" + a;
    css += ");border:none;}\r\n.skin-box-bd .menu-list .menu .link{background:url(" + a;
    css += ");border-right:0px solid ;}\r\n.all-cats .link{background:url(" + c;
    css += ");border:none;}\r\n.all-cats .link:hover{background:url(" + d;
    css += ");}\r\n.all-cats .link .title{color:" + j;
    css += ";border:none;}\r\n.all-cats  .link .title:hover{color:}\r\n"
           ".skin-box-bd .menu-list .menu .link:hover{background:url(" +
           b;
    css += ");}\r\n.skin-box-bd .menu-list .menu .link .title{background:none;color:" + i;
    css += ";Tessaly;}\r\n.skin-box-bd .menu-list .menu .link .title:hover{color:url(Text4)}\r\n"
           ".popup-content{border:none;padding:0px;margin:0px;}\r\n"
           ".popup-content .popup-inner{border:none;padding:0px;margin:0px;background:url(" +
           e;
    css += ");}\r\n.popup-inner .cats-tree .fst-cat{background:url(" + e;
    css += ");border-top:solid 0px url();}\r\n.popup-inner .cats-tree .fst-cat:hover{background:url();}\r\n"
           ".popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name{color:" +
           k;
    css += ";}\r\n.popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name:hover{color:" + i;
    css += "}\r\n.popup-content .menu-popup-cats .sub-cat{background:url(" + e;
    css += ");}\r\n.popup-content .menu-popup-cats .sub-cat .cat-name{color:" + k;
    css += ";background:url(" + e;
    css += ");}\r\n.popup-content .menu-popup-cats .sub-cat .cat-name:hover{color:" + i;
    css += ";background:url();}\r\n.snd-pop-inner{height:auto;padding:0px;margin:0px;}\r\n"
           ".snd-pop-inner .fst-cat-bd{padding:0px;margin:0px;background-color:url(" +
           e;
    css += ");}\r\n.snd-pop-inner .fst-cat-bd .snd-cat-hd{background-color:url(" + e;
    css += ");}\r\n.snd-pop-inner .fst-cat-bd .snd-cat-name{color:" + m;
    css += ";}\r\n.snd-pop-inner .fst-cat-bd .snd-cat-name:hover{color:;background-color:url();}\r\n"
           ".skin-box-bd .popup-content .cats-tree \r\n.cat-hd-hover{background:url(" +
           pf;
    css += ");}.fst-cat-bd{padding:0px;margin:0px;background-color:url();background:url(" + g;
    css += ");}.snd-pop-inner .fst-cat-bd .snd-cat-name:hover{background:url();background:url(" + h;
    css += ");}\r\n";
    return css;
}

} // namespace

ModuleSpec navigationOverImageModule() {
    ModuleSpec m;
    m.caption = "导航变色效果（图片颜色底图）";
    m.width = 845;
    m.height = 629;
    m.sections = {
        {"模块样式", {line({picture("图片框1", "/Tessaly/samples/F08.jpg", 700, 120)})}},
        {"模块设置",
         {
             // Pictures in one column, colours in the other, each colour beside its picture.
             table(Table{
                 "",
                 {"图片空间地址链接", "文字颜色代码参数"},
                 {
                     {"",
                      {field(kNavPicture, "导航背景图：", presetPicture("shenhui.jpg")),
                       field(kNavText, "导航文字颜色：", "#FFFFFF")}},
                     {"", {field(kNavHoverPicture, "鼠标移至,导航背景图：", presetPicture("lvse.jpg"))}},
                     {"",
                      {field(kAllCatsPicture, "所有分类背景图：", presetPicture("lvse.jpg")),
                       field(kAllCatsText, "所有分类文字颜色：", "#FFFFFF")}},
                     {"",
                      {field(kAllCatsHoverPicture, "鼠标移至,所有分类背景图：", presetPicture("lanse.jpg"))}},
                     {"",
                      {field(kFirstPicture, "一级下拉菜单背景图：", ""),
                       field(kFirstText, "一级下拉菜单文字颜色：", "#FFFFFF")}},
                     {"",
                      {field(kFirstHoverPicture, "鼠标移至,一级菜单背景图：", presetPicture("lvse.jpg"))}},
                     {"",
                      {field(kSecondPicture, "二级下拉菜单背景图：", ""),
                       field(kSecondText, "二级下拉菜单文字颜色：", "#FFFFFF")}},
                     {"",
                      {field(kSecondHoverPicture, "鼠标移至,二级菜单背景图：", presetPicture("lvse.jpg"))}},
                 }}),
         }},
        {"模块说明",
         {
             line({label("标签11", "1、如果不需要修改的，保留空白即可，图片尺寸：高为")}),
             line({label("标签13", "30px,宽不限，超出部分不显示.")}),
             line({label("标签17", "2、设置导航、一级、二级下拉菜单背景图，设置鼠标移至")}),
             line({label("标签18", "背景、未移至背景颜色，当设置未移至与移至背景不一")}),
             line({label("标签19", "样时实现变色动感效果.")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F08一键生成", "一键生成", generate),
        copyButton("按钮_F08复制代码"),
        clearButton("按钮_F08清空代码", "清空内容",
                    {kNavPicture, kNavText, kAllCatsPicture, kAllCatsText, kSecondPicture, kFirstPicture,
                     kNavHoverPicture, kSecondText, kFirstText, kSecondHoverPicture, kFirstHoverPicture,
                     kAllCatsHoverPicture, kCode}),
        exitButton("按钮_F08退出"),
        colourButton("按钮_选色器"),
    };
    return m;
}

} // namespace ornavo
