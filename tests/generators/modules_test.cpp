// Checks every registered module window description, one row per window.

#include "framework/model/markup.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

std::vector<std::string> allKeys() {
    std::vector<std::string> keys;
    for (const ModuleSpec& m : moduleRegistry().all())
        keys.push_back(m.key);
    return keys;
}

bool startsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

// Windows whose output is a style sheet have no preview button.
const std::set<std::string> kStyleSheetWindows = {"店铺导航CSS生成模块", "店铺全屏背景",
                                                  "导航变色效果（图片颜色底图）"};

class EveryModule : public ::testing::TestWithParam<std::string> {
  protected:
    const ModuleSpec& module() { return *moduleRegistry().byKey(GetParam()); }
};

} // namespace

TEST(Registry, KeysAreCatalogueNumbersAndCaptionsAreUnique) {
    std::set<std::string> captions;
    for (const ModuleSpec& m : moduleRegistry().all()) {
        EXPECT_TRUE(std::regex_match(m.key, std::regex("F(0[1-9]|[12][0-9]|3[0-5])"))) << m.key;
        EXPECT_TRUE(captions.insert(m.caption).second) << m.caption;
        EXPECT_EQ(moduleRegistry().byCaption(m.caption), &m);
    }
    EXPECT_EQ(moduleRegistry().byKey("F00"), nullptr);
}

TEST_P(EveryModule, ControlNamesCarryTheirKindPrefix) {
    for (const Control* c : allControls(module())) {
        switch (c->kind) {
        case ControlKind::Field:
            EXPECT_TRUE(startsWith(c->name, "编辑框_")) << c->name;
            break;
        case ControlKind::List:
            EXPECT_TRUE(startsWith(c->name, "组合框_")) << c->name;
            EXPECT_FALSE(c->entries.empty()) << c->name;
            break;
        case ControlKind::Radio:
            EXPECT_TRUE(startsWith(c->name, "单选框_")) << c->name;
            break;
        case ControlKind::Label:
            EXPECT_TRUE(startsWith(c->name, "标签")) << c->name;
            break;
        case ControlKind::Picture: // a picture box, or a picture button that shows its sample
            EXPECT_TRUE(startsWith(c->name, "图片框") || startsWith(c->name, "图形按钮_")) << c->name;
            break;
        case ControlKind::CodeBox:
            EXPECT_TRUE(startsWith(c->name, "超级编辑框_")) << c->name;
            break;
        }
    }
}

TEST_P(EveryModule, HasTheStandardButtonsWithUniqueNames) {
    std::set<std::string> names;
    std::map<Action, int> count;
    for (const Button* button : allButtons(module())) {
        const Button& b = *button;
        EXPECT_TRUE(startsWith(b.name, "按钮_")) << b.name;
        EXPECT_TRUE(names.insert(b.name).second) << b.name;
        EXPECT_FALSE(b.caption.empty());
        ++count[b.action];
        if (b.action == Action::Generate) {
            EXPECT_TRUE(static_cast<bool>(b.generate)) << b.name;
        }
    }
    EXPECT_GE(count[Action::Generate], 1);
    EXPECT_EQ(count[Action::Copy], 1);
    EXPECT_EQ(count[Action::Exit], 1);
    EXPECT_GE(count[Action::Clear], 1);
    EXPECT_EQ(count[Action::Preview], kStyleSheetWindows.count(module().caption) ? 0 : 1) << module().caption;
    EXPECT_GT(module().width, 0);
    EXPECT_GT(module().height, 0);
}

TEST_P(EveryModule, ClearTargetsAreFieldsListsOrTheCodeBox) {
    OpenWindow w(GetParam());
    for (const Button* button : allButtons(module())) {
        const Button& b = *button;
        if (b.action != Action::Clear)
            continue;
        EXPECT_FALSE(b.question.empty());
        std::set<std::string> seen;
        for (const std::string& t : b.targets) {
            const Control* c = w.form().control(t);
            ASSERT_NE(c, nullptr) << b.name << " empties unknown " << t;
            EXPECT_TRUE(c->kind == ControlKind::Field || c->kind == ControlKind::List ||
                        c->kind == ControlKind::CodeBox)
                << t;
            EXPECT_TRUE(seen.insert(t).second) << b.name << " lists " << t << " twice";
        }
    }
}

