// "宝贝轮播展示-三面样式轮播": four small product carousels side by side across the 950-pixel column.
// Each cell is a Slide widget of three 230-pixel pictures with a strip of three thumbnails as its
// navigation; the band has its own background and is as high as the pictures plus 80 pixels. The
// basic edition wraps the same markup in the breakout wrapper.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/tabbed_lines.h"
#include "framework/model/text.h"
#include "generators/catalogue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ornavo {
namespace {

constexpr int kCells = 4;
constexpr int kSlides = 3;
// The cell is written in the field names with a Chinese numeral before the row number.
const char* const kCellNumerals[kCells] = {"一", "二", "三", "四"};
const char* const kPageCaptions[kCells] = {"第一格", "第二格", "第三格", "第四格"};

const char* const kBigPicture = "编辑框_大图片地址";
const char* const kSmallPicture = "编辑框_小图片地址";
const char* const kLink = "编辑框_链接地址";
const char* const kBigWidth = "编辑框_大图宽";
const char* const kBigHeight = "编辑框_大图高";
const char* const kSmallWidth = "编辑框_小图宽";
const char* const kSmallHeight = "编辑框_小图高";
const char* const kBandColour = "编辑框_边框背景颜色";
const char* const kStripColour = "编辑框_小图背景颜色";
const char* const kEffectList = "组合框_轮播效果";
const char* const kCode = "超级编辑框_F19代码生成";

// Window variable set by the effect list; it outlives clears and reopening.
const char* const kEffect = "rotation effect";

// Room the band needs beyond the pictures: the top margin and the thumbnail strip.
constexpr std::int64_t kBandAllowance = 80;

std::string cellField(const char* prefix, int cell, int slide) {
    return prefix + std::string(kCellNumerals[cell]) + twoDigits(slide);
}

// The picture height as a whole number plus the allowance; absurdly long numbers stop at the largest
// value instead of wrapping round.
std::string bandHeight(const Form& f) {
    return integerToText(saturatingAdd(fieldInteger(f, kBigHeight), kBandAllowance));
}

// The lines of one cell, without the line that closes it.
void cellLines(const Form& f, int cell, const std::string& gif, TabbedLines& out) {
    const std::string& h = f.text(kBigHeight);
    const std::string& w = f.text(kSmallHeight); // the thumbnails' width, despite the field's name
    const char* const widths[kCells] = {"238", "237", "237", "238"};
    const char* const slideItem = "<li style=\"display: block; float: left\">";
    const char* const thumbItem = "<li style=\"padding-bottom: 2px; padding-left: 5px; padding-right: 5px; "
                                  "float: left; padding-top: 8px\">";

    out.add(cell == 0 ? 3 : 0, "<div class=\"J_TWidget d", std::to_string(cell),
            "'\" data-widget-config=\"{'effect': '", f.var(kEffect),
            "','contentCls':'content','navCls':'nav','autoplay': '1','circular': true",
            cell == 0 ? "  }" : "}",
            "\" data-widget-type=\"Slide\" style=\"margin-top: 10px; width: ", widths[cell],
            "px; float: left; overflow: hidden\">");
    out.add(4,
            "<div class=\"pic-bd\" style=\"position: relative; margin: 0px auto; width: 230px; height: ", h,
            "px; overflow: hidden\">");
    out.add(5, "<ul class=\"content\" style=\"width: 690px\">", slideItem);
    for (int s = 1; s <= kSlides; ++s) {
        // The middle picture has neither height nor width attribute.
        const bool sized = s != 2;
        out.add(7, "<span><a href=\"", f.text(cellField(kLink, cell, s)),
                "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"",
                f.text(cellField(kBigPicture, cell, s)), "\"");
        if (sized)
            out.extend(" height=\"", h, "\"");
        out.extend(" src=\"", gif, "\" style=\"width: 230px; height: ", h, "px\"",
                   sized ? " width=\"230\"" : "", " /></a></span></li>", s < kSlides ? slideItem : "</ul>");
    }
    out.add(0, "</div>");
    out.add(
        0, "<ul class=\"nav\" style=\"padding-bottom: 5px; background-color: ", f.text(kStripColour),
        "; margin: 0px auto; padding-left: 0px; width: 230px; padding-right: 0px; overflow: hidden; cursor: "
        "pointer; padding-top: 5px\"><li class=\"ks-active\" style=\"padding-bottom: 2px; padding-left: 5px; "
        "padding-right: 5px; float: left; padding-top: 8px\">");
    for (int s = 1; s <= kSlides; ++s) {
        if (s > 1)
            out.add(5, thumbItem);
        out.add(6, "<span><img data-ks-lazyload=\"", f.text(cellField(kSmallPicture, cell, s)),
                "\" height=\"40\" src=\"", gif, "\" style=\"width: ", w, "px; height: 40px\" width=\"", w,
                "\" /></span></li>", s == kSlides ? "</ul>" : "");
    }
}

std::string professional(const Form& f) {
    const std::string gif = placeholderGif();
    TabbedLines lines(12 * 1024);
    lines.add(0, "<div class=\"skin-box-bd clear-fix\">");
    lines.add(1, "<div class=\"bd\" style=\"width: 950px; background: ", f.text(kBandColour),
              "; height: ", bandHeight(f), "px\">");
    lines.add(2, "<div class=\"banner\">");
    for (int cell = 0; cell < kCells; ++cell) {
        cellLines(f, cell, gif, lines);
        lines.add(cell + 1 < kCells ? 0 : 3, "</div>");
    }
    lines.add(2, "</div>");
    lines.add(1, "</div>");
    lines.add(1, "<s class=\"skin-box-bt\"></s></div>");
    return lines.take();
}

Item cellPage(int cell) {
    const std::string numeral = kCellNumerals[cell];
    const std::string maker = makerServer() + "/Tessaly/upload/images/131104/f19/";
    const std::string brand = makerImageHost() + "/upload/images/131104/f19/";
    // Big pictures of each cell, rows 01 to 03.
    const std::vector<std::vector<int>> order = {{1, 2, 3}, {2, 1, 3}, {3, 1, 2}, {4, 3, 1}};
    const std::string& folder = cell == 0 ? maker : brand;
    std::vector<std::string> big, small;
    for (int s = 0; s < kSlides; ++s) {
        big.push_back(folder + "sc" +
                      std::to_string(order[static_cast<std::size_t>(cell)][static_cast<std::size_t>(s)]) +
                      ".jpg");
        small.push_back(folder + "s" + std::to_string(s + 1) + ".png");
    }
    return table(numberedTable("",
                               {{"大图地址", kBigPicture + numeral, rowTexts(big)},
                                {"小图地址", kSmallPicture + numeral, rowTexts(small)},
                                {"链接地址", kLink + numeral, sameText(marketHome())}},
                               kSlides));
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets;
    for (int cell = 0; cell < kCells; ++cell)
        for (const char* column : {kBigPicture, kSmallPicture, kLink})
            for (int s = 1; s <= kSlides; ++s)
                targets.push_back(cellField(column, cell, s));
    for (const char* name : {kBigHeight, kSmallHeight, kBandColour, kStripColour, kCode, kEffectList})
        targets.push_back(name);
    return targets;
}

} // namespace

