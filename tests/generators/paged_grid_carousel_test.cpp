// "宝贝轮播展示-分页格子" (F22): five tab pages with their own colour picker and group clear, the
// clear-all order and the lasting effect. The whole markup is checked by the cases in windows/F22.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

const char* const kGenerate = "按钮_F22一键生成";
const char* const kList = "组合框_轮播方式";

std::vector<std::string> groupFields(int g) {
    const std::string prefix = "编辑框_" + std::to_string(g) + "组";
    std::vector<std::string> names = numberedNames(prefix + "图片地址", 1, 8);
    for (const std::string& n : numberedNames(prefix + "链接地址", 1, 8))
        names.push_back(n);
    names.push_back(prefix + "标题");
    names.push_back(prefix + "背景");
    return names;
}

TEST(PagedGridCarousel, FivePagesEachWithItsPickerAndClear) {
    const ModuleSpec& m = *moduleRegistry().byKey("F22");
    EXPECT_EQ(m.caption, "宝贝轮播展示-分页格子");
    EXPECT_EQ(m.width, 876);
    EXPECT_EQ(m.height, 710);
    EXPECT_EQ(m.top, 5);
    EXPECT_FALSE(m.basicButton.has_value());
    ASSERT_EQ(allTabControls(m).size(), 1u);
    const TabControl& tabs = *allTabControls(m)[0];
    EXPECT_EQ(tabs.name, "选择夹1");
    std::vector<std::string> captions;
    for (const TabPage& p : tabs.pages)
        captions.push_back(p.caption);
    EXPECT_EQ(captions,
              (std::vector<std::string>{" 第一组 ", " 第二组 ", " 第三组 ", " 第四组", " 第五组 "}));

    const char* const pickers[] = {"按钮_选色器", "按钮_选色器1", "按钮_选色器2", "按钮_选色器3",
                                   "按钮_选色器4"};
    std::map<std::string, std::string> pageOf;
    for (const PlacedButton& b : placedButtons(m))
        pageOf[b.button->name] = b.at.page;
    int fields = 0;
    for (const Control* c : allControls(m))
        fields += c->kind == ControlKind::Field;
    EXPECT_EQ(fields, 92);

    OpenWindow w("F22");
    for (int g = 1; g <= 5; ++g) {
        EXPECT_EQ(pageOf[pickers[g - 1]], captions[g - 1]);
        EXPECT_EQ(pageOf["按钮_清除" + std::to_string(g) + "组内容"], captions[g - 1]);
        w.form().press(pickers[g - 1]);
        EXPECT_EQ(w.form().text("编辑框_" + std::to_string(g) + "组标题"), "Ornavo" + std::to_string(g));
    }
    EXPECT_EQ(w.host.colourTables, 5);
}

TEST(PagedGridCarousel, EachGroupClearAsksItsQuestionAndEmptiesItsEighteenFields) {
    for (int g = 1; g <= 5; ++g) {
        OpenWindow w("F22");
        Form& f = w.form();
        w.press(kGenerate);
        const std::string code = f.code();
        std::vector<std::string> order;
        const Subscription told =
            f.addChangeListener([&](const std::string& name) { order.push_back(name); });
        f.press("按钮_清除" + std::to_string(g) + "组内容");
        EXPECT_EQ(w.prompter.messages, std::vector<std::string>{groupClearQuestion(g)});
        EXPECT_EQ(order, groupFields(g)) << g;
        EXPECT_EQ(f.code(), code);
        // The other groups' tabs keep their titles.
        const std::string& after = w.press(kGenerate);
        for (int other = 1; other <= 5; ++other)
            EXPECT_EQ(countOf(after, ">Ornavo" + std::to_string(other) + "</span>"), other == g ? 0u : 1u);
    }
}

TEST(PagedGridCarousel, ClearAllEmptiesEveryFieldThenTheListThenTheCodeAndKeepsTheEffect) {
    OpenWindow w("F22");
    Form& f = w.form();
    ASSERT_TRUE(f.pickEntry(kList, "左右"));
    w.press(kGenerate);
    std::vector<std::string> order;
    const Subscription told = f.addChangeListener([&](const std::string& name) { order.push_back(name); });
    f.press("按钮_F22清空内容");
    EXPECT_EQ(w.prompter.messages, std::vector<std::string>{kAskClearAll});
    std::vector<std::string> expected = {"编辑框_背景颜色", "编辑框_边框颜色"};
    for (int g = 1; g <= 5; ++g)
        for (const std::string& n : groupFields(g))
            expected.push_back(n);
    expected.push_back(kList);
    expected.push_back("超级编辑框_F22代码生成");
    EXPECT_EQ(order, expected);
    EXPECT_EQ(f.index(kList), -1);

    // The effect stays after the clear and after reopening the window.
    EXPECT_EQ(countOf(w.press(kGenerate), "{'effect': 'scrollx','autoplay'"), 1u);
    OpenWindow again("F22", &w.variables());
    EXPECT_EQ(again.form().index(kList), -1);
    EXPECT_EQ(countOf(again.press(kGenerate), "{'effect': 'scrollx','autoplay'"), 1u);
    ASSERT_TRUE(again.form().pickEntry(kList, "渐变"));
    EXPECT_EQ(countOf(again.press(kGenerate), "{'effect': 'fade','autoplay'"), 1u);
}

} // namespace
} // namespace ornavo::testing
