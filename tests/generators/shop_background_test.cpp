#include "framework/model/constants.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo {
namespace {

using testing::OpenWindow;

const std::string kGenerate = "按钮_F06一键生成";
const std::string kClear = "按钮_F06清空代码";
const std::string kFixedEnding =
    ");background-repeat:no-repeat;background-position:center;background-attachment:fixed;}";
const std::string kTiledEnding = ");background-repeat:repeat;background-position:center;;}";

std::string defaultPicture() {
    return makerServer() + "/Tessaly/upload/images/131031/xuanfubeijing/Tessaly_xuanfubeijing.jpg";
}

TEST(ShopBackground, EachDisplayKindClosesTheRule) {
    OpenWindow w("F06");
    w.form().choose("单选框_悬浮固定");
    EXPECT_EQ(w.press(kGenerate), "body{background-image:url(" + defaultPicture() + kFixedEnding);
    w.form().choose("单选框_平铺");
    EXPECT_FALSE(w.form().checked("单选框_悬浮固定"));
    EXPECT_EQ(w.press(kGenerate), "body{background-image:url(" + defaultPicture() + kTiledEnding);
}

TEST(ShopBackground, WithoutDisplayKindTheRuleStaysOpen) {
    OpenWindow w("F06");
    w.form().setText("编辑框_图片链接", "a\"b<c>");
    EXPECT_EQ(w.press(kGenerate), "body{background-image:url(a\"b<c>");
}

TEST(ShopBackground, ClearKeepsTheDisplayKindAcrossReopening) {
    OpenWindow first("F06");
    first.form().choose("单选框_平铺");
    first.press(kGenerate);

    first.prompter.answers = {Answer::No};
    first.press(kClear);
    EXPECT_EQ(first.form().text("编辑框_图片链接"), defaultPicture());

    first.press(kClear);
    EXPECT_EQ(first.form().text("编辑框_图片链接"), "");
    EXPECT_EQ(first.form().code(), "");
    EXPECT_TRUE(first.form().checked("单选框_平铺"));
    EXPECT_EQ(first.press(kGenerate), "body{background-image:url(" + kTiledEnding);

    OpenWindow second("F06", &first.variables());
    EXPECT_FALSE(second.form().checked("单选框_平铺"));
    EXPECT_EQ(second.press(kGenerate), "body{background-image:url(" + defaultPicture() + kTiledEnding);
}

TEST(ShopBackground, StyleSheetWindowHasNoPreview) {
    OpenWindow w("F06");
    const ModuleSpec& module = w.form().module();
    EXPECT_EQ(module.caption, "店铺全屏背景");
    EXPECT_EQ(module.width, 865);
    EXPECT_EQ(module.height, 550);
    std::vector<std::string> names;
    for (const Button& b : module.buttons) {
        EXPECT_NE(b.action, Action::Preview) << b.name;
        names.push_back(b.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"按钮_F06一键生成", "按钮_F06复制代码", "按钮_F06清空代码",
                                               "按钮_F06退出"}));

    w.press("按钮_F06复制代码");
    EXPECT_EQ(w.host.clipboard, "");
    EXPECT_EQ(w.prompter.messages.back(), "复制失败，请生成代码后再试！");
}

} // namespace
} // namespace ornavo
