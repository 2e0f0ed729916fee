// "Ornavo-全屏海报轮播（自动居中）" (F01): four lazily loaded posters with arrows and thumbnails, whose
// size fields follow one another as the user types.

#include "framework/model/constants.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ornavo::testing {
namespace {

const char* const kGenerate = "按钮_全屏海报轮播一键生成";
const char* const kClear = "按钮_全屏海报轮播清空代码";
const char* const kW = "编辑框_大图尺寸宽";
const char* const kH = "编辑框_大图尺寸高";
const char* const kSW = "编辑框_小图尺寸宽";
const char* const kSH = "编辑框_小图尺寸高";
const char* const kSP = "编辑框_模版占位";
const char* const kTOP = "编辑框_距顶";
const char* const kAG = "编辑框_箭头间隔";

struct Slots {
    std::string B[4], S[4], L[4];
    std::string AL, AR, W, H, SP, TOP, BW, BC;
    std::string AO, TL, TWD, THT; // computed by generate
};

std::string arrowPiece(const Slots& s, const std::string& offset, const std::string& cls,
                       const std::string& image, const std::string& title) {
    const std::string& W = s.W;
    const std::string gif = placeholderGif();
    return "<div class=\"J_TWidget\" data-widget-config=\"{'trigger':'.ux" + W + "','align':{'node':'.ux" +
           W + "','offset':[" + offset +
           ",0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" style=\"display: "
           "none\">\r\n\t\t\t\t\t\t\t\t<div class=\"" +
           cls + "\" style=\"color: " + s.BC +
           "; font-size: 100px; cursor: pointer; opacity: 0.5\">\r\n\t\t\t\t\t\t\t\t\t<span><img "
           "data-ks-lazyload=\"" +
           image + "\"  src=\"" + gif + "\" title=\"" + title +
           "\"  /></span></div>\r\n\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t";
}

// The whole markup, assembled from its twelve pieces.
std::string expectedMarkup(const Slots& s) {
    const std::string& W = s.W;
    const std::string& H = s.H;
    const std::string& BC = s.BC;
    const std::string& BW = s.BW;
    const std::string gif = placeholderGif();
    const std::string number = "1041992425";
    const std::string title = "软件开发：Tessaly   http://" + makerShop();
    std::string out;
    out += "<div class=\"layout grid-m0\" data-componentid=\"231\" data-context=\"bd\" "
           "data-id=\"1041995155\" data-prototypeid=\"231\" data-widgetid=\"1041995155\">\r\n\t<div "
           "class=\"col-main\">\r\n\t\t<div class=\"main-wrap\" data-modules=\"main\" data-width=\"b950\" "
           "style=\"overflow: visible\">\r\n\t\t\t";
    out += "<div data-componentid=\"5003\" data-spm=\"110.0.5003-" + number + "\" data-title=\"" + title +
           "\" data-widgetid=\"" + number + "\">";
    out += "\r\n\r\n<div class=\"skin-box tb-module\">\r\n\t<s class=\"skin-box-tp\"></s>\r\n\t<div "
           "class=\"skin-box-bd clear-fix\">\r\n\t\t";
    out += "<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true "
           ",'contentCls':'tanchudiv'}\" data-widget-type=\"Tabs\" style=\"height:" +
           s.SP + "px; overflow: hidden\">\r\n<div class=\"tanchudiv\" style=\"height: " + H + "px\">\r\n";
    out += "<div class=\"footer-more-trigger\" style=\"border-bottom: medium none; border-left: medium none; "
           "padding-bottom: 0px; padding-left: 0px; width:" +
           W + "px; padding-right: 0px; height: " + H +
           "px; border-top: medium none; top: auto; border-right: medium none; padding-top: 0px; left: "
           "50%\">\r\n<div class=\"footer-more-trigger\" style=\"border-bottom: medium none; border-left: "
           "medium none; padding-bottom: 0px; padding-left: 0px; width: " +
           W + "px; padding-right: 0px; height: " + H +
           "px; border-top: medium none; border-right: medium none; padding-top: 0px; left: -50%\">\r\n";
    out += "<div class=\"J_TWidget\" data-widget-config=\"{'contentCls': 'taobao-kaidian-com','navCls': "
           "'taobaokaidian-com','effect': 'scrollx','easing': "
           "'easeOutStrong','prevBtnCls':'prev','nextBtnCls':'next','autoplay': true,'viewSize':[" +
           W + "],'circular': true}\" data-widget-type=\"Carousel\">\r\n\t\t\t\t\t\t\t";
    out += arrowPiece(s, "-" + s.AO, "prev", s.AL, "上一屏");
    out += arrowPiece(s, s.AO, "next", s.AR, "下一屏");
    out +=
        "<div class=\"ux" + W +
        "\" style=\"padding-bottom: 0px; margin: 0px; padding-left: 0px; width: " + W +
        "px; padding-right: 0px; height: " + H +
        "px; overflow: hidden; padding-top: 0px\">\t\t\t\t\r\n\t\t\t\t\t\t\t\t<ul "
        "class=\"taobao-kaidian-com\" style=\"padding-bottom: 0px; margin: 0px; padding-left: 0px; width: " +
        W + "px; padding-right: 0px; height: " + H + "px; padding-top: 0px\">";
    const int breaks[] = {4, 4, 3, 2};
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i < breaks[k]; ++i)
            out += "\r\n";
        const std::string G = k == 0 ? "\" " : "\"";
        out += "<li style=\"padding-bottom: 0px; margin: 0px; padding-left: 0px; width: " + W +
               "px; padding-right: 0px; height: " + H +
               "px; padding-top: 0px\">\r\n<span><a data-attr-replace=\"[软件开发：Tessaly  旺旺：" +
               makerWwAccount() + "  QQ：" + makerImNumber() + "]\" href=\"" + s.L[k] +
               "\" style=\"padding-bottom: 0px; margin: 0px; padding-left: 0px; padding-right: 0px; "
               "padding-top: 0px\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" +
               s.B[k] + G + "height=\"" + H + "\" src=\"" + gif + "\" width=\"" + W + "\" /></a></span></li>";
    }
    out += "\r\n\r\n\r\n\r\n";
    out += "</ul>\r\n</div>\r\n";
    out += "<div class=\"footer-more-trigger\" style=\"border-bottom: medium none; border-left: medium none; "
           "padding-bottom: 0px; padding-left: 0px; padding-right: 0px; border-top: medium none; "
           "border-right: medium none; padding-top: 0px; left: 50%\">\r\n\t\t\t\t\t\t\t\t<div "
           "class=\"footer-more-trigger\" style=\"border-bottom: medium none; border-left: medium none; "
           "padding-bottom: 0px; padding-left: 0px; width: " +
           W + "px; padding-right: 0px; height: 45px; border-top: medium none; top: " + s.TOP +
           "px; border-right: medium none; padding-top: 0px; left:" + s.TL +
           "px\">\r\n<ul class=\"taobaokaidian-com\" style=\"border-bottom: medium none; text-align: center; "
           "border-left: medium none; margin: 0px auto; width: " +
           W + "px; height: 45px; border-top: medium none; border-right: medium none\">\r\n\r\n\r\n";
    for (int k = 0; k < 4; ++k)
        out += "<li style=\"line-height: 45px; margin: 0px 5px; display: inline; cursor: "
               "pointer\">\r\n\t\t\t\t\t\t\t\t\t\t\t<span><img border=\"0\" data-ks-lazyload=\"" +
               s.S[k] + "\" height=\"" + s.THT + "\" src=\"" + gif + "\" style=\"border-bottom: " + BC + " " +
               BW + "px solid; border-left: " + BC + " " + BW +
               "px solid; margin: 5px 0px; vertical-align: middle; border-top: " + BC + " " + BW +
               "px solid; border-right: " + BC + " " + BW + "px solid\" width=\"" + s.TWD +
               "\" /></span></li>";
    out += "</ul></div></div></div></div></div></div>\r\n<ul class=\"ks-switchable-nav\" style=\"display: "
           "none\"></ul></div></div></div>";
    return out;
}

