// "宝贝特效展示-不规则遮罩特效": five product pictures in an irregular 950-pixel mosaic (one tall picture
// on the left; to its right a wide and a square one, then a square and a wide one). Pointing at a
// picture covers it with a 70 % opaque layer in that picture's colour, linked to the product: a Popup
// widget per picture frame, tied to the frame's own class. Nested tables place the frames; every
// element stands on its own line, indented by TABs. Professional and basic editions.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

constexpr int kPositions = 5;

const char* const kFront = "编辑框_正面图片";
const char* const kMask = "编辑框_遮罩颜色";
const char* const kLink = "编辑框_链接地址";
const char* const kCode = "超级编辑框_F32代码生成";

std::string tableOpen(const char* width, const char* height = nullptr) {
    return std::string("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\"") +
           (height ? std::string(" height=\"") + height + "\"" : std::string()) + " width=\"" + width + "\">";
}

struct Position {
    const char* width;        // picture frame and its tables
    const char* height;       // picture frame
    const char* boxHeight;    // the table around the frame and its cell
    const char* innerHeight;  // the table right around the frame
    const char* picture;      // picture style size
    const char* mask;         // mask layer size
    const char* link;         // block link size
    const char* pictureBlank; // blanks between the picture's border and its lazy address
    const char* linkBlank;    // blanks between "<a" and "href"
};
const Position kPlaces[kPositions] = {
    {"228", "470", "468", "463", "width:228px;height:468px;", "width:230px;height:470px;",
     "width:228px;height:470px;", "  ", "  "},
    {"468", "228", "228", "228", "width:468px;height:228px;", "width:470px;height:230px;",
     "width:470px;height:230px;", " ", "  "},
    {"228", "228", "228", "228", "width:228px;height:228px;", "width:230px;height:230px;",
     "width:230px;height:230px;", "  ", "  "},
    {"228", "228", "228", "228", "width:228px;height:228px;", "width:230px;height:230px;",
     "width:230px;height:230px;", "  ", "  "},
    {"468", "228", "228", "228", "width:468px;height:228px;", "width:470px;height:230px;",
     "width:470px;height:230px;", "  ", " "},
};

// Picture k in its two nested tables, starting at `d` TABs.
void pictureBox(TabbedLines& l, int d, const Form& f, const std::string& gif, int k) {
    const Position& p = kPlaces[k - 1];
    const std::string row = twoDigits(k);
    const std::string cls = "VC201850659" + std::to_string(k);
    l.add(d, tableOpen(p.width, p.boxHeight));
    l.add(d + 1, "<tbody>");
    l.add(d + 2, "<tr>");
    l.add(d + 3, "<td align=\"middle\" height=\"", p.boxHeight,
          "\" style=\"padding-top:2px;\" valign=\"top\" width=\"", p.width, "\">");
    l.add(d + 4, tableOpen(p.width, p.innerHeight));
    l.add(d + 5, "<tbody>");
    l.add(d + 6, "<tr>");
    l.add(d + 7, "<td align=\"middle\">");
    l.add(d + 8, "<div class=\"liunai-zuo2-pic ", cls,
          "\" style=\"border:1px solid rgb(206,206,206);text-align:center;width:", p.width,
          "px;height:", p.height, "px;overflow:hidden;\">");
    l.add(d + 9, "<span><span><img border=\"0\"", p.pictureBlank, "data-ks-lazyload=\"", f.text(kFront + row),
          "\" src=\"", gif, "\" style=\"", p.picture, "\" /></span></span>");
    l.add(d + 9, "<div class=\"J_TWidget hidden\" data-widget-config=\"{\t 'trigger':'.", cls,
          "',\t 'align':{\t 'node':'.", cls,
          "',\t 'offset':[0,0],\t 'points':['cc','cc']\t }\t }\" data-widget-type=\"Popup\" "
          "style=\"z-index:99;display:block;visibility:hidden;top:3491px;left:371px;\">");
    l.add(d + 10, "<div style=\"background:", f.text(kMask + row), ";", p.mask,
          "filter:progid:DXImageTransform.Microsoft.Alpha(opacity=70);opacity:0.7;\">");
    l.add(d + 11, "<span><span><a", p.linkBlank, "href=\"", f.text(kLink + row), "\" style=\"", p.link,
          "display:block;\" target=\"_blank\"></a></span></span></div>");
    l.add(d + 9, "</div>");
    l.add(d + 8, "</div>");
    l.add(d + 7, "</td>");
    l.add(d + 6, "</tr>");
    l.add(d + 5, "</tbody>");
    l.add(d + 4, "</table>");
    l.add(d + 3, "</td>");
    l.add(d + 2, "</tr>");
    l.add(d + 1, "</tbody>");
    l.add(d, "</table>");
}

