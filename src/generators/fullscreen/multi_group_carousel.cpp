// "全屏海报轮播": three full-width posters that replace one another, with pop-up previous/next buttons
// and a thumbnail row, for market-store shops. Two nested "footer-more-trigger" boxes centre the
// carousel on the 950-pixel column; the marketplace's widget framework drives it (a Tabs widget around
// a Carousel widget and two Popup widgets).

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

const char* const kWidth = "编辑框_轮播区宽度";
const char* const kHeight = "编辑框_轮播区高度";
const char* const kTarget = "组合框_链接打开方式";
const char* const kEffect = "组合框_动画效果";
const char* const kThumbnails = "组合框_是否显示缩略图";
const char* const kImages[] = {"编辑框_图片地址1", "编辑框_图片地址2", "编辑框_图片地址3"};
const char* const kLinks[] = {"编辑框_链接地址1", "编辑框_链接地址2", "编辑框_链接地址3"};
const char* const kPrevImage = "编辑框_上一张图片地址";
const char* const kNextImage = "编辑框_下一张图片地址";
const char* const kCode = "超级编辑框_全屏轮播代码";

// Window variables set by the three lists.
const char* const kLinkTarget = "link target";
const char* const kTransition = "transition";
const char* const kThumbnailStyle = "thumbnail row style";

const std::string kImageDir = "/Tessaly/upload/images/131018/qplb/";

// One pop-up button over the poster area: shifted by `offset` pixels from its centre. The next button's
// fragment has no blank before data-widget-type, the previous button's has one.
std::string popupButton(const std::string& w, const char* offset, const char* beforeType, const char* cls,
                        const std::string& image, const char* after) {
    return "<div class=\"J_TWidget\"data-widget-config=\"{'trigger':'.kun" + w + "','align':{'node':'.kun" +
           w + "','offset':[" + offset + ",0],'points':['cc','cc']}}\"" + beforeType +
           "data-widget-type=\"Popup\" style=\"display:none;\">\r\n<div class=\"" + cls +
           "\" style=\"font-size:100px;cursor:pointer;\"><img src=\"" + image + "\"></div></div>\r\n" + after;
}

std::string generate(const Form& f) {
    const std::string& w = f.text(kWidth);
    const std::string& h = f.text(kHeight);
    std::string out;

    out += "<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true "
           ",'contentCls':'tanchudiv'}\"data-widget-type=\"Tabs\"style=\"height:" +
           h + "px;overflow:hidden;\">\r\n<div class=\"tanchudiv\" style=\"height:" + h + "px;\">\r\n";

    out += "<div class=\"footer-more-trigger\" style=\"width:" + w + "px;height:" + h +
           "px;top:auto;padding:0px;border:none;left:50%;\">\r\n<div class=\"footer-more-trigger\" "
           "style=\"width:" +
           w + "px;height:" + h + "px;padding:0px;border:none;left:-50%;\">\r\n\r\n";

    out +=
        "<div data-widget-config=\"{'contentCls': 'taobao-kaidian-com','navCls': "
        "'taobaokaidian-com','effect': '" +
        f.var(kTransition) +
        "','easing': 'easeOutStrong','prevBtnCls':'prev','nextBtnCls':'next','autoplay': true,'viewSize':[" +
        w +
        "],'circular': true,'activeTriggerCls': 'arrow-d'}\"data-widget-type=\"Carousel\" "
        "class=\"J_TWidget\">\r\n\r\n";

    out += popupButton(w, "-400", " ", "prev", f.text(kPrevImage), "");
    out += popupButton(w, "400", "", "next", f.text(kNextImage), "\r\n");

    out += "<div style=\"height:" + h + "px;width:" + w +
           "px;overflow:hidden;padding:0px;margin:0px;\"class=\"kun" + w +
           "\">\r\n<ul class=\"taobao-kaidian-com\" style=\"height:" + h + "px;width:" + w +
           "px;padding:0px;margin:0px;\">\r\n";
    for (int n = 0; n < 3; ++n)
        out += "<li style=\"width:" + w + "px;height:" + h + "px;padding:0px;margin:0px;\"><a target=\"" +
               f.var(kLinkTarget) + "\"href=\"" + f.text(kLinks[n]) +
               "\" style=\"padding:0px;margin:0px;\"><img src=\"" + f.text(kImages[n]) + "\" width=\"" + w +
               "px\" height=\"" + h + "px\" border=\"0px\"></a></li>\r\n";
    out += "</ul>\r\n</div>\r\n\r\n";

    // The thumbnail row keeps its own fixed place and size whatever the carousel's size.
    out +=
        "<div class=\"footer-more-trigger\" style=\"padding:0px;border:none;left:50%;" +
        f.var(kThumbnailStyle) + "\">\r\n<div class=\"footer-more-trigger\" style=\"width:" + w +
        "px;height:45px;padding:0px;border:none;left:-960px;top:455px;\">\r\n<ul class=\"taobaokaidian-com\" "
        "style=\"width:950px;height:45px;margin:0 auto;text-align: center;border:none;\">\r\n";
    for (int n = 0; n < 3; ++n)
        out += std::string("<li ") + (n == 0 ? "class=\"arrow-d\" " : "") +
               "style=\"display: inline;background:none;margin: 0 5px;cursor:pointer;padding-top:10px;"
               "line-height:36px;\"><img src=\"" +
               f.text(kImages[n]) + "\" width=\"138px\" height=\"36px\" ></li>\r\n";

    out += "</ul>\r\n</div>\r\n</div>\r\n</div>\r\n</div>\r\n</div>\r\n</div>\r\n"
           "<ul class=\"ks-switchable-nav\" style=\"display:none;\"></ul>\r\n</div>";
    return out;
}

} // namespace

