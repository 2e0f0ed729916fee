// The four-cell magnifier: what its clear empties, in which order.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

TEST(FourCellMagnifier, ClearEmptiesSizesLinksPicturesThenCode) {
    OpenWindow w("F24");
    w.press("按钮_F24专业版代码");
    std::vector<std::string> emptied;
    const Subscription told =
        w.form().addChangeListener([&](const std::string& name) { emptied.push_back(name); });
    w.press("按钮_F24清空内容");

    std::vector<std::string> expected;
    for (const char* column :
         {"编辑框_放大高", "编辑框_放大宽", "编辑框_链接地址", "编辑框_大图地址", "编辑框_小图地址"})
        for (const char* row : {"04", "03", "02", "01"})
            expected.push_back(std::string(column) + row);
    expected.push_back("超级编辑框_F24代码生成");
    EXPECT_EQ(emptied, expected);
    EXPECT_EQ(w.prompter.messages, std::vector<std::string>{kAskClearAll});
}

} // namespace
} // namespace ornavo::testing