Slots defaults() {
    const std::string dir = makerServer() + "/Tessaly/upload/images/131018/qplb/";
    const std::string images[] = {dir + "qplb1.jpg", dir + "qplb2.jpg", dir + "qplb3.jpg", dir + "qplb2.jpg"};
    Slots s;
    for (int k = 0; k < 4; ++k) {
        s.B[k] = s.S[k] = images[k];
        s.L[k] = "http://" + makerShop();
    }
    s.AL = makerServer() + "/Tessaly/upload/images/131028/quanpinglunbo/z.png";
    s.AR = makerServer() + "/Tessaly/upload/images/131028/quanpinglunbo/y.png";
    s.W = "1920";
    s.H = "500";
    s.SP = "480";
    s.TOP = "440";
    s.BW = "";
    s.BC = "#33CCFF";
    s.AO = "480";  // 960 / 2
    s.TL = "-960"; // 1920 / -2
    s.TWD = "189"; // 187 + 2
    s.THT = "52";  // 50 + 2
    return s;
}

TEST(AutoCentredCarousel, DefaultsGiveTheWholeMarkup) {
    OpenWindow w("F01");
    Form& f = w.form();
    EXPECT_EQ(f.module().caption, "Ornavo-全屏海报轮播（自动居中）");
    EXPECT_EQ(f.module().width, 770);
    EXPECT_EQ(f.module().height, 649);
    EXPECT_FALSE(f.module().top.has_value());
    EXPECT_EQ(f.module().professionalButton.name, "按钮_F01全屏海报轮播");
    EXPECT_FALSE(f.module().basicButton.has_value());
    const std::string& code = w.press(kGenerate);
    EXPECT_EQ(code, expectedMarkup(defaults()));
    EXPECT_NE(code.find("'offset':[-480,0]"), std::string::npos);
    EXPECT_NE(code.find("'offset':[480,0]"), std::string::npos);
    EXPECT_NE(code.find("left:-960px\">"), std::string::npos);
    EXPECT_EQ(countOf(code, "border-top: #33CCFF px solid"), 4u);
    EXPECT_EQ(countOf(code, "\" width=\"189\" />"), 4u);
    // The four outermost elements stay open for the shop page to close.
    const std::string tail = "</ul></div></div></div>";
    ASSERT_GE(code.size(), tail.size());
    EXPECT_EQ(code.substr(code.size() - tail.size()), tail);
}

