// The browser windows as the program reaches them: from their own library, loaded the first time a
// preview or the colour table is asked for. This program links no web engine; what cannot be loaded
// is said in a message and the program carries on. (The windows themselves, opened through the
// library, are tested in web_windows_test.)

#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/web/browser_loader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>

#include <cstdlib>

using namespace ornavo;

namespace {

bool webEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libQt6WebEngineCore");
}

class BrowserLoader : public ::testing::Test {
protected:
    void SetUp() override {
        if (web::browserLibraryLoaded())
            GTEST_SKIP() << "needs a process without the library (ctest runs each case alone)";
    }
    void TearDown() override {
        web::closeBrowserWindows();
        ::unsetenv("ORNAVO_BROWSER_LIBRARY");
        ::unsetenv("QTWEBENGINEPROCESS_PATH");
    }
    // Presses a module window's preview and colour-picker buttons, as a user would.
    void pressPreviewAndColourPicker() {
        WindowVariables vars;
        ornavo::testing::ScriptedPrompter windowPrompter;
        ui::DesktopHost host([this](const std::string& code) { web::presentPreview(code, prompter); },
                             [this] { web::presentColourTable(prompter); });
        ui::GeneratorWindow window(*moduleRegistry().byKey("F09"), vars, windowPrompter, host);
        window.show();
        for (const char* name : {"按钮_F09预览", "按钮_选色器"}) {
            auto* button = window.findChild<QPushButton*>(QString::fromUtf8(name));
            ASSERT_NE(button, nullptr) << name;
            button->click();
        }
        EXPECT_TRUE(window.isVisible()); // the module window stays, whatever happened
    }
    ornavo::testing::ScriptedPrompter prompter;
};

} // namespace

// ctest runs each case in a process of its own, so each starts without the library; run together,
// this one comes first.

TEST_F(BrowserLoader, TheWebEngineArrivesWithTheFirstBrowserWindowOnly) {
    EXPECT_FALSE(webEngineMapped()) << "the web engine was loaded before anything asked for it";
    EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
    ::setenv("ORNAVO_BROWSER_LIBRARY", ORNAVO_BROWSER_LIBRARY_FILE, 1);
    // A web engine without its helper process would end the program: it is told instead.
    ::setenv("QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess", 1);
    pressPreviewAndColourPicker();
    EXPECT_TRUE(web::browserLibraryLoaded());
    EXPECT_TRUE(webEngineMapped());
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].rfind(web::kPreviewUnavailable, 0), 0u) << prompter.messages[0];
    EXPECT_NE(prompter.messages[0].find("QtWebEngineProcess"), std::string::npos) << prompter.messages[0];
    EXPECT_EQ(prompter.messages[1].rfind(web::kColourTableUnavailable, 0), 0u) << prompter.messages[1];
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible() && w->objectName() != QStringLiteral("F09")) << w->objectName().toStdString();
}

TEST_F(BrowserLoader, AMissingLibraryIsToldAndTheWindowCarriesOn) {
    const std::string path = "/nonexistent/ornavo-browser.so";
    ::setenv("ORNAVO_BROWSER_LIBRARY", path.c_str(), 1);
    EXPECT_EQ(web::browserLibraryCandidates(), QStringList{QString::fromStdString(path)});
    pressPreviewAndColourPicker();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].rfind(web::kPreviewUnavailable, 0), 0u) << prompter.messages[0];
    EXPECT_EQ(prompter.messages[1].rfind(web::kColourTableUnavailable, 0), 0u) << prompter.messages[1];
    for (const std::string& message : prompter.messages)
        EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_FALSE(web::browserLibraryLoaded());
    EXPECT_FALSE(webEngineMapped());
}

TEST_F(BrowserLoader, ALibraryThatIsNotTheBrowserIsRefused) {
    // A Qt plugin that loads fine but holds something else.
    const QString other = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/imageformats/libqgif.so");
    if (!QFile::exists(other))
        GTEST_SKIP() << "no " << other.toStdString();
    ::setenv("ORNAVO_BROWSER_LIBRARY", other.toUtf8().constData(), 1);
    QString reason;
    EXPECT_EQ(web::browserWindows(&reason), nullptr);
    EXPECT_TRUE(reason.contains(QStringLiteral("not the browser library"))) << reason.toStdString();
    EXPECT_FALSE(web::browserLibraryLoaded());
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
