// The full-screen poster window (F03) driven headless: the behaviour every module window shares and
// the poster's own state rules.

#include "framework/model/constants.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

const std::string kGenerate = "按钮_全屏海报一键生成";
const std::string kCopy = "按钮_全屏海报复制代码";
const std::string kClear = "按钮_全屏海报清空内容";
const std::string kExit = "按钮_全屏海报退出";
const std::string kCode = "超级编辑框_全屏海报代码";

struct Poster {
    std::string height = "500", width = "1920";
    std::string boxClass, outer, inner, target;
    std::string link = marketHome();
    std::string image = makerServer() + "/Tessaly/upload/images/131018/qplb/qplb2.jpg";
};

// The poster markup, piece by piece.
std::string posterMarkup(const Poster& p) {
    std::string s;
    s += "<div style=\"height:";
    s += p.height;
    s += "px;\">\r\n<div class=\"";
    s += p.boxClass;
    s += "\"\r\nstyle=\"";
    s += p.outer;
    s += "\">\r\n<div class=\"";
    s += p.boxClass;
    s += "\"\r\nstyle=\"";
    s += p.inner;
    s += "\">\r\n<!--可以HTML代码替换本区域  开始-->\r\n<a href=\"";
    s += p.link;
    s += "\" target=\"";
    s += p.target;
    s += "\">\r\n<img src=\"";
    s += p.image;
    s += "\"width=\"";
    s += p.width;
    s += "px\"height=\"";
    s += p.height;
    s += "px\"border=\"0\" />\r\n</a>\r\n<!--可以HTML代码替换本区域  结束-->\r\n</div>\r\n</div>\r\n</div>";
    return s;
}

Poster marketStore(const std::string& offset) {
    Poster p;
    p.boxClass = "footer-more-trigger";
    p.outer = "left:50%;top:auto;border:none;padding:0;";
    p.inner = "left:" + offset + "px;top:auto;border:none;padding:0;";
    return p;
}

} // namespace

TEST(PosterWindow, OpensWithDefaultTextsNothingPickedAndAnEmptyCodeBox) {
    OpenWindow w("F03");
    EXPECT_EQ(w.form().text("编辑框_海报宽度"), "1920");
    EXPECT_EQ(w.form().text("编辑框_海报高度"), "500");
    EXPECT_EQ(w.form().text("编辑框_链接地址"), marketHome());
    EXPECT_EQ(w.form().index("组合框_店铺类型"), -1);
    EXPECT_EQ(w.form().index("组合框_链接打开方式"), -1);
    EXPECT_EQ(w.form().code(), "");
}

TEST(PosterWindow, GenerateBeforeAnyPickLeavesClassStyleAndTargetEmpty) {
    OpenWindow w("F03");
    EXPECT_EQ(w.press(kGenerate), posterMarkup(Poster{}));
}

TEST(PosterWindow, DefaultsWithMarketStoreAndNewWindow) {
    OpenWindow w("F03");
    w.form().pickEntry("组合框_店铺类型", "集市店铺");
    w.form().pickEntry("组合框_链接打开方式", "新窗口");
    Poster p = marketStore("-960");
    p.target = "_blank";
    EXPECT_EQ(w.press(kGenerate), posterMarkup(p));
}

TEST(PosterWindow, MallShopWithAnOddWidthGivesAHalfPixel) {
    OpenWindow w("F03");
    w.form().setText("编辑框_海报宽度", "1921");
    w.form().pickEntry("组合框_店铺类型", "天猫店铺");
    w.form().pickEntry("组合框_链接打开方式", "本窗口");
    Poster p;
    p.width = "1921";
    p.boxClass = "sn-simple-logo";
    p.outer = "padding:0px;left:50%;top:auto;";
    p.inner = "padding:0px;left:-960.5px;top:auto;";
    p.target = "_self";
    EXPECT_EQ(w.press(kGenerate), posterMarkup(p));
}

TEST(PosterWindow, OffsetIsFixedWhenTheShopKindIsPicked) {
    OpenWindow w("F03");
    w.form().pickEntry("组合框_店铺类型", "集市店铺");
    w.form().setText("编辑框_海报宽度", "1000");
    Poster p = marketStore("-960");
    p.width = "1000";
    EXPECT_EQ(w.press(kGenerate), posterMarkup(p));
    // Picking the entry already shown once more takes the new width.
    w.form().pickEntry("组合框_店铺类型", "集市店铺");
    EXPECT_NE(w.press(kGenerate).find("left:-500px;top:auto;border:none;padding:0;"), std::string::npos);
}

