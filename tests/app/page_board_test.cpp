// The page board as a user works it, on the offscreen platform: modules joining from their windows
// ("加入页面"), from a settings file and from the catalogue; moved, duplicated, hidden, renamed and
// every change undone; edited in their windows and taken back when those close; copied; the page
// kept after every change and offered back after a crash; the whole page previewed with each module
// in its slot.

#include "app/module_windows.h"
#include "app/page_board_window.h"
#include "framework/model/page_preview.h"
#include "framework/model/platform.h"
#include "framework/model/settings_writer.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/restore_bar.h"
#include "support/test_support.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <regex>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

class Board : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(state.isValid());
        open();
    }
    void TearDown() override { delete board.data(); }
    void open() {
        delete board.data();
        app::BoardServices services;
        services.windows = &windows;
        services.prompter = &prompter;
        services.copy = [this](const std::string& text) { clipboard = text; };
        services.showPage = [this](const std::string& file, QWidget*, std::function<void(int)> selected,
                                   std::function<void(const std::string&)>) {
            shownPage = file;
            select = std::move(selected);
        };
        services.chooseFile = [this](bool, const QString&, const QString&, const QString&) { return chosen; };
        services.stateFolder = state.path().toStdString();
        services.previewFolder = state.path().toStdString() + "/preview";
        board = new app::PageBoardWindow(std::move(services));
        board->show();
    }
    // The keys on the board's list in the order it shows them (area by area).
    std::vector<std::string> listed() {
        std::vector<std::string> keys;
        QTreeWidget* list = board->list();
        for (int a = 0; a < list->topLevelItemCount(); ++a)
            for (int i = 0; i < list->topLevelItem(a)->childCount(); ++i)
                keys.push_back(
                    list->topLevelItem(a)->child(i)->text(1).section(QLatin1Char(' '), 0, 0).toStdString());
        return keys;
    }
    QAction* action(const char* text) {
        for (QAction* a : board->findChildren<QAction*>())
            if (a->text().startsWith(QString::fromUtf8(text)))
                return a;
        ADD_FAILURE() << "no action " << text;
        return nullptr;
    }
    // A module window opened as the catalogue opens it, given a link, and added with "加入页面".
    void addFromWindow(const char* key, const std::string& link) {
        ui::GeneratorWindow* window = windows.open(*moduleRegistry().byKey(key));
        ASSERT_NE(window, nullptr);
        for (const Control* c : allControls(window->form().module()))
            if (c->kind == ControlKind::Field && c->name.find("链接") != std::string::npos) {
                window->form().setText(c->name, link);
                break;
            }
        QAction* add = window->findChild<QAction*>(QStringLiteral("加入页面"));
        ASSERT_NE(add, nullptr) << key << ": no 加入页面";
        add->trigger();
        window->done(QDialog::Accepted);
    }

    QTemporaryDir state;
    ScriptedPrompter prompter;
    RecordingHost host;
    app::ModuleWindows windows{moduleRegistry(), prompter, host};
    QPointer<app::PageBoardWindow> board;
    std::string clipboard, shownPage;
    std::function<void(int)> select;
    QString chosen;
};

} // namespace

