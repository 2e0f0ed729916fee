// "宝贝轮播展示-分页格子": a 950 × 500 product grid with five coloured tabs; each tab's page holds eight
// framed, linked product pictures in two rows of four. The marketplace's Tabs widget turns the pages by
// itself with the transition picked in the window; the third tab is the one marked active. The window
// keeps each group on a page of its own, with a colour picker and a clear of its own.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <string>
#include <vector>

namespace ornavo {
namespace {

constexpr int kGroups = 5;
constexpr int kCells = 8;

const char* const kBackground = "编辑框_背景颜色";
const char* const kBorder = "编辑框_边框颜色";
const char* const kEffectList = "组合框_轮播方式";
const char* const kCode = "超级编辑框_F22代码生成";

// Window variable set by the list.
const char* const kEffect = "rotation effect";

// The fields of group g (1 … 5), named once.
struct GroupNames {
    std::string pictures[kCells];
    std::string links[kCells];
    std::string title;
    std::string background;
};
const GroupNames& group(int g) {
    static const std::vector<GroupNames> groups = [] {
        std::vector<GroupNames> all(kGroups);
        for (int n = 1; n <= kGroups; ++n) {
            const std::string prefix = "编辑框_" + std::to_string(n) + "组";
            GroupNames& names = all[static_cast<std::size_t>(n - 1)];
            for (int k = 1; k <= kCells; ++k) {
                names.pictures[k - 1] = prefix + "图片地址" + twoDigits(k);
                names.links[k - 1] = prefix + "链接地址" + twoDigits(k);
            }
            names.title = prefix + "标题";
            names.background = prefix + "背景";
        }
        return all;
    }();
    return groups[static_cast<std::size_t>(g - 1)];
}
const std::string& picture(int g, int cell) {
    return group(g).pictures[cell - 1];
}
const std::string& link(int g, int cell) {
    return group(g).links[cell - 1];
}
const std::string& title(int g) {
    return group(g).title;
}
const std::string& groupBackground(int g) {
    return group(g).background;
}

const char* const kCellBox = "<div style=\"margin-top: 4px; width: 230px; height: 230px; margin-left: 4px\">";

void cell(TabbedLines& out, const Form& f, int g, int k, const std::string& gif, const std::string& border) {
    switch (k) {
    case 1:
        out.add(15, "<td height=\"237\" width=\"237\">", kCellBox);
        break;
    case 5:
        out.add(15, "<td height=\"237\">", kCellBox);
        break;
    case 2:
    case 3:
    case 4:
        out.add(15, "</td><td width=\"237\">");
        out.add(16, k == 4 ? "<div style=\"margin-top: 4px; width: 230px; height: 230px; margin-left: 5px\">"
                           : kCellBox);
        break;
    default:
        out.add(15, "</td><td>");
        out.add(0, kCellBox);
        break;
    }
    out.add(17, k == 4 && g > 1 ? "<div style=\"border-bottom:" : "<div style=\"border-bottom: ", border,
            " 1px solid; border-left: ", border,
            " 1px solid; padding-bottom: 4px; padding-left: 4px; width: 220px; padding-right: 4px; height: "
            "220px; border-top: ",
            border, " 1px solid; border-right: ", border, " 1px solid; padding-top: 4px\">");
    // Some cells' pictures carry no border attribute.
    const bool borderless = (g == 1 && (k == 5 || k == 6)) || (g == 2 && k >= 6);
    out.add(18, "<span><span><a href=\"", f.text(link(g, k)), "\" target=\"_blank\">",
            borderless ? "<img data-ks-lazyload=\"" : "<img border=\"0\" data-ks-lazyload=\"",
            f.text(picture(g, k)), "\" height=\"220\" src=\"", gif,
            "\" width=\"220\" /></a></span></span></div>");
    out.add(16, "</div>");
}

void page(TabbedLines& out, const Form& f, int g, const std::string& gif) {
    const std::string& border = f.text(kBorder);
    out.add(9, "<div class=\"ks-tab\" style=\"width: 950px; display: block; float: left\">");
    out.add(10, "<ul>");
    out.add(11, "<li style=\"width: 948px; margin-left: 1px\">");
    out.add(12, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"948\">");
    out.add(13, "<tbody>");
    out.add(14, "<tr>");
    for (int k = 1; k <= 4; ++k)
        cell(out, f, g, k, gif, border);
    out.add(15, "</td></tr>");
    out.add(14, "<tr>");
    for (int k = 5; k <= kCells; ++k)
        cell(out, f, g, k, gif, border);
    out.add(15, "</td></tr>");
    out.add(13, "</tbody>");
    out.add(12, "</table>");
    out.add(11, "</li>");
    out.add(10, "</ul>");
    out.add(9, "</div>");
}

std::string generate(const Form& f) {
    const std::string gif = placeholderGif();
    const std::string& background = f.text(kBackground);
    TabbedLines out(60000);
    out.add(0, "<div class=\"skin-box-bd clear-fix\">");
    out.add(1, "<div align=\"left\" class=\"tb-module\" style=\"width: 950px; float: left; height: 500px\">");
    out.add(
        2, "<div class=\"J_TWidget biaoqian\" data-widget-config=\"{'effect': '", f.var(kEffect),
        "','autoplay': true,'navCls':'ks-switchable-nav','contentCls':'ks-switchable-content'}\" "
        "data-widget-type=\"Tabs\" style=\"border-bottom: rgb(0,0,0) 1px; position: relative; border-left: "
        "rgb(0,0,0) 1px; background-color: ",
        background,
        "; width: 950px; height: 500px; border-top: rgb(0,0,0) 1px; border-right: rgb(0,0,0) 1px\">");
    out.add(3, "<div style=\"border-bottom: rgb(91,146,192) 2px solid; width: 950px; float: left; height: "
               "25px\">");
    out.add(4, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"950\">");
    out.add(5, "<tbody>");
    out.add(6, "<tr>");
    out.add(7, "<td height=\"25\" valign=\"center\">");
    out.add(8, "<ul class=\"ks-switchable-nav\" style=\"width: 950px; float: left; height: 25px; color: ",
            background, "; font-size: 12px\">");
    // The five tabs on one line, then the end of their list; the third tab is the active one.
    out.add(0);
    for (int g = 1; g <= kGroups; ++g)
        out.extend(
            g == 3 ? "<li class=\"ks-active\" style=\"text-align: center;"
                   : "<li style=\"text-align: center;",
            " line-height: 25px; width: 100px; background: ", f.text(groupBackground(g)),
            "; float: left; height: 25px; margin-left: 5px\"><span><span><span style=\"color: #FFFFFF\">",
            f.text(title(g)), "</span></span></span></li>");
    out.extend("</ul>");
    out.add(7, "</td>");
    out.add(6, "</tr>");
    out.add(6, "<tr>");
    out.add(7, "<td valign=\"center\">");
    out.add(8, "<div class=\"ks-switchable-content\" style=\"width: 950px; float: left; left: -1px; "
               "transition-property: none; transition-timing-function: linear\">");
    for (int g = 1; g <= kGroups; ++g) {
        if (g == 3)
            out.add(0); // an empty line between the second and the third page
        page(out, f, g, gif);
    }
    out.add(8, "</div>");
    out.add(7, "</td>");
    out.add(6, "</tr>");
    out.add(5, "</tbody>");
    out.add(4, "</table>");
    out.add(3, "</div>");
    out.add(2, "</div>");
    out.add(1, "</div>");
    out.add(0, "</div>");
    out.add(0); // the markup ends with a line break
    return out.take();
}

// Picture number of each cell's default picture, per group.
const int kPictureDigits[kGroups][kCells] = {
    {1, 2, 3, 4, 5, 6, 7, 8}, {8, 7, 6, 5, 4, 3, 2, 1}, {4, 5, 6, 7, 1, 3, 8, 2},
    {5, 8, 6, 7, 3, 2, 4, 1}, {4, 1, 5, 6, 2, 3, 1, 8},
};

// The 18 fields of a group, in the order its clears empty them.
std::vector<std::string> groupFields(int g) {
    std::vector<std::string> names;
    for (int k = 1; k <= kCells; ++k)
        names.push_back(picture(g, k));
    for (int k = 1; k <= kCells; ++k)
        names.push_back(link(g, k));
    names.push_back(title(g));
    names.push_back(groupBackground(g));
    return names;
}

std::vector<std::string> clearAllTargets() {
    std::vector<std::string> targets = {kBackground, kBorder};
    for (int g = 1; g <= kGroups; ++g) {
        const std::vector<std::string> group = groupFields(g);
        targets.insert(targets.end(), group.begin(), group.end());
    }
    // The list goes back to no entry; the effect it set stays for the next generation.
    targets.push_back(kEffectList);
    targets.push_back(kCode);
    return targets;
}

TabPage groupPage(int g) {
    static const char* const kCaptions[kGroups] = {" 第一组 ", " 第二组 ", " 第三组 ", " 第四组", " 第五组 "};
    static const char* const kTitleCaptions[kGroups] = {"第一组标题：", "第二组标题：", "第三组标题：",
                                                        "第四组标题：", "第五组标题："};
    // Eight small frames "01" … "08", four to a row as the cells stand in the module.
    std::vector<Section> cells;
    for (int k = 1; k <= kCells; ++k)
        cells.push_back({twoDigits(k),
                         {line({field(picture(g, k), "图片地址：",
                                      makerServer() + "/Tessaly/upload/images/131104/f22/sc" +
                                          std::to_string(kPictureDigits[g - 1][k - 1]) + ".jpg")}),
                          line({field(link(g, k), "链接地址：", marketHome())})}});
    return TabPage{kCaptions[g - 1],
                   {panels(std::move(cells), 4),
                    line({field(title(g), kTitleCaptions[g - 1], "Ornavo" + std::to_string(g)),
                          field(groupBackground(g), "分组背景颜色：", g % 2 == 1 ? "#CA0000" : "#2B2B2B"),
                          colourButton(g == 1 ? "按钮_选色器" : "按钮_选色器" + std::to_string(g - 1)),
                          groupClearButton("按钮_清除" + std::to_string(g) + "组内容", g, groupFields(g))})}};
}

} // namespace

ModuleSpec pagedGridCarouselModule() {
    std::vector<TabPage> pages;
    for (int g = 1; g <= kGroups; ++g)
        pages.push_back(groupPage(g));
    ModuleSpec m;
    m.caption = "宝贝轮播展示-分页格子";
    m.width = 876;
    m.height = 710;
    m.top = 5;
    m.sections = {
        {"模块样例", {line({picture("图片框_F22模块样例", "/Tessaly/samples/F22.jpg", 600, 295)})}},
        {"模块设置（图片尺寸310x310px）",
         {
             // The module-wide settings stand at the right of the tab headers.
             tabs("选择夹1", std::move(pages),
                  {field(kBackground, "背景颜色：", "#C8E3E3"), field(kBorder, "边框颜色：", "#7EBEBE"),
                   choiceList(kEffectList, "轮播方式：", {{"渐变", "fade"}, {"左右", "scrollx"}}, kEffect)}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F22一键生成", "一键生成", generate),
        copyButton("按钮_F22复制代码"),
        clearButton("按钮_F22清空内容", "清空内容", clearAllTargets()),
        previewButton("按钮_F22预览"),
        exitButton("按钮_F22退出"),
    };
    return m;
}

} // namespace ornavo
