// "宝贝轮播展示-左右分窗特效": two framed product carousels side by side, products 01-04 on the left and
// 05-08 on the right. Each shows one product at a time (picture, title, price) beside a column of its
// four thumbnails; the marketplace's Carousel widget turns them with the transition the list picked.
// Professional and basic edition.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace ornavo {
namespace {

constexpr int kProducts = 8;

const char* const kPicture = "编辑框_图片地址";
const char* const kLink = "编辑框_链接地址";
const char* const kTitle = "编辑框_宝贝标题";
const char* const kPrice = "编辑框_价格";
const char* const kBackground = "编辑框_背景颜色";
const char* const kBorder = "编辑框_边框颜色";
const char* const kTitleColour = "编辑框_标题颜色";
const char* const kEffectList = "组合框_轮播效果";
const char* const kCode = "超级编辑框_F21代码生成";

// Window variable set by the effect list; both carousels use it.
const char* const kEffect = "rotation effect";

// The columns of the numbered table, in the order of their prefixes above.
enum class Column { Picture, Link, Title, Price };
// The field of a column in row k, 1 … kProducts; the names are made once.
const std::string& name(Column column, int k) {
    static const NumberedFields names({kPicture, kLink, kTitle, kPrice}, kProducts);
    return names.at(static_cast<std::size_t>(column), k);
}

// One framed carousel of the products first … first + 3.
void carousel(TabbedLines& out, const Form& f, int first, const std::string& gif) {
    const std::string& effect = f.var(kEffect);
    const std::string& border = f.text(kBorder);
    const std::string& background = f.text(kBackground);
    const bool left = first == 1;

    out.add(0, "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect': '", effect,
            "','contentCls': 'lst-main', 'navCls': 'lst-trigger','activeTriggerCls': 'ks-suggest-container',"
            "'easing': 'easeOutStrong','steps': 1,'circular': true, 'interval':6,'duration':0.5, "
            "'prevBtnCls': 'prev','nextBtnCls': 'next', 'disableBtnCls': 'disable','autoplay': true}\" "
            "data-widget-type=\"Carousel\" style=\"border-bottom:",
            border, " 1px solid;border-left:", border,
            " 1px solid;padding-bottom:10px;background-color:", background,
            ";padding-left:10px;width:448px;padding-right:10px;float:left;height:420px;overflow:hidden;"
            "border-top:",
            border, " 1px solid;border-right:", border, " 1px solid;padding-top:10px;\">");
    // The right stage has two blanks before its bottom border's width.
    out.add(1, "<div class=\"scroller\" style=\"border-bottom:", border, left ? " 1px solid" : "  1px solid",
            ";position:relative;border-left:", border,
            " 1px solid;width:330px;display:block;float:left;height:420px;overflow:hidden;border-top:",
            border, " 1px solid;border-right:", border, " 1px solid;\">");
    out.add(2, "<ul class=\"lst-main\">");
    for (int k = first; k < first + 4; ++k) {
        out.add(3, k == first ? "" : "</li>",
                "<li style=\"width:330px;display:block;float:left;height:420px;\">");
        out.add(4, "<span><a href=\"", f.text(name(Column::Link, k)),
                "\" target=\"_blank\"><img data-ks-lazyload=\"", f.text(name(Column::Picture, k)),
                "\" data-ks-lazyloaded=\"true\" height=\"310\" src=\"", gif,
                "\" style=\"width:330px;height:350px;\" width=\"", k == 1 || k == 6 ? "307" : "310",
                "\" /></a> </span>");
        out.add(4, "<div style=\"width:330px;float:left;height:70px;\">");
        out.add(5,
                "<span><a style=\"text-align:center;padding-bottom:0px;margin:5px;padding-left:55px;"
                "padding-right:55px;display:block;height:35px;color:",
                background, ";padding-top:0px;\"><font color=\"", f.text(kTitleColour), "\">",
                f.text(name(Column::Title, k)),
                "</font></a><span style=\"line-height:20px;display:block;height:20px;color:", background,
                ";margin-left:150px;\"><font color=\"#1c1e1b\">RMB </font><font color=\"#f3333b\">",
                f.text(name(Column::Price, k)), "</font> </span></span></div>");
    }
    out.add(3, "</li></ul>");
    out.add(1, "</div>");
    out.add(1, "<ul class=\"lst-trigger\" style=\"width:100px;float:left;margin-left:10px;\">");
    for (int k = first; k < first + 4; ++k) {
        // The left column's first thumbnail has two blanks before the width of its bottom and left
        // borders; its second has no align attribute.
        const std::string_view width = left && k == 1 ? "  1px solid" : " 1px solid";
        out.add(2, k == first ? "<li class=\"ks-suggest-container\" style=\"width:96px;\">"
                              : "</li><li style=\"margin-top:10px;width:96px;\">");
        out.add(3, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"small_prd\">");
        out.add(4, "<tbody>");
        out.add(5, "<tr>");
        out.add(6, left && k == 2
                       ? "<td height=\"96\" style=\"text-align:center;\" width=\"96\">"
                       : "<td align=\"middle\" height=\"96\" style=\"text-align:center;\" width=\"96\">");
        out.add(7, "<span><a href=\"", f.text(name(Column::Link, k)),
                "\" target=\"_blank\"><img data-ks-lazyload=\"", f.text(name(Column::Picture, k)),
                "\" data-ks-lazyloaded=\"true\" src=\"", gif, "\" style=\"border-bottom:", border, width,
                ";border-left:", border, width, ";width:90px;height:90px;border-top:", border,
                " 1px solid;border-right:", border, " 1px solid;\" /></a></span></td>");
        out.add(5, "</tr>");
        out.add(4, "</tbody>");
        out.add(3, "</table>");
    }
    out.add(2, "</li></ul>");
    out.add(0, "</div>");
}

std::string professional(const Form& f) {
    const std::string gif = placeholderGif();
    TabbedLines out(20000);
    carousel(out, f, 1, gif);
    carousel(out, f, 5, gif);
    out.add(0, "<p>");
    out.add(1, "<s class=\"skin-box-bt\"></s></p>");
    return out.take();
}

const char* const kColourFields[] = {kBackground, kBorder, kTitleColour};

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets = namesByColumn({kPicture, kLink, kTitle, kPrice}, 1, kProducts);
    targets.insert(targets.end(), std::begin(kColourFields), std::end(kColourFields));
    // The list goes back to no entry; the effect it set stays for the next generation.
    targets.insert(targets.end(), {kCode, kEffectList});
    return targets;
}

} // namespace