// Three modules from their windows; moved with the keyboard, duplicated, hidden, undone step by step
// and done again; the page preview holds every shown module in its slot, in page order.
TEST_F(Board, APageFromThreeWindowsReorderedUndoneAndPreviewed) {
    addFromWindow("F03", "http://example.com/poster");
    addFromWindow("F15", "http://example.com/flip");
    addFromWindow("F34", "http://example.com/service");
    ASSERT_EQ(listed(), (std::vector<std::string>{"F03", "F15", "F34"}));
    EXPECT_NE(board->board().page().modules[0].settings.find("http://example.com/poster"), std::string::npos);

    board->selectModule(board->board().page().modules[2].id);
    board->moveSelected(-1); // Alt+Up
    EXPECT_EQ(listed(), (std::vector<std::string>{"F03", "F34", "F15"}));
    board->selectModule(board->board().page().modules[2].id);
    action("复制一份")->trigger();
    EXPECT_EQ(listed(), (std::vector<std::string>{"F03", "F34", "F15", "F15"}));
    action("隐藏/显示")->trigger();
    EXPECT_TRUE(board->board().page().modules[3].hidden);

    action("撤销")->trigger(); // shown again
    action("撤销")->trigger(); // no duplicate
    EXPECT_EQ(listed(), (std::vector<std::string>{"F03", "F34", "F15"}));
    action("撤销")->trigger(); // the move
    EXPECT_EQ(listed(), (std::vector<std::string>{"F03", "F15", "F34"}));
    action("重做")->trigger();
    EXPECT_EQ(listed(), (std::vector<std::string>{"F03", "F34", "F15"}));

    board->previewPage();
    ASSERT_FALSE(shownPage.empty());
    const Result<std::string, ReadFailure> page = readFile(shownPage, kPageSizeLimit);
    ASSERT_TRUE(page);
    // The slots, in the order the page holds them.
    std::vector<int> slotIds;
    const std::regex slot("data-ornavo-slot=\"([0-9]+)\"");
    for (auto it = std::sregex_iterator(page->begin(), page->end(), slot); it != std::sregex_iterator(); ++it)
        slotIds.push_back(std::stoi((*it)[1]));
    std::vector<int> ids;
    for (const PageModule& m : board->board().page().modules)
        ids.push_back(m.id);
    EXPECT_EQ(slotIds, ids);
    // A click on a module in the preview selects it on the board.
    ASSERT_TRUE(select);
    select(ids[2]);
    EXPECT_EQ(board->selected(), std::optional<std::size_t>(2));
}

// A module opens in its window with its settings; what the window shows when it closes is the
// module's; its code then needs pasting again, and undo brings the copied code back.
TEST_F(Board, EditedInItsWindowTakenBackWhenItCloses) {
    addFromWindow("F03", "http://example.com/before");
    QToolButton* copy = board->findChild<QToolButton*>(
        QStringLiteral("按钮_复制模块%1").arg(board->board().page().modules[0].id));
    ASSERT_NE(copy, nullptr);
    copy->click();
    EXPECT_EQ(clipboard, board->board().shown()[0].module.pageCode);
    EXPECT_EQ(board->list()->topLevelItem(2)->child(0)->text(4), QStringLiteral("已粘贴"));

    board->editModule(0);
    ui::GeneratorWindow* window = windows.window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->form().text("编辑框_链接地址"), "http://example.com/before");
    window->form().setText("编辑框_链接地址", "http://example.com/after");
    window->form().press("按钮_全屏海报一键生成");
    window->done(QDialog::Accepted);
    EXPECT_NE(board->board().page().modules[0].settings.find("http://example.com/after"), std::string::npos);
    EXPECT_EQ(board->list()->topLevelItem(2)->child(0)->text(4), QStringLiteral("已改动，需重新粘贴"));
    action("撤销")->trigger();
    EXPECT_EQ(board->list()->topLevelItem(2)->child(0)->text(4), QStringLiteral("已粘贴"));
}

