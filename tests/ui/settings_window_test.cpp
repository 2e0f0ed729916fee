// A module window with its settings keeper, under the offscreen platform: the restore bar, typing kept
// on its own, files opened and refused, a file handed over to its own window. The user's state folder
// is a temporary one.

#include "framework/model/platform.h"
#include "framework/model/settings_writer.h"
#include "framework/ui/code_edit.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/live_preview_link.h"
#include "framework/ui/settings_keeper.h"
#include "support/test_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

class KeptWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(state.isValid());
        qputenv("XDG_STATE_HOME", state.path().toUtf8());
        folder = state.path().toStdString() + "/ornavo/kept";
    }
    void open(const char* key = "F03") {
        keeper.reset();
        window = std::make_unique<ui::GeneratorWindow>(*moduleRegistry().byKey(key), vars, prompter, host);
        keeper = std::make_unique<ui::SettingsKeeper>(*window, moduleRegistry());
        window->show();
    }
    // Kept texts for F03 as an earlier window left them: a link, a shop kind and generated code.
    std::string keepEarlier() {
        OpenWindow earlier("F03");
        earlier.form().setText("编辑框_链接地址", "http://example.com/上次");
        earlier.form().pickEntry("组合框_店铺类型", "天猫店铺");
        earlier.press("按钮_全屏海报一键生成");
        EXPECT_TRUE(makeFolders(folder));
        EXPECT_TRUE(writeFile(folder + "/F03.ornavo", settingsText(earlier.form(), moduleRegistry())));
        return earlier.form().code();
    }
    template <typename T> T* find(const char* name) { return window->findChild<T*>(QString::fromUtf8(name)); }
    QString shown(const char* field) { return find<QLineEdit>(field)->text(); }

    QTemporaryDir state;
    std::string folder;
    WindowVariables vars;
    ScriptedPrompter prompter;
    ui::DesktopHost host;
    std::unique_ptr<ui::GeneratorWindow> window;
    std::unique_ptr<ui::SettingsKeeper> keeper;
};

} // namespace

TEST_F(KeptWindow, TheBarBringsBackTheEarlierTexts) {
    const std::string code = keepEarlier();
    open();
    ui::RestoreBar* bar = keeper->restoreBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    // Above everything else, the window opening with its defaults below it.
    EXPECT_LT(bar->geometry().bottom(), find<QScrollArea>("settingsArea")->geometry().top());
    EXPECT_EQ(shown("编辑框_链接地址"),
              QString::fromStdString(window->form().control("编辑框_链接地址")->text));
    EXPECT_EQ(window->form().code(), "");
    EXPECT_EQ(find<QComboBox>("组合框_店铺类型")->currentIndex(), -1);

    QTest::mouseClick(bar->findChild<QPushButton*>(QStringLiteral("按钮_恢复上次内容")), Qt::LeftButton);
    EXPECT_EQ(shown("编辑框_链接地址"), QStringLiteral("http://example.com/上次"));
    EXPECT_EQ(find<QComboBox>("组合框_店铺类型")->currentText(), QStringLiteral("天猫店铺"));
    EXPECT_EQ(find<QPlainTextEdit>("超级编辑框_全屏海报代码")->toPlainText(),
              QString::fromStdString(code).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(keeper->restoreBar(), nullptr);
    EXPECT_TRUE(prompter.messages.empty());

    // "忽略" leaves the defaults and discards the kept texts: the bar does not come back.
    keepEarlier();
    open();
    ASSERT_NE(keeper->restoreBar(), nullptr);
    QTest::mouseClick(keeper->restoreBar()->findChild<QPushButton*>(QStringLiteral("按钮_忽略")),
                      Qt::LeftButton);
    EXPECT_EQ(keeper->restoreBar(), nullptr);
    EXPECT_EQ(window->form().code(), "");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(keeper->keptPath())));
    open();
    EXPECT_EQ(keeper->restoreBar(), nullptr);

    // Opening a settings file takes the bar away: a later restore cannot replace the file's values.
    keepEarlier();
    open();
    ASSERT_NE(keeper->restoreBar(), nullptr);
    OpenWindow saved("F03");
    saved.form().setText("编辑框_链接地址", "http://example.com/from-the-file");
    const std::string file = state.path().toStdString() + "/opened.ornavo";
    ASSERT_TRUE(writeFile(file, settingsText(saved.form(), moduleRegistry())));
    ASSERT_TRUE(keeper->openFrom(file));
    EXPECT_EQ(keeper->restoreBar(), nullptr);
    EXPECT_EQ(shown("编辑框_链接地址"), QStringLiteral("http://example.com/from-the-file"));
}

