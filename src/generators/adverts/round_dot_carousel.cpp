// "广告图轮播-圆点导航轮播": three advert images that fade into one another by themselves, with three
// round dots over the picture as the navigation; the dot of the image on show is drawn from another
// part of the sprite. The module comes wrapped in a whole layout block of the shop page (layout, column
// and module containers), so it can be pasted as one piece. The square-dot window shares all of it.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/markup.h"
#include "framework/model/text.h"
#include "generators/adverts/dot_carousel.h"
#include "generators/adverts/sizes.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace adverts {
namespace {

const char* const kImage[] = {"编辑框_图片地址01", "编辑框_图片地址02", "编辑框_图片地址03"};
const char* const kLink[] = {"编辑框_链接地址01", "编辑框_链接地址02", "编辑框_链接地址03"};
const char* const kWidth = "编辑框_图片宽";
const char* const kHeight = "编辑框_图片高";
const char* const kDotsLeft = "编辑框_左距";
const char* const kDotsTop = "编辑框_顶距";

// A line of the layout block: TABs, the text and the line break after it.
std::string tabbed(int tabs, const std::string& text) {
    return std::string(static_cast<std::size_t>(tabs), '\t') + text + "\r\n";
}

// The dots sit 30 pixels above the images' bottom edge; the height counts as the C library reads it.
void onHeight(Form& form) {
    form.setText(kDotsTop, shifted(plainTextToInteger(form.text(kHeight)), -30));
}

std::string generate(const Form& f, const std::string& sprite) {
    const std::string& w = f.text(kWidth);
    const std::string& h = f.text(kHeight);
    std::string code =
        "\r\n" +
        tabbed(4, "<div class=\"layout grid-m0\" data-componentid=\"231\" data-context=\"bd\" "
                  "data-id=\"503353748\" "
                  "data-prototypeid=\"231\" data-widgetid=\"503353748\">") +
        tabbed(5, "<div class=\"col-main\">") +
        tabbed(6, "<div class=\"main-wrap\" data-modules=\"main\" data-width=\"" + w +
                      "\" style=\"overflow: visible\">") +
        tabbed(7, markup::customAreaC("658350553", markup::attributionTitleColon())) +
        tabbed(8, markup::kFrameOpen) + tabbed(9, std::string("<span>") + markup::kFrameTop + "</span>") +
        tabbed(9, markup::kFrameBodyOpen) + tabbed(10, "<div>") + tabbed(11, "<div class=\"tanchu987\">") +
        tabbed(
            12,
            "<div class=\"J_TWidget g_foot\" data-widget-config=\"{'effect':'fade','easing':'easeBothStrong',"
            "'autoplay':true,'contentCls':'yezidian_content_jumeiyoupin20121203','navCls':'yezidian_nav_"
            "jumeiyoupin20121203','activeTriggerCls':'hidden'}\" data-widget-type=\"Slide\" "
            "style=\"padding-right: "
            "0px; padding-left: 0px; left: 0px; padding-bottom: 0px; margin: 0px; width: " +
                w + "px; padding-top: 0px; top: 0px; height: " + h + "px\">") +
        tabbed(13, "<div style=\"overflow: hidden; width: " + w + "px; height: " + h + "px\">") +
        tabbed(14, "<ul class=\"yezidian_content_jumeiyoupin20121203\">") + tabbed(14, "") +
        std::string(14, '\t');

    // The three images follow one another on the list's last line.
    for (int k = 0; k < 3; ++k)
        code += "<li style=\"width: " + w + "px; height: " + h + "px\">\r\n" + std::string(16, '\t') +
                "<span><span><span><a href=\"" + f.text(kLink[k]) +
                "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + f.text(kImage[k]) +
                "\" src=\"" + placeholderGif() + "\" width=\"" + w + "\" height=\"" + h +
                "\"/></a></span></span></span></li>";
    code += "\r\n\r\n\r\n\r\n\r\n" + tabbed(14, "</ul>") + tabbed(13, "</div>");

    // The dot row borrows the page's absolutely positioned class; the sprite's top row is its
    // background, the three dots show its second row.
    const std::string url = makerImageHost() + sprite;
    const std::string dot = "<span><span><span>&nbsp;</span></span></span></div>";
    auto dotImage = [&](const char* x) {
        return "<div style=\"background: url(" + url + ") no-repeat " + x +
               " -11px; width: 11px; height: 11px\">";
    };
    const char* const later =
        "<li style=\"display: inline; float: left; margin-left: 15px; cursor: pointer\">";
    code +=
        tabbed(
            13,
            "<ul class=\"yezidian_nav_jumeiyoupin20121203 footer-more-trigger\" style=\"border-right: 0px; "
            "padding-right: 0px; border-top: 0px; padding-left: 0px; z-index: 99; background: url(" +
                url + ") no-repeat 0px 0px; left: " + f.text(kDotsLeft) +
                "px; padding-bottom: 0px; border-left: 0px; width: 70px; text-indent: 0px; line-height: "
                "11px; padding-top: 0px; border-bottom: 0px; top: " +
                f.text(kDotsTop) + "px; height: 11px\">") +
        tabbed(14, "") +
        tabbed(14, "<li class=\"hidden\" style=\"display: inline; float: left; cursor: pointer\">") +
        tabbed(15, dotImage("0px")) + tabbed(16, dot + std::string(14, '\t')) + tabbed(14, "</li>") +
        tabbed(14, "") + tabbed(14, "") + tabbed(14, "") + tabbed(14, later) + tabbed(15, dotImage("-26px")) +
        tabbed(16, dot) + tabbed(13, "    </li>") + tabbed(13, "    ") + tabbed(13, "    ") +
        tabbed(14, later) + tabbed(15, dotImage("-52px")) + std::string(63, ' ') + dot + "\r\n" +
        tabbed(14, "</li>") + tabbed(14, "") + tabbed(14, "") + tabbed(14, "") + tabbed(14, "") +
        tabbed(13, "</ul>");

    code += tabbed(12, "</div>") + tabbed(11, "</div>") + tabbed(10, "</div>") + tabbed(9, "</div>") +
            tabbed(9, std::string("<span>") + markup::kFrameBottom + "</span></div>") + tabbed(7, "</div>") +
            tabbed(6, "</div>") + tabbed(5, "</div>") + tabbed(4, "</div>") + tabbed(3, "</div>") +
            tabbed(2, "</div>") + tabbed(2, std::string(markup::kFrameBottom) + "</div>") + "</div>";
    return code;
}

} // namespace

