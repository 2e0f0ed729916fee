// "宝贝轮播展示-旋转木马轮播" (F20): the window's description, its clear, and how one product's empty
// fields show in the markup. The whole markup of both editions is checked by the cases in windows/F20.

#include "framework/model/constants.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

const char* const kProfessional = "按钮_F20专业版代码";
const char* const kClear = "按钮_F20清空内容";
const char* const kPrefixes[] = {"编辑框_图片地址", "编辑框_链接地址", "编辑框_宝贝标题",
                                 "编辑框_宝贝价格", "编辑框_收藏",     "编辑框_销量"};

TEST(MerryGoRoundCarousel, WindowOpensFromBothPagesWithFortyEightFields) {
    const ModuleSpec& m = *moduleRegistry().byKey("F20");
    EXPECT_EQ(m.caption, "宝贝轮播展示-旋转木马轮播");
    EXPECT_EQ(m.width, 748);
    EXPECT_EQ(m.height, 716);
    EXPECT_EQ(m.top, 2);
    EXPECT_EQ(m.professionalButton.name, "按钮_F20宝贝轮播展示旋转木马");
    ASSERT_TRUE(m.basicButton.has_value());
    EXPECT_EQ(m.basicButton->name, "按钮_F14基础宝贝轮播展示旋转木马");

    OpenWindow w("F20");
    int fields = 0;
    for (const Control* c : allControls(m))
        fields += c->kind == ControlKind::Field;
    EXPECT_EQ(fields, 48);
    for (int k = 1; k <= 8; ++k) {
        const std::string n = twoDigits(k);
        EXPECT_EQ(w.form().text("编辑框_图片地址" + n),
                  makerServer() + "/Tessaly/upload/images/131104/f20/sc" + std::to_string(k) + ".jpg");
        EXPECT_EQ(w.form().text("编辑框_链接地址" + n), marketHome());
    }
}

TEST(MerryGoRoundCarousel, ClearEmptiesColumnByColumnThenTheCodeBox) {
    OpenWindow w("F20");
    Form& f = w.form();
    const std::string code = w.press(kProfessional);

    w.prompter.answers = {Answer::No};
    f.press(kClear);
    EXPECT_EQ(f.code(), code);
    EXPECT_EQ(f.text("编辑框_销量08"), "108");

    std::vector<std::string> order;
    const Subscription told = f.addChangeListener([&](const std::string& name) { order.push_back(name); });
    f.press(kClear);
    EXPECT_EQ(w.prompter.messages, (std::vector<std::string>{kAskClearAll, kAskClearAll}));
    std::vector<std::string> expected;
    for (const char* prefix : kPrefixes)
        for (const std::string& name : numberedNames(prefix, 1, 8))
            expected.push_back(name);
    expected.push_back("超级编辑框_F20代码生成");
    EXPECT_EQ(order, expected);
    for (const std::string& name : expected)
        EXPECT_EQ(f.text(name), "") << name;
}

TEST(MerryGoRoundCarousel, OneProductsEmptyLinkAndPictureLeaveOnlyItsPlacesEmpty) {
    OpenWindow w("F20");
    Form& f = w.form();
    f.setText("编辑框_链接地址05", "");
    f.setText("编辑框_图片地址05", "");
    const std::string& code = w.press(kProfessional);
    // Stage picture, link text's href, details button, thumbnail: four href="" and the empty link text.
    EXPECT_EQ(countOf(code, "href=\"\""), 4u);
    EXPECT_EQ(countOf(code, "target=\"_blank\"></a></span></div>"), 1u);
    EXPECT_EQ(countOf(code, "data-ks-lazyload=\"\""), 2u);
    EXPECT_EQ(countOf(code, "href=\"" + marketHome() + "\""), 7u * 4u);
    EXPECT_EQ(countOf(code, "href=\"商品链接\""), 8u + 5u); // titles B (4 slides) and D (1) have two anchors
    EXPECT_EQ(countOf(code, "QuilletOrnavo"), 8u);
    EXPECT_EQ(countOf(code, ">49.00</font>"), 8u);
}

} // namespace
} // namespace ornavo::testing
