// Live preview without a window: which edits run the last generate button again, what reaches the
// preview, how a hand edit of the code box stops it for its window, and the remembered choice. Also the
// form's side of it: what a change comes from, and when an edit is over.

#include "framework/model/live_preview.h"
#include "framework/model/platform.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace ornavo;
using namespace ornavo::testing;

namespace {

const std::string kTitle = "编辑框_标题";
const std::string kWidth = "编辑框_宽度";
const std::string kEffect = "组合框_效果";
const std::string kRed = "单选框_红色";
const std::string kBlue = "单选框_蓝色";
const std::string kCode = "超级编辑框_代码";
const std::string kPro = "按钮_专业版代码";
const std::string kBasic = "按钮_基础版代码";
const std::string kPreview = "按钮_预览";
const std::string kClear = "按钮_清空内容";

// A window with what live preview cares about: a field whose handler derives another, a list and radio
// buttons that set window variables, an edition pair, a clear and a preview button.
ModuleSpec liveModule() {
    ModuleSpec m;
    m.key = "L01";
    m.caption = "实时测试";
    m.width = 600;
    m.height = 400;
    const Control title = withHandler(field(kTitle, "标题：", "T"), [](Form& f) {
        f.setText(kWidth, std::to_string(f.text(kTitle).size() * 10));
    });
    m.sections = {
        {"设置",
         {line({title, field(kWidth, "宽度：", "10"),
                choiceList(kEffect, "效果：", {{"左右", "scrollx"}, {"渐变", "fade"}}, "effect")}),
          line({choiceRadio(kRed, "红", "colour", "red"), choiceRadio(kBlue, "蓝", "colour", "blue")})}}};
    m.codeBox = codeBox(kCode);
    auto [pro, basic] = editionButtons(kPro, kBasic, [](const Form& f) {
        return "<p class=\"" + f.var("effect") + " " + f.var("colour") +
               "\" style=\"width:" + f.text(kWidth) + "px\">" + f.text(kTitle) + "</p>";
    });
    m.buttons = {pro, basic, previewButton(kPreview), clearButton(kClear, "清空内容", {kTitle, kCode})};
    return m;
}

// The preview window as live preview sees it.
struct View : LiveView {
    std::vector<std::string> codes;
    std::vector<std::pair<bool, std::string>> states;
    void showLiveCode(const std::string& code) override { codes.push_back(code); }
    void showLiveState(bool on, const std::string& notice) override { states.emplace_back(on, notice); }
};

class Live : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = ornavo::testing::scratchFolder("live");
        ASSERT_FALSE(folder.empty());
        choice = folder + "/state/live-preview";
        vars.clear();
        live = std::make_unique<LivePreview>(choice);
        form = std::make_unique<Form>(module, vars, prompter, host);
        window = std::make_unique<LiveWindow>(*form, *live);
    }
    void TearDown() override {
        window.reset();
        fs::remove_all(folder);
    }
    // Live preview on, the window generated with `button` and shown in the preview.
    void generatedAndShown(const std::string& button = kPro) {
        live->setLive(true);
        form->press(button);
        form->press(kPreview);
        live->setView(&view);
    }
    // What the button gives for the form as it is now, from a second form with the same texts.
    std::string expected(const std::string& button) {
        WindowVariables copyVars = vars;
        Form copy(module, copyVars, prompter, host);
        copy.restore(form->snapshot());
        copy.press(button);
        return copy.code();
    }

    ModuleSpec module = liveModule();
    WindowVariables vars;
    ScriptedPrompter prompter;
    RecordingHost host;
    std::string folder, choice;
    std::unique_ptr<LivePreview> live;
    std::unique_ptr<Form> form;
    std::unique_ptr<LiveWindow> window;
    View view;
};

} // namespace

