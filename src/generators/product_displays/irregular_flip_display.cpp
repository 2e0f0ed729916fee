// "宝贝特效展示-不规则正反换图特效": six product pictures in an irregular 950-pixel mosaic of two rows
// (two squares and a wide picture, then a wide picture and two squares). Pointing at a picture shows
// its back picture centred over it, linked to the product: a Popup widget per cell that names the
// cell's own class as trigger and alignment node. Professional and basic editions.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

constexpr int kPositions = 6;

const char* const kFront = "编辑框_正面图片";
const char* const kBack = "编辑框_反面图片";
const char* const kLink = "编辑框_链接地址";
const char* const kCode = "超级编辑框_F31代码生成";

struct Position {
    const char* cls;      // the cell's second class, named by its Popup
    const char* width;    // cell and front picture width; every cell is 220 high
    bool marginRight;     // a 5-pixel gap to the next cell in the row
    bool pictureHeight;   // the front picture states its height (all but the last one)
    const char* joinNext; // what stands between this cell's end and the next cell
};
const Position kPlaces[kPositions] = {
    {"a43509435091", "220", true, true, ""},  {"a43509435092", "220", true, true, ""},
    {"a43509435093", "500", false, true, ""}, {"a435094", "500", true, true, "\t\t\t\t\t"},
    {"a435095", "220", true, true, ""},       {"a435096", "220", false, false, ""},
};

std::string cell(const Form& f, const std::string& gif, int k) {
    const Position& p = kPlaces[k - 1];
    const std::string row = twoDigits(k);
    const std::string cls = p.cls;
    const std::string frontSize = (p.pictureHeight ? "\" height=\"220\" src=\"" : "\" src=\"") + gif +
                                  "\" width=\"" + p.width + "\" /> ";
    return "<div class=\"sub " + cls + "\" style=\"width:" + p.width +
           "px;margin-bottom:5px;float:left;height:220px;" + (p.marginRight ? "margin-right:5px;" : "") +
           "\">\r\n\t\t\t\t\t\t<span><span><span><img data-ks-lazyload=\"" + f.text(kFront + row) +
           frontSize +
           "</span></span></span>\r\n\t\t\t\t\t\t<div class=\"J_TWidget hidden\" "
           "data-widget-config=\"{'trigger':'." +
           cls + "','align':{'node':'." + cls +
           "','offset':[0,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" "
           "style=\"visibility:hidden;\">"
           "\r\n\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t<span><span><span><a href=\"" +
           f.text(kLink + row) + "\" target=\"_blank\"><img data-ks-lazyload=\"" + f.text(kBack + row) +
           "\" src=\"" + gif +
           "\" /></a></span></span></span></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div>" + p.joinNext;
}

std::string professional(const Form& f) {
    const std::string gif = placeholderGif();
    std::string out =
        "<div class=\"skin-box-bd clear-fix\">\r\n\t<div class=\"skin-box-bd clear-fix\">\r\n\t\t"
        "<div class=\"skin-box tb-module\">\r\n\t\t\t<span><span><s class=\"skin-box-tp\"></s></span>"
        "</span>\r\n\t\t\t<div class=\"skin-box-bd clear-fix\">\r\n\t\t\t\t<div class=\"main\" "
        "style=\"width:950px;height:446px;\">\r\n\t\t\t\t\t";
    for (int k = 1; k <= kPositions; ++k)
        out += cell(f, gif, k);
    // The bottom edge stands in a paragraph of its own although no frame was opened for it.
    return out + "</div>\r\n\t\t\t</div>\r\n\t\t</div>\r\n\t</div>\r\n</div>\r\n<p>\r\n\t<s "
                 "class=\"skin-box-bt\"></s></p>";
}

} // namespace

ModuleSpec irregularFlipDisplayModule() {
    ModuleSpec m;
    m.caption = "宝贝特效展示-不规则正反换图特效";
    m.width = 709;
    m.height = 653;

    const std::string pictures = makerServer() + "/Tessaly/upload/images/131104/f31/";
    auto files = [pictures](std::vector<const char*> names) {
        std::vector<std::string> texts;
        for (const char* name : names)
            texts.push_back(pictures + name);
        return rowTexts(texts);
    };
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F31.jpg", 450, 200)})}},
        {"模块设置（图片尺寸查看预览图）",
         {
             table(numberedTable("图片编号",
                                 {{"正面图片地址（鼠标未移至显示）", kFront,
                                   files({"sc1.jpg", "sc2.jpg", "sc5.jpg", "sc6.jpg", "sc3.jpg", "sc4.jpg"})},
                                  {"反面图片地址（鼠标移至显示）", kBack,
                                   files({"huantu1.png", "huantu1.png", "huantu2.png", "huantu2.png",
                                          "huantu1.png", "huantu1.png"})},
                                  {"链接地址", kLink, sameText(marketHome())}},
                                 kPositions)),
         }},
    };
    m.codeBox = codeBox(kCode);

    // All eighteen fields, column by column from the last row up, then the code box.
    std::vector<std::string> clearTargets = namesByColumn({kLink, kBack, kFront}, kPositions, 1);
    clearTargets.push_back(kCode);

    auto [pro, basic] = editionButtons("按钮_F31专业版代码", "按钮_F31基础版代码", professional);
    m.buttons = {
        pro,
        basic,
        copyButton("按钮_F31复制代码"),
        clearButton("按钮_F31清空内容", "清空内容", clearTargets),
        previewButton("按钮_F31预览"),
        exitButton("按钮_F31退出"),
    };
    return m;
}

} // namespace ornavo
