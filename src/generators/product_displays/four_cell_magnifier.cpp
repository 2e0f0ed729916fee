// "宝贝特效展示-四格放大镜": a 950-pixel row of four small product pictures; pointing at one pops up a
// large picture of the user's size, linked to the product. The first pop-up is aligned on its cell's
// left edge, the middle ones on their centres, the last on its right edge. Professional and basic
// editions; the basic one is the breakout wrapper around the same markup.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

constexpr int kCells = 4;

const char* const kSmall = "编辑框_小图地址";
const char* const kLarge = "编辑框_大图地址";
const char* const kLink = "编辑框_链接地址";
const char* const kWidth = "编辑框_放大宽";
const char* const kHeight = "编辑框_放大高";
const char* const kCode = "超级编辑框_F24代码生成";

const char* const kNl = "\r\n";

// What each cell's pop-up changes: the class that ties it to its small picture and its alignment.
struct Cell {
    const char* cls;
    const char* offset;
    const char* points;
};
const Cell kCellPlaces[kCells] = {
    {"hnlpm3a051513", "[108,108]", "['lc','lc']"},
    {"hnlpm3a051514", "[108,108]", "['cc','cc']"},
    {"hnlpm3a051515", "[107,107]", "['cc','cc']"},
    {"hnlpm3a051516", "[107,107]", "['rc','rc']"},
};

std::string professional(const Form& f) {
    const std::string gif = placeholderGif();
    std::string out =
        std::string("<DIV class=\"skin-box-bd clear-fix\"><span>") + kNl +
        "<DIV style=\"BORDER-RIGHT: #c9b385 0px solid; BORDER-TOP: #c9b385 0px solid; MARGIN: 6px; "
        "BORDER-LEFT: #c9b385 0px solid; WIDTH: 940px; BORDER-BOTTOM: #c9b385 0px solid; "
        "BACKGROUND-COLOR: #ffffff\">" +
        kNl + kNl;
    for (int k = 1; k <= kCells; ++k) {
        const Cell& cell = kCellPlaces[k - 1];
        const std::string row = twoDigits(k);
        const std::string cls = cell.cls;
        // The small picture links to a fixed placeholder text; the link field serves the pop-up only.
        out +=
            std::string("<DIV style=\"FLOAT: left; OVERFLOW: hidden; WIDTH: 235px; HEIGHT: 235px\">") + kNl +
            "<DIV style=\"BORDER-RIGHT: #c9b385 0px solid; BORDER-TOP: #c9b385 0px solid; FLOAT: left; "
            "BORDER-LEFT: #c9b385 0px solid; WIDTH: 235px; BORDER-BOTTOM: #c9b385 0px solid; HEIGHT: 235px\">"
            "<A href=\"商品链接\" target=_blank><img  class=\"" +
            cls + " \" style=\"FLOAT: none; MARGIN: 8px; WIDTH: 217px; HEIGHT: 217px\" alt=\"\" src=\"" +
            gif + "\" data-ks-lazyload=\"" + f.text(kSmall + row) + "\"></A></DIV>" + kNl +
            "<DIV class=J_TWidget style=\"DISPLAY: none; Z-INDEX: 99; WIDTH: 302px; HEIGHT: 302px\" "
            "data-widget-config=\"{'trigger':'." +
            cls + "','align':{'node':'." + cls + "','offset':" + cell.offset + ",'points':" + cell.points +
            "}}\" data-widget-type=\"Popup\">" + kNl +
            "<DIV style=\"BORDER-RIGHT: #999999 0px solid; BORDER-TOP: #999999 0px solid; FONT-SIZE: 10pt; "
            "BORDER-LEFT: #999999 0px solid; WIDTH: 0px; COLOR: #6aa532; BORDER-BOTTOM: #999999 0px solid; "
            "BACKGROUND-COLOR: #ffffff; TEXT-ALIGN: center\"><A href=\"" +
            f.text(kLink + row) +
            "\" target=_blank><img style=\"FLOAT: none; MARGIN: 0px; WIDTH: " + f.text(kWidth + row) +
            "px; HEIGHT: " + f.text(kHeight + row) + "px\" alt=\"\" src=\"" + gif + "\" data-ks-lazyload=\"" +
            f.text(kLarge + row) + "\"></A> " + kNl;
        out += k < kCells ? "</DIV></DIV></DIV>" + std::string(kNl) : std::string();
    }
    return out + "</DIV></DIV></DIV></DIV></DIV></span></DIV><S class=skin-box-bt><strong></strong></S>" +
           kNl + "<DIV></DIV>" + kNl + "<DIV></DIV>";
}

} // namespace

ModuleSpec fourCellMagnifierModule() {
    ModuleSpec m;
    m.caption = "宝贝特效展示-四格放大镜";
    m.width = 829;
    m.height = 610;

    const std::string pictures = makerServer() + "/Tessaly/upload/images/131104/f24/";
    auto numbered = [pictures](const char* kind) {
        return [pictures, kind](int k) { return pictures + kind + std::to_string(k) + ".jpg"; };
    };
    Table sizes = numberedTable("图片编号",
                                {{"小图地址", kSmall, numbered("xsc")},
                                 {"大图地址", kLarge, numbered("dsc")},
                                 {"链接地址", kLink, sameText(marketHome())},
                                 {"图片放大尺寸（px）", kWidth, sameText("750")},
                                 {"", kHeight, sameText("355")}},
                                kCells);
    for (TableRow& row : sizes.rows)
        for (Control& cell : row.cells)
            if (cell.name.rfind(kWidth, 0) == 0 || cell.name.rfind(kHeight, 0) == 0)
                cell.columns = 5;

    m.sections = {
        {"模块样式", {line({picture("图片框1", "/Tessaly/samples/F24.jpg", 500, 180)})}},
        {"模块设置（小图尺寸：217x217px）",
         {
             table(std::move(sizes)),
             line({label("标签10", "温馨提示：图片放大常用尺寸--->950x450; 750x355; 650x308; 500x237; "
                                   "400x189;300x142,也可以按缩放比调整.")}),
         }},
    };
    m.codeBox = codeBox(kCode);

    std::vector<std::string> clearTargets =
        namesByColumn({kHeight, kWidth, kLink, kLarge, kSmall}, kCells, 1);
    clearTargets.push_back(kCode);

    auto [pro, basic] = editionButtons("按钮_F24专业版代码", "按钮_F24基础版代码", professional);
    m.buttons = {
        pro,
        basic,
        copyButton("按钮_F24复制代码"),
        clearButton("按钮_F24清空内容", "清空内容", clearTargets),
        previewButton("按钮_F24预览"),
        exitButton("按钮_F24退出"),
    };
    return m;
}

} // namespace ornavo
