// "宝贝轮播展示-旋转木马轮播": eight products on a bordered stage that scrolls by itself from one to the
// next (picture on the left; headline, title, price, sold and favourite counts, the link as text and a
// details button on the right), with a strip of eight thumbnails between previous and next buttons
// below it. The marketplace's Carousel widget drives it; the module sits in the custom-area wrapper
// with its cache comment. Professional and basic edition.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/markup.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ornavo {
namespace {

constexpr int kProducts = 8;

const char* const kPicture = "编辑框_图片地址";
const char* const kLink = "编辑框_链接地址";
const char* const kTitle = "编辑框_宝贝标题";
const char* const kPrice = "编辑框_宝贝价格";
const char* const kFavourites = "编辑框_收藏";
const char* const kSales = "编辑框_销量";
const char* const kCode = "超级编辑框_F20代码生成";

// How the title line opens: the fixed "商品链接" anchor once or twice, with or without a blank before
// the title.
enum class TitleForm { A, B, C, D };

struct Slide {
    const char* height; // the picture's height and width attributes (the style shows 310 × 310)
    const char* width;
    TitleForm title;
    bool blankBeforeImage; // a blank between the anchor's opening tag and the picture
};

const Slide kSlides[kProducts] = {
    {"407", "400", TitleForm::A, false}, {"600", "600", TitleForm::B, false},
    {"642", "629", TitleForm::B, true},  {"496", "500", TitleForm::C, false},
    {"308", "310", TitleForm::B, false}, {"642", "629", TitleForm::B, false},
    {"350", "350", TitleForm::C, false}, {"310", "310", TitleForm::D, false},
};

const char* const kGrey = "rgb(204,204,204) 1px solid";

// The columns of the numbered table, in the order of their prefixes above.
enum class Column { Picture, Link, Title, Price, Favourites, Sales };
// The field of a column in row k, 1 … kProducts; the names are made once.
const std::string& name(Column column, int k) {
    static const NumberedFields names({kPicture, kLink, kTitle, kPrice, kFavourites, kSales}, kProducts);
    return names.at(static_cast<std::size_t>(column), k);
}

void slide(TabbedLines& out, const Form& f, int k, const std::string& gif) {
    const Slide& s = kSlides[k - 1];
    const std::string& link = f.text(name(Column::Link, k));
    const std::string& title = f.text(name(Column::Title, k));
    const std::string no = std::to_string(k);
    const bool last = k == kProducts;
    const std::string_view titleAnchor =
        "<a href=\"商品链接\" style=\"color:rgb(17,17,17);\" target=\"_blank\">";

    out.add(6, "<li style=\"width:890px;height:310px;font-size:12px;list-style-image:none;\">");
    out.add(7, "<div style=\"float:left;margin-right:25px;\">");
    out.add(8, "<span><a href=\"", link, "\" target=\"_blank\">", s.blankBeforeImage ? " " : "",
            "<img border=\"0\" data-ks-lazyload=\"", f.text(name(Column::Picture, k)), "\" height=\"",
            s.height, "\" src=\"", gif, "\" style=\"width:310px;height:310px;\" width=\"", s.width,
            "\" /></a></span></div>");
    out.add(7, "<div style=\"margin-top:30px;background:rgb(255,255,255);float:left;color:rgb(51,51,51);\">");
    out.add(8, "<div style=\"font-family:微软雅黑;color:rgb(239,139,2);font-size:50px;\">");
    out.add(9, "<span>热销<font style=\"color:rgb(0,0,0);\"> No.", no, "</font></span></div>");
    out.add(8, "<div style=\"margin-top:10px;width:535px;font-size:25px;\">");
    switch (s.title) {
    case TitleForm::A:
        out.add(9, "<span>", titleAnchor, " ", title, "</a></span></div>");
        break;
    case TitleForm::B:
        out.add(9, "<span>", titleAnchor, "</a> ", titleAnchor, title, "</a></span></div>");
        break;
    case TitleForm::C:
        out.add(9, "<span>", titleAnchor, title, "</a></span></div>");
        break;
    case TitleForm::D:
        out.add(9, "<span>", titleAnchor, "</a> ", titleAnchor, " ", title, "</a></span></div>");
        break;
    }
    out.add(8,
            "<div "
            "style=\"line-height:30px;margin-top:20px;font-family:微软雅黑;height:30px;font-size:18px;\">");
    out.add(9, "<span><font style=\"margin-left:80px;\">RMB</font> <font ",
            last ? "data-attr-replace=\"[8商品价格'}]\" " : "",
            "style=\"color:rgb(220,0,0);font-size:25px;font-weight:800;\">", f.text(name(Column::Price, k)),
            "</font></span></div>");
    out.add(8, "<div style=\"line-height:30px;float:left;height:20px;\">");
    out.add(9, "<span><font style=\"margin-left:20px;\">宝贝已售出：</font><font ",
            last ? "data-attr-replace=\"[8销售数量'}]\" " : "", "style=\"font-size:16px;\">",
            f.text(name(Column::Sales, k)), "</font>件</span></div>");
    out.add(8, "<div style=\"line-height:30px;float:left;height:20px;margin-left:20px;\">");
    out.add(9, "<span><font style=\"margin-left:20px;\">人气收藏指数：</font><font data-attr-replace=\"",
            markup::kAttributionReplaceMaker, "\" style=\"font-size:16px;\">",
            f.text(name(Column::Favourites, k)), "</font>人</span></div>");
    out.add(8, "<div style=\"height:10px;clear:both;\">");
    out.add(9, "&nbsp;</div>");
    out.add(8, "<div style=\"border-bottom:", kGrey, ";border-left:", kGrey,
            ";line-height:20px;width:315px;float:left;height:20px;overflow:hidden;border-top:", kGrey,
            ";border-right:", kGrey, ";\">");
    out.add(9, "<span><a href=\"", link, "\" style=\"color:rgb(17,17,17);\" target=\"_blank\">", link,
            "</a></span></div>");
    out.add(8,
            "<div "
            "style=\"line-height:20px;background:rgb(0,153,0);float:left;height:20px;color:rgb(255,255,255);"
            "margin-left:5px;\">");
    out.add(9, last ? "<span><font style=\"margin:0px 5px;\">买家好评100%</font></span></div>"
                    : "<span><font style=\"margin:0px 5px;\">买家好评</font><font>100%</font></span></div>");
    out.add(8, "<div style=\"line-height:20px;background:rgb(255,144,11);float:left;height:20px;"
               "color:rgb(255,255,255);margin-left:5px;\">");
    out.add(9, "<span><font style=\"margin:0px 5px;\"> <a ",
            last ? "data-attr-replace=\"[{'type':'href','desc':'No.8的连接地址'}]\" " : "", "href=\"", link,
            "\" style=\"color:rgb(255,255,255);\" target=\"_blank\">宝贝详情</a></font></span></div>");
    out.add(7, "</div>");
    out.add(6, "</li>");
}

// The thumbnail's anchor line; the first thumbnail's list item opens the navigation list before it.
void thumbnail(TabbedLines& out, const Form& f, int k, const std::string& gif) {
    const Slide& s = kSlides[k - 1];
    if (k == 1)
        out.add(5, "<ul class=\"nav\"><li style=\"border-bottom:", kGrey, ";border-left:", kGrey,
                ";width:108px;float:left;height:108px;border-top:", kGrey, ";border-right:", kGrey, ";\">");
    else
        out.add(6, "<li style=\"border-bottom:", kGrey,
                ";border-left:medium none;width:108px;float:left;height:108px;"
                "border-top:",
                kGrey, ";border-right:", kGrey, ";\">");
    out.add(7, "<span><a data-attr-replace=\"[{'type':'href','desc':'No.", std::to_string(k),
            "的连接地址'}]\" href=\"", f.text(name(Column::Link, k)),
            "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"", f.text(name(Column::Picture, k)),
            "\" height=\"", s.height, "\" src=\"", gif,
            "\" style=\"margin:4px;width:100px;height:100px;\" width=\"", s.width, "\" /></a></span></li>");
}

std::string professional(const Form& f) {
    const std::string gif = placeholderGif();
    TabbedLines out(40000);
    out.add(0, markup::kCustomAreaB);
    out.add(0, markup::customAreaBCacheComment()); // carries its own TAB
    out.add(1, "<div class=\"skin-box tb-module tshop-pbsm tshop-pbsm-shop-self-defined\">");
    out.add(2, markup::kFrameTop);
    out.add(2, markup::kFrameBodyOpen);
    out.add(
        3,
        "<div class=\"J_TWidget top20\" data-widget-config=\"{'effect':'scrollx','easing':'easeOutStrong',"
        "'prevBtnCls':'prev','nextBtnCls':'next','navCls':'nav','contentCls':'content',"
        "'activeTriggerCls':'active','autoplay':true}\" data-widget-type=\"Carousel\" "
        "style=\"border-bottom:",
        kGrey, ";border-left:", kGrey,
        ";padding-bottom:15px;background-color:rgb(255,255,255);width:948px;height:435px;border-top:", kGrey,
        ";border-right:", kGrey, ";padding-top:20px;\">");
    out.add(4, "<div style=\"width:890px;font-family:arial;height:310px;overflow:hidden;\">");
    out.add(5, "<ul class=\"content\" style=\"margin-left:25px;\">");
    for (int k = 1; k <= kProducts; ++k)
        slide(out, f, k, gif);
    out.add(5, "</ul>");
    out.add(4, "</div>");
    out.add(4, "<div style=\"height:20px;clear:both;\">");
    out.add(5, "&nbsp;</div>");
    out.add(4, "<div style=\"width:950px;\">");
    out.add(5, "<div class=\"prev\" "
               "style=\"width:26px;float:left;height:110px;cursor:pointer;margin-right:12px;\">");
    out.add(6, "&nbsp;</div>");
    out.add(5, "<div class=\"next\" "
               "style=\"width:26px;float:right;height:110px;cursor:pointer;margin-right:2px;\">");
    out.add(6, "&nbsp;</div>");
    for (int k = 1; k <= kProducts; ++k)
        thumbnail(out, f, k, gif);
    out.add(5, "</ul>");
    out.add(4, "</div>");
    out.add(3, "</div>");
    out.add(2, "</div>");
    out.add(2, markup::kFrameBottom, "</div>");
    out.add(0, "</div>");
    return out.take();
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets =
        namesByColumn({kPicture, kLink, kTitle, kPrice, kFavourites, kSales}, 1, kProducts);
    targets.push_back(kCode);
    return targets;
}

} // namespace

