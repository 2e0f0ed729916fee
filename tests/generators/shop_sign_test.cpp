// The custom shop sign: sign picture, a bar of ten entries and a scrolling notice, with the bar's total
// width kept up to date from the entry widths.

#include "framework/model/constants.h"
#include "framework/model/text.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

const char* const kGenerate = "按钮_F09一键生成";
const char* const kClear = "按钮_F09清空代码";
const char* const kCode = "超级编辑框_F09自定义店招代码";
const char* const kTotal = "编辑框_总高度";
const char* const kSignWidth = "编辑框_店招宽";

std::string nn(int k) {
    return (k < 10 ? "0" : "") + std::to_string(k);
}

struct Row {
    std::string text, link, width, colour, bar;
};

std::vector<Row> defaultRows() {
    const std::string home = marketHome();
    return {
        {"本店首页", home, "80", "#FFFFFF", "#ff3200"}, {"全部商品", home, "120", "#FFFFFF", "#1d1d1d"},
        {"基础版", home, "80", "#FFFFFF", "#1d1d1d"},   {"专业版", home, "80", "#FFFFFF", "#1d1d1d"},
        {"旗舰版", home, "80", "#FFFFFF", "#1d1d1d"},   {"天猫版", home, "100", "#FFFFFF", "#1d1d1d"},
        {"", "", "60", "#FFFFFF", "#1d1d1d"},           {"", "", "50", "#FFFFFF", "#1d1d1d"},
        {"", "", "40", "#FFFFFF", "#1d1d1d"},           {"收藏本店", "", "80", "#ff3200", "#1d1d1d"},
    };
}

struct Sign {
    std::vector<Row> rows = defaultRows();
    Row notice{"欢迎使用TessalyOrnavo", "", "150", "#FFFFFF", "#1d1d1d"};
    std::string gap, nh = "30", nb = "#1d1d1d", tw = "942",
                     img = makerServer() + "/Tessaly/upload/images/131101/dianzhao/dz.jpg", sw = "950",
                     sh = "120";
};

// The markup read off piece by piece: sign, bar start, ten entries, the notice entry.
std::string expectedMarkup(const Sign& s) {
    std::string out =
        "<div style=\"width:" + s.sw + "px;height:" + s.sh +
        "px;margin-left:0px;\">  <a target=\"_blank\" href=\"\" target=\"_blank\">  <img style=\"width:" +
        s.sw + "px;height:" + s.sh + "px;\" alt=\"\" src=\"" + placeholderGif() + "\"data-ks-lazyload=\"" +
        s.img + "\" border=\"0\"></a>  </div>  ";
    out += "<div style=\"background-color:" + s.nb + ";width:" + s.sw + "px;height:" + s.nh +
           "px;\">  <div style=\"background-color:" + s.nb + ";width:" + s.tw + "px;height:" + s.nh +
           "px;margin-left:0px;\">  ";
    for (int k = 1; k <= 10; ++k) {
        const Row& r = s.rows[static_cast<std::size_t>(k - 1)];
        const std::string spanEnd = (k == 1 || k == 3 || k == 7) ? "</span> " : "</span>";
        out += "<div style=\"background-color:" + r.bar + ";width:" + r.width +
               "px;float:left;height:30px;margin-left:" + s.gap +
               "px;\"><a style=\"text-decoration:none;\" target=\"_blank\" href=\"" + r.link +
               "\"><span style=\"margin-top:8px;display:block;font-family:微软雅黑;color:" + r.colour +
               ";margin-left:15px;\">" + r.text + spanEnd + "</a></div>  ";
    }
    const Row& n = s.notice;
    out += "<div style=\"background-color:" + n.bar + ";width:" + n.width +
           "px;float:left;height:30px;margin-left:" + s.gap +
           "px;\"><a style=\"text-decoration:none;\" target=\"_blank\" href=\"" + n.link +
           "\"><span style=\"margin-top:8px;display:block;font-family:微软雅黑;color:" + n.colour +
           ";margin-left:15px;\"><marquee scrollamount=\"3\">" + n.text +
           "</marquee></span></a></div>\r\n    </DIV></DIV> ";
    return out;
}