ModuleSpec dotCarouselModule(const DotCarousel& style) {
    const std::string key = style.key;
    const std::string dir = makerServer() + style.imageFolder;
    auto image = [dir](int row) { return dir + "sc" + std::to_string(row) + ".jpg"; };

    ModuleSpec m;
    m.caption = style.caption;
    m.width = 726;
    m.height = 637;
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/" + key + ".jpg", 400, 190)})}},
        {"模块设置（图片尺寸：950x450px）",
         {
             table(numberedTable("图片编号",
                                 {{"图片地址", "编辑框_图片地址", image},
                                  {"链接地址", "编辑框_链接地址", sameText(marketHome())}},
                                 3)),
             line({narrow(field(kWidth, "图片尺寸：", "950"), 5),
                   narrow(withHandler(field(kHeight, "", "450", "px;"), onHeight), 5),
                   narrow(field(kDotsLeft, "圆点导航居左距：", "435"), 5),
                   narrow(field(kDotsTop, "居顶距：", "420"), 5)}),
             line({label("标签1", "使用说明：该模块可制作宽为190-950px，高50px以上不限效果。")}),
         }},
    };
    m.codeBox = codeBox("超级编辑框_" + key + "代码生成");
    const std::string sprite = style.sprite;
    m.buttons = {
        generateButton("按钮_" + key + "一键生成", "一键生成",
                       [sprite](const Form& f) { return generate(f, sprite); }),
        copyButton("按钮_" + key + "复制代码"),
        // The left distance keeps its text; emptying the height moves the top distance as any change does.
        clearButton(
            "按钮_" + key + "清空内容", "清空内容",
            {kImage[0], kImage[1], kImage[2], kLink[0], kLink[1], kLink[2], kWidth, kHeight, m.codeBox.name}),
        previewButton("按钮_" + key + "预览"),
        exitButton("按钮_" + key + "退出"),
    };
    return m;
}

} // namespace adverts

ModuleSpec roundDotCarouselModule() {
    return adverts::dotCarouselModule({"F28", "广告图轮播-圆点导航轮播", "/Tessaly/upload/images/131104/f28/",
                                       "/upload/images/131104/f28/yuandian.png"});
}

} // namespace ornavo