// A settings file joins the page; one that cannot be read is said so and changes nothing; the page
// is saved, and after a crash the kept page is offered back.
TEST_F(Board, FilesJoinThePageAndAKeptPageComesBack) {
    OpenWindow sign("F09");
    const std::string file = state.path().toStdString() + "/sign.ornavo";
    ASSERT_TRUE(writeFile(file, settingsText(sign.form(), moduleRegistry())));
    ASSERT_TRUE(board->addFromFile(file, false));
    EXPECT_EQ(listed(), std::vector<std::string>{"F09"});
    EXPECT_EQ(board->list()->topLevelItem(0)->childCount(), 1) << "the sign stands in the shop sign's place";
    EXPECT_FALSE(board->addFromFile(file + ".missing", false));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find("文件不存在"), std::string::npos) << prompter.messages[0];

    addFromWindow("F03", "http://example.com/kept");
    // The program dies: the board's last state is on disk within a second.
    QTest::qWait(1300);
    board->board().newPage("crashed"); // what the dead board would not have done: nothing else is written
    delete board.data();
    open();
    ASSERT_NE(board->restoreBar(), nullptr) << "the kept page is not offered";
    QTest::mouseClick(board->restoreBar()->findChild<QPushButton*>(QStringLiteral("按钮_恢复上次内容")),
                      Qt::LeftButton);
    EXPECT_EQ(listed(), (std::vector<std::string>{"F09", "F03"}));
    EXPECT_TRUE(board->board().canUndo()) << "restoring is a change the user can take back";
    // The keyboard starts on the modules: one stands selected in the list, which has the focus.
    EXPECT_EQ(board->focusWidget(), board->list());
    ASSERT_NE(board->list()->currentItem(), nullptr);
    EXPECT_NE(board->list()->currentItem()->parent(), nullptr) << "a heading, not a module, is selected";

    chosen = state.path() + QStringLiteral("/首页.ornavo-page");
    ASSERT_TRUE(board->save());
    EXPECT_FALSE(board->board().modified());
    EXPECT_TRUE(QFile::exists(chosen));
}

// A linked settings file changed behind the page's back is never taken silently: not when the page
// opens, not when its window closes unsaved; "更新链接…" asks, and only a yes takes it.
TEST_F(Board, AChangedLinkIsOfferedNotTaken) {
    OpenWindow poster("F03");
    poster.form().setText("编辑框_链接地址", "http://example.com/linked");
    poster.form().press("按钮_全屏海报一键生成");
    const std::string file = state.path().toStdString() + "/poster.ornavo";
    ASSERT_TRUE(writeFile(file, settingsText(poster.form(), moduleRegistry())));
    ASSERT_TRUE(board->addFromFile(file, true));
    const std::string linkedHash = board->board().page().modules[0].linkHash;
    poster.form().setText("编辑框_链接地址", "http://example.com/changed");
    poster.form().press("按钮_全屏海报一键生成");
    ASSERT_TRUE(writeFile(file, settingsText(poster.form(), moduleRegistry())));

    board->editModule(0);
    ASSERT_NE(windows.window(), nullptr);
    windows.window()->done(QDialog::Accepted); // looked at, not saved
    EXPECT_EQ(board->board().page().modules[0].linkHash, linkedHash) << "taken when its window closed";

    board->list()->setCurrentItem(board->list()->topLevelItem(2)->child(0));
    prompter.answers = {Answer::No};
    action("更新链接")->trigger();
    EXPECT_EQ(board->board().page().modules[0].linkHash, linkedHash) << "taken though the user said no";
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_NE(prompter.messages.back().find("poster.ornavo"), std::string::npos) << prompter.messages.back();
    prompter.answers = {Answer::Yes};
    action("更新链接")->trigger();
    EXPECT_NE(board->board().page().modules[0].linkHash, linkedHash);
    EXPECT_NE(board->board().shown()[0].module.pageCode.find("http://example.com/changed"),
              std::string::npos);
    const std::size_t told = prompter.messages.size();
    action("更新链接")->trigger(); // nothing left to take
    ASSERT_EQ(prompter.messages.size(), told + 1);
    EXPECT_NE(prompter.messages.back().find("没有改动"), std::string::npos) << prompter.messages.back();
}

// Every control of the board has a name a screen reader can say; the whole board fits a laptop's
// screen.
TEST_F(Board, EveryControlIsNamedAndTheBoardFitsALaptop) {
    addFromWindow("F03", "http://example.com/a");
    for (QWidget* w : board->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(face, nullptr);
        const QString name = face->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    EXPECT_LE(board->frameGeometry().width(), 1366);
    EXPECT_LE(board->frameGeometry().height(), 768 - 40);
}