TEST(PosterWindow, FullWidthDigitsGiveTheSameOffsetAndStayAsTyped) {
    OpenWindow w("F03");
    w.form().setText("编辑框_海报宽度", "１９２０");
    w.form().pickEntry("组合框_店铺类型", "集市店铺");
    Poster p = marketStore("-960");
    p.width = "１９２０";
    EXPECT_EQ(w.press(kGenerate), posterMarkup(p));
}

TEST(PosterWindow, WidthWithoutDigitsGivesOffsetZero) {
    OpenWindow w("F03");
    w.form().setText("编辑框_海报宽度", "auto");
    w.form().pickEntry("组合框_店铺类型", "集市店铺");
    EXPECT_NE(w.press(kGenerate).find("style=\"left:0px;top:auto;"), std::string::npos);
}

TEST(PosterWindow, MarkupCharactersInFieldsAreInsertedUnchanged) {
    OpenWindow w("F03");
    w.form().setText("编辑框_链接地址", "http://a/?x=1&y=\"2\"<b>'");
    w.form().setText("编辑框_海报高度", " 5 0 ");
    Poster p;
    p.link = "http://a/?x=1&y=\"2\"<b>'";
    p.height = " 5 0 ";
    EXPECT_EQ(w.press(kGenerate), posterMarkup(p));
}

TEST(PosterWindow, ClearEmptiesFieldsListsAndCodeButKeepsTheWindowState) {
    OpenWindow w("F03");
    w.form().pickEntry("组合框_店铺类型", "集市店铺");
    w.form().pickEntry("组合框_链接打开方式", "新窗口");
    w.press(kGenerate);
    w.press(kClear);
    EXPECT_EQ(w.prompter.messages.back(), "是否要清空所有内容？");
    EXPECT_EQ(w.form().code(), "");
    EXPECT_EQ(w.form().index("组合框_店铺类型"), -1);
    EXPECT_EQ(w.form().index("组合框_链接打开方式"), -1);
    Poster p = marketStore("-960");
    p.target = "_blank";
    p.width = p.height = p.link = p.image = "";
    EXPECT_EQ(w.press(kGenerate), posterMarkup(p));
}

TEST(PosterWindow, ClearAnsweredNoChangesNothing) {
    OpenWindow w("F03");
    w.form().setText("编辑框_海报高度", "640");
    const std::string code = w.press(kGenerate);
    w.prompter.answers = {Answer::No};
    w.press(kClear);
    EXPECT_EQ(w.form().code(), code);
    EXPECT_EQ(w.form().text("编辑框_海报高度"), "640");
    EXPECT_EQ(w.form().text("编辑框_海报宽度"), "1920");
}

TEST(PosterWindow, StateSurvivesClosingAndReopening) {
    WindowVariables vars;
    {
        OpenWindow first("F03", &vars);
        first.form().setText("编辑框_海报宽度", "1681");
        first.form().pickEntry("组合框_店铺类型", "集市店铺");
        first.form().pickEntry("组合框_链接打开方式", "本窗口");
        first.press(kExit);
        EXPECT_TRUE(first.form().isClosed());
    }
    OpenWindow again("F03", &vars);
    EXPECT_EQ(again.form().text("编辑框_海报宽度"), "1920");
    Poster p = marketStore("-840.5");
    p.target = "_self";
    EXPECT_EQ(again.press(kGenerate), posterMarkup(p));
}

TEST(PosterWindow, CopyDependsOnlyOnTheCodeBox) {
    OpenWindow w("F03");
    w.press(kCopy);
    EXPECT_EQ(w.host.clipboard, "");
    EXPECT_EQ(w.prompter.messages.back(), "复制失败，请生成代码后再试！");
    w.form().setText(kCode, "typed by hand\r\n");
    w.press(kCopy);
    EXPECT_EQ(w.host.clipboard, "typed by hand\r\n");
    EXPECT_EQ(w.prompter.messages.back(), "复制成功！");
}

