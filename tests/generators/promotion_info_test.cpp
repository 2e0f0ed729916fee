// The promotion tiles: the clear's order, which empties the height after the code box and keeps the
// information-only width.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

TEST(PromotionInfo, ClearEmptiesLinksPicturesCodeThenHeightAndKeepsTheWidth) {
    OpenWindow w("F33");
    w.form().setText("编辑框_图片宽", "500");
    w.press("按钮_F33专业版代码");
    std::vector<std::string> emptied;
    const Subscription told =
        w.form().addChangeListener([&](const std::string& name) { emptied.push_back(name); });
    w.press("按钮_F33清空内容");

    const std::vector<std::string> expected{
        "编辑框_链接地址03",  "编辑框_链接地址02",      "编辑框_链接地址01",  "编辑框_图片地址B03",
        "编辑框_图片地址B02", "编辑框_图片地址B01",     "编辑框_图片地址A03", "编辑框_图片地址A02",
        "编辑框_图片地址A01", "超级编辑框_F33代码生成", "编辑框_图片高"};
    EXPECT_EQ(emptied, expected);
    EXPECT_EQ(w.form().text("编辑框_图片宽"), "500");
    EXPECT_EQ(w.prompter.messages, std::vector<std::string>{kAskClearAll});
}

} // namespace
} // namespace ornavo::testing
