// The ranking-list accordion: what the clear empties and in which order.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

TEST(RankingAccordion, ClearEmptiesColourPricesTitlesLinksPicturesThenCode) {
    OpenWindow w("F23");
    w.press("按钮_F23一键生成");
    std::vector<std::string> emptied;
    const Subscription told =
        w.form().addChangeListener([&](const std::string& name) { emptied.push_back(name); });

    w.prompter.answers = {Answer::No};
    w.press("按钮_F23清空内容");
    EXPECT_TRUE(emptied.empty());

    w.press("按钮_F23清空内容");
    std::vector<std::string> expected{"编辑框_颜色风格"};
    for (const char* column : {"编辑框_宝贝价格", "编辑框_促销标题", "编辑框_链接地址", "编辑框_图片地址"})
        for (const char* row : {"05", "04", "03", "02", "01"})
            expected.push_back(std::string(column) + row);
    expected.push_back("超级编辑框_F23代码生成");
    EXPECT_EQ(emptied, expected);
    for (const std::string& name : expected)
        EXPECT_EQ(w.form().text(name), "") << name;
    EXPECT_EQ(w.prompter.messages, (std::vector<std::string>{kAskClearAll, kAskClearAll}));

    // Generating from the emptied window still gives the whole structure.
    const std::string& code = w.press("按钮_F23一键生成");
    EXPECT_EQ(countOf(code, "一口价：元</div>"), 5u);
    EXPECT_EQ(countOf(code, "<a href=\"\" target=\"_blank\"><img height=\"180\" src=\"\""), 5u);
}

} // namespace
} // namespace ornavo::testing