// The edit listeners hear of an edit once, after its handlers; changes made by buttons and restore()
// carry their cause and are no edits.
TEST(FormChanges, EditsAreToldOnceWhenDoneAndActionsByTheirCause) {
    const ModuleSpec module = liveModule();
    WindowVariables vars;
    ScriptedPrompter prompter;
    RecordingHost host;
    Form form(module, vars, prompter, host);
    std::vector<std::string> edits;
    std::vector<std::pair<std::string, ChangeCause>> changes;
    const Subscription editsTold = form.addEditListener([&](const std::string& name) {
        edits.push_back(name + "=" + form.text(name) + " width " + form.text(kWidth));
    });
    const Subscription changesTold =
        form.addChangeListener([&](const std::string& name) { changes.emplace_back(name, form.cause()); });

    form.setText(kTitle, "ABC"); // its handler sets the width before the edit is told
    form.setText(kTitle, "ABC"); // no change: nothing to tell
    form.pick(kEffect, 1);
    form.pick(kEffect, 1); // a pick is told again, as its handler runs again
    form.choose(kBlue);
    form.press(kPro);
    form.press(kClear);
    form.restore(FormSnapshot{});
    EXPECT_EQ(edits, (std::vector<std::string>{"编辑框_标题=ABC width 30", "组合框_效果=渐变 width 30",
                                               "组合框_效果=渐变 width 30", "单选框_蓝色= width 30"}));
    const std::vector<std::pair<std::string, ChangeCause>> expected = {
        {kTitle, ChangeCause::Edit},   {kWidth, ChangeCause::Edit},   {kEffect, ChangeCause::Edit},
        {kEffect, ChangeCause::Edit},  {kBlue, ChangeCause::Edit},    {kCode, ChangeCause::Generate},
        {kTitle, ChangeCause::Action}, {kWidth, ChangeCause::Action}, {kCode, ChangeCause::Action},
        {kBlue, ChangeCause::Restore}};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(form.cause(), ChangeCause::Edit);
}

// With live preview on, every kind of setting runs the last generate button again (whichever of the
// pair it was) and the preview gets the new code; with it off, or before any generate, nothing runs.
TEST_F(Live, EachSettingRunsTheLastGenerateButtonAgain) {
    struct Case {
        const char* what;
        std::function<void(Form&)> edit;
    };
    const Case cases[] = {
        {"field", [](Form& f) { f.setText(kTitle, "新标题"); }},
        {"derived field", [](Form& f) { f.setText(kWidth, "77"); }},
        {"list", [](Form& f) { f.pick(kEffect, 1); }},
        {"radio", [](Form& f) { f.choose(kRed); }},
    };
    for (const std::string& button : {kPro, kBasic})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " after " + button);
            TearDown();
            view = View{};
            SetUp();
            generatedAndShown(button);
            const std::string before = form->code();
            c.edit(*form);
            EXPECT_NE(form->code(), before);
            EXPECT_EQ(form->code(), expected(button));
            ASSERT_EQ(view.codes.size(), 1u);
            EXPECT_EQ(view.codes.back(), form->code());
        }
}

TEST_F(Live, NothingRunsWhenOffBeforeAGenerateOrWithoutAPreview) {
    // Off, the default.
    form->press(kPro);
    form->press(kPreview);
    live->setView(&view);
    const std::string code = form->code();
    form->setText(kTitle, "x");
    EXPECT_EQ(form->code(), code);
    EXPECT_TRUE(view.codes.empty());

    // On, but nothing generated yet in a window.
    live->setLive(true);
    view.codes.clear(); // the page caught up with the window shown
    Form fresh(module, vars, prompter, host);
    LiveWindow freshLive(fresh, *live);
    fresh.press(kPreview);
    fresh.setText(kTitle, "y");
    EXPECT_EQ(fresh.code(), "");
    EXPECT_TRUE(view.codes.empty());

    // A window the preview does not show: its preview button was never pressed there.
    Form other(module, vars, prompter, host);
    LiveWindow otherLive(other, *live);
    other.press(kPro);
    const std::string otherCode = other.code();
    other.setText(kTitle, "z");
    EXPECT_EQ(other.code(), otherCode);

    // The preview window closed: it follows nobody until a preview button is pressed again.
    form->press(kPreview);
    live->setView(nullptr);
    form->setText(kTitle, "w");
    EXPECT_EQ(form->code(), code);
    EXPECT_EQ(live->followed(), nullptr);
}

// A hand edit of the code box turns live preview off for that window and says so; nothing overwrites
// the edit. The choice stays on for other windows, and ticking the box again resumes it here.
TEST_F(Live, AHandEditStopsItForItsWindowOnly) {
    generatedAndShown();
    form->setText(kCode, "<b>我的代码</b>");
    ASSERT_EQ(view.states.size(), 1u);
    EXPECT_EQ(view.states.back(), std::make_pair(false, std::string(LivePreview::kHandEditNotice)));
    EXPECT_FALSE(live->live());
    EXPECT_EQ(live->notice(), LivePreview::kHandEditNotice);
    EXPECT_TRUE(live->chosen());
    form->setText(kTitle, "改了");
    form->pick(kEffect, 0);
    EXPECT_EQ(form->code(), "<b>我的代码</b>");
    EXPECT_TRUE(view.codes.empty());

    // Another window is still live.
    Form other(module, vars, prompter, host);
    LiveWindow otherLive(other, *live);
    EXPECT_TRUE(otherLive.live());
    EXPECT_FALSE(window->live());

    // Ticked again: on here too, and the page catches up with the code box at once.
    live->setLive(true);
    EXPECT_TRUE(live->live());
    EXPECT_EQ(view.states.back(), std::make_pair(true, std::string()));
    ASSERT_EQ(view.codes.size(), 1u);
    EXPECT_EQ(view.codes.back(), "<b>我的代码</b>");
    form->setText(kTitle, "再改");
    EXPECT_EQ(form->code(), expected(kPro));
}

