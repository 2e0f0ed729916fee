// "广告图轮播-SDK百叶窗渐变特效": two advert images that change like blinds. The picture area is cut into
// ten vertical slices of 95 pixels; each slice is a small self-playing horizontal slide show of its
// own share of both images, and the slices move more slowly from left to right, so that every change
// sweeps across the picture. The first image also lies under the slices as the area's background. Only
// a few slices carry a clickable link area. Two editions: the basic one moves the module out of the
// basic shop page's narrow column.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/markup.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

const char* const kImage[] = {"编辑框_图片地址01", "编辑框_图片地址02"};
const char* const kLink[] = {"编辑框_链接地址01", "编辑框_链接地址02"};
const char* const kWidth = "编辑框_图片宽";
const char* const kHeight = "编辑框_图片高";
const char* const kCode = "超级编辑框_F27代码生成";

// Slice i: its transition duration, its share of the images and which of its two items can be clicked.
struct Slice {
    const char* duration;
    const char* offset;
    bool secondClickable;
    bool firstClickable;
};
const Slice kSlices[] = {
    {"0.2", "0px", true, true},      {"0.3", "-95px", true, true},    {"0.4", "-190px", false, false},
    {"0.5", "-285px", false, false}, {"0.6", "-380px", false, false}, {"0.7", "-475px", true, false},
    {"0.8", "-570px", false, false}, {"0.9", "-665px", false, false}, {"1", "-760px", false, false},
    {"1.1", "-855px", false, false},
};

// One item of a slice: the slice's share of an image, with a link that fills it when clickable and an
// empty link without size otherwise.
std::string sliceItem(const std::string& h, const char* offset, const std::string& image,
                      const std::string& link, bool clickable) {
    return std::string("<li style=\"BACKGROUND-POSITION: ") + offset +
           " 0px; DISPLAY: block; FLOAT: left; BACKGROUND-IMAGE: url(" + image +
           "); WIDTH: 95px; HEIGHT: " + h + "px\"><A " +
           (clickable ? "style=\"DISPLAY: block; WIDTH: 95px; HEIGHT: " + h + "px\" " : "") + "href=\"" +
           link + "\" target=_blank></A></li>";
}

std::string professional(const Form& f) {
    const std::string& h = f.text(kHeight);
    std::string code = std::string("\r\n") + markup::kFrameOpenUpper + "\r\n" + markup::kFrameBodyOpenUpper +
                       "\r\n<DIV class=\"sein67 sei_sum1 -promo\" style=\"DISPLAY: block; BACKGROUND: url(" +
                       f.text(kImage[0]) + ") no-repeat; WIDTH: " + f.text(kWidth) + "px; HEIGHT: " + h +
                       "px\">\r\n";
    for (int i = 0; i < 10; ++i) {
        const Slice& s = kSlices[i];
        code +=
            "<DIV class=\"yepian p_sum" + std::to_string(10 + i) +
            "\" style=\"DISPLAY: block; FLOAT: left; OVERFLOW: hidden; WIDTH: 95px; HEIGHT: " + h +
            "px\">\r\n<DIV class=J_TWidget style=\"HEIGHT: " + h +
            "px\" data-widget-config=\"{'hasTriggers':false,'contentCls':'lst-main','autoplay':true,'effect':"
            "'scrollx','easing':'easeBothStrong','interval':'5','duration':'" +
            s.duration +
            "','pauseOnHover':false}\" data-widget-type=\"Slide\">\r\n<ul class=\"stage lst-main\" style=\"" +
            // The last slice's list also hides what overflows it.
            (i == 9 ? "OVERFLOW: hidden; WIDTH: 190px; TOP: 0px; HEIGHT: " : "WIDTH: 190px; HEIGHT: ") + h +
            "px\">\r\n";
        code += sliceItem(h, s.offset, f.text(kImage[1]), f.text(kLink[1]), s.secondClickable);
        code += sliceItem(h, s.offset, f.text(kImage[0]), f.text(kLink[0]), s.firstClickable);
        code += i < 9 ? "</ul></DIV></DIV>\r\n" : "</ul></DIV></DIV>";
    }
    return code + "</DIV></span></DIV>" + markup::kFrameBottomUpper + "</DIV></DIV>";
}

} // namespace

ModuleSpec blindsCarouselModule() {
    ModuleSpec m;
    m.caption = "广告图轮播-SDK百叶窗渐变特效";
    m.width = 710;
    m.height = 620;
    const std::string dir = makerServer() + "/Tessaly/upload/images/131104/f27/";
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F27.jpg", 400, 190)})}},
        {"模块设置",
         {
             table(
                 numberedTable("图片编号",
                               {{"图片地址", "编辑框_图片地址", rowTexts({dir + "sc1.jpg", dir + "sc2.jpg"})},
                                {"链接地址", "编辑框_链接地址", sameText(marketHome())}},
                               2)),
             line({field(kWidth, "图片尺寸：", "950"), field(kHeight, "", "400", "px;")}),
             line({label("标签1",
                         "使用说明：由于部分区域图层遮罩，部分区域链接无法点击，可用于广告图轮播展示。")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    auto [pro, basic] = editionButtons("按钮_F27专业版代码", "按钮_F27基础版代码", professional);
    m.buttons = {
        pro,
        basic,
        copyButton("按钮_F27复制代码"),
        clearButton("按钮_F27清空内容", "清空内容",
                    {kImage[0], kLink[0], kImage[1], kLink[1], kWidth, kHeight, kCode}),
        previewButton("按钮_F27预览"),
        exitButton("按钮_F27退出"),
    };
    return m;
}

} // namespace ornavo
