// "950通栏-图片轮播（带底部宝贝标题）": five banner images that fade into one another across the shop's
// width, with a 30-pixel bar of five item titles underneath as the slide show's navigation. The slide
// widgets sit inside nested tables and a fading Tabs widget; the outer box is 30 pixels taller than the
// images (the title bar) and the inner slide widget 9 pixels taller.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/markup.h"
#include "framework/model/text.h"
#include "generators/adverts/sizes.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

const char* const kImage[] = {"编辑框_图片地址01", "编辑框_图片地址02", "编辑框_图片地址03",
                              "编辑框_图片地址04", "编辑框_图片地址05"};
const char* const kLink[] = {"编辑框_链接地址01", "编辑框_链接地址02", "编辑框_链接地址03",
                             "编辑框_链接地址04", "编辑框_链接地址05"};
const char* const kTitle[] = {"编辑框_宝贝标题01", "编辑框_宝贝标题02", "编辑框_宝贝标题03",
                              "编辑框_宝贝标题04", "编辑框_宝贝标题05"};
const char* const kTextColour[] = {"编辑框_文字颜色01", "编辑框_文字颜色02", "编辑框_文字颜色03",
                                   "编辑框_文字颜色04", "编辑框_文字颜色05"};
const char* const kBarColour[] = {"编辑框_标题背景颜色01", "编辑框_标题背景颜色02", "编辑框_标题背景颜色03",
                                  "编辑框_标题背景颜色04", "编辑框_标题背景颜色05"};
const char* const kWidth = "编辑框_图片宽";
const char* const kHeight = "编辑框_图片高";
const char* const kCode = "超级编辑框_F11代码生成";

// A line of the nested tables: its indentation in TABs, the text and the line break.
std::string indented(int tabs, const std::string& text) {
    return std::string(static_cast<std::size_t>(tabs), '\t') + text + "\r\n";
}

std::string head(const std::string& w, const std::string& h, const std::string& outer,
                 const std::string& slide) {
    // The Tabs configuration keeps its own line breaks and blank lines; the hidden navigation entry
    // and the closing paragraph each hold an ideographic space.
    std::string s =
        indented(0, "<div style=\"height:" + outer + "px;\">") +
        indented(1, "<div class=\"J_TWidget\" data-widget-config=\"{") +
        " \r\n\r\n'effect': 'fade',\r\n "
        "'circular': true ,\r\n 'navCls':'toseise',\r\n \r\n\r\n'activeTriggerCls':'odslos',\r\n "
        "'contentCls':'piaofu'\r\n }\" data-widget-type=\"Tabs\">\r\n" +
        indented(2, "<ul class=\"toseise\" style=\"display:none;\">") + indented(3, "<li class=\"odslos\">") +
        indented(4, "　</li>") + indented(2, "</ul>") + indented(2, "<div class=\"piaofu\">") +
        indented(3, "<div style=\"z-index:99;width:" + w + "px;height:" + outer + "px;\">") +
        indented(4, "<table align=\"left\" bgcolor=\"\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" "
                    "class=\"\" width=\"" +
                        w + "\">") +
        indented(5, "<tbody>") + indented(6, "<tr>") + indented(7, "<td bgcolor=\"\">") +
        indented(8,
                 "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"" + w + "\">") +
        indented(9, "<tbody>") + indented(10, "<tr>") + indented(11, "<td width=\"100%\">");
    s += indented(12,
                  "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': "
                  "'lst-main', 'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" "
                  "data-widget-type=\"Slide\" style=\"height:" +
                      outer + "px;\">") +
         indented(
             13,
             "<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"" +
                 outer + "\"width=\"" + w + "\">") +
         indented(14, "<tbody>") + indented(15, "<tr>") + indented(16, "<td>") + indented(16, "") +
         indented(17, "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect': "
                      "'fade','triggerType':'mouse','duration': 0.5,'autoplay':true,'navCls': "
                      "'lst-trigger','contentCls': 'lst-main','activeTriggerCls': 'current'}\" "
                      "data-widget-type=\"Slide\" style=\"width:" +
                          w + "px;height:" + slide + "px;\">") +
         indented(0, "<div style=\"overflow:hidden;height:" + h + "px;\">") +
         indented(0, "<div class=\"lst-main\">");
    return s;
}