ModuleSpec multiGroupCarouselModule() {
    ModuleSpec m;
    m.caption = "全屏海报轮播";
    m.width = 896;
    m.height = 701;
    m.top = 0;
    m.sections = {
        {"模块样例", {line({picture("图片框_全屏轮播", "/Tessaly/samples/F02.jpg", 600, 156)})}},
        {"模块设置",
         {
             line({field(kWidth, "轮播区宽度：", "1920", "px;"),
                   field(kHeight, "轮播区高度：", "500", "px;")}),
             line({choiceList(kTarget, "链接打开方式：", {{"新窗口", "_blank"}, {"本窗口", "_self"}},
                              kLinkTarget),
                   choiceList(kEffect, "动画效果：",
                              {{"简单显隐", "none"}, {"淡隐淡现", "fade"}, {"水平滚动", "scrollx"}},
                              kTransition),
                   choiceList(kThumbnails, "是否显示缩略图：", {{"是", ""}, {"否", "display:none;"}},
                              kThumbnailStyle)}),
             line({field(kImages[0], "图片地址1：", makerServer() + kImageDir + "qplb1.jpg"),
                   field(kLinks[0], "链接地址1：", marketHome())}),
             line({field(kImages[1], "图片地址2：", makerServer() + kImageDir + "qplb2.jpg"),
                   field(kLinks[1], "链接地址2：", marketHome())}),
             line({field(kImages[2], "图片地址3：", makerServer() + kImageDir + "qplb3.jpg"),
                   field(kLinks[2], "链接地址3：", marketHome())}),
             line({field(kPrevImage, "上一张图片地址：", makerServer() + kImageDir + "z1.png")}),
             line({field(kNextImage, "下一张图片地址：", makerServer() + kImageDir + "y1.png")}),
             line({label("标签3", "注：上一张、下一张按钮图片为正方形即可,最好是90px*90px.")}),
             line({label("标签4", "注：如全屏轮播模块下面有个“1”，将模块的标题设置为“不显示”即可。")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_全屏轮播获取集市店铺代码", "获取集市店铺代码", generate),
        copyButton("按钮_全屏轮播复制代码"),
        // This window's clear keeps the code box and the lists.
        clearButton("按钮_全屏轮播清空所有内容", "清空所有内容",
                    {kWidth, kHeight, kLinks[2], kImages[2], kLinks[1], kImages[1], kLinks[0], kImages[0],
                     kNextImage, kPrevImage}),
        previewButton("按钮_全屏轮播在线预览"),
        exitButton("按钮_全屏轮播退出"),
    };
    return m;
}

} // namespace ornavo