TEST_P(EveryModule, GeneratesFromDefaultsAndFromAnythingTyped) {
    OpenWindow w(GetParam());
    for (const Button* b : allButtons(module())) {
        if (b->action == Action::Generate) {
            EXPECT_FALSE(w.press(b->name).empty()) << b->name;
        }
    }
    // Every list entry, every radio, and odd texts in every field: nothing may throw.
    for (const Control* c : allControls(module())) {
        if (c->kind == ControlKind::List) {
            for (const std::string& e : c->entries)
                EXPECT_TRUE(w.form().pickEntry(c->name, e));
        }
        if (c->kind == ControlKind::Radio)
            w.form().choose(c->name);
    }
    for (const char* odd : {"", "ａｂｃ", "-", "99999999999999999999", "<\"'&>"})
        for (const Control* c : allControls(module()))
            if (c->kind == ControlKind::Field)
                w.form().setText(c->name, odd);
    for (const Button* b : allButtons(module())) {
        if (b->action == Action::Generate) {
            EXPECT_NO_THROW(w.press(b->name)) << b->name;
        }
    }
}

// Gives every field a text of its own ("<name>!") so that a generator that reads the wrong field shows.
void typeDistinctTexts(Form& form) {
    for (const Control* c : allControls(form.module()))
        if (c->kind == ControlKind::Field)
            form.setText(c->name, c->name + "!");
}

// The eleven windows with a basic-edition button; the scrolling bar has two.
const std::map<std::string, int> kEditionPairs = {{"F19", 1}, {"F20", 1}, {"F21", 1}, {"F24", 1},
                                                  {"F26", 1}, {"F27", 1}, {"F31", 1}, {"F32", 1},
                                                  {"F33", 1}, {"F34", 1}, {"F35", 2}};

TEST_P(EveryModule, BasicEditionIsTheBreakoutAroundTheProfessionalMarkup) {
    OpenWindow w(GetParam());
    int pairs = 0;
    for (const Button* basic : allButtons(module())) {
        if (basic->basicOf.empty())
            continue;
        ++pairs;
        const Button* professional = w.form().button(basic->basicOf);
        ASSERT_NE(professional, nullptr) << basic->name << " wraps a missing " << basic->basicOf;
        EXPECT_EQ(basic->caption, "基础版代码");
        EXPECT_EQ(professional->caption, "专业版代码");
        for (int round = 0; round < 2; ++round) {
            if (round == 1)
                typeDistinctTexts(w.form());
            const std::string pro = w.press(professional->name);
            const std::string wrapped = w.press(basic->name);
            EXPECT_EQ(wrapped, markup::basicEdition(pro)) << basic->name;
            EXPECT_EQ(wrapped.compare(0, 744, markup::kBasicEditionBreakout), 0);
            EXPECT_EQ(wrapped.substr(wrapped.size() - 24), "</div></div></div></div>");
        }
    }
    const auto expected = kEditionPairs.find(GetParam());
    EXPECT_EQ(pairs, expected == kEditionPairs.end() ? 0 : expected->second);
}

TEST_P(EveryModule, PinnedFieldsPutTheirTextBack) {
    OpenWindow w(GetParam());
    for (const Control* c : allControls(module())) {
        if (!c->pinned)
            continue;
        w.form().setText(c->name, "1");
        EXPECT_EQ(w.form().text(c->name), c->text) << c->name;
        w.form().setText(c->name, "");
        EXPECT_EQ(w.form().text(c->name), c->text) << c->name;
    }
}

