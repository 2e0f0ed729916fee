// "宝贝展示-单排三格子模块": a static row of three products on a 950 × 390 section, each a 310 × 310
// picture linked to the product, its title and its price after "￥"; the middle cell keeps 10 pixels
// on either side (310 + 10 + 310 + 10 + 310 = 950). A one-page Tabs widget around a one-page Slide
// widget holds the row.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <string>
#include <vector>

namespace ornavo {
namespace {

constexpr int kCells = 3;

const char* const kPicture = "编辑框_图片地址";
const char* const kLink = "编辑框_链接地址";
const char* const kTitle = "编辑框_宝贝标题";
const char* const kPrice = "编辑框_宝贝价格";
const char* const kBackground = "编辑框_背景颜色";
const char* const kTitleColour = "编辑框_标题颜色";
const char* const kPriceColour = "编辑框_价格颜色";
const char* const kCode = "超级编辑框_F18代码生成";

// The opening of each cell: the middle one carries the spacing between the three.
const char* const kCellOpening[kCells] = {
    "<td valign=\"middle\">",
    "<td style=\"padding-left:10px;padding-right:10px;\" valign=\"middle\">",
    "<td style=\"padding:8px 0px;\">",
};

const TabbedLines::Fixed kHead[] = {
    {0, "<div style=\"height:390px;\">"},
    // The outer widget's configuration: one entry per line, with runs of empty lines between them.
    {1, "<div class=\"J_TWidget\" data-widget-config=\"{"},
    {0, ""},
    {0, ""},
    {0, " "},
    {0, ""},
    {0, ""},
    {0, ""},
    {0, "'effect': 'fade',"},
    {0, ""},
    {0, ""},
    {0, " 'circular': true ,"},
    {0, ""},
    {0, ""},
    {0, " 'navCls':'toseise',"},
    {0, ""},
    {0, ""},
    {0, " "},
    {0, ""},
    {0, ""},
    {0, ""},
    {0, "'activeTriggerCls':'odslos',"},
    {0, ""},
    {0, ""},
    {0, " 'contentCls':'piaofu'"},
    {0, ""},
    {0, ""},
    {0, " }\" data-widget-type=\"Tabs\">"},
    {2, "<ul class=\"toseise\" style=\"display:none;\">"},
    {3, "<li class=\"odslos\">"},
    {4, "　</li>"}, // begins with an ideographic space
    {2, "</ul>"},
    {2, "<div class=\"piaofu\">"},
};

const TabbedLines::Fixed kTail[] = {
    {11, "</tr>"},   {10, "</tbody>"}, {9, "</table>"}, {8, "</td>"},  {7, "</tr>"},  {6, "</tbody>"},
    {5, "</table>"}, {4, "</div>"},    {3, "</div>"},   {2, "</div>"}, {1, "</div>"}, {0, "</div>"},
};

std::string generate(const Form& f) {
    const std::string& background = f.text(kBackground);
    const std::string& titleColour = f.text(kTitleColour);
    const std::string& priceColour = f.text(kPriceColour);
    TabbedLines l(6144);
    l.add(kHead);
    l.add(3, "<div style=\"z-index:99;width:950px;background:", background, ";height:390px;\">");
    l.add(
        {{4,
          "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': "
          "'lst-main', 'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" "
          "style=\"height:390px;\">"},
         {5,
          "<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"390\" "
          "width=\"950\">"},
         {6, "<tbody>"},
         {7, "<tr>"},
         {8, "<td>"}});
    l.add(9, "<table bgcolor=\"", background,
          "\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"950\">");
    l.add({{10, "<tbody>"}, {11, "<tr>"}});

    for (int k = 1; k <= kCells; ++k) {
        const std::string n = twoDigits(k);
        l.add(12, kCellOpening[k - 1]);
        l.add({{13, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" "
                    "style=\"font-size:12px;color:#796B2C;\" width=\"310\">"},
               {14, "<tbody>"},
               {15, "<tr>"},
               {16, "<td height=\"310\">"}});
        l.add(17, "<a href=\"", f.text(kLink + n), "\" target=\"_blank\">");
        l.add(17, "<img border=\"0\" height=\"310\" src=\"", f.text(kPicture + n),
              "\" width=\"310\" /></a></td>");
        l.add({{15, "</tr>"}, {15, "<tr>"}});
        l.add(16, "<td height=\"35\" style=\"padding:5px;color:", titleColour, ";\" valign=\"top\">",
              f.text(kTitle + n), "</td>");
        l.add({{15, "</tr>"}, {15, "<tr>"}});
        l.add(16,
              "<td height=\"15\" style=\"padding:5px;font-size:14px;font-weight:bold;\" valign=\"top\"><font "
              "color=\"",
              priceColour, "\"><span style=\"font-family:微软雅黑;\">￥</span>", f.text(kPrice + n),
              "</font></td>");
        l.add({{15, "</tr>"}, {14, "</tbody>"}, {13, "</table>"}, {12, "</td>"}});
    }

    l.add(kTail);
    return l.take();
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets = namesByRow({kPicture, kLink, kTitle, kPrice}, 1, kCells);
    targets.insert(targets.end(), {kBackground, kTitleColour, kPriceColour, kCode});
    return targets;
}

} // namespace

ModuleSpec threeCellDisplayModule() {
    ModuleSpec m;
    m.caption = "宝贝展示-单排三格子模块";
    m.width = 840;
    m.height = 653;
    m.top = 5;
    m.sections = {
        {"模块设置（图片尺寸：310x310px）",
         {
             table(numberedTable("图片编号",
                                 {{"图片地址", kPicture,
                                   [](int k) {
                                       return makerServer() + "/Tessaly/upload/images/131104/f18/sc" +
                                              std::to_string(k) + ".jpg";
                                   }},
                                  {"链接地址", kLink, sameText(marketHome())},
                                  {"宝贝标题", kTitle, sameText("QuilletOrnavo")},
                                  {"宝贝价格", kPrice, sameText("108")}},
                                 kCells)),
             line({field(kBackground, "背景颜色：", "#ffffff"), field(kTitleColour, "标题颜色：", "#000000"),
                   field(kPriceColour, "价格颜色：", "#000000"), colourButton("按钮_选色器")}),
         }},
        {"模块样例", {line({picture("图片框_模块样例", "/Tessaly/samples/F18.jpg", 792, 296)})}},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F18一键生成", "一键生成", generate),
        copyButton("按钮_F18复制代码"),
        clearButton("按钮_F18清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F18预览"),
        exitButton("按钮_F18退出"),
    };
    return m;
}

} // namespace ornavo
