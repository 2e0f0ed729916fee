// "自定义店招（带滚动公告）": a 950-pixel shop sign picture above a home-made navigation bar of ten
// entries, each with its own width, colours, text and link, and a last entry whose text scrolls. The
// window keeps the inner bar's total width equal to the entry widths plus a fixed allowance.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/text.h"
#include "generators/catalogue.h"

#include <cstdint>

namespace ornavo {
namespace {

constexpr int kEntries = 10;

// Numbered entry fields; the number is "01".."10".
const char* const kEntryText = "编辑框_导航文字";
const char* const kEntryLink = "编辑框_导航链接";
const char* const kEntryWidth = "编辑框_导航文字宽";
const char* const kEntryColour = "编辑框_导航文字颜色";
const char* const kEntryBar = "编辑框_对应导航条颜色";

// The scrolling notice, the last entry.
const char* const kNoticeText = "编辑框_滚动公告文字";
const char* const kNoticeLink = "编辑框_滚动公告链接";
const char* const kNoticeWidth = "编辑框_滚动公告宽";
const char* const kNoticeColour = "编辑框_滚动公告颜色";
const char* const kNoticeBar = "编辑框_滚动公告导航条颜色";

const char* const kGap = "编辑框_导航文字间隔";
const char* const kBarHeight = "编辑框_导航高度";
const char* const kBarColour = "编辑框_导航背景颜色";
const char* const kTotalWidth = "编辑框_总高度"; // holds the total width despite its name
const char* const kSignPicture = "编辑框_店招背景地址";
const char* const kSignWidth = "编辑框_店招宽";
const char* const kSignHeight = "编辑框_店招高";

const char* const kCode = "超级编辑框_F09自定义店招代码";

// Room the inner bar needs beyond the entries themselves.
constexpr std::int64_t kBarAllowance = 22;
const char* const kFixedSignWidth = "950";

std::string number(int k) {
    return (k < 10 ? "0" : "") + std::to_string(k);
}
std::string entry(const char* prefix, int k) {
    return prefix + number(k);
}

void updateTotalWidth(Form& form) {
    std::int64_t total = kBarAllowance;
    for (int k = 1; k <= kEntries; ++k)
        total = saturatingAdd(total, fieldInteger(form, entry(kEntryWidth, k)));
    total = saturatingAdd(total, fieldInteger(form, kNoticeWidth));
    form.setText(kTotalWidth, integerToText(total));
}

// One navigation entry up to its content; the caller closes the span, the link and the box.
std::string entryBox(const std::string& bar, const std::string& width, const std::string& gap,
                     const std::string& link, const std::string& colour, const std::string& content) {
    return "<div style=\"background-color:" + bar + ";width:" + width +
           "px;float:left;height:30px;margin-left:" + gap +
           "px;\"><a style=\"text-decoration:none;\" target=\"_blank\" href=\"" + link +
           "\"><span style=\"margin-top:8px;display:block;font-family:微软雅黑;color:" + colour +
           ";margin-left:15px;\">" + content;
}

std::string generate(const Form& f) {
    const std::string& sw = f.text(kSignWidth);
    const std::string& sh = f.text(kSignHeight);
    const std::string& nb = f.text(kBarColour);
    const std::string& nh = f.text(kBarHeight);
    const std::string& gap = f.text(kGap);

    std::string html =
        "<div style=\"width:" + sw + "px;height:" + sh +
        "px;margin-left:0px;\">  <a target=\"_blank\" href=\"\" target=\"_blank\">  <img style=\"width:" +
        sw + "px;height:" + sh + "px;\" alt=\"\" src=\"" + placeholderGif() + "\"data-ks-lazyload=\"" +
        f.text(kSignPicture) + "\" border=\"0\"></a>  </div>  ";
    html += "<div style=\"background-color:" + nb + ";width:" + sw + "px;height:" + nh +
            "px;\">  <div style=\"background-color:" + nb + ";width:" + f.text(kTotalWidth) +
            "px;height:" + nh + "px;margin-left:0px;\">  ";
    for (int k = 1; k <= kEntries; ++k) {
        // Entries 01, 03 and 07 close their text with a trailing blank.
        const bool blank = k == 1 || k == 3 || k == 7;
        html += entryBox(f.text(entry(kEntryBar, k)), f.text(entry(kEntryWidth, k)), gap,
                         f.text(entry(kEntryLink, k)), f.text(entry(kEntryColour, k)),
                         f.text(entry(kEntryText, k))) +
                (blank ? "</span> " : "</span>") + "</a></div>  ";
    }
    html += entryBox(f.text(kNoticeBar), f.text(kNoticeWidth), gap, f.text(kNoticeLink),
                     f.text(kNoticeColour), "<marquee scrollamount=\"3\">" + f.text(kNoticeText)) +
            "</marquee></span></a></div>\r\n    </DIV></DIV> ";
    return html;
}

struct RowDefaults {
    const char* text;
    bool homeLink;
    const char* width;
    const char* colour;
    const char* bar;
};

const RowDefaults kRowDefaults[kEntries] = {
    {"本店首页", true, "80", "#FFFFFF", "#ff3200"}, {"全部商品", true, "120", "#FFFFFF", "#1d1d1d"},
    {"基础版", true, "80", "#FFFFFF", "#1d1d1d"},   {"专业版", true, "80", "#FFFFFF", "#1d1d1d"},
    {"旗舰版", true, "80", "#FFFFFF", "#1d1d1d"},   {"天猫版", true, "100", "#FFFFFF", "#1d1d1d"},
    {"", false, "60", "#FFFFFF", "#1d1d1d"},        {"", false, "50", "#FFFFFF", "#1d1d1d"},
    {"", false, "40", "#FFFFFF", "#1d1d1d"},        {"收藏本店", false, "80", "#ff3200", "#1d1d1d"},
};

Table navigationTable() {
    Table t;
    t.numberCaption = "导航序号";
    t.columns = {"导航文字", "导航链接", "导航文字区域宽", "字体颜色", "对应导航条颜色"};
    for (int k = 1; k <= kEntries; ++k) {
        const RowDefaults& d = kRowDefaults[k - 1];
        t.rows.push_back(
            {number(k),
             {field(entry(kEntryText, k), "", d.text),
              field(entry(kEntryLink, k), "", d.homeLink ? marketHome() : std::string()),
              withHandler(field(entry(kEntryWidth, k), "", d.width), updateTotalWidth),
              field(entry(kEntryColour, k), "", d.colour), field(entry(kEntryBar, k), "", d.bar)}});
    }
    t.rows.push_back({"滚动公告：",
                      {field(kNoticeText, "", "欢迎使用TessalyOrnavo"), field(kNoticeLink, "", ""),
                       withHandler(field(kNoticeWidth, "", "150"), updateTotalWidth),
                       field(kNoticeColour, "", "#FFFFFF"), field(kNoticeBar, "", "#1d1d1d")}});
    return t;
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets{kNoticeWidth};
    auto addEntries = [&targets](const char* prefix) {
        for (int k = 1; k <= kEntries; ++k)
            targets.push_back(entry(prefix, k));
    };
    addEntries(kEntryText);
    targets.insert(targets.end(), {kNoticeText, kSignPicture, kCode});
    addEntries(kEntryLink);
    targets.insert(targets.end(), {kNoticeLink, kBarColour});
    addEntries(kEntryWidth);
    addEntries(kEntryColour);
    targets.push_back(kNoticeColour);
    addEntries(kEntryBar);
    targets.push_back(kNoticeBar);
    return targets;
}

} // namespace

ModuleSpec shopSignModule() {
    ModuleSpec m;
    m.caption = "自定义店招（带滚动公告）";
    m.width = 965;
    m.height = 733;
    m.top = 0;
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F09.jpg", 760, 120)})}},
        {"模块设置",
         {
             table(navigationTable()),
             line({label("标签_导航设置", "导航设置：")}),
             line({field(kGap, "导航文字间隔：", "", "px;"), field(kBarHeight, "导航高度：", "30", "px;"),
                   field(kBarColour, "导航背景颜色：", "#1d1d1d"),
                   field(kTotalWidth, "总宽度：", "942", "px;")}),
             line({field(kSignPicture, "店招图片：",
                         makerServer() + "/Tessaly/upload/images/131101/dianzhao/dz.jpg"),
                   // The sign picture is always 950 pixels wide.
                   pinnedField(kSignWidth, "店招尺寸：", kFixedSignWidth),
                   field(kSignHeight, "", "120", "px;")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F09一键生成", "一键生成", generate),
        copyButton("按钮_F09复制代码"),
        clearButton("按钮_F09清空代码", "清空内容", clearTargets()),
        previewButton("按钮_F09预览"),
        exitButton("按钮_F09退出"),
        colourButton("按钮_选色器"),
    };
    return m;
}

} // namespace ornavo