// The nested tables close in the reverse order of the head, from 17 TABs down to none.
std::string closing() {
    static const char* const tags[] = {"</div>",   "</td>",    "</tr>",    "</tbody>", "</table>", "</div>",
                                       "</td>",    "</tr>",    "</tbody>", "</table>", "</td>",    "</tr>",
                                       "</tbody>", "</table>", "</div>",   "</div>",   "</div>",   "</div>"};
    std::string s = "</div>\r\n";
    int tabs = 17;
    for (const char* tag : tags)
        s += indented(tabs--, tag);
    return s + "<p>\r\n\t　</p>";
}

std::string generate(const Form& f) {
    const std::string& w = f.text(kWidth);
    const std::string& h = f.text(kHeight);
    // The height as the C library reads it: leading digits only, nothing gives 0.
    const std::int64_t height = plainTextToInteger(h);
    std::string code = head(w, h, adverts::shifted(height, 30), adverts::shifted(height, 9));

    const std::string attribution = markup::attributionReplaceCode();
    for (int k = 0; k < 5; ++k)
        code += "<div>\r\n" + std::string(21, '\t') + "<a data-attr-replace=\"" + attribution + "\" href=\"" +
                f.text(kLink[k]) + "\"style=\"width:" + w + "px;height:" + h +
                "px;\"target=\"_blank\"><img height=\"" + h + "\"src=\"" + f.text(kImage[k]) + "\" width=\"" +
                w + "\" /></a></div>\r\n";

    code += "</div>\r\n</div>\r\n<div class=\"lst-trigger\" "
            "style=\"filter:progid:DXImageTransform.Microsoft.Alpha(opacity=30);left:0px;margin-bottom:0px;"
            "width:" +
            w + "px;cursor:pointer;line-height:30px;height:30px;text-align:center;opacity:0.99;\">\r\n";

    // The first title is the current one; its style starts on a line of its own.
    for (int k = 0; k < 5; ++k)
        code += std::string(k == 0 ? "<div class=\"current\"\r\nstyle=" : "<div style=") +
                "\"float:left;width:20%;height:30px;background:" + f.text(kBarColour[k]) +
                ";\">\r\n<font color=\"" + f.text(kTextColour[k]) + "\">" + f.text(kTitle[k]) +
                "</font></div>\r\n";

    return code + closing();
}

Table bannerTable() {
    const std::string dir = makerServer() + "/Tessaly/upload/images/131104/F11/";
    return numberedTable(
        "图片编号",
        {{"图片地址", "编辑框_图片地址",
          rowTexts({dir + "biaotilunbo1.jpg", dir + "biaotilunbo2.jpg", dir + "biaotilunbo3.jpg",
                    dir + "biaotilunbo1.jpg", dir + "biaotilunbo2.jpg"})},
         {"链接地址", "编辑框_链接地址", sameText(marketHome())},
         {"宝贝标题", "编辑框_宝贝标题", sameText("QuilletOrnavo")},
         {"文字颜色", "编辑框_文字颜色", rowTexts({"#ff6633", "#ffffff", "#ff6633", "#ffffff", "#ff6633"})},
         {"标题背景颜色", "编辑框_标题背景颜色",
          rowTexts({"#d3d3d5", "#c2c2c2", "#d3d3d5", "#c2c2c2", "#d3d3d5"})}},
        5);
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets;
    for (const char* const* column : {kImage, kLink, kTitle, kTextColour, kBarColour})
        targets.insert(targets.end(), column, column + 5);
    targets.insert(targets.end(), {kWidth, kHeight, kCode});
    return targets;
}

} // namespace

ModuleSpec bannerTitleCarouselModule() {
    ModuleSpec m;
    m.caption = "950通栏-图片轮播（带底部宝贝标题）";
    m.width = 932;
    m.height = 679;
    m.top = 0;
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F11.jpg", 420, 212)})}},
        {"模块设置",
         {
             table(bannerTable()),
             line({field(kWidth, "图片尺寸：", "950"), field(kHeight, "", "450", "px;"),
                   colourButton("按钮_选色器")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F11一键生成", "一键生成", generate),
        copyButton("按钮_F11复制代码"),
        clearButton("按钮_F11清空代码", "清空内容", clearTargets()),
        previewButton("按钮_F11预览"),
        exitButton("按钮_F11退出"),
    };
    return m;
}

} // namespace ornavo