ModuleSpec threeFaceCarouselModule() {
    std::vector<TabPage> pages;
    for (int cell = 0; cell < kCells; ++cell)
        pages.push_back({kPageCaptions[cell], {cellPage(cell)}});
    auto [pro, basic] = editionButtons("按钮_F19专业版代码", "按钮_F19基础版代码", professional);

    ModuleSpec m;
    m.caption = "宝贝轮播展示-三面样式轮播";
    m.width = 788;
    m.height = 700;
    m.top = 5;
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F19.jpg", 678, 270)})}},
        {"模块设置",
         {
             tabs("选择夹1", std::move(pages)),
             // The module-wide settings, on one line (which wraps where the window is too narrow).
             // The widths are fixed: typing into them puts the text back.
             line({pinnedField(kBigWidth, "大图尺寸：", "230"), field(kBigHeight, "", "355", "px;"),
                   pinnedField(kSmallWidth, "小图尺寸：", "40"), field(kSmallHeight, "", "66", "px;"),
                   choiceList(kEffectList, "轮播效果：", {{"左右", "scrollx"}, {"渐变", "fade"}}, kEffect),
                   field(kBandColour, "边框颜色：", "#fedcbd"), field(kStripColour, "小图背景：", "#ffffff"),
                   colourButton("按钮_选色器")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        pro,
        basic,
        copyButton("按钮_F19复制代码"),
        clearButton("按钮_F19清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F19预览"),
        exitButton("按钮_F19退出"),
    };
    return m;
}

} // namespace ornavo