TEST(AutoCentredCarousel, SizeFieldsFollowTheirSources) {
    OpenWindow w("F01");
    Form& f = w.form();
    f.setText(kW, "1000");
    EXPECT_EQ(f.text(kSW), "100");
    f.setText(kH, "600");
    EXPECT_EQ(f.text(kSH), "60");
    EXPECT_EQ(f.text(kSP), "570");
    EXPECT_EQ(f.text(kTOP), "532");
    f.setText(kSH, "40");
    EXPECT_EQ(f.text(kTOP), "552");
    // Rounding down for a tenth, decimals kept for the others, full-width digits read as plain ones.
    f.setText(kW, "１９２５");
    EXPECT_EQ(f.text(kSW), "192");
    f.setText(kH, "505.5");
    EXPECT_EQ(f.text(kSH), "50");
    EXPECT_EQ(f.text(kSP), "475.5");
    EXPECT_EQ(f.text(kTOP), "447.5");
    f.setText(kW, "-15");
    EXPECT_EQ(f.text(kSW), "-2");
    // No digits: zero.
    f.setText(kH, "abc");
    EXPECT_EQ(f.text(kSH), "0");
    EXPECT_EQ(f.text(kSP), "-30");
    EXPECT_EQ(f.text(kTOP), "-8");

    f.setText(kW, "1000");
    f.setText(kH, "600");
    Slots s = defaults();
    s.W = "1000";
    s.H = "600";
    s.SP = "570";
    s.TOP = "532";
    s.TL = "-500";
    s.TWD = "102";
    s.THT = "62";
    EXPECT_EQ(w.press(kGenerate), expectedMarkup(s));
}