ModuleSpec merryGoRoundCarouselModule() {
    auto [pro, basic] = editionButtons("按钮_F20专业版代码", "按钮_F20基础版代码", professional);
    ModuleSpec m;
    m.caption = "宝贝轮播展示-旋转木马轮播";
    m.width = 748;
    m.height = 716;
    m.top = 2;
    m.sections = {
        {"模块样式", {line({picture("图片框_F20模块样式", "/Tessaly/samples/F20.jpg", 580, 289)})}},
        {"模块设置",
         {table(numberedTable("图片编号",
                              {{"图片地址", kPicture,
                                [](int k) {
                                    return makerServer() + "/Tessaly/upload/images/131104/f20/sc" +
                                           std::to_string(k) + ".jpg";
                                }},
                               {"链接地址", kLink, sameText(marketHome())},
                               {"宝贝标题", kTitle, sameText("QuilletOrnavo")},
                               {"宝贝价格", kPrice, sameText("49.00")},
                               {"收藏量", kFavourites, sameText("50")},
                               {"销售量", kSales, sameText("108")}},
                              kProducts))}},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        pro,
        basic,
        copyButton("按钮_F20复制代码"),
        clearButton("按钮_F20清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F20预览"),
        exitButton("按钮_F20退出"),
    };
    return m;
}

} // namespace ornavo
