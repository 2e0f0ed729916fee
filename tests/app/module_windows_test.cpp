// The one owner of module windows: what every window gets, one window at a time, a settings file
// opened with the window, and a hand-over from one window to another that counts as one stay.

#include "app/desktop.h"
#include "app/module_windows.h"
#include "framework/model/live_preview.h"
#include "framework/model/settings_writer.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/live_preview_link.h"
#include "framework/ui/settings_keeper.h"
#include "support/test_support.h"

#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

std::string writeSettingsOf(OpenWindow& window, const std::string& name) {
    const std::string file = (QDir::tempPath() + QStringLiteral("/ornavo-owner-")).toStdString() + name;
    std::ofstream(file, std::ios::binary) << settingsText(window.form(), moduleRegistry());
    return file;
}

} // namespace

TEST(ModuleWindows, OpensOneWindowWithWhatItNeedsAndTellsWhenAllAreClosed) {
    ScriptedPrompter prompter;
    RecordingHost host;
    LivePreview live("");
    app::ModuleWindows windows(moduleRegistry(), prompter, host);
    windows.setLivePreview(&live);
    QWidget* shown = nullptr;
    windows.setOnShown([&shown](QWidget* window) { shown = window; });
    QSignalSpy opened(&windows, &app::ModuleWindows::opened);
    QSignalSpy allClosed(&windows, &app::ModuleWindows::allClosed);

    QPointer<ui::GeneratorWindow> window = windows.open(*moduleRegistry().byKey("F03"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shown, window.data());
    EXPECT_EQ(opened.count(), 1);
    EXPECT_NE(window->companion<ui::SettingsKeeper>(), nullptr);
    EXPECT_NE(window->companion<ui::LivePreviewLink>(), nullptr);
    // One at a time: asked again, the open one comes to the front.
    EXPECT_EQ(windows.open(*moduleRegistry().byKey("F04")), window.data());
    EXPECT_EQ(opened.count(), 1);

    // The window variables stay for the run, across closing and opening again.
    window->form().pickEntry("组合框_店铺类型", "天猫店铺");
    const std::string kind = window->form().var("box class");
    EXPECT_FALSE(kind.empty());
    window->done(QDialog::Accepted);
    EXPECT_EQ(allClosed.count(), 1);
    EXPECT_EQ(windows.window(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
    window = windows.open(*moduleRegistry().byKey("F03"));
    EXPECT_EQ(window->form().var("box class"), kind);
    EXPECT_EQ(window->form().index("组合框_店铺类型"), -1);
}

TEST(ModuleWindows, ASettingsFileOpensWithTheWindowOrSaysWhyNot) {
    ScriptedPrompter prompter;
    RecordingHost host;
    app::ModuleWindows windows(moduleRegistry(), prompter, host);
    OpenWindow saved("F03");
    saved.form().setText("编辑框_链接地址", "http://example.com/saved");
    const std::string file = writeSettingsOf(saved, "saved.ornavo");

    ui::GeneratorWindow* window = windows.open(*moduleRegistry().byKey("F03"), file);
    EXPECT_EQ(window->form().text("编辑框_链接地址"), "http://example.com/saved");
    EXPECT_TRUE(prompter.messages.empty());
    window->done(QDialog::Accepted);

    window = windows.open(*moduleRegistry().byKey("F03"), file + ".missing");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find("文件不存在"), std::string::npos) << prompter.messages[0];
    EXPECT_EQ(window->form().text("编辑框_链接地址"), saved.form().control("编辑框_链接地址")->text);
    window->done(QDialog::Accepted);
    std::remove(file.c_str());
}

// A file of another window, opened in one and answered yes: that window closes and the other opens in
// its place with the file; the owner tells that all are closed only when that one is.
TEST(ModuleWindows, AHandOverOpensTheOtherWindowWithTheFile) {
    ScriptedPrompter prompter;
    RecordingHost host;
    app::ModuleWindows windows(moduleRegistry(), prompter, host);
    QSignalSpy allClosed(&windows, &app::ModuleWindows::allClosed);
    QSignalSpy closing(&windows, &app::ModuleWindows::closing);
    OpenWindow other("F04");
    other.form().setText("编辑框_图片地址01", "handed over");
    const std::string file = writeSettingsOf(other, "other.ornavo");

    QPointer<ui::GeneratorWindow> first = windows.open(*moduleRegistry().byKey("F03"));
    first->companion<ui::SettingsKeeper>()->openFrom(file);
    EXPECT_EQ(closing.count(), 1);
    EXPECT_EQ(allClosed.count(), 0);
    ui::GeneratorWindow* second = windows.window();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first.data());
    EXPECT_EQ(second->form().module().key, "F04");
    EXPECT_EQ(second->form().text("编辑框_图片地址01"), "handed over");
    EXPECT_EQ(second->findChild<QLineEdit*>(QStringLiteral("编辑框_图片地址01"))->text(),
              QStringLiteral("handed over"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }));

    second->done(QDialog::Accepted);
    EXPECT_EQ(allClosed.count(), 1);
    std::remove(file.c_str());
}

// `ornavo FILE`: the window the file names opens with the file; a file that cannot be read, or that
// names no window, is said so and opens nothing.
TEST(ModuleWindows, ASettingsFileGivenToTheProgramOpensItsWindow) {
    ScriptedPrompter prompter;
    RecordingHost host;
    app::ModuleWindows windows(moduleRegistry(), prompter, host);
    OpenWindow saved("F04");
    saved.form().setText("编辑框_图片地址01", "from the file");
    const std::string file = writeSettingsOf(saved, "given.ornavo");
    ASSERT_TRUE(app::openSettingsFile(windows, prompter, file));
    ASSERT_NE(windows.window(), nullptr);
    EXPECT_EQ(windows.window()->form().module().key, "F04");
    EXPECT_EQ(windows.window()->form().text("编辑框_图片地址01"), "from the file");
    EXPECT_TRUE(prompter.messages.empty());
    windows.window()->done(QDialog::Accepted);

    const std::string foreign = writeSettingsOf(saved, "unknown.ornavo");
    std::ofstream(foreign, std::ios::binary) << "open F99\nprint\n";
    for (const std::string& bad : {foreign, file + ".missing", QDir::tempPath().toStdString()}) {
        prompter.messages.clear();
        EXPECT_FALSE(app::openSettingsFile(windows, prompter, bad)) << bad;
        EXPECT_EQ(windows.window(), nullptr) << bad;
        ASSERT_EQ(prompter.messages.size(), 1u) << bad;
        EXPECT_EQ(prompter.messages[0].rfind("无法打开设置文件", 0), 0u) << prompter.messages[0];
    }
    std::remove(file.c_str());
    std::remove(foreign.c_str());
}