// Every clear asks first and No changes nothing; Yes empties the code box only where it is a target.
// A group clear empties its group and leaves everything else as it was.
TEST_P(EveryModule, ClearsAskFirstAndGroupClearsKeepTheOtherGroups) {
    for (const Button* b : allButtons(module())) {
        if (b->action != Action::Clear)
            continue;
        SCOPED_TRACE(b->name);
        OpenWindow w(GetParam());
        typeDistinctTexts(w.form());
        w.form().setText(module().codeBox.name, "code");
        auto snapshot = [&] {
            std::map<std::string, std::string> texts;
            for (const Control* c : allControls(module()))
                if (c->kind == ControlKind::Field || c->kind == ControlKind::CodeBox ||
                    c->kind == ControlKind::List)
                    texts[c->name] = w.form().text(c->name) + "#" + std::to_string(w.form().index(c->name));
            return texts;
        };
        const auto before = snapshot();
        w.prompter.answers = {Answer::No};
        w.form().press(b->name);
        EXPECT_EQ(snapshot(), before);
        ASSERT_EQ(w.prompter.messages.size(), 1u);
        const std::string question = w.prompter.messages[0];
        bool groupClear = false;
        for (int group = 1; group <= 5; ++group)
            groupClear = groupClear || question == groupClearQuestion(group);
        EXPECT_TRUE(groupClear || question == kAskClearAll) << question;

        w.form().press(b->name);
        const std::set<std::string> targets(b->targets.begin(), b->targets.end());
        EXPECT_EQ(w.form().code(), targets.count(module().codeBox.name) ? "" : "code");
        if (!groupClear)
            continue;
        for (const auto& [name, was] : before) {
            const Control* c = w.form().control(name);
            if (!targets.count(name))
                EXPECT_EQ(w.form().text(name) + "#" + std::to_string(w.form().index(name)), was) << name;
            else if (c->kind == ControlKind::List)
                EXPECT_EQ(w.form().index(name), -1) << name;
            else
                EXPECT_EQ(w.form().text(name), c->pinned ? c->text : "") << name;
        }
    }
}

TEST_P(EveryModule, RadiosOfAGroupExcludeEachOther) {
    OpenWindow w(GetParam());
    std::map<std::string, std::vector<std::string>> groups;
    for (const Control* c : allControls(module()))
        if (c->kind == ControlKind::Radio)
            groups[c->group].push_back(c->name);
    for (const auto& [group, radios] : groups) {
        for (const std::string& chosen : radios) {
            w.form().choose(chosen);
            for (const std::string& other : radios)
                EXPECT_EQ(w.form().checked(other), other == chosen) << other;
        }
    }
}

// Tab controls are named as the window's other tab controls: 选择夹1, 选择夹2, …
TEST_P(EveryModule, TabControlsHaveNamedCaptionedPages) {
    for (const TabControl* t : allTabControls(module())) {
        EXPECT_TRUE(startsWith(t->name, "选择夹")) << t->name;
        EXPECT_GE(t->pages.size(), 2u) << t->name;
        for (const TabPage& page : t->pages)
            EXPECT_FALSE(page.caption.empty()) << t->name;
    }
}

// Saved settings carry the window variables by name (`var`): every variable the window's handlers set,
// whatever the user picks, chooses or types, must be one the window names.
TEST_P(EveryModule, NamesEveryWindowVariableItsHandlersSet) {
    OpenWindow w(GetParam());
    for (const Control* c : allControls(module())) {
        if (c->kind == ControlKind::List)
            for (int k = 0; k < static_cast<int>(c->entries.size()); ++k)
                w.form().pick(c->name, k);
        else if (c->kind == ControlKind::Radio)
            w.form().choose(c->name);
        else if (c->kind == ControlKind::Field)
            w.form().setText(c->name, "12");
    }
    const std::vector<std::string> named = windowVariables(module());
    for (const auto& [name, value] : w.variables())
        EXPECT_NE(std::find(named.begin(), named.end(), name), named.end()) << name;
    EXPECT_EQ(std::set<std::string>(named.begin(), named.end()).size(), named.size());
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryModule, ::testing::ValuesIn(allKeys()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });
