// The one owner of module windows: what every window gets, one window at a time, a settings file
// opened with the window, and a hand-over from one window to another that counts as one stay.

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
