// "950手拉风琴轮播特效": four advert images in a 950-pixel accordion. Each image panel follows a narrow
// title strip (30 pixels plus a 1-pixel border) that shows an item title in a 15-pixel column; pointing
// at a strip opens the panel after it, and the accordion also plays by itself. The panel width is fixed
// at 825 pixels so that four strips and the open panel fill the 950-pixel module.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/markup.h"
#include "generators/adverts/sizes.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

const char* const kImage[] = {"编辑框_图片地址01", "编辑框_图片地址02", "编辑框_图片地址03",
                              "编辑框_图片地址04"};
const char* const kTitle[] = {"编辑框_宝贝标题01", "编辑框_宝贝标题02", "编辑框_宝贝标题03",
                              "编辑框_宝贝标题04"};
const char* const kLink[] = {"编辑框_链接地址01", "编辑框_链接地址02", "编辑框_链接地址03",
                             "编辑框_链接地址04"};
const char* const kWidth = "编辑框_图片宽";
const char* const kHeight = "编辑框_图片高";
const char* const kStripColour = "编辑框_标题背景颜色";
const char* const kTitleColour = "编辑框_标题颜色";
const char* const kCode = "超级编辑框_F10生成代码";
const char* const kPanelWidth = "825";

// Style of a title strip up to its height. The third strip starts as the active one (and its style
// lacks a blank before PADDING-TOP); the closing fifth strip lacks the blank before HEIGHT instead.
const char* const kStripOpen =
    "<DIV class=zu style=\"BORDER-RIGHT: #dddddd 1px solid; FLOAT: left; PADDING-BOTTOM: "
    "0px; OVERFLOW: hidden; WIDTH: 30px; CURSOR: pointer; PADDING-TOP: 0px; HEIGHT: ";
const char* const kActiveStripOpen =
    "<DIV class=\"zu ks-active\" style=\"BORDER-RIGHT: #dddddd 1px solid; FLOAT: "
    "left; PADDING-BOTTOM: 0px; OVERFLOW: hidden; WIDTH: 30px; CURSOR: "
    "pointer;PADDING-TOP: 0px; HEIGHT: ";
const char* const kLastStripOpen =
    "<DIV class=zu style=\"BORDER-RIGHT: #dddddd 1px solid; FLOAT: left; PADDING-BOTTOM: "
    "0px; OVERFLOW: hidden; WIDTH: 30px; CURSOR: pointer; PADDING-TOP: 0px;HEIGHT: ";
const char* const kStripTable =
    "\" align=center>\r\n<TABLE cellSpacing=0 cellPadding=0 width=15 border=0>\r\n<TBODY>\r\n<TR>\r\n";

std::string titleStrip(const Form& f, int k) {
    const std::string& h = f.text(kHeight);
    return (k == 2 ? kActiveStripOpen : kStripOpen) + h + "px; BACKGROUND-COLOR: " + f.text(kStripColour) +
           kStripTable + "<TD height=" + h +
           "><A style=\"font-weight: normal; COLOR:" + f.text(kTitleColour) +
           "; LINE-HEIGHT: 14px\" data-attr-replace=\"" + markup::attributionReplaceOrnavo() + "\">" +
           f.text(kTitle[k]) + "</A></TD></TR></TBODY></TABLE></DIV>";
}

// The first panel is the one shown at load; the others are hidden and carry the class "te".
std::string imagePanel(const Form& f, int k) {
    const std::string& w = f.text(kWidth);
    const std::string& h = f.text(kHeight);
    std::string panel =
        k == 0 ? "\r\n<DIV class=ci style=\"DISPLAY: block; FLOAT: left; OVERFLOW: hidden; WIDTH: " + w +
                     "px; HEIGHT:" + h
               : "<DIV class=\"ci te\" style=\"DISPLAY: none; FLOAT: left; OVERFLOW: hidden; WIDTH: " + w +
                     "px; HEIGHT: " + h;
    return panel + "px\"><A target=_blank href=\"" + f.text(kLink[k]) +
           "\" data-attr-replace=\"[]\"><img style=\"WIDTH: " + w + "px; HEIGHT: " + h + "px\" src=\"" +
           placeholderGif() + "\" border=0 data-ks-lazyload=\"" + f.text(kImage[k]) +
           "\" data-attr-replace=\"[ ]\"></A></DIV>";
}

