// "宝贝轮播展示（五组十图对比）": five groups of two products in a 950 x 570 box: a picture column on
// each side and, between them, a theme picture, a list of five titles and a second theme picture.
// Two nested Slide widgets (one per picture column) share the title list as their navigation, so
// pointing at a title shows both pictures of that group; both also fade on by themselves.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

#include <string>
#include <vector>

namespace ornavo {
namespace {

constexpr int kGroups = 5;

const char* const kLeftImage = "编辑框_图片地址左";
const char* const kLeftLink = "编辑框_链接地址左";
const char* const kTitle = "编辑框_宝贝标题";
const char* const kRightImage = "编辑框_图片地址右";
const char* const kRightLink = "编辑框_链接地址右";
const char* const kTheme1 = "编辑框_主题图片01";
const char* const kTheme2 = "编辑框_主题图片02";
const char* const kFontColour = "编辑框_字体颜色";
const char* const kBackground = "编辑框_背景颜色";
const char* const kCode = "超级编辑框_F14代码生成";

std::string row(const char* prefix, int k) {
    return prefix + twoDigits(k);
}
std::string tabs(int n) {
    return std::string(static_cast<std::size_t>(n), '\t');
}

// One picture column: the content list of a Slide widget with the five linked pictures of one side.
// The fifth picture carries an empty alt with no blank after it; the first left picture has a doubled
// quote after its address. Both are kept as the marketplace page has always received them.
std::string pictureColumn(const Form& f, const char* listClass, const char* links, const char* images,
                          bool left, const std::string& gif) {
    std::string out = tabs(16) + "<div class=\"" + listClass + "\">\r\n";
    for (int k = 1; k <= kGroups; ++k) {
        out += tabs(17) + "<div>\r\n" + tabs(18) + "<a href=\"" + f.text(row(links, k)) +
               "\" target=\"_blank\"><img " + (k == kGroups ? "alt=\"\"" : "") + "data-ks-lazyload=\"" +
               f.text(row(images, k)) + (left && k == 1 ? "\"\"" : "\"") + " src=\"" + gif +
               "\" /></a></div>\r\n";
    }
    return out + tabs(16) + "</div>\r\n" + tabs(15) + "</div>\r\n";
}

std::string generate(const Form& f) {
    const std::string gif = placeholderGif();
    const std::string& fc = f.text(kFontColour);
    std::string out =
        "<div class=\"box\" data-spm=\"110.0.3-7624656822\" microscope-data=\"3-7624656822\">\r\n\t<div "
        "class=\"shop-custom no-border\">\r\n\t\t<div class=\"bd\">\r\n\t\t\t<div "
        "class=\"custom-area\">\r\n\t\t\t\t<div style=\"height:570px;\">\r\n\t\t\t\t\t<div "
        "class=\"J_TWidget\" data-widget-config=\"{\r\n \r\n\r\n'effect': 'fade',\r\n 'circular': true ,\r\n "
        "'navCls':'toseise',\r\n \r\n\r\n'activeTriggerCls':'odslos',\r\n 'contentCls':'piaofu'\r\n }\" "
        "data-widget-type=\"Tabs\">\r\n\t\t\t\t\t\t<ul class=\"toseise\" "
        "style=\"display:none;\">\r\n\t\t\t\t\t\t\t<li "
        "class=\"odslos\">\r\n\t\t\t\t\t\t\t\t&nbsp;</li>\r\n\t\t\t\t\t\t</ul>\r\n\t\t\t\t\t\t<div "
        "class=\"piaofu\">\r\n\t\t\t\t\t\t\t<div style=\"z-index:99;background:" +
        f.text(kBackground) +
        ";width:950px;height:570px;\">\r\n\t\t\t\t\t\t\t\t<div class=\"aaa\">\r\n\t\t\t\t\t\t\t\t\t<table "
        "align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"570\" "
        "width=\"950\">\r\n\t\t\t\t\t\t\t\t\t\t<tbody>\r\n\t\t\t\t\t\t\t\t\t\t\t<tr>"
        "\r\n\t\t\t\t\t\t\t\t\t\t\t\t<td>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"J_TWidget\" "
        "data-widget-config=\"{'effect':'fade','easing':'easeOutStrong','contentCls': 'listmain', 'navCls': "
        "'listnav', 'activeTriggerCls':'selected','duration':'1','autoplay':1,'interval':3}\" "
        "data-widget-type=\"Slide\" style=\"border-right:#cccccc 1px solid;border-top:#cccccc 1px "
        "solid;border-left:#cccccc 1px solid;width:948px;border-bottom:#cccccc 1px "
        "solid;height:565px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"J_TWidget\" "
        "data-widget-config=\"{'effect':'fade','easing':'easeOutStrong','contentCls': 'listmain2', 'navCls': "
        "'listnav2', 'activeTriggerCls':'selected','duration':'1','autoplay':1,'interval':3}\" "
        "data-widget-type=\"Slide\">\r\n" +
        tabs(15) +
        "<div class=\"slider-promo\" style=\"display:block;float:left;width:405px;height:565px;\">\r\n";
    out += pictureColumn(f, "listmain", kLeftLink, kLeftImage, true, gif);

    // The middle column: theme picture, the five titles (both widgets' navigation), theme picture.
    out += tabs(15) +
           "<div style=\"border-right:#cccccc 1px solid;float:left;border-left:#cccccc 1px "
           "solid;width:135px;height:565px;\">\r\n" +
           tabs(16) + "<div style=\"width:135px;border-bottom:#cccccc 1px solid;height:98px;\">\r\n" +
           tabs(17) + "<img data-ks-lazyload=\"" + f.text(kTheme1) + "\" src=\"" + gif + "\" /></div>\r\n" +
           tabs(16) + "<div class=\"listnav listnav2\" style=\"font-weight:bold;font-size:14px;color:" + fc +
           ";line-height:32px;height:199px;text-align:center;\">";
    for (int k = 1; k <= kGroups; ++k)
        out += "<div style=\"cursor:pointer;border-bottom:#cccccc 1px solid;height:33px;\">\r\n" + tabs(18) +
               "<a target=\"_blank\"><font color=\"" + fc + "\">" + f.text(row(kTitle, k)) +
               "</font></a></div>";
    out += "</div>\r\n" + tabs(16) + "<div style=\"width:135px;height:267px;\">\r\n" + tabs(17) +
           "<img data-ks-lazyload=\"" + f.text(kTheme2) + "\" src=\"" + gif + "\" /></div>\r\n" + tabs(15) +
           "</div>\r\n" + tabs(15) +
           "<div class=\"slider-promo\" style=\"display:block;float:left;width:405px;height:565px;\">\r\n";
    out += pictureColumn(f, "listmain2", kRightLink, kRightImage, false, gif);

    out +=
        "\t\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</"
        "td>\r\n\t\t\t\t\t\t\t\t\t\t\t</tr>\r\n\t\t\t\t\t\t\t\t\t\t</tbody>\r\n\t\t\t\t\t\t\t\t\t</"
        "table>\r\n\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</"
        "div>\r\n\t\t\t\t</div>\r\n\t\t\t</div>\r\n\t\t</div>\r\n\t</div>\r\n</div>";
    return out;
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets =
        namesByRow({kLeftImage, kLeftLink, kTitle, kRightImage, kRightLink}, 1, kGroups);
    targets.insert(targets.end(), {kTheme1, kTheme2, kFontColour, kBackground, kCode});
    return targets;
}

} // namespace

ModuleSpec fiveGroupCarouselModule() {
    const std::string images = makerServer() + "/Tessaly/upload/images/131104/f14/";
    auto pictureRows = [images](int first) {
        return [images, first](int k) {
            return images + "sc" + std::to_string(first == 1 ? k : 6 - k) + ".gif";
        };
    };
    ModuleSpec m;
    m.caption = "宝贝轮播展示（五组十图对比）";
    m.width = 768;
    m.height = 670;
    m.sections = {
        {"模块样例",
         {line({picture("图片框1", "/Tessaly/samples/F14.jpg", 350, 210)}),
          line({label("标签1", "主题图片1尺寸（129x83px）"), label("标签2", "主题图片2尺寸（133x267px）")})}},
        {"模块设置（主图尺寸：402x556px）",
         {
             table(numberedTable("图片编号",
                                 {{"图片地址（左）", kLeftImage, pictureRows(1)},
                                  {"链接地址（左）", kLeftLink, sameText(marketHome())},
                                  {"宝贝标题", kTitle, sameText("Ornavo")},
                                  {"图片地址（右）", kRightImage, pictureRows(5)},
                                  {"链接地址（右）", kRightLink, sameText(marketHome())}},
                                 kGroups)),
             line({field(kTheme1, "主题图片1：", images + "zt1.gif"),
                   field(kTheme2, "主题图片2：", images + "zt2.jpg")}),
             line({field(kFontColour, "字体颜色：", "#ff278d"), field(kBackground, "背景颜色：", "#ffffff"),
                   colourButton("按钮_选色器")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F14一键生成", "一键生成", generate),
        copyButton("按钮_F14复制代码"),
        clearButton("按钮_F14清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F14预览"),
        exitButton("按钮_F14退出"),
    };
    return m;
}

} // namespace ornavo
