// "宝贝展示-单排四格子模块": a static row of four products on a 950 × 300 section, each a 220 × 220
// picture linked to the product, its title and its price after "￥". The row sits in a one-page Tabs
// widget around a one-page Slide widget, and carries the maker's attribution before and after it.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/markup.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <string>
#include <vector>

namespace ornavo {
namespace {

constexpr int kCells = 4;

const char* const kPicture = "编辑框_图片地址";
const char* const kLink = "编辑框_链接地址";
const char* const kTitle = "编辑框_宝贝标题";
const char* const kPrice = "编辑框_宝贝价格";
const char* const kBackground = "编辑框_背景颜色";
const char* const kTitleColour = "编辑框_标题颜色";
const char* const kPriceColour = "编辑框_价格颜色";
const char* const kCode = "超级编辑框_F17代码生成";

// Each cell's width and the split of its 173 pixels above the title between a spacer and the picture.
struct Cell {
    const char* width;
    const char* spacer;
    const char* picture;
};
const Cell kCellLayout[kCells] = {
    {"237", "10", "163"}, {"237", "13", "160"}, {"238", "9", "164"}, {"238", "7", "166"}};

const TabbedLines::Fixed kHead[] = {
    {0, "<div style=\"height:300px;\">"},
    {1, "<div class=\"J_TWidget\" data-widget-config=\"{"},
    {0, " "},
    {0, ""},
    {0, "'effect': 'fade',"},
    {0, " 'circular': true ,"},
    {0, " 'navCls':'toseise',"},
    {0, " "},
    {0, ""},
    {0, "'activeTriggerCls':'odslos',"},
    {0, " 'contentCls':'piaofu'"},
    {0, " }\" data-widget-type=\"Tabs\">"},
    {2, "<ul class=\"toseise\" style=\"display:none;\">"},
    {3, "<li class=\"odslos\">"},
    {4, "　</li>"}, // begins with an ideographic space
    {2, "</ul>"},
    {2, "<div class=\"piaofu\">"},
    {3, "<div style=\"z-index:99;width:950px;height:300px;\">"},
    {4, "<table align=\"left\" bgcolor=\"\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" "
        "width=\"950\">"},
    {5, "<tbody>"},
    {6, "<tr>"},
    {7, "<td bgcolor=\"\">"},
    {8, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"950\">"},
    {9, "<tbody>"},
    {10, "<tr>"},
    {11, "<td width=\"100%\">"},
    {12,
     "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', "
     "'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" "
     "style=\"height:300px;\">"},
    {13, "<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"300\" "
         "width=\"950\">"},
    {14, "<tbody>"},
    {15, "<tr>"},
    {16, "<td>"},
};

const TabbedLines::Fixed kTail[] = {
    {19, "</tr>"},    {18, "</tbody>"}, {17, "</table>"}, {16, "</td>"}, {15, "</tr>"},
    {14, "</tbody>"}, {13, "</table>"}, {12, "</div>"},   {11, "</td>"}, {10, "</tr>"},
    {9, "</tbody>"},  {8, "</table>"},  {7, "</td>"},     {6, "</tr>"},  {5, "</tbody>"},
    {4, "</table>"},  {3, "</div>"},    {2, "</div>"},    {1, "</div>"}, {0, "</div>"},
};

std::string generate(const Form& f) {
    const std::string& background = f.text(kBackground);
    const std::string& titleColour = f.text(kTitleColour);
    const std::string& priceColour = f.text(kPriceColour);
    const std::string attribution = markup::attributionReplaceDesign();
    TabbedLines l(12288);
    l.add(kHead);
    l.add(17, "<div data-attr-replace=\"", attribution, "\">").add(18, "　</div>");
    l.add(17, "<table bgcolor=\"", background,
          "\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"299\" width=\"950\">");
    l.add({{18, "<tbody>"}, {19, "<tr>"}});

    for (int k = 1; k <= kCells; ++k) {
        const Cell& c = kCellLayout[k - 1];
        const std::string n = twoDigits(k);
        l.add(20, "<td align=\"center\" height=\"299\" valign=\"top\" width=\"", c.width, "\">");
        l.add(21, "<table bgcolor=\"", background,
              "\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"199\" width=\"212\">");
        l.add({{22, "<tbody>"}, {23, "<tr>"}});
        l.add(24, "<td height=\"", c.spacer, "\" width=\"202\" valign=\"bottom\">");
        l.add({{25, "　</td>"}, {23, "</tr>"}, {23, "<tr>"}});
        l.add(24, "<td height=\"", c.picture, "\" width=\"202\" valign=\"bottom\">");
        l.add(25, "<a href=\"", f.text(kLink + n),
              "\" target=\"_blank\"> <img border=\"0\" height=\"220\" src=\"", f.text(kPicture + n),
              "\" width=\"220\" /></a></td>");
        l.add({{23, "</tr>"}, {23, "<tr>"}});
        l.add(24, "<td height=\"35\" style=\"padding:5px;color:", titleColour, ";\" valign=\"top\">");
        l.add(25, "<font size=\"2\">", f.text(kTitle + n), "</font></td>");
        l.add({{23, "</tr>"},
               {23, "<tr>"},
               {24,
                "<td height=\"15\" style=\"padding:5px;font-size:14px;font-weight:bold;\" valign=\"top\">"}});
        l.add(25, "<font color=\"", priceColour, "\"> <span style=\"font-family:微软雅黑;\">￥</span>",
              f.text(kPrice + n), "</font></td>");
        l.add({{23, "</tr>"}, {22, "</tbody>"}, {21, "</table>"}, {20, "</td>"}});
    }

    l.add(kTail);
    // The attribution once more after the module, with a TAB after its tag.
    l.add(0, "<div data-attr-replace=\"", attribution, "\">\t").add(0, "　</div>");
    return l.take();
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets = namesByRow({kPicture, kLink, kTitle, kPrice}, 1, kCells);
    targets.insert(targets.end(), {kBackground, kTitleColour, kPriceColour, kCode});
    return targets;
}

} // namespace

ModuleSpec fourCellDisplayModule() {
    ModuleSpec m;
    m.caption = "宝贝展示-单排四格子模块";
    m.width = 980;
    m.height = 687;
    m.top = 5;
    m.sections = {
        {"模块设置（图片尺寸：220x220px）",
         {
             table(numberedTable("图片编号",
                                 {{"图片地址", kPicture,
                                   [](int k) {
                                       return makerServer() + "/Tessaly/upload/images/131104/f17/sc" +
                                              std::to_string(k) + ".jpg";
                                   }},
                                  {"链接地址", kLink, sameText(marketHome())},
                                  {"宝贝标题", kTitle, sameText("QuilletOrnavo")},
                                  {"宝贝价格", kPrice, sameText("49")}},
                                 kCells)),
             line({field(kBackground, "背景颜色：", "#ffffff"), field(kTitleColour, "标题颜色：", "#000000"),
                   field(kPriceColour, "价格颜色：", "#000000"), colourButton("按钮_选色器")}),
         }},
        {"模块样例", {line({picture("图片框_模块样例", "/Tessaly/samples/F17.jpg", 950, 316)})}},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F17一键生成", "一键生成", generate),
        copyButton("按钮_F17复制代码"),
        clearButton("按钮_F17清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F17预览"),
        exitButton("按钮_F17退出"),
    };
    return m;
}

} // namespace ornavo