// Ctrl+S writes to the file the window came from or was saved to last, without asking; while it has
// none, and always with Ctrl+Shift+S, it asks for a name.
TEST_F(KeptWindow, SaveWritesToTheWindowsOwnFile) {
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())); // its shortcuts work while it is active
    std::vector<bool> asked;
    QString answer;
    keeper->setFileChooser([&](bool saving, const QString&, const QString&) {
        asked.push_back(saving);
        return answer;
    });
    const std::string first = state.path().toStdString() + "/first.ornavo";
    const std::string second = state.path().toStdString() + "/second.ornavo";
    window->form().setText("编辑框_链接地址", "one");
    answer = QString::fromStdString(first);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(asked, std::vector<bool>{true});
    EXPECT_EQ(keeper->file(), first);

    window->form().setText("编辑框_链接地址", "two");
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier); // no question this time
    EXPECT_EQ(asked.size(), 1u);
    ASSERT_TRUE(readFile(first, kSettingsSizeLimit));
    EXPECT_NE(readFile(first, kSettingsSizeLimit)->find("set 编辑框_链接地址 two\n"), std::string::npos);

    answer = QString::fromStdString(second);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(keeper->file(), second);

    // A window opened from a file saves back to it.
    open();
    keeper->setFileChooser([&](bool saving, const QString&, const QString&) {
        asked.push_back(saving);
        return QString();
    });
    ASSERT_TRUE(keeper->openFrom(first));
    window->form().setText("编辑框_链接地址", "three");
    EXPECT_TRUE(keeper->save());
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_NE(readFile(first, kSettingsSizeLimit)->find("set 编辑框_链接地址 three\n"), std::string::npos);
}

TEST_F(KeptWindow, TypingIsKeptWithinASecondAndOfferedNextTime) {
    open();
    EXPECT_EQ(keeper->restoreBar(), nullptr);
    auto* link = find<QLineEdit>("编辑框_链接地址");
    link->selectAll();
    QTest::keyClicks(link, QStringLiteral("typed"));
    QTest::qWait(1300);
    auto kept = readFile(keeper->keptPath(), kSettingsSizeLimit);
    ASSERT_TRUE(kept);
    EXPECT_NE(kept->find("set 编辑框_链接地址 typed\n"), std::string::npos);

    QTest::keyClicks(link, QStringLiteral("+"));
    window->done(QDialog::Accepted); // closing keeps what came since at once
    kept = readFile(keeper->keptPath(), kSettingsSizeLimit);
    ASSERT_TRUE(kept);
    EXPECT_NE(kept->find("set 编辑框_链接地址 typed+\n"), std::string::npos);
    open();
    ASSERT_NE(keeper->restoreBar(), nullptr);
}

TEST_F(KeptWindow, FilesThatCannotBeOpenedChangeNothing) {
    open();
    const std::string file = state.path().toStdString() + "/bad.ornavo";
    QFile::remove(QString::fromStdString(file));
    {
        QFile out(QString::fromStdString(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("open F03\nset 编辑框_链接地址 changed\npick 组合框_店铺类型 外星店铺\nprint\n");
    }
    const FormSnapshot before = window->form().snapshot();
    EXPECT_FALSE(keeper->openFrom(file));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find("第 3 行"), std::string::npos) << prompter.messages[0];
    EXPECT_TRUE(window->form().snapshot() == before);
    EXPECT_NE(shown("编辑框_链接地址"), QStringLiteral("changed"));

    // Saving where no file can be written: a message, and nothing there.
    EXPECT_FALSE(keeper->saveTo(state.path().toStdString()));
    EXPECT_NE(prompter.messages.back().find("原来的文件没有改动"), std::string::npos);

    // The three entries of the menu.
    std::unique_ptr<QMenu> menu(keeper->makeMenu(window.get()));
    QStringList entries;
    for (QAction* action : menu->actions())
        entries << action->text();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("保存设置…"), QStringLiteral("另存设置…"),
                                    QStringLiteral("打开设置…"), QStringLiteral("最近的设置")}));
}

