// The scrolling activity bar: its three clears (area A, area B, everything), each with the same
// question, each in its own order and each emptying the shared code box.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

const std::vector<std::string> kAFields = {"编辑框_A滚动速度", "编辑框_A字体大小", "编辑框_A字体颜色",
                                           "编辑框_公告A信息", "编辑框_图片A地址"};
const std::vector<std::string> kBFields = {"编辑框_B滚动速度", "编辑框_B字体大小", "编辑框_B字体颜色",
                                           "编辑框_公告B信息", "编辑框_图片B地址"};
const std::string kCode = "超级编辑框_F35代码生成";

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(ActivityBar, EachClearEmptiesItsFieldsInOrderAndKeepsTheOthers) {
    struct Case {
        const char* button;
        std::vector<std::string> emptied;
        std::vector<std::string> kept;
    };
    const Case cases[] = {
        {"按钮_清空A内容", joined({kAFields, {kCode}}), kBFields},
        {"按钮_清空B内容", joined({kBFields, {kCode}}), kAFields},
        {"按钮_F35清空内容", joined({kBFields, kAFields, {kCode}}), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        OpenWindow w("F35");
        w.form().setText("编辑框_A滚动速度", "3");
        w.form().setText("编辑框_B滚动速度", "5");
        w.press("按钮_F35B基础版代码");
        std::vector<std::string> emptied;
        const Subscription told =
            w.form().addChangeListener([&](const std::string& name) { emptied.push_back(name); });
        w.press(c.button);

        EXPECT_EQ(emptied, c.emptied);
        EXPECT_EQ(w.prompter.messages, std::vector<std::string>{kAskClearAll});
        for (const std::string& name : c.kept)
            EXPECT_NE(w.form().text(name), "") << name;
    }
}

} // namespace
} // namespace ornavo::testing