TEST(AutoCentredCarousel, ComputedValuesWithOddAndEmptyInputs) {
    OpenWindow w("F01");
    Form& f = w.form();
    f.setText(kAG, "");
    f.setText(kW, "1921");
    f.setText(kSW, "");
    f.setText("编辑框_边框", "2");
    f.setText("编辑框_边框颜色", "red");
    Slots s = defaults();
    s.W = "1921";
    s.AO = "0";
    s.TL = "-960.5";
    s.TWD = "2";
    s.BW = "2";
    s.BC = "red";
    const std::string& code = w.press(kGenerate);
    EXPECT_EQ(code, expectedMarkup(s));
    EXPECT_NE(code.find("'offset':[-0,0]"), std::string::npos);
    EXPECT_NE(code.find("'offset':[0,0]"), std::string::npos);
    EXPECT_NE(code.find("color: red;"), std::string::npos);
    EXPECT_EQ(countOf(code, "red 2px solid"), 16u);
}

TEST(AutoCentredCarousel, ClearEmptiesAddressesInOrderAndKeepsSizes) {
    OpenWindow w("F01");
    Form& f = w.form();
    f.setText(kH, "600");
    w.press(kGenerate);
    ASSERT_FALSE(f.code().empty());

    w.prompter.answers.push_back(Answer::No);
    f.press(kClear);
    EXPECT_EQ(w.prompter.messages.back(), "是否要清空所有内容？");
    EXPECT_FALSE(f.code().empty());

    std::vector<std::string> order;
    const Subscription told = f.addChangeListener([&](const std::string& name) { order.push_back(name); });
    f.press(kClear);
    const std::vector<std::string> expected = {"超级编辑框_全屏海报轮播代码",
                                               "编辑框_边框颜色",
                                               "编辑框_方向箭头右",
                                               "编辑框_方向箭头左",
                                               "编辑框_小图地址04",
                                               "编辑框_大图地址04",
                                               "编辑框_小图地址03",
                                               "编辑框_大图地址03",
                                               "编辑框_小图地址02",
                                               "编辑框_大图地址02",
                                               "编辑框_小图地址01",
                                               "编辑框_大图地址01",
                                               "编辑框_点击图片打开的链接地址04",
                                               "编辑框_点击图片打开的链接地址03",
                                               "编辑框_点击图片打开的链接地址02",
                                               "编辑框_点击图片打开的链接地址01"};
    // The border field is already empty, so emptying it is no change.
    EXPECT_EQ(order, expected);
    for (const std::string& name : expected)
        EXPECT_EQ(f.text(name), "") << name;
    EXPECT_EQ(f.text(kAG), "960");
    EXPECT_EQ(f.text(kW), "1920");
    EXPECT_EQ(f.text(kH), "600");
    EXPECT_EQ(f.text(kSW), "187");
    EXPECT_EQ(f.text(kSH), "60");
    EXPECT_EQ(f.text(kSP), "570");
    EXPECT_EQ(f.text(kTOP), "532");

    // Reopening starts from the defaults again.
    EXPECT_TRUE(f.requestClose());
    OpenWindow again("F01", &w.variables());
    EXPECT_EQ(again.press(kGenerate), expectedMarkup(defaults()));
}

TEST(AutoCentredCarousel, ThumbnailsAndMarkupCharactersStayWhereTyped) {
    OpenWindow w("F01");
    Form& f = w.form();
    f.setText("编辑框_小图地址03", "http://t.test/small3.jpg");
    f.setText("编辑框_点击图片打开的链接地址02", "http://x.test/?q=\"<b>'&");
    Slots s = defaults();
    s.S[2] = "http://t.test/small3.jpg";
    s.L[1] = "http://x.test/?q=\"<b>'&";
    const std::string& code = w.press(kGenerate);
    EXPECT_EQ(code, expectedMarkup(s));
    EXPECT_EQ(countOf(code, "http://t.test/small3.jpg"), 1u);
    const std::size_t row = code.find("<ul class=\"taobaokaidian-com\"");
    ASSERT_NE(row, std::string::npos);
    EXPECT_GT(code.find("http://t.test/small3.jpg"), row);

    f.press("按钮_选色器");
    EXPECT_EQ(w.host.colourTables, 1);
    EXPECT_FALSE(f.isClosed());
}

} // namespace
} // namespace ornavo::testing