TEST_F(KeptWindow, AFileOfAnotherWindowOpensThere) {
    open("F04");
    std::string field; // F04's first field, given a text of its own
    for (const Control* c : allControls(window->form().module()))
        if (field.empty() && c->kind == ControlKind::Field)
            field = c->name;
    window->form().setText(field, "handed over");
    const std::string file = state.path().toStdString() + "/poster.ornavo";
    ASSERT_TRUE(keeper->saveTo(file));
    open("F03");
    QSignalSpy handOvers(keeper.get(), &ui::SettingsKeeper::handOverRequested);
    prompter.answers = {Answer::No};
    EXPECT_FALSE(keeper->openFrom(file));
    EXPECT_NE(prompter.messages.back().find("全屏海报轮播"), std::string::npos) << prompter.messages.back();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(handOvers.count(), 0);

    // Answered yes: the keeper asks for the other window with the file (its owner closes this one and
    // opens that one), and changes nothing here.
    const FormSnapshot before = window->form().snapshot();
    EXPECT_FALSE(keeper->openFrom(file));
    ASSERT_EQ(handOvers.count(), 1);
    EXPECT_EQ(handOvers[0][0].toString(), QStringLiteral("F04"));
    EXPECT_EQ(handOvers[0][1].toString().toStdString(), file);
    EXPECT_TRUE(window->form().snapshot() == before);
    EXPECT_EQ(prompter.messages.size(), 2u) << prompter.messages.back();
}

// What is attached to a window may go while its form is still changing (a clear empties field after
// field, and the first change ends the keeper and the live link here): the form goes on, never reaching
// them again, and the window keeps working. Run under ASan in the clang build.
TEST_F(KeptWindow, AKeeperAndALiveLinkMayGoWhileTheFormChanges) {
    LivePreview live("");
    std::unique_ptr<ui::LivePreviewLink> link;
    int told = 0;
    // Told before the keeper's and the link's own listeners, which are added later.
    window = std::make_unique<ui::GeneratorWindow>(*moduleRegistry().byKey("F03"), vars, prompter, host);
    const Subscription first = window->form().addChangeListener([&](const std::string&) {
        ++told;
        keeper.reset();
        link.reset();
    });
    keeper = std::make_unique<ui::SettingsKeeper>(*window, moduleRegistry());
    link = std::make_unique<ui::LivePreviewLink>(*window, live);
    window->show();
    window->form().setText("编辑框_链接地址", "typed");
    window->form().setText("编辑框_海报宽度", "1000");
    window->form().press("按钮_全屏海报一键生成");
    EXPECT_EQ(keeper, nullptr);
    EXPECT_EQ(link, nullptr);
    EXPECT_EQ(told, 3);

    keeper = std::make_unique<ui::SettingsKeeper>(*window, moduleRegistry());
    window->form().press("按钮_全屏海报清空内容"); // answered yes: several fields emptied in turn
    EXPECT_EQ(keeper, nullptr);
    EXPECT_EQ(find<QLineEdit>("编辑框_链接地址")->text(), QString());
    EXPECT_EQ(find<QPlainTextEdit>("超级编辑框_全屏海报代码")->toPlainText(), QString());
}