TEST(PosterWindow, ExitAndFrameCloseAskFirst) {
    OpenWindow w("F03");
    w.form().setText("编辑框_海报高度", "1");
    w.prompter.answers = {Answer::No, Answer::No};
    w.press(kExit);
    EXPECT_FALSE(w.form().requestClose());
    EXPECT_FALSE(w.form().isClosed());
    EXPECT_EQ(w.form().text("编辑框_海报高度"), "1");
    EXPECT_EQ(w.prompter.messages, (std::vector<std::string>{"是否要退出？", "是否要退出？"}));
    EXPECT_TRUE(w.form().requestClose());
    EXPECT_TRUE(w.form().isClosed());
    EXPECT_THROW(w.form().press(kGenerate), std::logic_error);
}

TEST(PosterWindow, PreviewHandsTheCodeBoxOverEvenWhenEmpty) {
    OpenWindow w("F03");
    w.press("按钮_全屏海报在线预览");
    w.press(kGenerate);
    w.press("按钮_全屏海报在线预览");
    ASSERT_EQ(w.host.previews.size(), 2u);
    EXPECT_EQ(w.host.previews[0], "");
    EXPECT_EQ(w.host.previews[1], w.form().code());
}

TEST(Recipe, DrivesTheWindowLikeAUser) {
    const auto r = runRecipe("# a poster\n"
                             "open F03\n"
                             "\n"
                             "set 编辑框_海报宽度 1921\n"
                             "pick 组合框_店铺类型 天猫店铺\n"
                             "set 编辑框_链接地址 a\\tb\\r\\nc\\\\d\\x\n"
                             "press 按钮_全屏海报一键生成\n"
                             "show 编辑框_链接地址\n"
                             "show 组合框_链接打开方式\n"
                             "show 组合框_店铺类型\n"
                             "set 编辑框_图片地址\n"
                             "show 编辑框_图片地址\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "a\tb\r\nc\\d\\x\n\n天猫店铺\n\n");
}

TEST(Recipe, PrintWritesTheCodeBoxVerbatimAndMessagesGoToStderr) {
    const auto r =
        runRecipe("open F03\r\npick 组合框_店铺类型 集市店铺\r\npress 按钮_全屏海报一键生成\r\nprint\r\n"
                  "press 按钮_全屏海报复制代码\r\nanswer no\r\nclose\r\nshow 编辑框_海报宽度\r\n");
    ASSERT_EQ(r.status, 0) << r.err;
    Poster p = marketStore("-960");
    EXPECT_EQ(r.out, posterMarkup(p) + "1920\n");
    EXPECT_EQ(r.err, "message: 复制成功！\nmessage: 是否要退出？\n");
}

TEST(Recipe, WindowVariablesSurviveReopeningInOneRun) {
    const auto r = runRecipe(
        "open F03\npick 组合框_链接打开方式 新窗口\nclose\nopen F03\npress 按钮_全屏海报一键生成\nprint\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("target=\"_blank\""), std::string::npos);
}

TEST(Recipe, ErrorsStopTheRunNameTheLineAndWriteNothing) {
    struct Case {
        std::string recipe, message;
    };
    const Case cases[] = {
        {"open F03\nprint\nfrobnicate\n", "recipe line 3: unknown action frobnicate"},
        {"open F99\n", "recipe line 1: no module F99"},
        {"set 编辑框_海报宽度 1\n", "recipe line 1: no window is open"},
        {"open F03\nset 编辑框_没有 1\n", "recipe line 2: the window has no field 编辑框_没有"},
        {"open F03\nset 组合框_店铺类型 1\n", "recipe line 2: the window has no field 组合框_店铺类型"},
        {"open F03\npick 组合框_店铺类型 淘宝\n", "recipe line 2: list 组合框_店铺类型 has no entry 淘宝"},
        {"open F03\nchoose 单选框_红色\n", "recipe line 2: the window has no radio button 单选框_红色"},
        {"open F03\npress 按钮_不存在\n", "recipe line 2: the window has no button 按钮_不存在"},
        {"open F03\nanswer maybe\n", "recipe line 2: answer takes yes or no"},
        {"open F03\nclose\nprint\n", "recipe line 3: no window is open"},
    };
    for (const Case& c : cases) {
        const auto r = runRecipe(c.recipe);
        EXPECT_EQ(r.status, 2) << c.recipe;
        EXPECT_EQ(r.out, "") << c.recipe;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}