TEST(ShopSign, WindowDescription) {
    OpenWindow w("F09");
    const ModuleSpec& module = w.form().module();
    EXPECT_EQ(module.caption, "自定义店招（带滚动公告）");
    EXPECT_EQ(module.width, 965);
    EXPECT_EQ(module.height, 733);
    EXPECT_EQ(module.professionalButton.name, "按钮_F09自定义店招");
    ASSERT_TRUE(module.basicButton.has_value());
    EXPECT_EQ(module.basicButton->caption, "F06-自定义店招（带滚动公告）");
    ASSERT_TRUE(module.top.has_value());
    EXPECT_EQ(*module.top, 0);
    const Table* table = nullptr;
    for (const Section& s : module.sections)
        for (const Item& item : s.items)
            if (const auto* t = std::get_if<Table>(&item.content))
                table = t;
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->numberCaption, "导航序号");
    EXPECT_EQ(table->columns, (std::vector<std::string>{"导航文字", "导航链接", "导航文字区域宽", "字体颜色",
                                                        "对应导航条颜色"}));
    ASSERT_EQ(table->rows.size(), 11u);
    EXPECT_EQ(table->rows[0].label, "01");
    EXPECT_EQ(table->rows[9].label, "10");
    EXPECT_EQ(table->rows[10].label, "滚动公告：");
    EXPECT_EQ(table->rows[9].cells[2].name, "编辑框_导航文字宽10");
    EXPECT_EQ(table->rows[10].cells[4].name, "编辑框_滚动公告导航条颜色");
    EXPECT_EQ(w.form().control(kTotal)->caption, "总宽度：");
    EXPECT_EQ(w.form().control(kTotal)->suffix, "px;");
    EXPECT_EQ(w.form().text(kTotal), "942");
    EXPECT_EQ(w.form().text("编辑框_导航文字07"), "");
    EXPECT_EQ(w.form().text("编辑框_导航链接06"), marketHome());

    w.press("按钮_F09预览");
    w.press("按钮_选色器");
    EXPECT_EQ(w.host.previews, std::vector<std::string>{""});
    EXPECT_EQ(w.host.colourTables, 1);
}

TEST(ShopSign, DefaultsGiveTheFullMarkup) {
    OpenWindow w("F09");
    const std::string& html = w.press(kGenerate);
    EXPECT_EQ(html, expectedMarkup(Sign{}));
    // 80+120+80+80+80+100+60+50+40+80+150+22
    EXPECT_NE(html.find(";width:942px;height:30px;margin-left:0px;\">  "), std::string::npos);
    EXPECT_EQ(countOf(html, "margin-left:px;"), 11u); // empty gap
    w.press("按钮_F09预览");
    EXPECT_EQ(w.host.previews, std::vector<std::string>{html});
}

TEST(ShopSign, TotalWidthFollowsEveryWidthField) {
    OpenWindow w("F09");
    Form& f = w.form();
    f.setText("编辑框_导航文字宽01", "100");
    EXPECT_EQ(f.text(kTotal), "962");
    f.setText("编辑框_滚动公告宽", "１５０"); // full-width digits read as plain ones
    EXPECT_EQ(f.text(kTotal), "962");
    f.setText("编辑框_导航文字宽10", "80px");
    EXPECT_EQ(f.text(kTotal), "962");
    f.setText("编辑框_导航文字宽10", "宽");
    EXPECT_EQ(f.text(kTotal), "882");

    for (int k = 1; k <= 10; ++k)
        f.setText("编辑框_导航文字宽" + nn(k), "");
    f.setText("编辑框_滚动公告宽", "");
    EXPECT_EQ(f.text(kTotal), "22");

    // The total is also typed over freely; the next width change recomputes it.
    f.setText(kTotal, "1000");
    f.setText("编辑框_导航文字宽05", "-30");
    EXPECT_EQ(f.text(kTotal), "-8");

    Sign s;
    for (Row& r : s.rows)
        r.width = "";
    s.rows[4].width = "-30";
    s.notice.width = "";
    s.tw = "-8";
    EXPECT_EQ(w.press(kGenerate), expectedMarkup(s));
}

TEST(ShopSign, HugeWidthsDoNotWrapTheTotal) {
    OpenWindow w("F09");
    w.form().setText("编辑框_导航文字宽01", "99999999999999999999");
    w.form().setText("编辑框_导航文字宽02", "99999999999999999999");
    EXPECT_EQ(w.form().text(kTotal), "9223372036854775807");
    w.form().setText("编辑框_导航文字宽01", "-99999999999999999999");
    w.form().setText("编辑框_导航文字宽02", "-99999999999999999999");
    // Far below zero, never wrapped round to a positive total.
    EXPECT_LT(textToInteger(w.form().text(kTotal)), -9'000'000'000'000'000'000);
}

TEST(ShopSign, SignWidthStaysAt950) {
    OpenWindow w("F09");
    std::vector<std::string> changes;
    const Subscription told =
        w.form().addChangeListener([&changes](const std::string& name) { changes.push_back(name); });
    w.form().setText(kSignWidth, "800");
    EXPECT_EQ(w.form().text(kSignWidth), "950");
    w.form().setText(kSignWidth, "");
    EXPECT_EQ(w.form().text(kSignWidth), "950");
    EXPECT_EQ(changes.size(), 4u); // each edit and its correction, no loop
    EXPECT_NE(w.press(kGenerate).find("<div style=\"width:950px;height:120px;margin-left:0px;\">"),
              std::string::npos);
}

