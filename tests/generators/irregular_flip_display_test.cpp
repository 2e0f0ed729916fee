// The irregular flip display: its clear empties all eighteen fields and the code box.

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace ornavo::testing {
namespace {

TEST(IrregularFlipDisplay, ClearEmptiesEveryFieldAndTheCode) {
    OpenWindow w("F31");
    w.press("按钮_F31基础版代码");
    std::set<std::string> emptied;
    w.form().setChangeListener([&](const std::string& name) { emptied.insert(name); });
    w.press("按钮_F31清空内容");

    std::set<std::string> expected{"超级编辑框_F31代码生成"};
    for (const char* column : {"编辑框_正面图片", "编辑框_反面图片", "编辑框_链接地址"})
        for (const char* row : {"01", "02", "03", "04", "05", "06"})
            expected.insert(std::string(column) + row);
    EXPECT_EQ(emptied, expected);
    for (const std::string& name : expected)
        EXPECT_EQ(w.form().text(name), "") << name;
}

} // namespace
} // namespace ornavo::testing