// Buttons and restored settings are not hand edits: the page follows the code box, and only the
// user's own edits of settings run the generate button.
TEST_F(Live, ButtonsAndRestoresAreNoHandEdits) {
    generatedAndShown();
    form->press(kClear); // empties the title, then the code box
    EXPECT_TRUE(live->live());
    EXPECT_EQ(form->code(), "");
    ASSERT_EQ(view.codes.size(), 1u);
    EXPECT_EQ(view.codes.back(), "");

    FormSnapshot saved = form->snapshot();
    saved.texts[kCode] = "<i>保存的</i>";
    form->restore(saved);
    EXPECT_TRUE(live->live());
    EXPECT_EQ(view.codes.back(), "<i>保存的</i>");
}

TEST_F(Live, TheChoiceIsRemembered) {
    EXPECT_FALSE(live->chosen()); // nothing kept yet: off
    live->setLive(true);
    EXPECT_EQ(live->failure(), "");
    EXPECT_TRUE(LivePreview(choice).chosen());
    live->setLive(false);
    EXPECT_FALSE(LivePreview(choice).chosen());
    EXPECT_FALSE(LivePreview("").chosen());

    // A file that says anything else is off; one that cannot be written is told, and the choice
    // still holds for this run.
    std::ofstream(choice) << "yes\n";
    EXPECT_FALSE(LivePreview(choice).chosen());
    std::ofstream(folder + "/plain") << "";
    LivePreview unwritable(folder + "/plain/live-preview");
    unwritable.setLive(true);
    EXPECT_NE(unwritable.failure(), "");
    EXPECT_TRUE(unwritable.chosen());
}

// The window goes before the preview does: nothing follows it any more.
TEST_F(Live, AClosedWindowIsFollowedNoMore) {
    generatedAndShown();
    EXPECT_EQ(live->followed(), window.get());
    window.reset();
    EXPECT_EQ(live->followed(), nullptr);
    form->setText(kTitle, "x"); // the form outlives its live part here: nothing happens
    EXPECT_TRUE(view.codes.empty());
    EXPECT_TRUE(live->live()); // the user's choice, with no window followed
}

// A listener ends with its subscription, also while a change is still being told (a window closed by
// what it hears): the form goes on with the listeners that remain, never reaches the one that is gone,
// and a subscription may outlive its form. Run under ASan in the clang build.
TEST(FormListeners, EndWhileTheFormIsStillChanging) {
    const ModuleSpec module = liveModule();
    WindowVariables vars;
    Unattended nobody;
    LivePreview live("");
    auto form = std::make_unique<Form>(module, vars, nobody, nobody);
    auto link = std::make_unique<LiveWindow>(*form, live);
    std::vector<std::string> told;
    Subscription rest, edits;
    int selfEnding = 0;
    bool endOthers = false;
    Subscription first = form->addChangeListener([&](const std::string&) {
        if (endOthers) {
            rest.reset();
            edits.reset();
        }
    });
    Subscription ending = form->addChangeListener([&](const std::string&) { link.reset(); });
    Subscription self;
    self = form->addChangeListener([&](const std::string&) {
        ++selfEnding;
        self.reset();
    });
    rest = form->addChangeListener([&](const std::string& name) { told.push_back(name); });
    edits = form->addEditListener([&](const std::string& name) { told.push_back("edit " + name); });

    // The title's handler sets the width: two changes and an edit told, the live link gone at the first.
    form->setText(kTitle, "ABC");
    EXPECT_EQ(link, nullptr);
    EXPECT_EQ(selfEnding, 1);
    EXPECT_EQ(told, (std::vector<std::string>{kTitle, kWidth, "edit " + kTitle}));
    form->press(kPro);
    EXPECT_EQ(told.size(), 4u);

    // A listener that ends the others' subscriptions: they hear nothing more, not even of this change.
    endOthers = true;
    form->setText(kTitle, "A");
    EXPECT_EQ(told.size(), 4u);

    // The form goes first; its subscriptions end later with nothing to do.
    form.reset();
    ending.reset();
    first.reset();
}