TEST(ShopSign, BarHeightLeavesEntryBoxesAt30) {
    OpenWindow w("F09");
    w.form().setText("编辑框_导航高度", "40");
    w.form().setText("编辑框_导航文字间隔", "5");
    Sign s;
    s.nh = "40";
    s.gap = "5";
    const std::string& html = w.press(kGenerate);
    EXPECT_EQ(html, expectedMarkup(s));
    EXPECT_EQ(countOf(html, "height:40px;"), 2u);
    EXPECT_EQ(countOf(html, "float:left;height:30px;margin-left:5px;"), 11u);
}

TEST(ShopSign, EmptyRowsAreStillWritten) {
    OpenWindow w("F09");
    const std::string& html = w.press(kGenerate);
    EXPECT_EQ(countOf(html, "float:left;"), 11u);
    // Row 07 has neither text nor link and keeps the blank after its span.
    EXPECT_NE(
        html.find(
            "#1d1d1d;width:60px;float:left;height:30px;margin-left:px;\"><a style=\"text-decoration:none;\" "
            "target=\"_blank\" href=\"\"><span style=\"margin-top:8px;display:block;font-family:微软雅黑;"
            "color:#FFFFFF;margin-left:15px;\"></span> </a></div>  "),
        std::string::npos);
}

TEST(ShopSign, MarkupCharactersPassUnchanged) {
    OpenWindow w("F09");
    w.form().setText("编辑框_导航文字02", "<b>\"新品\"</b>");
    w.form().setText("编辑框_滚动公告链接", "http://x/?a=1&b='2'");
    Sign s;
    s.rows[1].text = "<b>\"新品\"</b>";
    s.notice.link = "http://x/?a=1&b='2'";
    EXPECT_EQ(w.press(kGenerate), expectedMarkup(s));
}

TEST(ShopSign, ClearOrderAndWhatItKeeps) {
    OpenWindow w("F09");
    Form& f = w.form();
    f.setText("编辑框_导航文字间隔", "4");
    f.setText("编辑框_导航高度", "36");
    f.setText("编辑框_店招高", "150");
    for (int k = 1; k <= 10; ++k) {
        f.setText("编辑框_导航文字" + nn(k), "t" + nn(k));
        f.setText("编辑框_导航链接" + nn(k), "l" + nn(k));
    }
    f.setText("编辑框_滚动公告链接", "notice link");
    w.press(kGenerate);

    w.prompter.answers = {Answer::No};
    w.press(kClear);
    EXPECT_EQ(f.text("编辑框_导航文字01"), "t01");
    EXPECT_FALSE(f.code().empty());

    std::vector<std::string> emptied;
    const Subscription told = f.addChangeListener([&](const std::string& name) {
        if (name != kTotal)
            emptied.push_back(name);
    });
    w.press(kClear);
    EXPECT_EQ(w.prompter.messages.back(), "是否要清空所有内容？");

    std::vector<std::string> expected{"编辑框_滚动公告宽"};
    auto all = [&expected](const std::string& prefix) {
        for (int k = 1; k <= 10; ++k)
            expected.push_back(prefix + nn(k));
    };
    all("编辑框_导航文字");
    expected.insert(expected.end(), {"编辑框_滚动公告文字", "编辑框_店招背景地址", kCode});
    all("编辑框_导航链接");
    expected.insert(expected.end(), {"编辑框_滚动公告链接", "编辑框_导航背景颜色"});
    all("编辑框_导航文字宽");
    all("编辑框_导航文字颜色");
    expected.push_back("编辑框_滚动公告颜色");
    all("编辑框_对应导航条颜色");
    expected.push_back("编辑框_滚动公告导航条颜色");
    EXPECT_EQ(emptied, expected);

    // Untouched by the clear; the total follows the emptied widths.
    EXPECT_EQ(f.text("编辑框_导航文字间隔"), "4");
    EXPECT_EQ(f.text("编辑框_导航高度"), "36");
    EXPECT_EQ(f.text(kSignWidth), "950");
    EXPECT_EQ(f.text("编辑框_店招高"), "150");
    EXPECT_EQ(f.text(kTotal), "22");
}

TEST(ShopSign, RecipeEndToEnd) {
    const RecipeResult r = runRecipe("open F09\n"
                                     "set 编辑框_导航文字宽01 100\n"
                                     "show 编辑框_总高度\n"
                                     "press 按钮_F09一键生成\n"
                                     "print\n");
    ASSERT_EQ(r.status, 0) << r.err;
    Sign s;
    s.rows[0].width = "100";
    s.tw = "962";
    EXPECT_NE(r.out.find("962"), std::string::npos);
    EXPECT_NE(r.out.find(expectedMarkup(s)), std::string::npos);
}

} // namespace
} // namespace ornavo::testing
