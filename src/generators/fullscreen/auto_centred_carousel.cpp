// "Ornavo-全屏海报轮播（自动居中）": four lazily loaded full-width posters that scroll sideways, with
// half-transparent arrows that pop up left and right of the centre and a centred row of bordered
// thumbnails. The sizes of the thumbnails, the spacer and the thumbnail row's top follow the poster
// size as the user types it.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/markup.h"
#include "framework/model/text.h"
#include "generators/catalogue.h"

#include <cmath>
#include <string>

namespace ornavo {
namespace {

const char* const kPosters[] = {"编辑框_大图地址01", "编辑框_大图地址02", "编辑框_大图地址03",
                                "编辑框_大图地址04"};
const char* const kThumbs[] = {"编辑框_小图地址01", "编辑框_小图地址02", "编辑框_小图地址03",
                               "编辑框_小图地址04"};
const char* const kLinks[] = {"编辑框_点击图片打开的链接地址01", "编辑框_点击图片打开的链接地址02",
                              "编辑框_点击图片打开的链接地址03", "编辑框_点击图片打开的链接地址04"};
const char* const kArrowLeft = "编辑框_方向箭头左";
const char* const kArrowRight = "编辑框_方向箭头右";
const char* const kArrowGap = "编辑框_箭头间隔";
const char* const kWidth = "编辑框_大图尺寸宽";
const char* const kHeight = "编辑框_大图尺寸高";
const char* const kThumbWidth = "编辑框_小图尺寸宽";
const char* const kThumbHeight = "编辑框_小图尺寸高";
const char* const kSpacer = "编辑框_模版占位";
const char* const kTop = "编辑框_距顶";
const char* const kBorder = "编辑框_边框";
const char* const kBorderColour = "编辑框_边框颜色";
const char* const kCode = "超级编辑框_全屏海报轮播代码";

const char* const kPosterPaths[] = {
    "/Tessaly/upload/images/131018/qplb/qplb1.jpg", "/Tessaly/upload/images/131018/qplb/qplb2.jpg",
    "/Tessaly/upload/images/131018/qplb/qplb3.jpg", "/Tessaly/upload/images/131018/qplb/qplb2.jpg"};

// A tenth of the whole number in the field, rounded down.
std::string tenthOf(const Form& form, const char* name) {
    return numberToText(std::floor(static_cast<double>(fieldInteger(form, name)) / 10.0));
}

// The thumbnail row sits 8 pixels above the bottom edge of its thumbnails.
void updateTop(Form& form) {
    form.setText(kTop, numberToText(fieldDecimal(form, kHeight) - 8.0 - fieldDecimal(form, kThumbHeight)));
}

void onWidth(Form& form) {
    form.setText(kThumbWidth, tenthOf(form, kWidth));
}

void onHeight(Form& form) {
    form.setText(kThumbHeight, tenthOf(form, kHeight));
    form.setText(kSpacer, numberToText(fieldDecimal(form, kHeight) - 30.0));
    updateTop(form);
}

void onThumbHeight(Form& form) {
    updateTop(form);
}

std::string dividedBy(const Form& form, const char* name, double divisor) {
    return numberToText(static_cast<double>(fieldInteger(form, name)) / divisor);
}

std::string plusTwo(const Form& form, const char* name) {
    return numberToText(static_cast<double>(fieldInteger(form, name)) + 2.0);
}

// One arrow pop-up, `offset` pixels from the poster area's centre.
std::string arrow(const std::string& w, const std::string& offset, const char* cls, const std::string& colour,
                  const std::string& image, const char* title) {
    return "<div class=\"J_TWidget\" data-widget-config=\"{'trigger':'.ux" + w + "','align':{'node':'.ux" +
           w + "','offset':[" + offset +
           ",0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" style=\"display: "
           "none\">\r\n\t\t\t\t\t\t\t\t<div class=\"" +
           cls + "\" style=\"color: " + colour +
           "; font-size: 100px; cursor: pointer; opacity: 0.5\">\r\n\t\t\t\t\t\t\t\t\t<span><img "
           "data-ks-lazyload=\"" +
           image + "\"  src=\"" + placeholderGif() + "\" title=\"" + title +
           "\"  /></span></div>\r\n\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t";
}

std::string generate(const Form& f) {
    const std::string& w = f.text(kWidth);
    const std::string& h = f.text(kHeight);
    const std::string& colour = f.text(kBorderColour);
    const std::string& border = f.text(kBorder);
    const std::string arrowOffset = dividedBy(f, kArrowGap, 2.0);
    const std::string rowLeft = dividedBy(f, kWidth, -2.0);
    const std::string thumbWidth = plusTwo(f, kThumbWidth);
    const std::string thumbHeight = plusTwo(f, kThumbHeight);
    const std::string gif = placeholderGif();
    std::string out;

    out +=
        "<div class=\"layout grid-m0\" data-componentid=\"231\" data-context=\"bd\" data-id=\"1041995155\" "
        "data-prototypeid=\"231\" data-widgetid=\"1041995155\">\r\n\t<div class=\"col-main\">\r\n\t\t<div "
        "class=\"main-wrap\" data-modules=\"main\" data-width=\"b950\" style=\"overflow: "
        "visible\">\r\n\t\t\t" +
        markup::customAreaC("1041992425", markup::attributionTitleSoftware()) +
        "\r\n\r\n<div class=\"skin-box tb-module\">\r\n\t<s class=\"skin-box-tp\"></s>\r\n\t<div "
        "class=\"skin-box-bd clear-fix\">\r\n\t\t";

    out += "<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true "
           ",'contentCls':'tanchudiv'}\" data-widget-type=\"Tabs\" style=\"height:" +
           f.text(kSpacer) + "px; overflow: hidden\">\r\n<div class=\"tanchudiv\" style=\"height: " + h +
           "px\">\r\n";

    out += "<div class=\"footer-more-trigger\" style=\"border-bottom: medium none; border-left: medium none; "
           "padding-bottom: 0px; padding-left: 0px; width:" +
           w + "px; padding-right: 0px; height: " + h +
           "px; border-top: medium none; top: auto; border-right: medium none; padding-top: 0px; left: "
           "50%\">\r\n"
           "<div class=\"footer-more-trigger\" style=\"border-bottom: medium none; border-left: medium none; "
           "padding-bottom: 0px; padding-left: 0px; width: " +
           w + "px; padding-right: 0px; height: " + h +
           "px; border-top: medium none; border-right: medium none; padding-top: 0px; left: -50%\">\r\n";

    out +=
        "<div class=\"J_TWidget\" data-widget-config=\"{'contentCls': 'taobao-kaidian-com','navCls': "
        "'taobaokaidian-com','effect': 'scrollx','easing': 'easeOutStrong','prevBtnCls':'prev','nextBtnCls':"
        "'next','autoplay': true,'viewSize':[" +
        w + "],'circular': true}\" data-widget-type=\"Carousel\">\r\n\t\t\t\t\t\t\t";

    out += arrow(w, "-" + arrowOffset, "prev", colour, f.text(kArrowLeft), "上一屏");
    out += arrow(w, arrowOffset, "next", colour, f.text(kArrowRight), "下一屏");

    out += "<div class=\"ux" + w +
           "\" style=\"padding-bottom: 0px; margin: 0px; padding-left: 0px; width: " + w +
           "px; padding-right: 0px; height: " + h +
           "px; overflow: hidden; padding-top: 0px\">\t\t\t\t\r\n\t\t\t\t\t\t\t\t<ul "
           "class=\"taobao-kaidian-com\" "
           "style=\"padding-bottom: 0px; margin: 0px; padding-left: 0px; width: " +
           w + "px; padding-right: 0px; height: " + h + "px; padding-top: 0px\">";

    // Line breaks before each poster item; the first item alone keeps a blank after its image address.
    const char* const breaksBefore[] = {"\r\n\r\n\r\n\r\n", "\r\n\r\n\r\n\r\n", "\r\n\r\n\r\n", "\r\n\r\n"};
    for (int k = 0; k < 4; ++k)
        out += breaksBefore[k] +
               std::string("<li style=\"padding-bottom: 0px; margin: 0px; padding-left: 0px; width: ") + w +
               "px; padding-right: 0px; height: " + h +
               "px; padding-top: 0px\">\r\n<span><a data-attr-replace=\"" +
               markup::attributionReplaceContact() + "\" href=\"" + f.text(kLinks[k]) +
               "\" style=\"padding-bottom: 0px; margin: 0px; padding-left: 0px; padding-right: 0px; "
               "padding-top: "
               "0px\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" +
               f.text(kPosters[k]) + (k == 0 ? "\" " : "\"") + "height=\"" + h + "\" src=\"" + gif +
               "\" width=\"" + w + "\" /></a></span></li>";
    out += "\r\n\r\n\r\n\r\n";

    out += "</ul>\r\n</div>\r\n";

    out +=
        "<div class=\"footer-more-trigger\" style=\"border-bottom: medium none; border-left: medium none; "
        "padding-bottom: 0px; padding-left: 0px; padding-right: 0px; border-top: medium none; border-right: "
        "medium none; padding-top: 0px; left: 50%\">\r\n\t\t\t\t\t\t\t\t<div class=\"footer-more-trigger\" "
        "style=\"border-bottom: medium none; border-left: medium none; padding-bottom: 0px; padding-left: "
        "0px; "
        "width: " +
        w + "px; padding-right: 0px; height: 45px; border-top: medium none; top: " + f.text(kTop) +
        "px; border-right: medium none; padding-top: 0px; left:" + rowLeft +
        "px\">\r\n<ul class=\"taobaokaidian-com\" style=\"border-bottom: medium none; text-align: center; "
        "border-left: medium none; margin: 0px auto; width: " +
        w + "px; height: 45px; border-top: medium none; border-right: medium none\">\r\n\r\n\r\n";

    const std::string edge = colour + " " + border + "px solid";
    for (int k = 0; k < 4; ++k)
        out += "<li style=\"line-height: 45px; margin: 0px 5px; display: inline; cursor: pointer\">\r\n"
               "\t\t\t\t\t\t\t\t\t\t\t<span><img border=\"0\" data-ks-lazyload=\"" +
               f.text(kThumbs[k]) + "\" height=\"" + thumbHeight + "\" src=\"" + gif +
               "\" style=\"border-bottom: " + edge + "; border-left: " + edge +
               "; margin: 5px 0px; vertical-align: middle; border-top: " + edge + "; border-right: " + edge +
               "\" width=\"" + thumbWidth + "\" /></span></li>";

    // The layout, its column, its main-wrap and the custom area stay open: the shop page closes them.
    out += "</ul></div></div></div></div></div></div>\r\n<ul class=\"ks-switchable-nav\" style=\"display: "
           "none\"></ul></div></div></div>";
    return out;
}

} // namespace

ModuleSpec autoCentredCarouselModule() {
    Table rows;
    rows.numberCaption = "图片编号";
    rows.columns = {"大图地址", "小图地址", "点击图片打开的链接地址"};
    for (int k = 0; k < 4; ++k) {
        const std::string image = makerServer() + kPosterPaths[k];
        rows.rows.push_back({"0" + std::to_string(k + 1),
                             {field(kPosters[k], "", image), field(kThumbs[k], "", image),
                              field(kLinks[k], "", "http://" + makerShop())}});
    }
    const std::string arrows = makerServer() + "/Tessaly/upload/images/131028/quanpinglunbo/";

    ModuleSpec m;
    m.caption = "Ornavo-全屏海报轮播（自动居中）";
    m.width = 770;
    m.height = 649;
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F01.jpg", 600, 156)})}},
        {"模块设置",
         {
             table(rows),
             line({label("标签_方向箭头", "方向箭头"), field(kArrowLeft, "左：", arrows + "z.png"),
                   field(kArrowRight, "右：", arrows + "y.png")}),
         }},
        {"",
         {
             line({field(kArrowGap, "箭头间隔：", "960", "px;"),
                   withHandler(field(kWidth, "大图尺寸：", "1920"), onWidth),
                   withHandler(field(kHeight, "", "500", "px;"), onHeight)}),
             line({field(kThumbWidth, "小图尺寸：", "187"),
                   withHandler(field(kThumbHeight, "", "50", "px;"), onThumbHeight),
                   field(kSpacer, "模版占位：", "480", "px;"), field(kTop, "距顶：", "440", "px;")}),
             line({field(kBorder, "边框：", ""), field(kBorderColour, "边框颜色：", "#33CCFF")}),
         },
         /*framed=*/true},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_全屏海报轮播一键生成", "一键生成", generate),
        copyButton("按钮_全屏海报轮播复制代码"),
        // Clears the addresses and the border; the sizes stay.
        clearButton("按钮_全屏海报轮播清空代码", "清空内容",
                    {kCode, kBorder, kBorderColour, kArrowRight, kArrowLeft, kThumbs[3], kPosters[3],
                     kThumbs[2], kPosters[2], kThumbs[1], kPosters[1], kThumbs[0], kPosters[0], kLinks[3],
                     kLinks[2], kLinks[1], kLinks[0]}),
        previewButton("按钮_全屏海报轮播预览"),
        exitButton("按钮_全屏海报轮播退出"),
        colourButton("按钮_选色器"),
    };
    return m;
}

} // namespace ornavo