std::string generate(const Form& f) {
    const std::string& h = f.text(kHeight);
    std::string code = std::string(markup::kCustomAreaA) + "\r\n" + markup::kFrameOpenUpper + "\r\n" +
                       markup::kFrameBodyOpenUpper + "\r\n";

    code +=
        "<DIV class=J_TWidget style=\"WIDTH: 950px; HEIGHT: " + h +
        "px\" data-widget-config=\"{'effect': 'fade', 'circular': true ,'contentCls':'piaofu' }\" "
        "data-widget-type=\"Tabs\">\r\n<DIV class=piaofu>\r\n<DIV class=\"J_Slider J_TWidget\" "
        "style=\"WIDTH: "
        "950px; HEIGHT: " +
        h +
        "px\">\r\n<DIV style=\"BORDER-RIGHT: #dddddd 1px solid; BORDER-TOP: #dddddd 1px solid; OVERFLOW: "
        "hidden; BORDER-LEFT: #dddddd 1px solid; WIDTH: 948px; BORDER-BOTTOM: #dddddd 1px solid; HEIGHT: " +
        h +
        "px\">\r\n<DIV class=J_TWidget data-widget-config=\"{'triggerType': 'mouse','autoplay':true, "
        "'triggerCls':'zu', 'panelCls':'ci', 'multiple':false,'hasTriggers':true}\" "
        "data-widget-type=\"Accordion\">\r\n<DIV class=\"J_TWidget section2\" style=\"FLOAT: left; "
        "MARGIN-LEFT: "
        "0px; WIDTH: 950px; HEIGHT: " +
        h + "px\">\r\n";

    for (int k = 0; k < 4; ++k)
        code += titleStrip(f, k) + imagePanel(f, k);

    // A fifth strip without a title closes the nest; its table row is left open.
    code += kLastStripOpen + h + "px; BACKGROUND-COLOR: " + f.text(kStripColour) + kStripTable +
            "\r\n</DIV></DIV></DIV></DIV>\r\n<ul class=ks-switchable-nav>\r\n<li "
            "class=ks-active></li></ul></DIV></DIV>"
            "</span></DIV>" +
            markup::kFrameBottomUpper + "</DIV></DIV>";
    return code;
}

Table imageTable() {
    const std::string dir = makerServer() + "/Tessaly/upload/images/131104/F10/";
    return numberedTable(
        "图片编号",
        {{"图片地址", "编辑框_图片地址",
          rowTexts({dir + "fengqin1.jpg", dir + "fengqin2.jpg", dir + "fengqin3.jpg", dir + "fengqin1.jpg"})},
         {"宝贝标题", "编辑框_宝贝标题", sameText("QuilletOrnavo")},
         {"链接地址", "编辑框_链接地址", sameText(marketHome())}},
        4);
}

} // namespace

ModuleSpec accordionCarouselModule() {
    ModuleSpec m;
    m.caption = "950手拉风琴轮播特效";
    m.width = 701;
    m.height = 631;
    m.sections = {
        {"模块样式", {line({picture("图片框1", "/Tessaly/samples/F10.jpg", 500, 184)})}},
        {"模块设置",
         {
             table(imageTable()),
             line({adverts::narrow(pinnedField(kWidth, "图片尺寸：", kPanelWidth), 5),
                   adverts::narrow(field(kHeight, "", "350", "px;"), 5),
                   adverts::narrow(field(kStripColour, "宝贝标题背景颜色：", "#fd9382"), 8),
                   adverts::narrow(field(kTitleColour, "宝贝标题颜色：", "#ffffff"), 8),
                   colourButton("按钮_选色器")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F10一键生成", "一键生成", generate),
        copyButton("按钮_F10复制代码"),
        // The panel width keeps its fixed text.
        clearButton("按钮_F10清空代码", "清空内容",
                    {kImage[0], kImage[1], kImage[2], kImage[3], kTitle[0], kTitle[1], kTitle[2], kTitle[3],
                     kLink[0], kLink[1], kLink[2], kLink[3], kHeight, kStripColour, kTitleColour, kCode}),
        previewButton("按钮_F10预览"),
        exitButton("按钮_F10退出"),
    };
    return m;
}

} // namespace ornavo
