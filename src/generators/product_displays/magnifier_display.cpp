// "宝贝特效展示（放大镜特效）": eight product cards in two rows of four on a 950-pixel section. A card
// is the picture 230 pixels wide over a price bar (promotion title, current price with a fixed ".00",
// the former price struck through); under the pointer a pop-up shows the same card 299 pixels wide,
// linked to the product. Each pop-up is anchored at the corner or edge centre that keeps it growing
// away from the section's border. A one-page Tabs widget around a one-page Slide widget holds it all.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace ornavo {
namespace {

constexpr int kCards = 8;
constexpr int kPerRow = 4;

const char* const kPicture = "编辑框_图片地址";
const char* const kLink = "编辑框_链接地址";
const char* const kTitle = "编辑框_促销标题";
const char* const kFormerPrice = "编辑框_原价";
const char* const kPrice = "编辑框_现价";
const char* const kTitleBackground = "编辑框_促销标题背景";
const char* const kBarBackground = "编辑框_价格区背景";
const char* const kFrameBackground = "编辑框_边框背景";
const char* const kCode = "超级编辑框_F16代码生成";

struct Card {
    const char* token;  // binds the pop-up to its card
    const char* points; // the pop-up's anchor on the card
};
const Card kCardLayout[kCards] = {
    {"kunp137498881", "['tl','tl']"}, {"kunp137498882", "['tc','tc']"}, {"kunp137498883", "['tc','tc']"},
    {"kunp137498884", "['tr','tr']"}, {"kunp137498885", "['bl','bl']"}, {"kunp137498886", "['bc','bc']"},
    {"kunp137498887", "['bc','bc']"}, {"kunp137498888", "['br','br']"},
};
// The fifth card's pop-up differs: its first anchor is empty, and the anchor around the enlarged picture
// carries no style.
constexpr int kPlainAnchorCard = 5;

const TabbedLines::Fixed kHead[] = {
    {0, "<div style=\"height:560px;\">"},
    {1, "<div class=\"J_TWidget\" data-widget-config=\"{"},
    {0, ""},
    {0, " "},
    {0, ""},
    {0, ""},
    {0, "'effect': 'fade',"},
    {0, ""},
    {0, " 'circular': true ,"},
    {0, ""},
    {0, " 'navCls':'toseise',"},
    {0, ""},
    {0, " "},
    {0, ""},
    {0, ""},
    {0, "'activeTriggerCls':'odslos',"},
    {0, ""},
    {0, " 'contentCls':'piaofu'"},
    {0, ""},
    {0, " }\" data-widget-type=\"Tabs\">"},
    {2, "<ul class=\"toseise\" style=\"display:none;\">"},
    {3, "<li class=\"odslos\">"},
    {4, "　</li>"}, // begins with an ideographic space
    {2, "</ul>"},
    {2, "<div class=\"piaofu\">"},
    {3, "<div style=\"z-index:99;width:951px;height:560px;\">"},
    {4, "<table align=\"left\" bgcolor=\"\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" "
        "width=\"951\">"},
    {5, "<tbody>"},
    {6, "<tr>"},
    {7, "<td bgcolor=\"\">"},
    {8, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"951\">"},
    {9, "<tbody>"},
    {10, "<tr>"},
    {11, "<td width=\"100%\">"},
    {12,
     "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', "
     "'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" "
     "style=\"height:560px;\">"},
    {13, "<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"560\" "
         "width=\"951\">"},
    {14, "<tbody>"},
    {15, "<tr>"},
    {16, "<td>"},
};

// After the last card's cell.
const TabbedLines::Fixed kTail[] = {
    {20, "</tr>"},    {19, "</tbody>"}, {18, "</table>"}, {17, "</div>"},  {16, "</td>"},   {15, "</tr>"},
    {14, "</tbody>"}, {13, "</table>"}, {12, "</div>"},   {11, "</td>"},   {10, "</tr>"},   {9, "</tbody>"},
    {8, "</table>"},  {7, "</td>"},     {6, "</tr>"},     {5, "</tbody>"}, {4, "</table>"}, {3, "</div>"},
    {2, "</div>"},    {1, "</div>"},    {0, "</div>"},
};

// The texts of one card, read once.
struct CardTexts {
    const std::string& picture;
    const std::string& link;
    const std::string& title;
    const std::string& formerPrice;
    const std::string& price;
    const std::string& titleBackground;
    const std::string& barBackground;
};

// The price bar of a card `width` pixels wide, from its opening line to its closing "</div>"; in the
// pop-up (`linked`) the product link wraps the prices.
void priceBar(TabbedLines& l, const CardTexts& t, const char* width, bool linked) {
    l.add(23, "<div style=\"background-color:", t.barBackground,
          ";padding:0px;margin:0px;height:40px;line-height:40px;font-weight:bold;width:", width, ";\">");
    l.add(24, "<div style=\"background-color:", t.titleBackground,
          ";float:left;line-height:40px;color:#FFFFFF;text-decoration:none;font-size:16px;\">");
    l.add(25, "&nbsp;", t.title, "&nbsp;</div>");
    l.add(24, "<div style=\"margin-right:5px;\">");
    const char* const before = linked ? "<a href=\"" : "";
    const std::string_view link = linked ? std::string_view(t.link) : std::string_view();
    const char* const afterLink = linked ? "\" style=\"padding:0px;margin:0px;\" target=\"_blank\">" : "";
    l.add(25, before, link, afterLink,
          "<span style=\"float:right;\"> <font style=\"font-size:12px;color:#FF0000;\">￥</font> <font "
          "style=\"font-size:20px;font-weight:bold;color:#FF0000;\">",
          t.price,
          "</font> <font style=\"font-size:10px;color:#FF0000;\">.00</font> </span> <span "
          "style=\"font-size:14px;color:#FFFFFF;\">&nbsp;<s>￥",
          t.formerPrice, "</s></span>", linked ? " </a></div>" : "</div>");
    l.add(23, "</div>");
}

// One card and its pop-up, closed by the end of their table cell.
void card(TabbedLines& l, const Form& f, int k) {
    const Card& c = kCardLayout[k - 1];
    const std::string n = twoDigits(k);
    const CardTexts t{f.text(kPicture + n),     f.text(kLink + n),  f.text(kTitle + n),
                      f.text(kFormerPrice + n), f.text(kPrice + n), f.text(kTitleBackground),
                      f.text(kBarBackground)};
    const bool plain = k == kPlainAnchorCard;
    const char* const anchorStyle = "\" style=\"padding:0px;margin:0px;\" target=\"_blank\">";

    l.add(22, "<div class=\"", c.token,
          "\" style=\"padding:0px;margin:0px;width:230px;background-color:#CCCC33;\">");
    l.add(23, "<div style=\"padding:0px;margin:0px;\">");
    l.add(24, "<img border=\"0px\" src=\"", t.picture,
          "\" style=\"padding:0px;margin:0px;\" width=\"230px\" /></div>");
    priceBar(l, t, "230px", false);
    l.add(22, "</div>");

    l.add(22, "<div class=\"J_TWidget\" data-widget-config=\"{ 'trigger':'.", c.token,
          "', 'align':{'node':'.", c.token, "', 'offset':[0,0], 'points':", c.points,
          " }}\" data-widget-type=\"Popup\" style=\"display:none;padding:0px;margin:0px;\">");
    l.add(23, "<a href=\"", t.link, anchorStyle, plain ? "" : " ", "</a>");
    l.add(23, "<div style=\"padding:0px;margin:0px;\">");
    l.add(24, "<a href=\"", t.link, plain ? "\" target=\"_blank\">" : anchorStyle,
          "<img border=\"0px\" src=\"", t.picture,
          "\" style=\"padding:0px;margin:0px;\" width=\"299px\" /></a></div>");
    priceBar(l, t, "299px", true);
    l.add(22, "</div>");
    l.add(21, "</td>");
}

std::string generate(const Form& f) {
    const std::string& frame = f.text(kFrameBackground);
    TabbedLines l(24576);
    l.add(kHead);
    l.add(17, "<div class=\"main\" style=\"padding-top:5px;padding-bottom:3px;background:", frame, ";\">");
    // This line of the card table stands without indentation.
    l.add(0, "<table bgcolor=\"", frame,
          "\" border=\"0\" cellpadding=\"0\" cellspacing=\"5\" class=\"\" width=\"950\">");
    l.add({{19, "<tbody>"}, {20, "<tr align=\"center\">"}, {21, "<td>"}});

    for (int k = 1; k <= kCards; ++k) {
        card(l, f, k);
        if (k == kCards)
            break;
        if (k % kPerRow == 0)
            l.add({{20, "</tr>"}, {20, "<tr align=\"center\">"}});
        l.add(21, "<td>");
    }

    l.add(kTail);
    return l.take();
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets = namesByRow({kPicture, kLink, kTitle, kFormerPrice, kPrice}, 1, kCards);
    targets.insert(targets.end(), {kTitleBackground, kBarBackground, kFrameBackground, kCode});
    return targets;
}

} // namespace

