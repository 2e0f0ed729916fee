#include "framework/model/constants.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo {
namespace {

using testing::OpenWindow;

const std::string kGenerate = "按钮_F05一键生成";
const std::string kClear = "按钮_F05清空代码";

std::string tabs(int n) {
    return std::string(static_cast<std::size_t>(n), '\t');
}

struct Poster {
    std::string front, back, link, w, h, sp, cx;
};

// The markup read piece by piece from the window's description of its output.
std::string expectedMarkup(const Poster& p) {
    const std::string nl = "\r\n";
    const std::string gif = placeholderGif();
    std::string s =
        "<div data-componentid=\"5003\" data-spm=\"110.0.5003-1326078419\" data-title=\"TessalyOrnavo  "
        "http://" +
        makerShop() + "\" data-widgetid=\"1326078419\">" + nl + tabs(1) +
        "<div class=\"skin-box tb-module\">" + nl + tabs(2) + "<s class=\"skin-box-tp\"></s>" + nl + tabs(2) +
        "<div class=\"skin-box-bd clear-fix\">" + nl + tabs(3) +
        "<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true "
        ",'contentCls':'piao1363578252975fu'}\" data-widget-type=\"Tabs\">" +
        nl + tabs(4) + "<div class=\"piao1363578252975fu\" style=\"height: " + p.sp + "px\">" + nl + tabs(5);

    // One encoded line break between the configuration's entries.
    const std::string br = "&#13;&#10;";
    const std::string ind(12, ' ');
    const std::string tab3 = "&#9;&#9;&#9;";
    s += "<div class=\"J_TWidget\" data-widget-config=\"{" + br + ind +
         "'contentCls': 'slide-kun1363578252975content'," + br + ind +
         "'triggerCls': 'slide-kun1363578252975triggers'," + br + ind +
         "'navCls': 'slide-kun1363578252975triggers'," + br + ind + "'triggerType': 'mouse'," + br + ind +
         "'effect': 'fade'," + br + tab3 + "'prevBtnCls':'prev'," + br + tab3 + "'nextBtnCls':'next'," + br +
         ind + "'steps': 1," + br + ind + "'autoplay': true," + br + tab3 + "'viewSize':[" + p.w + "]," + br +
         ind + "'circular': true" + br + std::string(8, ' ') +
         "}\" data-widget-type=\"Carousel\" style=\"z-index: 10; padding-bottom: 0px; margin: 0px; "
         "padding-left: 0px; "
         "width: " +
         p.w + "px; padding-right: 0px; top: 0px; padding-top: 0px; left: " + p.cx + "px\">" + nl + tabs(6);

    s += "<div class=\"J_TWidget\" "
         "data-widget-config=\"{'trigger':'.first1363578252975trigger','align':{'node':'."
         "first1363578252975trigger','offset':[0,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" "
         "style=\"display: none\">" +
         nl + tabs(7) + "<span>&nbsp;</span></div>" + nl + tabs(6);

    s += "<div class=\"sub a48352\" style=\"width: " + p.w + "px; float: left; height: " + p.h +
         "px; margin-left: 5px\">" + nl + "<span><span><a href=\"" + p.link +
         "\" target=\"_blank\"><img data-ks-lazyload=\"" + p.front + "\" src=\"" + gif +
         "\" /></a></span></span>" + nl + tabs(7);

    s += "<div class=\"J_TWidget hidden\" "
         "data-widget-config=\"{'trigger':'.a48352','align':{'node':'.a48352','offset'"
         ":[0,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" style=\"visibility: hidden; top: 100px; "
         "left: "
         "2px\">" +
         nl + tabs(8) + "<div>" + nl + tabs(9) + "<span><span><a href=\"" + p.link +
         "\" target=\"_blank\"><img data-ks-lazyload=\"" + p.back + "\" src=\"" + gif +
         "\" /></a></span></span></div>" + nl + tabs(7) + "</div>" + nl + tabs(6) + "</div>" + nl + tabs(6);

    s += "<ul class=\"slide-kun1363578252975triggers\" style=\"padding-bottom: 0px; margin: 0px; "
         "padding-left: 0px; "
         "padding-right: 0px; display: none; padding-top: 0px\">";
    for (int i = 0; i < 2; ++i)
        s += nl + tabs(7) + "<li>" + nl + tabs(8) + "<span>&nbsp;</span></li>";
    s += nl + tabs(6) + "</ul>";
    for (int t = 5; t >= 0; --t)
        s += nl + tabs(t) + "</div>";
    return s;
}

TEST(ImageSwapPoster, DefaultsGiveTheWholeMarkup) {
    OpenWindow w("F05");
    Poster p{makerServer() + "/Tessaly/upload/images/131018/qplb/qplb2.jpg",
             makerServer() + "/Tessaly/upload/images/131018/qplb/qplb3.jpg",
             marketHome(),
             "1920",
             "500",
             "480",
             "-485"};
    EXPECT_EQ(w.press(kGenerate), expectedMarkup(p));
}

TEST(ImageSwapPoster, WidthAndHeightSetTheDerivedFields) {
    OpenWindow w("F05");
    Form& f = w.form();
    f.setText("编辑框_图片宽", "1000");
    EXPECT_EQ(f.text("编辑框_居中调整"), "-25");
    EXPECT_EQ(f.text("编辑框_模版占位"), "480"); // untouched until the height changes
    f.setText("编辑框_图片宽", "１９２１");
    EXPECT_EQ(f.text("编辑框_居中调整"), "-485.5");
    f.setText("编辑框_图片宽", "px");
    EXPECT_EQ(f.text("编辑框_居中调整"), "475");

    f.setText("编辑框_图片高", "700");
    EXPECT_EQ(f.text("编辑框_模版占位"), "670");
    f.setText("编辑框_图片高", " 20");
    EXPECT_EQ(f.text("编辑框_模版占位"), "-10");
    EXPECT_EQ(f.text("编辑框_居中调整"), "475");
}

TEST(ImageSwapPoster, ClearEmptiesDerivedFieldsToo) {
    OpenWindow w("F05");
    Form& f = w.form();
    w.press(kGenerate);

    w.prompter.answers = {Answer::No};
    w.press(kClear);
    EXPECT_EQ(f.text("编辑框_正面图"), makerServer() + "/Tessaly/upload/images/131018/qplb/qplb2.jpg");
    EXPECT_FALSE(f.code().empty());

    std::vector<std::string> order;
    const Subscription told =
        f.addChangeListener([&order](const std::string& name) { order.push_back(name); });
    w.press(kClear);
    // The handlers of H and W refill SP and CX before those are emptied in their turn.
    EXPECT_EQ(order, (std::vector<std::string>{"编辑框_图片高", "编辑框_模版占位", "编辑框_图片宽",
                                               "编辑框_居中调整", "编辑框_反面图", "编辑框_正面图",
                                               "编辑框_居中调整", "编辑框_模版占位", "编辑框_链接地址",
                                               "超级编辑框_F05代码"}));
    for (const char* name : {"编辑框_正面图", "编辑框_反面图", "编辑框_链接地址", "编辑框_图片宽",
                             "编辑框_图片高", "编辑框_模版占位", "编辑框_居中调整"})
        EXPECT_EQ(f.text(name), "") << name;

    const std::string& code = w.press(kGenerate);
    EXPECT_EQ(code, expectedMarkup(Poster{}));
    EXPECT_NE(code.find("style=\"height: px\""), std::string::npos);
    EXPECT_NE(code.find("left: px\""), std::string::npos);
}

TEST(ImageSwapPoster, BothPicturesShareTheLinkUnchanged) {
    OpenWindow w("F05");
    const std::string link = "http://x.y/?a=\"1\"&b='<2>'";
    w.form().setText("编辑框_链接地址", link);
    w.form().setText("编辑框_反面图", "");
    const std::string& code = w.press(kGenerate);
    EXPECT_EQ(testing::countOf(code, "<a href=\"" + link + "\" target=\"_blank\">"), 2u);
    EXPECT_NE(code.find("<img data-ks-lazyload=\"\" src=\"" + placeholderGif() + "\" />"), std::string::npos);
}

TEST(ImageSwapPoster, WindowDescription) {
    const ModuleSpec* module = moduleRegistry().byKey("F05");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->caption, "单张全屏海报（换图/正反效果）");
    EXPECT_EQ(module->width, 735);
    EXPECT_EQ(module->height, 603);
    EXPECT_FALSE(module->top.has_value());
    EXPECT_EQ(module->codeBox.name, "超级编辑框_F05代码");
}

} // namespace
} // namespace ornavo
