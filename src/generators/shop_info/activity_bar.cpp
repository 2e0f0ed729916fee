// "店铺滚动活动信息栏": one of two 950-pixel bars that scroll a line of shop news over a background
// picture. Style A is a 51-pixel box with a marquee 90 pixels from the left; style B an 80-pixel bar
// built as nested tables, whose notice the marketplace editor offers as replaceable text. Each style's
// settings area has its own colour picker, edition pair and clear; all four generate buttons write
// into the one code box.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

const char* const kCode = "超级编辑框_F35代码生成";

// The five fields of one style's settings area.
struct Style {
    const char* picture;
    const char* notice;
    const char* colour;
    const char* size;
    const char* speed;
};
const Style kA{"编辑框_图片A地址", "编辑框_公告A信息", "编辑框_A字体颜色", "编辑框_A字体大小",
               "编辑框_A滚动速度"};
const Style kB{"编辑框_图片B地址", "编辑框_公告B信息", "编辑框_B字体颜色", "编辑框_B字体大小",
               "编辑框_B滚动速度"};

const char* const kDefaultNotice = "QuilletOrnavo，因为专注，所以专业。";

std::string styleA(const Form& f) {
    return "<div class=\"skin-box-bd clear-fix\" style=\"color: rgb(41, 83, 166); line-height: 1.2; "
           "overflow: "
           "visible; width: 950px; border: medium none; padding: 0px; background-image: none; "
           "background-repeat: "
           "initial initial; background-position: initial\">\r\n\t\t\t<div class=\"gg\" style=\"width: "
           "950px; "
           "height: 51px; overflow: hidden; background-image: url('" +
           f.text(kA.picture) +
           "'); background-repeat: no-repeat no-repeat\">\r\n\t\t\t\t<marquee height=\"44\" "
           "scrollamount=\"" +
           f.text(kA.speed) +
           "\" scrolldelay=\"2\" width=\"850\" style=\"display: block; font-style: normal; font-variant: "
           "normal; "
           "font-weight: normal; font-size: " +
           f.text(kA.size) +
           "px; line-height: normal; font-family: 微软雅黑; letter-spacing: 1px; color:" + f.text(kA.colour) +
           "; margin-top: 10px; margin-left: 90px;\">" + f.text(kA.notice) + "</marquee></div>\r\n</div>";
}

// Style B: every element on a line of its own, one TAB per nesting level; a cell's text stands one
// level deeper and is closed on its line.
std::string styleB(const Form& f) {
    const std::string table =
        "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"950\">";
    const std::string& colour = f.text(kB.colour);
    TabbedLines l;
    const char* const opening[] = {
        "<div class=\"col-sub\">",
        "<div class=\"box\" data-spm=\"11029xXY.1-1Uot1.3-53pVrb\">",
        "<div class=\"shop-custom no-border\">",
        "<div class=\"bd\">",
        "<div class=\"custom-area\">",
        "<div class=\"liebao_950_01\" style=\"height:80px;\">",
        "<div class=\"J_TWidget\" data-widget-config=\"{ 'effect': 'fade', 'circular': true , "
        "'contentCls':'piaofu' "
        "}\" data-widget-type=\"Tabs\">",
        "<div class=\"piaofu\">",
    };
    int d = 0;
    for (const char* element : opening)
        l.add(d++, element);
    // d == 8: the outer table, its one cell carrying the background picture.
    l.add(8, table);
    l.add(9, "<tbody>");
    l.add(10, "<tr>");
    l.add(11, "<td background=\"", f.text(kB.picture), "\" height=\"40\" valign=\"top\">");
    l.add(12, table);
    l.add(13, "<tbody>");
    l.add(14, "<tr>");
    l.add(15, "<td height=\"15\">");
    l.add(16, "&nbsp;</td>");
    l.add(14, "</tr>");
    l.add(14, "<tr>");
    l.add(15, "<td height=\"60\" valign=\"top\">");
    l.add(16, table);
    l.add(17, "<tbody>");
    l.add(18, "<tr>");
    l.add(19, "<td height=\"50\" width=\"42\">");
    l.add(20, "　</td>");
    l.add(19, "<td width=\"881\">");
    l.add(20,
          "<marquee data-attr-replace=\"[{'type':'innerHTML','desc':'店铺公告文字在此编辑'}]\" "
          "style=\"width:886px;height:45px;color:",
          colour, ";font-family:黑体;font-size:", f.text(kB.size), "px;\" scrollamount=\"", f.text(kB.speed),
          "\"><a  ><span style=\"color:", colour, "\">", f.text(kB.notice), "</span></a></marquee></td>");
    l.add(19, "<td width=\"22\">");
    l.add(20, "　</td>");
    l.add(18, "</tr>");
    l.add(17, "</tbody>");
    l.add(16, "</table>");
    l.add(15, "</td>");
    l.add(14, "</tr>");
    l.add(13, "</tbody>");
    l.add(12, "</table>");
    l.add(11, "</td>");
    l.add(10, "</tr>");
    l.add(9, "</tbody>");
    l.add(8, "</table>");
    while (d > 0)
        l.add(--d, "</div>");
    l.add(0, "<p>").add(1, "　</p>");
    return l.take();
}

// One style's settings area: its five fields, its colour picker, its edition pair and its clear.
Section settings(const char* caption, const Style& s, char letter, const std::string& picture,
                 const std::string& colour, const std::string& size, Generator generate) {
    const std::string x(1, letter);
    auto [pro, basic] =
        editionButtons("按钮_F35" + x + "专业版代码", "按钮_F35" + x + "基础版代码", std::move(generate));
    // Two lines, so that both styles' settings and their samples show at once.
    return {
        caption,
        {
            line({field(s.picture, "背景图地址：", picture), field(s.notice, "公告文字：", kDefaultNotice)}),
            line({field(s.colour, "字体颜色：", colour), colourButton("按钮_选色器" + x),
                  field(s.size, "字体大小：", size), field(s.speed, "滚动速度：", ""), pro, basic,
                  clearButton("按钮_清空" + x + "内容", "清空" + x + "内容",
                              {s.speed, s.size, s.colour, s.notice, s.picture, kCode})}),
        }};
}

} // namespace

ModuleSpec activityBarModule() {
    ModuleSpec m;
    m.caption = "店铺滚动活动信息栏";
    m.width = 810;
    m.height = 505;

    const std::string pictures = makerServer() + "/Tessaly/upload/images/131104/f35/";
    m.sections = {
        {"模块A样式", {line({picture("图片框1", "/Tessaly/samples/F35A.jpg", 700, 38)})}},
        settings("模块A设置", kA, 'A', pictures + "gundong1.jpg", "#000000", "24", styleA),
        {"模块B样式", {line({picture("图片框2", "/Tessaly/samples/F35B.jpg", 700, 59)})}},
        settings("模块B设置", kB, 'B', pictures + "gundong2.gif", "#FF0000", "40", styleB),
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        copyButton("按钮_F35复制代码"),
        clearButton("按钮_F35清空内容", "清空内容",
                    {kB.speed, kB.size, kB.colour, kB.notice, kB.picture, kA.speed, kA.size, kA.colour,
                     kA.notice, kA.picture, kCode}),
        previewButton("按钮_F35预览"),
        exitButton("按钮_F35退出"),
    };
    return m;
}

} // namespace ornavo