// Whatever stands where a settings file is opened or the kept texts are, the window never waits for
// it: a pipe nobody writes to, a device that never ends. Each is refused at once, in Chinese, and the
// window stays as it was; the notice about kept texts found that way comes once the window is on screen.
TEST_F(KeptWindow, NothingButAFileIsOpenedAndNothingWaits) {
    ASSERT_TRUE(makeFolders(folder));
    NamedPipe kept(folder + "/F03.ornavo");
    window = std::make_unique<ui::GeneratorWindow>(*moduleRegistry().byKey("F03"), vars, prompter, host);
    keeper = std::make_unique<ui::SettingsKeeper>(*window, moduleRegistry());
    EXPECT_TRUE(prompter.messages.empty()) << "told before the window is there";
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !prompter.messages.empty(); }, 2000));
    EXPECT_FALSE(kept.rescued());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find("那不是普通文件（是管道、设备或套接字）"), std::string::npos)
        << prompter.messages[0];
    EXPECT_NE(prompter.messages[0].find("F03.ornavo.damaged"), std::string::npos) << prompter.messages[0];

    NamedPipe pipe(state.path().toStdString() + "/pipe.ornavo");
    const FormSnapshot before = window->form().snapshot();
    for (const std::string& path : {pipe.path(), std::string("/dev/zero")}) {
        EXPECT_FALSE(keeper->openFrom(path));
        EXPECT_EQ(prompter.messages.back(),
                  "无法打开设置文件“" + path +
                      "”：那不是普通文件（是管道、设备或套接字）。\n窗口的内容没有改动。");
    }
    EXPECT_FALSE(pipe.rescued());
    EXPECT_TRUE(window->form().snapshot() == before);
}

// A second copy of the program with the same window open: it says so once its window is there, and
// each keeps its own user's typing.
TEST_F(KeptWindow, ASecondCopyKeepsItsTypingUnderANameOfItsOwn) {
    open();
    ScriptedPrompter otherPrompter;
    WindowVariables otherVars;
    ui::GeneratorWindow other(*moduleRegistry().byKey("F03"), otherVars, otherPrompter, host);
    ui::SettingsKeeper otherKeeper(other, moduleRegistry());
    EXPECT_EQ(otherKeeper.keptPath(), folder + "/F03-2.ornavo");
    EXPECT_TRUE(otherPrompter.messages.empty());
    other.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !otherPrompter.messages.empty(); }, 2000));
    EXPECT_NE(otherPrompter.messages[0].find("另一个正在运行的 Ornavo"), std::string::npos);
    EXPECT_NE(otherPrompter.messages[0].find(folder + "/F03-2.ornavo"), std::string::npos);
    EXPECT_TRUE(prompter.messages.empty());

    window->form().setText("编辑框_链接地址", "first");
    other.form().setText("编辑框_链接地址", "second");
    window->done(QDialog::Accepted);
    other.done(QDialog::Accepted);
    EXPECT_NE(readFile(folder + "/F03.ornavo", kSettingsSizeLimit)->find("set 编辑框_链接地址 first\n"),
              std::string::npos);
    EXPECT_NE(readFile(folder + "/F03-2.ornavo", kSettingsSizeLimit)->find("set 编辑框_链接地址 second\n"),
              std::string::npos);
}

// The code box breaks lines at word boundaries, and anywhere while it holds a word so long that the
// text layout would take seconds to break it again and again (shown, or pasted by the user).
TEST_F(KeptWindow, TheCodeBoxBreaksOverlongWordsAnywhere) {
    open();
    auto* code = find<ui::CodeEdit>("超级编辑框_全屏海报代码");
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    const std::string word(300000, 'w');
    window->form().setText("编辑框_链接地址", word);
    window->form().press("按钮_全屏海报一键生成");
    code->grab();
    EXPECT_EQ(code->wordWrapMode(), QTextOption::WrapAnywhere);
    window->form().press("按钮_全屏海报清空内容");
    window->form().press("按钮_全屏海报一键生成");
    EXPECT_EQ(code->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    auto* pasted = new QMimeData;
    pasted->setText(QString::fromStdString(word));
    code->setFocus();
    code->insertPlainText(QString()); // the box takes the focus and the cursor
    QGuiApplication::clipboard()->setMimeData(pasted);
    code->paste();
    EXPECT_EQ(code->wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_NE(window->form().code().find(word), std::string::npos);
    code->grab();
    EXPECT_TRUE(ui::CodeEdit::holdsLongWord(QString(2001, QLatin1Char('x'))));
    EXPECT_FALSE(
        ui::CodeEdit::holdsLongWord(QString(3000, QLatin1Char('x')).replace(1500, 1, QLatin1Char(' '))));
}