// A 10-pixel spacer cell between two pictures of a row.
void spacerCell(TabbedLines& l, int d) {
    l.add(d, "<td width=\"10\">");
    l.add(d + 1, "<span><span>&nbsp;</span></span></td>");
}

// A cell of `width` holding picture k.
void pictureCell(TabbedLines& l, int d, const char* width, const Form& f, const std::string& gif, int k) {
    l.add(d, "<td width=\"", width, "\">");
    pictureBox(l, d + 1, f, gif, k);
    l.add(d, "</td>");
}

// A 710-wide row of two pictures of the right area.
void pictureRow(TabbedLines& l, const Form& f, const std::string& gif, int left, const char* leftWidth,
                int right, const char* rightWidth) {
    l.add(7, tableOpen("710"));
    l.add(8, "<tbody>");
    l.add(9, "<tr>");
    pictureCell(l, 10, leftWidth, f, gif, left);
    spacerCell(l, 10);
    pictureCell(l, 10, rightWidth, f, gif, right);
    l.add(9, "</tr>");
    l.add(8, "</tbody>");
    l.add(7, "</table>");
}

std::string professional(const Form& f) {
    const std::string gif = placeholderGif();
    TabbedLines l;
    l.add(0, "<div class=\"skin-box-bd clear-fix\">");
    l.add(1, "<div class=\"skin-box-bd clear-fix\">");
    l.add(2, tableOpen("950"));
    l.add(3, "<tbody>");
    l.add(4, "<tr>");
    pictureCell(l, 5, "228", f, gif, 1);
    spacerCell(l, 5);
    l.add(5, "<td valign=\"top\" width=\"712\">");
    l.add(6, "<div style=\"top:0px;\">");
    pictureRow(l, f, gif, 2, "472", 3, "228");
    l.add(7, "<div style=\"height:10px;\">");
    l.add(8, "<span><span>&nbsp;</span></span></div>");
    pictureRow(l, f, gif, 4, "228", 5, "472");
    l.add(6, "</div>");
    l.add(5, "</td>");
    l.add(4, "</tr>");
    l.add(3, "</tbody>");
    l.add(2, "</table>");
    l.add(1, "</div>");
    l.add(0, "</div>");
    // The bottom edge stands in a paragraph of its own although no frame was opened for it.
    l.add(0, "<p>");
    l.add(1, "<s class=\"skin-box-bt\"></s></p>");
    return l.take();
}

} // namespace

ModuleSpec irregularMaskDisplayModule() {
    ModuleSpec m;
    m.caption = "宝贝特效展示-不规则遮罩特效";
    m.width = 707;
    m.height = 651;

    const std::string pictures = makerServer() + "/Tessaly/upload/images/131104/f32/sc";
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F32.jpg", 450, 200)})}},
        {"模块设置（图片尺寸查看预览图）",
         {
             table(numberedTable("图片编号",
                                 {{"正面图片地址（鼠标未移至显示）", kFront,
                                   [pictures](int k) { return pictures + std::to_string(k) + ".jpg"; }},
                                  {"遮罩颜色参数（鼠标移至显示）", kMask,
                                   rowTexts({"#feeeed", "#fedcbd", "#cde6c7", "#94d6da", "#fffffb"})},
                                  {"链接地址", kLink, sameText(marketHome())}},
                                 kPositions)),
             line({colourButton("按钮_选色器")}),
         }},
    };
    m.codeBox = codeBox(kCode);

    // All fifteen fields, column by column from the last row up, then the code box.
    std::vector<std::string> clearTargets = namesByColumn({kLink, kMask, kFront}, kPositions, 1);
    clearTargets.push_back(kCode);

    auto [pro, basic] = editionButtons("按钮_F32专业版代码", "按钮_F32基础版代码", professional);
    m.buttons = {
        pro,
        basic,
        copyButton("按钮_F32复制代码"),
        clearButton("按钮_F32清空内容", "清空内容", clearTargets),
        previewButton("按钮_F32预览"),
        exitButton("按钮_F32退出"),
    };
    return m;
}

} // namespace ornavo
