// "宝贝排行榜展示-手拉风琴特效": a narrow hot-sellers list for the side column. A heading above an
// accordion of five entries "+TOP1" … "+TOP5"; each bar carries a promotion title, its panel the linked
// product picture and a price line. The first panel is open when the page loads. One style colour
// paints the heading, the bars, the borders and the prices. The pictures are plain images.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

constexpr int kEntries = 5;

const char* const kPicture = "编辑框_图片地址";
const char* const kLink = "编辑框_链接地址";
const char* const kTitle = "编辑框_促销标题";
const char* const kPrice = "编辑框_宝贝价格";
const char* const kColour = "编辑框_颜色风格";
const char* const kCode = "超级编辑框_F23代码生成";

const char* const kNl = "\r\n";

std::string tabs(int n) {
    return std::string(static_cast<std::size_t>(n), '\t');
}

// The four borders of a box in the style colour, in the order the marketplace editor writes them.
std::string borders(const std::string& c, const char* between) {
    return "border-right:" + c + " 1px solid;border-top:" + c + " 1px solid;" + between + "border-left:" + c +
           " 1px solid;";
}

// The panel of entry k: the linked picture and the price box (the open first panel's box is fixed in
// height), then the panel's closing tag.
std::string panelBody(const Form& f, const std::string& c, int k) {
    const std::string row = twoDigits(k);
    return tabs(2) + "<a href=\"" + f.text(kLink + row) + "\" target=\"_blank\"><img height=\"180\" src=\"" +
           f.text(kPicture + row) + "\" style=\"" + borders(c, "margin:3px;") + "border-bottom:" + c +
           " 1px solid;\" width=\"180\" /></a><div "
           "style=\"font-weight:bold;font-size:18px;background:#ffffff;"
           "margin:3px;width:182px;color:" +
           c + ";text-align:center;" + (k == 1 ? "height:18px;" : "") + "\">" + kNl + tabs(3) + "一口价：" +
           f.text(kPrice + row) + "元</div>" + kNl + tabs(1) + "</div>";
}

std::string generate(const Form& f) {
    const std::string& c = f.text(kColour);
    std::string out = "<div style=\"font-weight:bold;font-size:18px;background:" + c +
                      ";width:190px;color:#fff;line-height:35px;font-family:微软雅黑;text-align:center;\">" +
                      kNl + tabs(1) + "热卖排行榜</div>" + kNl;
    out +=
        "<div class=\"J_TWidget\" data-widget-config=\"{'triggerType': 'mouse','triggerCls':'ks-switchable-"
        "trigger','panelCls':'ks-switchable-panel','multiple':false,'autoplay':true}\" "
        "data-widget-type=\"Accordion\" style=\"" +
        borders(c, "margin-top:11px;") + "width:188px;border-bottom:" + c + " 1px solid;height:auto;\">" +
        kNl;

    // The first entry is open: its bar has no white top border and its title on a line of its own.
    out += "<div class=\"ks-switchable-trigger\" style=\"font-size:15px;background:" + c +
           ";cursor:pointer;color:#fff;line-height:25px;height:25px;\">" + kNl + tabs(2) + "+TOP1&nbsp;" +
           f.text(std::string(kTitle) + "01") + "</div>" + kNl + tabs(1) +
           "<div class=\"ks-switchable-panel\">" + kNl + panelBody(f, c, 1) + kNl;

    for (int k = 2; k <= kEntries; ++k) {
        const std::string row = twoDigits(k);
        out += tabs(1) +
               "<div class=\"ks-switchable-trigger\" style=\"border-top:#fff 1px solid;font-size:15px;"
               "background:" +
               c + ";cursor:pointer;color:#fff;line-height:25px;height:25px;\">+TOP" + std::to_string(k) +
               "&nbsp;" + f.text(kTitle + row) + "</div>" + kNl + tabs(1) +
               "<div class=\"ks-switchable-panel\" style=\"display:none;\">" + kNl + panelBody(f, c, k) + kNl;
    }
    return out + "</div>";
}

} // namespace

ModuleSpec rankingAccordionModule() {
    ModuleSpec m;
    m.caption = "宝贝排行榜展示-手拉风琴特效";
    m.width = 847;
    m.height = 457;

    const std::string pictures = makerServer() + "/Tessaly/upload/images/131104/f23/sc";
    m.sections = {
        {"模块样式（图片尺寸：220x220px）",
         {line({picture("图片框1", "/Tessaly/samples/F23.jpg", 160, 331)})}},
        {"模块设置",
         {
             table(numberedTable(
                 "图片编号",
                 {{"图片地址", kPicture, [pictures](int k) { return pictures + std::to_string(k) + ".jpg"; }},
                  {"链接地址", kLink, sameText(marketHome())},
                  {"促销标题", kTitle, sameText("新品促销198件")},
                  {"宝贝价格", kPrice, sameText("49")}},
                 kEntries)),
             line({field(kColour, "风格颜色：", "#9acd32"), colourButton("按钮_选色器")}),
         }},
    };
    m.codeBox = codeBox(kCode);

    std::vector<std::string> clearTargets{kColour};
    const auto numbered = namesByColumn({kPrice, kTitle, kLink, kPicture}, kEntries, 1);
    clearTargets.insert(clearTargets.end(), numbered.begin(), numbered.end());
    clearTargets.push_back(kCode);

    m.buttons = {
        generateButton("按钮_F23一键生成", "一键生成", generate),
        copyButton("按钮_F23复制代码"),
        clearButton("按钮_F23清空内容", "清空内容", clearTargets),
        previewButton("按钮_F23预览"),
        exitButton("按钮_F23退出"),
    };
    return m;
}

} // namespace ornavo
