// The two irregular mosaics (flip and mask): their clear empties every field and the code box.

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace ornavo::testing {
namespace {

struct Mosaic {
    const char* key;
    const char* generate;
    const char* clear;
    const char* code;
    std::vector<const char*> columns;
    int rows;
};

TEST(IrregularMosaics, ClearEmptiesEveryFieldAndTheCode) {
    const Mosaic mosaics[] = {
        {"F31",
         "按钮_F31基础版代码",
         "按钮_F31清空内容",
         "超级编辑框_F31代码生成",
         {"编辑框_正面图片", "编辑框_反面图片", "编辑框_链接地址"},
         6},
        {"F32",
         "按钮_F32专业版代码",
         "按钮_F32清空内容",
         "超级编辑框_F32代码生成",
         {"编辑框_正面图片", "编辑框_遮罩颜色", "编辑框_链接地址"},
         5},
    };
    for (const Mosaic& m : mosaics) {
        SCOPED_TRACE(m.key);
        OpenWindow w(m.key);
        w.press(m.generate);
        std::set<std::string> emptied;
        const Subscription told =
            w.form().addChangeListener([&](const std::string& name) { emptied.insert(name); });
        w.press(m.clear);

        std::set<std::string> expected{m.code};
        for (const char* column : m.columns)
            for (int row = 1; row <= m.rows; ++row)
                expected.insert(column + twoDigits(row));
        EXPECT_EQ(emptied, expected);
        for (const std::string& name : expected)
            EXPECT_EQ(w.form().text(name), "") << name;
    }
}

} // namespace
} // namespace ornavo::testing
