// The customer-service centre: the clear's order, which empties the service picture after the code box.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

TEST(ServiceCentre, ClearEmptiesGroupContactsNoticesColoursCodeThenPicture) {
    OpenWindow w("F34");
    w.press("按钮_F34基础版代码");
    std::vector<std::string> emptied;
    const Subscription told =
        w.form().addChangeListener([&](const std::string& name) { emptied.push_back(name); });
    w.prompter.answers = {Answer::No};
    w.press("按钮_F34清空内容");
    EXPECT_TRUE(emptied.empty());
    w.press("按钮_F34清空内容");

    std::vector<std::string> expected{"编辑框_群号"};
    for (const char* column : {"编辑框_售后", "编辑框_售前", "编辑框_公告", "编辑框_公告链接"})
        for (const char* row : {"05", "04", "03", "02", "01"})
            expected.push_back(std::string(column) + row);
    expected.insert(expected.end(), {"编辑框_公告条颜色", "编辑框_背景颜色", "编辑框_关注我们",
                                     "超级编辑框_F34代码生成", "编辑框_客服中心"});
    EXPECT_EQ(emptied, expected);
    for (const std::string& name : expected)
        EXPECT_EQ(w.form().text(name), "") << name;
}

} // namespace
} // namespace ornavo::testing
