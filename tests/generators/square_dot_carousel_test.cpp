#include "framework/model/constants.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo {
namespace {

using testing::countOf;
using testing::OpenWindow;

const std::string kGenerate = "按钮_F04一键生成";
const std::string kClear = "按钮_F04清空代码";
const std::string kSprites = "/Tessaly/upload/images/131031/fangdianlunbo/yanse/";

std::string tabs(int n) {
    return std::string(static_cast<std::size_t>(n), '\t');
}

// The markup read piece by piece from the window's description of its output.
std::string expectedMarkup(const std::string images[3], const std::string links[3], const std::string& w,
                           const std::string& h, const std::string& sp, const std::string& cx,
                           const std::string& dt, const std::string& dl, const std::string& dot) {
    const std::string nl = "\r\n";
    std::string s = "<div data-componentid=\"5003\" data-spm=\"110.0.5003-1089367219\" "
                    "data-title=\"TessalyOrnavo http:/" +
                    makerShop() + "\" data-widgetid=\"1089367219\">" + nl + tabs(5) +
                    "<div class=\"skin-box tb-module\">" + nl + tabs(6) + "<s class=\"skin-box-tp\"></s>" +
                    nl + tabs(6) + "<div class=\"skin-box-bd clear-fix\">" + nl + tabs(7) +
                    "<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true "
                    ",'contentCls':'piao1364140569272fu'}\" data-widget-type=\"Tabs\">" +
                    nl + tabs(8) + "<div class=\"piao1364140569272fu\" style=\"height: " + sp + "px\">" + nl +
                    tabs(9);

    // Carousel configuration: entries separated by two encoded line breaks.
    const std::string br = "&#13;&#10;&#13;&#10;";
    const std::string ind = std::string(12, ' ');
    const std::string tab3 = "&#9;&#9;&#9;";
    s += "<div class=\"J_TWidget\" data-widget-config=\"{" + br + ind +
         "'contentCls': 'slide-kun1364140569272content'," + br + ind +
         "'triggerCls': 'slide-kun1364140569272triggers'," + br + ind +
         "'navCls': 'slide-kun1364140569272triggers'," + br + ind + "'triggerType': 'mouse'," + br + ind +
         "'effect': 'fade'," + br + tab3 + "'prevBtnCls':'prev'," + br + tab3 + "'nextBtnCls':'next'," + br +
         ind + "'steps': 1," + br + ind + "'autoplay': true," + br + tab3 + "'viewSize':[" + w + "]," + br +
         ind + "'circular': true" + br + std::string(8, ' ') +
         "}\" data-widget-type=\"Carousel\" style=\"z-index: 10; padding-bottom: 0px; margin: 0px; "
         "padding-left: 0px; "
         "width: " +
         w + "px; padding-right: 0px; top: 0px; padding-top: 0px; left:" + cx + "px\">" + nl + tabs(10);

    s +=
        "<div class=\"J_TWidget g_foot\" "
        "data-widget-config=\"{'effect':'fade','easing':'easeBothStrong','autoplay':"
        "true,'contentCls':'yezidian_content_jumeiyoupin20121203','navCls':'yezidian_nav_jumeiyoupin20121203'"
        ","
        "'activeTriggerCls':'hidden'}\" data-widget-type=\"Slide\" style=\"padding-bottom: 0px; margin: 0px; "
        "padding-left: 0px; padding-right: 0px; height: " +
        h + "px; top: 0px; padding-top: 0px; left: 0px\">" + nl + "<div style=\"height: " + h +
        "px; overflow: hidden\">" + nl + "<ul class=\"yezidian_content_jumeiyoupin20121203\">" + nl;
    for (int k = 0; k < 3; ++k)
        s += "<li style=\"width: " + w + "px; height: " + h + "px\">" + nl + "<span><span><span><a href=\"" +
             links[k] + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + images[k] +
             "\" src=\"" + placeholderGif() + "\" /></a></span></span></span></li>";
    s += "</ul>" + nl + tabs(11) + "</div>" + nl + tabs(11);

    s += "<ul class=\"yezidian_nav_jumeiyoupin20121203 footer-more-trigger\" style=\"z-index: 99; "
         "border-bottom: 0px; "
         "border-left: 0px; padding-bottom: 0px; line-height: 11px; text-indent: 0px; padding-left: 0px; "
         "width: 70px; "
         "padding-right: 0px; background: url(" +
         dot + ") no-repeat 0px 0px; height: 11px; border-top: 0px; top:" + dt +
         "px; border-right: 0px; padding-top: 0px; left: " + dl + "px\">" + nl;
    const char* const x[] = {"0px", "-26px", "-52px"};
    for (int j = 0; j < 3; ++j) {
        if (j > 0)
            s += nl + tabs(12);
        s += j == 0 ? "<li class=\"hidden\" style=\"display: inline; float: left; cursor: pointer\">"
                    : "<li style=\"display: inline; float: left; margin-left: 15px; cursor: pointer\">";
        s += nl + tabs(13) + "<div style=\"width: 11px; background: url(" + dot + ") no-repeat " + x[j] +
             " -11px; height: 11px\">" + nl + tabs(14) +
             "<span><span><span>&nbsp;</span></span></span></div>" + nl + tabs(12) + "</li>";
    }
    s += nl + tabs(11) + "</ul>" + nl + tabs(10) + "</div>" + nl + tabs(9) + "</div>" + nl + tabs(8) +
         "</div>" + nl + tabs(7) + "</div>" + nl + tabs(6) + "</div>" + nl + tabs(6) +
         "<s class=\"skin-box-bt\"></s></div>" + nl + tabs(4) + "</div>";
    return s;
}

TEST(SquareDotCarousel, DefaultsWithRedDotsGiveTheWholeMarkup) {
    OpenWindow w("F04");
    w.form().choose("单选框_红色");
    const std::string images[3] = {makerServer() + "/Tessaly/upload/images/131018/qplb/qplb1.jpg",
                                   makerServer() + "/Tessaly/upload/images/131018/qplb/qplb2.jpg",
                                   makerServer() + "/Tessaly/upload/images/131018/qplb/qplb3.jpg"};
    const std::string links[3] = {marketHome(), marketHome(), marketHome()};
    EXPECT_EQ(w.press(kGenerate), expectedMarkup(images, links, "1920", "500", "480", "-485", "470", "930",
                                                 makerServer() + kSprites + "hongse.png"));
}

TEST(SquareDotCarousel, WidthSetsTheCentringOffset) {
    OpenWindow w("F04");
    Form& f = w.form();
    const std::pair<const char*, const char*> cases[] = {{"1000", "-25"},    {"1921", "-485.5"},
                                                         {"1681", "-365.5"}, {"１９２０", "-485"},
                                                         {"宽", "475"},      {"-50", "500"}};
    for (const auto& [width, offset] : cases) {
        f.setText("编辑框_图片宽", width);
        EXPECT_EQ(f.text("编辑框_居中调整"), offset) << width;
    }
    // The other derived fields keep their texts.
    EXPECT_EQ(f.text("编辑框_模版占位"), "480");
    EXPECT_EQ(f.text("编辑框_离顶距"), "470");
}

TEST(SquareDotCarousel, HeightSetsSpacerAndDotRow) {
    OpenWindow w("F04");
    Form& f = w.form();
    // The defaults are not what the rule gives; they stand until the height changes.
    EXPECT_EQ(f.text("编辑框_模版占位"), "480");
    EXPECT_EQ(f.text("编辑框_离顶距"), "470");
    f.setText("编辑框_图片高", "600");
    EXPECT_EQ(f.text("编辑框_模版占位"), "570");
    EXPECT_EQ(f.text("编辑框_离顶距"), "580");
    f.setText("编辑框_图片高", "500px");
    EXPECT_EQ(f.text("编辑框_模版占位"), "470");
    EXPECT_EQ(f.text("编辑框_离顶距"), "480");
    EXPECT_EQ(f.text("编辑框_居中调整"), "-485");

    // Hand-typed values win over the computed ones.
    f.setText("编辑框_模版占位", "455");
    f.setText("编辑框_居中调整", "-300");
    const std::string& code = w.press(kGenerate);
    EXPECT_NE(code.find("style=\"height: 455px\""), std::string::npos);
    EXPECT_NE(code.find("left:-300px\""), std::string::npos);
    EXPECT_NE(code.find("top:480px;"), std::string::npos);
}

TEST(SquareDotCarousel, EachColourPicksItsSprite) {
    OpenWindow w("F04");
    const std::pair<const char*, const char*> colours[] = {{"单选框_红色", "hongse.png"},
                                                           {"单选框_粉色", "fense.gif"},
                                                           {"单选框_蓝色", "lanse.gif"},
                                                           {"单选框_绿色", "lvse.gif"},
                                                           {"单选框_黑色", "heise.gif"}};
    for (const auto& [radio, file] : colours) {
        w.form().choose(radio);
        const std::string& code = w.press(kGenerate);
        EXPECT_EQ(countOf(code, "url(" + makerServer() + kSprites + file + ")"), 4u) << radio;
        EXPECT_TRUE(w.form().checked(radio));
    }
    EXPECT_FALSE(w.form().checked("单选框_红色"));
}

TEST(SquareDotCarousel, WithoutColourTheSpriteIsEmpty) {
    OpenWindow w("F04");
    EXPECT_EQ(countOf(w.press(kGenerate), "url()"), 4u);
}

TEST(SquareDotCarousel, ClearEmptiesEverythingButKeepsTheColour) {
    OpenWindow w("F04");
    Form& f = w.form();
    f.choose("单选框_蓝色");
    w.press(kGenerate);

    w.prompter.answers = {Answer::No};
    w.press(kClear);
    EXPECT_EQ(f.text("编辑框_图片宽"), "1920");
    EXPECT_FALSE(f.code().empty());

    w.press(kClear);
    EXPECT_EQ(w.prompter.messages,
              (std::vector<std::string>{"是否要清空所有内容？", "是否要清空所有内容？"}));
    for (const char* name :
         {"编辑框_图片地址01", "编辑框_图片地址02", "编辑框_图片地址03", "编辑框_链接地址01",
          "编辑框_链接地址02", "编辑框_链接地址03", "编辑框_图片宽", "编辑框_图片高", "编辑框_模版占位",
          "编辑框_居中调整", "编辑框_离顶距", "编辑框_靠左距"})
        EXPECT_EQ(f.text(name), "") << name; // derived fields are emptied after their sources
    EXPECT_EQ(f.code(), "");
    EXPECT_TRUE(f.checked("单选框_蓝色"));

    const std::string empty[3];
    EXPECT_EQ(w.press(kGenerate),
              expectedMarkup(empty, empty, "", "", "", "", "", "", makerServer() + kSprites + "lanse.gif"));
}

TEST(SquareDotCarousel, ColourSurvivesReopening) {
    OpenWindow first("F04");
    first.form().choose("单选框_绿色");
    first.form().setText("编辑框_图片宽", "1000");

    OpenWindow second("F04", &first.variables());
    EXPECT_EQ(second.form().text("编辑框_图片宽"), "1920");
    EXPECT_EQ(second.form().text("编辑框_居中调整"), "-485");
    EXPECT_EQ(countOf(second.press(kGenerate), makerServer() + kSprites + "lvse.gif"), 4u);
}

TEST(SquareDotCarousel, FieldsAreInsertedUnchanged) {
    OpenWindow w("F04");
    w.form().setText("编辑框_链接地址02", "http://a.b/?x=\"1\"&y='<2>'");
    w.form().setText("编辑框_图片地址03", "");
    const std::string& code = w.press(kGenerate);
    EXPECT_NE(code.find("<a href=\"http://a.b/?x=\"1\"&y='<2>'\" target=\"_blank\">"), std::string::npos);
    EXPECT_NE(code.find("data-ks-lazyload=\"\" src=\"" + placeholderGif() + "\""), std::string::npos);
}

TEST(SquareDotCarousel, RecipeDrivesTheWindow) {
    const auto r = testing::runRecipe("open F04\n"
                                      "choose 单选框_黑色\n"
                                      "set 编辑框_图片宽 1000\n"
                                      "set 编辑框_图片高 400\n"
                                      "show 编辑框_居中调整\n"
                                      "show 编辑框_模版占位\n"
                                      "show 编辑框_离顶距\n"
                                      "press 按钮_F04一键生成\n"
                                      "press 按钮_F04复制代码\n"
                                      "clipboard\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("复制成功！"), std::string::npos);
    const std::string head = "-25\n370\n380\n";
    ASSERT_EQ(r.out.substr(0, head.size()), head);
    const std::string code = r.out.substr(head.size());
    EXPECT_NE(code.find("'viewSize':[1000]"), std::string::npos);
    EXPECT_NE(code.find("style=\"height: 370px\""), std::string::npos);
    EXPECT_EQ(countOf(code, "heise.gif"), 4u);
}

TEST(SquareDotCarousel, WindowDescription) {
    const ModuleSpec* module = moduleRegistry().byKey("F04");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->caption, "全屏海报轮播(方点导航)");
    EXPECT_EQ(module->width, 754);
    EXPECT_EQ(module->height, 706);
    EXPECT_EQ(module->top, 0);
    EXPECT_EQ(module->codeBox.name, "超级编辑框_F04全屏海报轮播方点");
    ASSERT_EQ(module->buttons.size(), 5u);
    EXPECT_EQ(module->buttons[3].name, "按钮_F04预览");
    EXPECT_EQ(module->buttons[3].action, Action::Preview);
}

} // namespace
} // namespace ornavo