ModuleSpec magnifierDisplayModule() {
    ModuleSpec m;
    m.caption = "宝贝特效展示（放大镜特效）";
    m.width = 889;
    m.height = 719;
    m.top = 5;
    m.sections = {
        {"模块设置（图片尺寸：310x310px）",
         {
             table(numberedTable(
                 "图片编号",
                 {{"图片地址", kPicture,
                   [](int k) {
                       return makerServer() + "/Tessaly/upload/images/131104/f16/sc" + std::to_string(k) +
                              ".jpg";
                   }},
                  {"链接地址", kLink, sameText(marketHome())},
                  {"促销标题", kTitle,
                   rowTexts({"原创", "经典", "新款", "爆款", "促销", "包邮", "降价", "新品"})},
                  {"原价", kFormerPrice, rowTexts({"108", "208", "308", "408", "508", "608", "708", "808"})},
                  {"现价", kPrice, rowTexts({"49", "149", "249", "349", "449", "549", "649", "749"})}},
                 kCards)),
             line({field(kTitleBackground, "促销标题背景颜色：", "#d71345"),
                   field(kBarBackground, "价格区背景颜色：", "#000000"),
                   field(kFrameBackground, "边框背景颜色：", "#ffffff"), colourButton("按钮_选色器")}),
         }},
        {"模块样例", {line({picture("图片框_模块样例", "/Tessaly/samples/F16.jpg", 862, 248)})}},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F16一键生成", "一键生成", generate),
        copyButton("按钮_F16复制代码"),
        clearButton("按钮_F16清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F16预览"),
        exitButton("按钮_F16退出"),
    };
    return m;
}

} // namespace ornavo
