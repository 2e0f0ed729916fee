// "宝贝特效展示（正反换图）": nine products in three rows of three 310 × 460 cells on a 950-pixel
// section. Each cell shows the front picture with the sold count and price under it; while the pointer
// rests on the front picture a pop-up centred on it shows the back picture, linked to the product. The
// block sits in a one-page Tabs widget around a one-page Slide widget, as the marketplace expects.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/sample_picture.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <string>
#include <vector>

namespace ornavo {
namespace {

constexpr int kCells = 9;

const char* const kFront = "编辑框_图片A地址";
const char* const kBack = "编辑框_图片B地址";
const char* const kLink = "编辑框_链接地址";
const char* const kPrice = "编辑框_价格";
const char* const kSold = "编辑框_销售量";
const char* const kBackground = "编辑框_背景颜色";
const char* const kCode = "超级编辑框_F15代码生成";

const std::string kImageDir = "/Tessaly/upload/images/131104/f15/";

// The pop-up of each cell is bound to its front picture by a class of its own; the last cell of each
// row of three has no right margin, so that a row is exactly 950 pixels wide.
struct Cell {
    const char* token;
    bool rightMargin;
};
const Cell kCellLayout[kCells] = {
    {"zfm01lpmb033923339231", true}, {"zfm01lpmb033923339232", true}, {"zfm01lpmb0339233", false},
    {"zfm01lpmb0339234", true},      {"zfm01lpmb0339235", true},      {"zfm01lpmb0339236", false},
    {"zfm01lpmb0339237", true},      {"zfm01lpmb0339238", true},      {"zfm01lpmb0339239", false},
};

const TabbedLines::Fixed kHead[] = {
    {0, "<div style=\"height:1505px;\">"},
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
    {2, "<div class=\"piaofu\">"},
    {3, "<div style=\"z-index:99;width:952px;height:1505px;\">"},
    {4, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"952\">"},
    {5, "<tbody>"},
    {6, "<tr>"},
    {7, "<td width=\"100%\">"},
    {8,
     "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', "
     "'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" "
     "style=\"height:1505px;\">"},
    {9, "<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"1505\" "
        "width=\"952\">"},
    {10, "<tbody>"},
    {11, "<tr>"},
    {12, "<td>"},
    {13, "<div class=\"skin-box tb-module\">"},
    {14, "<s class=\"skin-box-tp\"></s>"},
    {14, "<div class=\"skin-box-bd clear-fix\">"},
};

const TabbedLines::Fixed kTail[] = {
    {17, "</li></ul>"}, {15, "</div>"},       {14, "</div>"},  {14, "<s class=\"skin-box-bt\"></s></div>"},
    {13, "<div>"},      {14, "&nbsp;</div>"}, {12, "</td>"},   {11, "</tr>"},
    {10, "</tbody>"},   {9, "</table>"},      {8, "</div>"},   {7, "</td>"},
    {6, "</tr>"},       {5, "</tbody>"},      {4, "</table>"}, {3, "</div>"},
    {2, "</div>"},      {1, "</div>"},        {0, "</div>"},
};

std::string generate(const Form& f) {
    const std::string placeholder = placeholderGif();
    TabbedLines l(16384);
    l.add(kHead);
    l.add(15, "<div class=\"new\" style=\"padding-bottom:10px;background-color:", f.text(kBackground),
          ";padding-left:0px;width:950px;padding-right:0px;overflow:hidden;padding-top:10px;\">");
    l.add(16, "<ul>");

    for (int k = 1; k <= kCells; ++k) {
        const Cell& cell = kCellLayout[k - 1];
        const std::string n = twoDigits(k);
        // Each cell but the first closes the one before it.
        l.add(17, k > 1 ? "</li>" : "",
              "<li style=\"background-color:#fff;width:310px;display:inline;margin-bottom:10px;float:left;"
              "overflow:hidden;",
              cell.rightMargin ? "margin-right:10px;" : "", "\">");
        l.add(18, "<h1 style=\"width:310px;float:left;\">");
        l.add(19, "<span><a class=\"", cell.token, "\" style=\"width:310px;display:block;background:url(",
              f.text(kFront + n), ") #fff no-repeat center center;height:460px;\"></a></span></h1>");
        l.add(
            18,
            "<h3 style=\"padding-bottom:0px;line-height:30px;padding-left:9px;width:310px;padding-right:9px;"
            "font-family:impact, arial;color:#262627;font-size:20px;font-weight:normal;padding-top:0px;\">");
        l.add(19,
              "<span><span "
              "style=\"padding-right:20px;font-family:arial;float:right;color:#666;font-size:12px;\">"
              "已售: <strong>",
              f.text(kSold + n), " </strong>件</span> ", f.text(kPrice + n), "</span></h3>");
        l.add(18, "<div class=\"J_TWidget\" data-widget-config=\"{'trigger':'.", cell.token,
              "','align':{ 'node':'.", cell.token,
              "','offset':[0,0], 'points':['cc','cc'] }}\" data-widget-type=\"Popup\" "
              "style=\"display:none;\">");
        l.add(19, "<span><a href=\"", f.text(kLink + n), "\" target=\"_blank\"><img data-ks-lazyload=\"",
              f.text(kBack + n), "\" src=\"", placeholder,
              "\" style=\"width:310px;height:460px;\" /></a></span></div>");
    }

    l.add(kTail);
    return l.take();
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets = namesByRow({kFront, kBack, kLink, kPrice, kSold}, 1, kCells);
    targets.push_back(kBackground);
    targets.push_back(kCode);
    return targets;
}

} // namespace

ModuleSpec flipDisplayModule() {
    ModuleSpec m;
    m.caption = "宝贝特效展示（正反换图）";
    m.width = 1009;
    m.height = 694;
    m.top = 10;
    m.sections = {
        {"模块设置",
         {
             table(numberedTable(
                 "图片编号",
                 {{"图片A地址", kFront,
                   [](int k) { return makerServer() + kImageDir + "sc" + std::to_string(k) + ".gif"; }},
                  {"图片B地址", kBack,
                   [](int k) { return makerServer() + kImageDir + "tx/tx" + std::to_string(k) + ".gif"; }},
                  {"链接地址", kLink, sameText(marketHome())},
                  {"价格", kPrice, sameText("RMB:100")},
                  {"销售量", kSold, sameText("100")}},
                 kCells)),
             line({field(kBackground, "背景颜色：", "#ffffff"), colourButton("按钮_选色器")}),
         }},
        // The sample shows the flip itself: the front picture, and the back one under the pointer.
        {"模块样例（图片尺寸：310x460px）",
         {line({withHover(picture("图形按钮_模块样例", remotePicture(kImageDir + "tx1.gif"), 310, 460),
                          remotePicture(kImageDir + "tx2.gif"))})}},
        {"模块说明",
         {
             line({label("标签1", "1、宝贝轮播特效为正反换图，当鼠标移至宝贝图片时，图片内容发生改变。")}),
             line(
                 {label("标签2", "2、该特效为三排三格（九图）宝贝特效展示，实际效果请生成代码预览后查看。")}),
             line({label("标签3", "3、更多图片特效可以变换图片实现，可以实现正反图切换效果。")}),
             line({label(
                 "标签4",
                 "4、软件操作简单，把提前做好的图片添加到软件中即可一键生成，再预览后可以查看效果。")}),
             line({label("标签5", "5、使用前，请先生成代码预览效果。")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F15一键生成", "一键生成", generate),
        copyButton("按钮_F15复制代码"),
        previewButton("按钮_F15预览"),
        clearButton("按钮_F15清空内容", "清空内容", clearTargets()),
        exitButton("按钮_F15退出"),
    };
    return m;
}

} // namespace ornavo