ModuleSpec splitWindowCarouselModule() {
    auto [pro, basic] = editionButtons("按钮_F21专业版代码", "按钮_F21基础版代码", professional);
    ModuleSpec m;
    m.caption = "宝贝轮播展示-左右分窗特效";
    m.width = 769;
    m.height = 707;
    m.top = 5;
    m.sections = {
        {"模块样例", {line({picture("图片框_F21模块样例", "/Tessaly/samples/F21.jpg", 730, 234)})}},
        {"模块设置（图片尺寸：330x350px）",
         {
             table(numberedTable("图片编号",
                                 {{"图片地址", kPicture,
                                   [](int k) {
                                       return makerServer() + "/Tessaly/upload/images/131104/f21/sc" +
                                              std::to_string(k) + ".jpg";
                                   }},
                                  {"链接地址", kLink, sameText(marketHome())},
                                  {"宝贝标题", kTitle, sameText("QuilletOrnavo")},
                                  {"宝贝价格", kPrice, sameText("49.00")}},
                                 kProducts)),
             line({field(kBackground, "背景颜色：", "#ffffff"), field(kBorder, "边框颜色：", "#000000"),
                   field(kTitleColour, "标题颜色：", "#000000"),
                   choiceList(kEffectList, "轮播效果：", {{"上下", "scrolly"}, {"渐变", "fade"}}, kEffect),
                   colourButton("按钮_选色器")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        pro,
        basic,
        copyButton("按钮_F21复制代码"),
        clearButton("按钮_F21清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F21预览"),
        exitButton("按钮_F21退出"),
    };
    return m;
}

} // namespace ornavo
