// "广告图轮播-方向箭头轮播": four advert images in a horizontally scrolling carousel, 950 × 460 pixels
// with one 850-pixel image in view, and an arrow button on each side whose pictures and distance from
// the top the user chooses. The sizes are fixed; every image is lazy-loaded and links to its own page.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

const char* const kImage[] = {"编辑框_图片地址01", "编辑框_图片地址02", "编辑框_图片地址03",
                              "编辑框_图片地址04"};
const char* const kLink[] = {"编辑框_链接地址01", "编辑框_链接地址02", "编辑框_链接地址03",
                             "编辑框_链接地址04"};
const char* const kLeftArrow = "编辑框_左箭头";
const char* const kRightArrow = "编辑框_右箭头";
const char* const kArrowTop = "编辑框_顶距";
const char* const kCode = "超级编辑框_F30代码生成";

// An arrow button: 45 pixels wide, pushed down by the typed distance, with a lazy-loaded picture.
std::string arrow(const char* cls, const char* side, const std::string& top, const std::string& picture) {
    return std::string("<DIV class=") + cls + " style=\"FLOAT: " + side +
           "; WIDTH: 45px; CURSOR: pointer; PADDING-TOP: " + top + "px; \"><img  src=\"" + placeholderGif() +
           "\" width=45 data-ks-lazyload=\"" + picture + "\"></DIV>\r\n";
}

std::string generate(const Form& f) {
    const std::string& top = f.text(kArrowTop);
    std::string code =
        "\r\n<DIV class=\"slider-promo J_Slider J_TWidget\" style=\"WIDTH: 950px; HEIGHT: 460px\">\r\n<DIV "
        "style=\"BORDER-RIGHT: #999999 0px double; BORDER-TOP: #999999 0px double; BORDER-LEFT: #999999 0px "
        "double; "
        "BORDER-BOTTOM: #999999 0px double\">\r\n<DIV class=\"J_TWidget hotrecommend clearfix\" "
        "data-widget-type=\"Carousel\" "
        "data-widget-config=\"{'effect':'scrollx','easing':'easeOutStrong','steps':1,'viewSize':[850],'"
        "prevBtnCls':"
        "'prev','nextBtnCls':'next','lazyDataType':'img-src','navCls':'nav','contentCls':'content',"
        "'activeTriggerCls':'selected','autoplay':'true',' OVERFLOW':'hidden'}\">\r\n";
    // The button on the right moves back and shows the right arrow; the one on the left moves on.
    code += arrow("prev", "right", top, f.text(kRightArrow));
    code += arrow("next", "left", top, f.text(kLeftArrow));
    code += "<DIV class=contentwarp style=\"MARGIN: auto; OVERFLOW: hidden; WIDTH: 854px; TOP: 3px; HEIGHT: "
            "460px\">\r\n<ul class=content>";

    // The first three items stay open; each next one starts after a blank.
    const std::string shop = makerShop();
    for (int k = 0; k < 4; ++k)
        code += "<li><A href=\"" + f.text(kLink[k]) +
                "\" target=_blank data-attr-replace=\"[ {'type':'href','desc':'" + shop +
                "'}]\"><img alt=\"\" src=\"" + placeholderGif() + "\" data-attr-replace=\"[" + shop +
                "]\" data-ks-lazyload=\"" + f.text(kImage[k]) + "\"></A> ";
    return code + "</li>\r\n\r\n\r\n\r\n</ul></DIV></DIV></DIV></DIV></TD>";
}

} // namespace

ModuleSpec arrowCarouselModule() {
    const std::string dir = makerServer() + "/Tessaly/upload/images/131104/f30/";
    ModuleSpec m;
    m.caption = "广告图轮播-方向箭头轮播";
    m.width = 654;
    m.height = 640;
    m.sections = {
        {"模块样式", {line({picture("图片框1", "/Tessaly/samples/F30.jpg", 380, 205)})}},
        {"模块设置（图片尺寸：850x460px）",
         {
             table(numberedTable(
                 "图片编号",
                 {{"图片地址", "编辑框_图片地址",
                   rowTexts({dir + "sc1.jpg", dir + "sc4.jpg", dir + "sc5.jpg", dir + "sc6.jpg"})},
                  {"链接地址", "编辑框_链接地址", sameText(marketHome())}},
                 4)),
             line({field(kLeftArrow, "左箭头图片：", dir + "zuojiantou.gif")}),
             line({field(kRightArrow, "右箭头图片：", dir + "youjiantou.gif")}),
             line({field(kArrowTop, "居顶距：", "130")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F30一键生成", "一键生成", generate),
        copyButton("按钮_F30复制代码"),
        // The arrows' distance from the top keeps its text.
        clearButton("按钮_F30清空内容", "清空内容",
                    {kImage[0], kImage[1], kImage[2], kImage[3], kLink[0], kLink[1], kLink[2], kLink[3],
                     kLeftArrow, kRightArrow, kCode}),
        previewButton("按钮_F30预览"),
        exitButton("按钮_F30退出"),
    };
    return m;
}

} // namespace ornavo
