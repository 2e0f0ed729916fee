// "广告图轮播-带缩略图": five large advert images shown one at a time, with a row of five thumbnails
// underneath as the navigation of a self-playing slide show. The change of image is a fade or a
// vertical scroll, as picked in the window; the pick is remembered for the whole run.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/text.h"
#include "generators/adverts/sizes.h"
#include "generators/catalogue.h"

#include <string>
#include <vector>

namespace ornavo {
namespace {

const char* const kLargeImage[] = {"编辑框_大图地址01", "编辑框_大图地址02", "编辑框_大图地址03",
                                   "编辑框_大图地址04", "编辑框_大图地址05"};
const char* const kThumbnail[] = {"编辑框_小图地址01", "编辑框_小图地址02", "编辑框_小图地址03",
                                  "编辑框_小图地址04", "编辑框_小图地址05"};
const char* const kLink[] = {"编辑框_链接地址01", "编辑框_链接地址02", "编辑框_链接地址03",
                             "编辑框_链接地址04", "编辑框_链接地址05"};
const char* const kLargeWidth = "编辑框_大图宽";
const char* const kLargeHeight = "编辑框_大图高";
const char* const kThumbWidth = "编辑框_小图宽";
const char* const kThumbHeight = "编辑框_小图高";
const char* const kMode = "组合框_轮播方式";
const char* const kCode = "超级编辑框_F25代码生成";

// Window variable: the slide show's effect, set by the carousel mode list.
const char* const kEffect = "effect";

// How each thumbnail differs: the end of its height style, the TABs before its image and what follows it.
struct Thumb {
    const char* styleEnd;
    int tabs;
    const char* after;
};
const Thumb kThumbs[] = {
    {"px; left: 1px", 3, "\r\n\t\t\t\r\n\t\t\t\r\n\t\t"},
    {"px;; left: 1px", 6, "\r\n\r\n\t\t"},
    {"px; left: 1px", 5, "\r\n\r\n\t\t"},
    {"px; left: 1px", 3, "\r\n\r\n\t\t"},
    {"px; left: 1px", 3, "\r\n</div>\r\n</div>"}, // closes the row and the widget
};

std::string generate(const Form& f) {
    const std::string& bw = f.text(kLargeWidth);
    const std::string& bh = f.text(kLargeHeight);
    const std::string& sw = f.text(kThumbWidth);
    const std::string& sh = f.text(kThumbHeight);
    // The upper area holds the large images and 5 pixels more; the thumbnail row comes under it. The
    // heights count their leading digits, full-width ones included; the typed texts go in unchanged.
    const std::int64_t upper = saturatingAdd(textToInteger(bh), 5);
    const std::string upperHeight = integerToText(upper);
    const std::string totalHeight = adverts::shifted(upper, textToInteger(sh));

    std::string code =
        "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect': '" + f.var(kEffect) +
        "','triggerType':'mouse','duration': 0.5,'autoplay':true,'navCls': 'lst-trigger','contentCls': "
        "'lst-main','activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" style=\"width: " +
        bw + "px; height: " + totalHeight +
        "px\">\r\n\t<div style=\"overflow: hidden; height: " + upperHeight +
        "px\">\r\n\t\t<div class=\"lst-main\">";

    for (int k = 0; k < 5; ++k)
        code += "<div>\r\n\t\t\t\t<a href=\"" + f.text(kLink[k]) + "\" style=\"width: " + bw +
                "px; height: " + bh + "px\" target=\"_blank\"><img height=\"" + bh + "\" src=\"" +
                f.text(kLargeImage[k]) + "\" width=\"" + bw + "\" /></a></div>";
    code += "</div>\r\n\t</div>\r\n\t";

    code += "<div class=\"lst-trigger\" style=\" filter: "
            "progid:DXImageTransform.Microsoft.Alpha(opacity=100); left: "
            "0px; margin-bottom: 0px; width: " +
            bw + "px; cursor: pointer; line-height: " + sh + "px; height: " + sh +
            "px; text-align: center; opacity: 1\">\r\n\t\t\r\n\t\t\r\n\t\t";

    for (int k = 0; k < 5; ++k) {
        const Thumb& t = kThumbs[k];
        code += std::string(k == 0 ? "<div class=\"current\" style=" : "<div style=") +
                "\"float: left; width: 20%; height: " + sh + t.styleEnd + "\">\r\n" +
                std::string(static_cast<std::size_t>(t.tabs), '\t') + "<img border=\"0\" src=\"" +
                f.text(kThumbnail[k]) + "\" width=" + sw + " height=\"" + sh + "\"></div>" + t.after;
    }
    return code;
}

Table imageTable() {
    const std::string dir = makerServer() + "/Tessaly/upload/images/131104/f25/";
    auto numbered = [dir](const char* stem) {
        return [dir, stem](int row) { return dir + stem + std::to_string(row) + ".jpg"; };
    };
    return numberedTable("图片编号",
                         {{"大图地址", "编辑框_大图地址", numbered("dsc")},
                          {"小图地址", "编辑框_小图地址", numbered("xsc")},
                          {"链接地址", "编辑框_链接地址", sameText(marketHome())}},
                         5);
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets;
    for (const char* const* column : {kLargeImage, kThumbnail, kLink})
        targets.insert(targets.end(), column, column + 5);
    // The list shows no entry afterwards; the effect it set stays.
    targets.insert(targets.end(), {kLargeWidth, kLargeHeight, kThumbWidth, kThumbHeight, kCode, kMode});
    return targets;
}

} // namespace

ModuleSpec thumbnailCarouselModule() {
    ModuleSpec m;
    m.caption = "广告图轮播-带缩略图";
    m.width = 733;
    m.height = 664;
    m.top = 5;
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F25.jpg", 360, 205)})}},
        {"模块设置(图片尺寸建议试用缩放比)",
         {
             table(imageTable()),
             line({adverts::narrow(field(kLargeWidth, "大图尺寸：", "950"), 5),
                   adverts::narrow(field(kLargeHeight, "", "450", "px;"), 5),
                   adverts::narrow(field(kThumbWidth, "小图尺寸：", "180"), 5),
                   adverts::narrow(field(kThumbHeight, "", "85", "px;"), 5),
                   choiceList(kMode, "轮播方式：", {{"渐变", "fade"}, {"上下", "scrolly"}}, kEffect)}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F25一键生成", "一键生成", generate),
        copyButton("按钮_F25复制代码"),
        clearButton("按钮_F25清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F25预览"),
        exitButton("按钮_F25退出"),
    };
    return m;
}

} // namespace ornavo
