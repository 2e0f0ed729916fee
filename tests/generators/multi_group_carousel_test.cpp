// "全屏海报轮播" (F02): three posters, pop-up buttons and a thumbnail row driven by three lists.

#include "framework/model/constants.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ornavo::testing {
namespace {

const char* const kGenerate = "按钮_全屏轮播获取集市店铺代码";
const char* const kClear = "按钮_全屏轮播清空所有内容";
const char* const kCode = "超级编辑框_全屏轮播代码";

struct Slots {
    std::string W, H, T, E, S, P, N;
    std::string I[3], L[3];
};

// The whole markup, assembled from its twelve pieces.
std::string expectedMarkup(const Slots& s) {
    const std::string& W = s.W;
    const std::string& H = s.H;
    const std::string& T = s.T;
    const std::string& E = s.E;
    const std::string& S = s.S;
    const std::string& P = s.P;
    const std::string& N = s.N;
    std::string out;
    out += "<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true "
           ",'contentCls':'tanchudiv'}\"data-widget-type=\"Tabs\"style=\"height:" +
           H + "px;overflow:hidden;\">\r\n<div class=\"tanchudiv\" style=\"height:" + H + "px;\">\r\n";
    out += "<div class=\"footer-more-trigger\" style=\"width:" + W + "px;height:" + H +
           "px;top:auto;padding:0px;border:none;left:50%;\">\r\n<div class=\"footer-more-trigger\" "
           "style=\"width:" +
           W + "px;height:" + H + "px;padding:0px;border:none;left:-50%;\">\r\n\r\n";
    out +=
        "<div data-widget-config=\"{'contentCls': 'taobao-kaidian-com','navCls': "
        "'taobaokaidian-com','effect': '" +
        E +
        "','easing': 'easeOutStrong','prevBtnCls':'prev','nextBtnCls':'next','autoplay': true,'viewSize':[" +
        W +
        "],'circular': true,'activeTriggerCls': 'arrow-d'}\"data-widget-type=\"Carousel\" "
        "class=\"J_TWidget\">\r\n\r\n";
    out += "<div class=\"J_TWidget\"data-widget-config=\"{'trigger':'.kun" + W + "','align':{'node':'.kun" +
           W +
           "','offset':[-400,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" "
           "style=\"display:none;\">\r\n<div class=\"prev\" style=\"font-size:100px;cursor:pointer;\"><img "
           "src=\"" +
           P + "\"></div></div>\r\n";
    out += "<div class=\"J_TWidget\"data-widget-config=\"{'trigger':'.kun" + W + "','align':{'node':'.kun" +
           W +
           "','offset':[400,0],'points':['cc','cc']}}\"data-widget-type=\"Popup\" "
           "style=\"display:none;\">\r\n<div class=\"next\" style=\"font-size:100px;cursor:pointer;\"><img "
           "src=\"" +
           N + "\"></div></div>\r\n\r\n";
    out += "<div style=\"height:" + H + "px;width:" + W +
           "px;overflow:hidden;padding:0px;margin:0px;\"class=\"kun" + W +
           "\">\r\n<ul class=\"taobao-kaidian-com\" style=\"height:" + H + "px;width:" + W +
           "px;padding:0px;margin:0px;\">\r\n";
    for (int n = 0; n < 3; ++n)
        out += "<li style=\"width:" + W + "px;height:" + H + "px;padding:0px;margin:0px;\"><a target=\"" + T +
               "\"href=\"" + s.L[n] + "\" style=\"padding:0px;margin:0px;\"><img src=\"" + s.I[n] +
               "\" width=\"" + W + "px\" height=\"" + H + "px\" border=\"0px\"></a></li>\r\n";
    out += "</ul>\r\n</div>\r\n\r\n";
    out +=
        "<div class=\"footer-more-trigger\" style=\"padding:0px;border:none;left:50%;" + S +
        "\">\r\n<div class=\"footer-more-trigger\" style=\"width:" + W +
        "px;height:45px;padding:0px;border:none;left:-960px;top:455px;\">\r\n<ul class=\"taobaokaidian-com\" "
        "style=\"width:950px;height:45px;margin:0 auto;text-align: center;border:none;\">\r\n";
    out += "<li class=\"arrow-d\" style=\"display: inline;background:none;margin: 0 "
           "5px;cursor:pointer;padding-top:10px;line-height:36px;\"><img src=\"" +
           s.I[0] + "\" width=\"138px\" height=\"36px\" ></li>\r\n";
    for (int n = 1; n < 3; ++n)
        out += "<li style=\"display: inline;background:none;margin: 0 "
               "5px;cursor:pointer;padding-top:10px;line-height:36px;\"><img src=\"" +
               s.I[n] + "\" width=\"138px\" height=\"36px\" ></li>\r\n";
    out += "</ul>\r\n</div>\r\n</div>\r\n</div>\r\n</div>\r\n</div>\r\n</div>\r\n<ul "
           "class=\"ks-switchable-nav\" style=\"display:none;\"></ul>\r\n</div>";
    return out;
}

Slots defaults() {
    const std::string dir = makerServer() + "/Tessaly/upload/images/131018/qplb/";
    Slots s;
    s.W = "1920";
    s.H = "500";
    s.P = dir + "z1.png";
    s.N = dir + "y1.png";
    for (int n = 0; n < 3; ++n) {
        s.I[n] = dir + "qplb" + std::to_string(n + 1) + ".jpg";
        s.L[n] = marketHome();
    }
    return s;
}

TEST(MultiGroupCarousel, DefaultsWithFadeNewWindowAndThumbnails) {
    OpenWindow w("F02");
    Form& f = w.form();
    EXPECT_EQ(f.module().caption, "全屏海报轮播");
    EXPECT_EQ(f.module().width, 896);
    EXPECT_EQ(f.module().height, 701);
    EXPECT_EQ(f.module().top, 0);
    EXPECT_EQ(f.module().professionalButton.caption, "F02-全屏海报轮播（多组合）");
    EXPECT_FALSE(f.module().basicButton.has_value());
    ASSERT_TRUE(f.pickEntry("组合框_动画效果", "淡隐淡现"));
    ASSERT_TRUE(f.pickEntry("组合框_链接打开方式", "新窗口"));
    ASSERT_TRUE(f.pickEntry("组合框_是否显示缩略图", "是"));

    Slots s = defaults();
    s.T = "_blank";
    s.E = "fade";
    s.S = "";
    const std::string& code = w.press(kGenerate);
    EXPECT_EQ(code, expectedMarkup(s));
    EXPECT_NE(code.find("'effect': 'fade','easing'"), std::string::npos);
    EXPECT_NE(code.find("'viewSize':[1920]"), std::string::npos);
    EXPECT_EQ(countOf(code, "'.kun1920'"), 4u);
    EXPECT_NE(
        code.find("left:50%;\">\r\n<div class=\"footer-more-trigger\" style=\"width:1920px;height:45px;"),
        std::string::npos);
}

TEST(MultiGroupCarousel, ListsSetTheirStateAndNothingBeforeAPick) {
    OpenWindow w("F02");
    Form& f = w.form();
    // Nothing picked yet: empty effect, target and thumbnail style.
    Slots s = defaults();
    EXPECT_EQ(w.press(kGenerate), expectedMarkup(s));
    EXPECT_NE(f.code().find("'effect': '','easing'"), std::string::npos);
    EXPECT_EQ(countOf(f.code(), "<a target=\"\"href="), 3u);

    const std::vector<std::pair<std::string, std::string>> effects = {
        {"简单显隐", "none"}, {"淡隐淡现", "fade"}, {"水平滚动", "scrollx"}};
    for (const auto& [entry, value] : effects) {
        ASSERT_TRUE(f.pickEntry("组合框_动画效果", entry));
        EXPECT_NE(w.press(kGenerate).find("'effect': '" + value + "','easing'"), std::string::npos) << entry;
    }
    f.pickEntry("组合框_链接打开方式", "本窗口");
    f.pickEntry("组合框_是否显示缩略图", "否");
    s.T = "_self";
    s.E = "scrollx";
    s.S = "display:none;";
    EXPECT_EQ(w.press(kGenerate), expectedMarkup(s));
    EXPECT_NE(f.code().find("left:50%;display:none;\">"), std::string::npos);

    // Back to "是": the style is emptied again; "no selection" keeps the last value.
    f.pickEntry("组合框_是否显示缩略图", "是");
    f.pick("组合框_是否显示缩略图", -1);
    f.pick("组合框_链接打开方式", -1);
    s.S = "";
    EXPECT_EQ(w.press(kGenerate), expectedMarkup(s));
}

TEST(MultiGroupCarousel, ClearEmptiesFieldsInOrderAndKeepsCodeListsAndState) {
    OpenWindow w("F02");
    Form& f = w.form();
    f.pickEntry("组合框_动画效果", "水平滚动");
    f.pickEntry("组合框_链接打开方式", "本窗口");
    f.pickEntry("组合框_是否显示缩略图", "否");
    const std::string code = w.press(kGenerate);

    // No leaves everything.
    w.prompter.answers.push_back(Answer::No);
    f.press(kClear);
    EXPECT_EQ(w.prompter.messages.back(), "是否要清空所有内容？");
    EXPECT_EQ(f.text("编辑框_轮播区宽度"), "1920");

    std::vector<std::string> order;
    const Subscription told = f.addChangeListener([&](const std::string& name) { order.push_back(name); });
    f.press(kClear);
    const std::vector<std::string> expected = {
        "编辑框_轮播区宽度",     "编辑框_轮播区高度",    "编辑框_链接地址3", "编辑框_图片地址3",
        "编辑框_链接地址2",      "编辑框_图片地址2",     "编辑框_链接地址1", "编辑框_图片地址1",
        "编辑框_下一张图片地址", "编辑框_上一张图片地址"};
    EXPECT_EQ(order, expected);
    for (const std::string& name : expected)
        EXPECT_EQ(f.text(name), "") << name;
    EXPECT_EQ(f.code(), code);
    EXPECT_EQ(f.index("组合框_动画效果"), 2);
    EXPECT_EQ(f.index("组合框_是否显示缩略图"), 1);

    // Empty fields: an empty width gives the class name "kun" and an empty view size.
    Slots empty;
    empty.T = "_self";
    empty.E = "scrollx";
    empty.S = "display:none;";
    EXPECT_EQ(w.press(kGenerate), expectedMarkup(empty));
    EXPECT_NE(f.code().find("'viewSize':[]"), std::string::npos);
    EXPECT_NE(f.code().find("class=\"kun\">"), std::string::npos);

    // The state survives closing and reopening; the lists start unpicked again.
    EXPECT_TRUE(f.requestClose());
    OpenWindow again("F02", &w.variables());
    EXPECT_EQ(again.form().index("组合框_动画效果"), -1);
    Slots s = defaults();
    s.T = "_self";
    s.E = "scrollx";
    s.S = "display:none;";
    EXPECT_EQ(again.press(kGenerate), expectedMarkup(s));
}

TEST(MultiGroupCarousel, OtherWidthsAndMarkupCharactersGoInAsTyped) {
    OpenWindow w("F02");
    Form& f = w.form();
    f.setText("编辑框_轮播区宽度", "1200");
    f.setText("编辑框_链接地址2", "http://x.test/?a=1&b=\"<q>'");
    f.setText("编辑框_上一张图片地址", "a'b\"c");
    Slots s = defaults();
    s.W = "1200";
    s.L[1] = "http://x.test/?a=1&b=\"<q>'";
    s.P = "a'b\"c";
    const std::string& code = w.press(kGenerate);
    EXPECT_EQ(code, expectedMarkup(s));
    // The thumbnail box keeps its fixed offsets whatever the width.
    EXPECT_NE(code.find("width:1200px;height:45px;padding:0px;border:none;left:-960px;top:455px;"),
              std::string::npos);
    EXPECT_EQ(countOf(code, "kun1200"), 5u);
}

TEST(MultiGroupCarousel, RecipeDrivesTheWindowEndToEnd) {
    Slots s = defaults();
    s.W = "1680";
    s.T = "_blank";
    s.E = "none";
    const RecipeResult r = runRecipe("open F02\n"
                                     "set 编辑框_轮播区宽度 1680\n"
                                     "pick 组合框_链接打开方式 新窗口\n"
                                     "pick 组合框_动画效果 简单显隐\n"
                                     "press 按钮_全屏轮播获取集市店铺代码\n"
                                     "press 按钮_全屏轮播复制代码\n"
                                     "clipboard\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expectedMarkup(s));
    EXPECT_NE(r.err.find("复制成功！"), std::string::npos) << r.err;
}

} // namespace
} // namespace ornavo::testing
