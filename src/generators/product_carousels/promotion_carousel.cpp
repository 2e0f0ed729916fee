// "宝贝轮播展示（促销活动）": three products on promotion in a 950 x 336 box. The left part shows one
// product at a time (rush price, three promotions, a summary with the title, the 318 x 318 picture and
// a thin marker level with its entry on the right); the right part lists the three products with a
// small picture, the title and the struck-through list price. A Carousel widget inside a fading Slide
// widget inside a one-entry Tabs widget does the work. The pictures are plain images, not lazy-loaded.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

#include <string>
#include <vector>

namespace ornavo {
namespace {

constexpr int kProducts = 3;

const char* const kImage = "编辑框_图片地址";
const char* const kTitle = "编辑框_宝贝标题";
const char* const kLink = "编辑框_链接地址";
const char* const kListPrice = "编辑框_原价";
const char* const kPrice = "编辑框_现价";
const char* const kPromotion1 = "编辑框_活动1名称";
const char* const kPromotion2 = "编辑框_活动2名称";
const char* const kPromotion3 = "编辑框_活动3名称";
const char* const kBackground = "编辑框_背景颜色";
const char* const kCode = "超级编辑框_F13代码生成";

std::string row(const char* prefix, int k) {
    return prefix + twoDigits(k);
}

// Top margin of each panel's vertical marker, level with the product's entry in the list.
const char* const kMarkerMargins[kProducts] = {"5px", "118px", "230px"};

// One promotion of a panel: its name beside its circled number.
std::string promotion(const std::string& name, const char* number) {
    return "<div "
           "style=\"padding:0px;margin-top:10px;background-color:#333333;line-height:26px;font-size:12px;\">"
           "\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:260px;text-align:left;color:#FFFFFF;\">" +
           name +
           "</span>\r\n\t\t\t\t\t\t\t<div "
           "style=\"background-color:#FF0000;color:#FFFFFF;width:30px;text-align:center;font-size:18px;\">"
           "\r\n\t\t\t\t\t\t\t\t" +
           number + "</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t";
}

// One product panel of the content list, from its list item up to the closing of that item.
std::string panel(const Form& f, int k) {
    return "\t\t\t<li "
           "style=\"padding:0px;margin:0px;list-style-type:none;width:637px;height:320px;\">\r\n\t\t\t\t<div "
           "style=\"padding:0px;margin:0px;\">\r\n\t\t\t\t\t<div "
           "style=\"padding:0px;margin:0px;float:left;width:300px;\">\r\n\t\t\t\t\t\t<div "
           "style=\"background-color:#EEEEEE;padding:0px;margin:0px;line-height:60px;height:60px;\">"
           "\r\n\t\t\t\t\t\t\t<span "
           "style=\"float:right;width:170px;text-align:center;font-size:36px;font-weight:bold;color:#FF0000;"
           "\">￥" +
           f.text(row(kPrice, k)) +
           "</span>\r\n\t\t\t\t\t\t\t<div "
           "style=\"background-color:#FF0000;color:#FFFFFF;width:120px;font-size:28px;text-align:center;font-"
           "weight:bold;\">\r\n\t\t\t\t\t\t\t\t抢购价</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div "
           "style=\"margin-top:10px;font-size:14px;font-weight:bold;line-height:30px;color:#333333;\">"
           "\r\n\t\t\t\t\t\t\t<strong>促销活动:</strong></div>\r\n\t\t\t\t\t\t" +
           promotion(f.text(row(kPromotion1, k)), "①") + promotion(f.text(row(kPromotion2, k)), "②") +
           promotion(f.text(row(kPromotion3, k)), "③") +
           "<div "
           "style=\"padding:0px;margin-top:20px;background-color:#CCCCCC;color:#000000;line-height:26px;font-"
           "size:12px;\">\r\n\t\t\t\t\t\t\t<div "
           "style=\"padding:5px;margin:0px;font-size:14px;font-weight:bold;\">\r\n\t\t\t\t\t\t\t\t商品简述：<"
           "/div>\r\n\t\t\t\t\t\t\t<div style=\"padding:5px "
           "10px;margin:0px;font-size:12px;line-height:24px;\">\r\n\t\t\t\t\t\t\t\t<font color=\"#FF0000\">" +
           f.text(row(kTitle, k)) +
           "</font></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t\t<div "
           "style=\"padding:0px;margin:0px;float:right;width:330px;\">\r\n\t\t\t\t\t\t<div "
           "style=\"border:1px solid "
           "#CCCCCC;padding:0px;margin:0px;width:318px;height:318px;float:left;\">\r\n\t\t\t\t\t\t\t<a "
           "href=\"" +
           f.text(row(kLink, k)) + "\" target=\"_blank\"><img border=\"0px\" height=\"318px\" src=\"" +
           f.text(row(kImage, k)) +
           "\" width=\"318px\" /></a></div>\r\n\t\t\t\t\t\t<div "
           "style=\"float:right;line-height:1px;font-size:1px;background-color:#999999;height:83px;margin:" +
           kMarkerMargins[k - 1] +
           // The marker and the filler cells hold one ideographic space.
           " 0px 0px "
           "0px;padding:0px;width:2px;overflow:hidden;\">\r\n\t\t\t\t\t\t\t　</div>\r\n\t\t\t\t\t</"
           "div>\r\n\t\t\t\t</div>\r\n\t\t\t</li>\r\n";
}

// One entry of the list on the right; entries after the first stand 30 pixels lower.
std::string entry(const Form& f, int k) {
    return std::string("\t\t\t<li style=\"padding:0px;margin:") + (k == 1 ? "0px" : "30px 0px 0px 0px") +
           ";height:83px;width:300px;list-style-type:none;\">\r\n\t\t\t\t<div "
           "style=\"padding:0px;margin:0px;border:solid 1px #CCCCCC;\">\r\n\t\t\t\t\t<div "
           "style=\"width:80px;height:80px;float:left;\">\r\n\t\t\t\t\t\t<img border=\"0px\" height=\"80px\" "
           "src=\"" +
           f.text(row(kImage, k)) +
           "\" width=\"80px\" /></div>\r\n\t\t\t\t\t<div "
           "style=\"width:218px;float:right;padding:0px;margin:0px;\">\r\n\t\t\t\t\t\t<div "
           "style=\"height:50px;padding:0px "
           "10px;margin:0px;line-height:20px;font-size:12px;overflow:hidden;\">\r\n\t\t\t\t\t\t\t<font "
           "color=\"#FF0000\">" +
           f.text(row(kTitle, k)) +
           "</font></div>\r\n\t\t\t\t\t\t<div "
           "style=\"height:30px;background-color:#DDDDDD;line-height:30px;font-size:14px;color:#333333;text-"
           "align:center;font-weight:bold;\">\r\n\t\t\t\t\t\t\t<s>原价:￥" +
           f.text(row(kListPrice, k)) +
           "</s></div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t\t<div "
           "style=\"clear:both;height:1px;overflow:hidden;padding:0px;margin:0px;\">\r\n\t\t\t\t\t\t　</"
           "div>\r\n\t\t\t\t</div>\r\n\t\t\t</li>\r\n";
}

std::string generate(const Form& f) {
    const std::string& bg = f.text(kBackground);
    // The Tabs widget's configuration carries its line breaks as character references.
    std::string out =
        "<div style=\"height: 336px\">\r\n\t<div class=\"J_TWidget\" data-widget-config=\"{&#13; "
        "&#10;&#10;'effect': 'fade',&#13; 'circular': true ,&#13; 'navCls':'toseise',&#13; "
        "&#10;&#10;'activeTriggerCls':'odslos',&#13; 'contentCls':'piaofu'&#13; }\" "
        "data-widget-type=\"Tabs\">\r\n\t\t<ul class=\"toseise\" style=\"display: none\">\r\n\t\t\t<li "
        "class=\"odslos\">\r\n\t\t\t\t</li>\r\n\t\t</ul>\r\n\t\t<div class=\"piaofu\">\r\n\t\t\t<div "
        "style=\"z-index: 99; width: 950px; background: " +
        bg + "; height: 336px\">\r\n<table align=\"left\" bgcolor=\"" + bg +
        "\" border=\"0\" cellpadding=\"0\"\r\ncellspacing=\"0\" class=\"\" width=\"950\">\r\n<tbody><tr><td "
        "bgcolor=\"" +
        bg +
        "\">\r\n<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" "
        "width=\"950\">\r\n\t\t\t\t\t\t\t\t\t<tbody>\r\n\t\t\t\t\t\t\t\t\t\t<tr>\r\n\t\t\t\t\t\t\t\t\t\t\t<"
        "td width=\"100%\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"slider-promo J_TWidget\" "
        "data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', 'navCls': 'lst-trigger', "
        "'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" style=\"height: "
        "336px\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t<table align=\"left\" border=\"0\" cellpadding=\"0\" "
        "cellspacing=\"0\" class=\"\" height=\"336\" "
        "width=\"950\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<tbody>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<tr>"
        "\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<td>"
        "\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n<div "
        "class=\"J_TWidget\" data-widget-config=\"{\r\n\r\n            'contentCls': "
        "'slide-kun13721312924361content',\r\n\r\n            'triggerCls': "
        "'slide-kun13721312924361triggers',\r\n\r\n            'navCls': "
        "'slide-kun13721312924361triggers',\r\n\r\n            'triggerType': 'mouse',\r\n\r\n            "
        "'effect': 'none',\r\n\r\n            'steps': 1,\r\n\r\n            'autoplay': true,\r\n\r\n       "
        "     'circular': true\r\n\r\n        }\" data-widget-type=\"Carousel\" "
        "style=\"padding:5px;margin:0px;width:938px;border:1px solid #CCCCCC;\">\r\n\t<div "
        "style=\"width:637px;height:320px;float:left;overflow:hidden;\">\r\n\t\t<ul "
        "class=\"slide-kun13721312924361content\" style=\"padding:0px;margin:0px;\">\r\n";
    for (int k = 1; k <= kProducts; ++k)
        out += panel(f, k);
    out += "\t\t</ul>\r\n\t</div>\r\n\t<div style=\"width:300px;height:320px;float:right;\">\r\n\t\t<ul "
           "class=\"slide-kun13721312924361triggers\" style=\"padding:5px 0px 0px 0px;margin:0px;\">\r\n";
    for (int k = 1; k <= kProducts; ++k)
        out += entry(f, k);
    out += "\t\t</ul>\r\n\t</div>\r\n\t<div "
           "style=\"clear:both;height:1px;overflow:hidden;padding:0px;margin:0px;\">\r\n\t\t　</div>\r\n</"
           "div>"
           "\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t"
           "\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</"
           "td>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</tr>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t</"
           "tbody>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t</table>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</"
           "div>\r\n\t\t\t\t\t\t\t\t\t\t\t</td>\r\n\t\t\t\t\t\t\t\t\t\t</tr>\r\n\t\t\t\t\t\t\t\t\t</"
           "tbody>\r\n\t\t\t\t\t\t\t\t</table>\r\n\t\t\t\t\t\t\t</td>\r\n\t\t\t\t\t\t</tr>\r\n\t\t\t\t\t</"
           "tbody>\r\n\t\t\t\t</table>\r\n\t\t\t</div>\r\n\t\t</div>\r\n\t</div>\r\n</div>";
    return out;
}

std::vector<std::string> clearTargets() {
    // The product fields row by row, in the order of the table's columns.
    std::vector<std::string> targets = namesByRow(
        {kImage, kTitle, kLink, kListPrice, kPrice, kPromotion1, kPromotion2, kPromotion3}, 1, kProducts);
    targets.push_back(kBackground);
    targets.push_back(kCode);
    return targets;
}

} // namespace

ModuleSpec promotionCarouselModule() {
    const std::string images = makerServer() + "/Tessaly/upload/images/131104/f13/sc";
    ModuleSpec m;
    m.caption = "宝贝轮播展示（促销活动）";
    m.width = 1009;
    m.height = 676;
    m.top = 0;
    m.sections = {
        {"模块样式", {line({picture("图片框1", "/Tessaly/samples/F13.jpg", 560, 189)})}},
        {"模块设置（图片尺寸：318x318px）",
         {
             table(numberedTable(
                 "图片编号",
                 {{"图片地址", kImage, [images](int k) { return images + std::to_string(k) + ".jpg"; }},
                  {"宝贝标题", kTitle, sameText("QuilletOrnavo")},
                  {"链接地址", kLink, sameText(marketHome())},
                  {"原价", kListPrice, rowTexts({"308", "208", "108"})},
                  {"现价", kPrice, rowTexts({"208", "108", "49"})},
                  {"活动1名称", kPromotion1, sameText("买即送")},
                  {"活动2名称", kPromotion2, sameText("满百送礼包")},
                  {"活动3名称", kPromotion3, sameText("咨询就有礼")}},
                 kProducts)),
             line({field(kBackground, "背景颜色：", "#FFFFFF"), colourButton("按钮_选色器")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F13一键生成", "一键生成", generate),
        copyButton("按钮_F13复制代码"),
        clearButton("按钮_F13清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F13预览"),
        exitButton("按钮_F13退出"),
    };
    return m;
}

} // namespace ornavo
