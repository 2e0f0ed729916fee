// The browser windows as the program reaches them: from their own library, loaded the first time a
// preview or the colour table is asked for. This program links no web engine; what cannot be loaded
// is said in a message and the program carries on. (The windows themselves, opened through the
// library, are tested in web_windows_test.)

#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/web/browser_loader.h"
#include "framework/web/sandbox_check.h"
#include "support/offscreen_desktop.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <unistd.h>

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
        window.reset();
        web::closeBrowserWindows();
        ::unsetenv("ORNAVO_BROWSER_LIBRARY");
        ::unsetenv("QTWEBENGINEPROCESS_PATH");
    }
    // A module window whose preview and colour-picker buttons go the program's way.
    ui::GeneratorWindow& moduleWindow() {
        if (!window) {
            host = std::make_unique<ui::DesktopHost>(
                [this](const std::string& code, QWidget* from) { web::presentPreview(code, from, prompter); },
                [this](QWidget* from) { web::presentColourTable(from, prompter); });
            window = std::make_unique<ui::GeneratorWindow>(*moduleRegistry().byKey("F09"), vars,
                                                           windowPrompter, *host);
            window->show();
        }
        return *window;
    }
    void press(const char* name) {
        auto* button = moduleWindow().findChild<QPushButton*>(QString::fromUtf8(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    // Presses the preview and colour-picker buttons, as a user would.
    void pressPreviewAndColourPicker() {
        for (const char* name : {"按钮_F09预览", "按钮_选色器"})
            press(name);
        EXPECT_TRUE(moduleWindow().isVisible()); // the module window stays, whatever happened
    }
    ornavo::testing::ScriptedPrompter prompter; // what the browser's loader tells and asks
    WindowVariables vars;
    ornavo::testing::ScriptedPrompter windowPrompter;
    std::unique_ptr<ui::DesktopHost> host;
    std::unique_ptr<ui::GeneratorWindow> window;
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
        EXPECT_FALSE(w->isVisible() && w->objectName() != QStringLiteral("F09"))
            << w->objectName().toStdString();
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
    const QString other =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/imageformats/libqgif.so");
    if (!QFile::exists(other))
        GTEST_SKIP() << "no " << other.toStdString();
    ::setenv("ORNAVO_BROWSER_LIBRARY", other.toUtf8().constData(), 1);
    QString reason;
    EXPECT_EQ(web::browserWindows(&reason), nullptr);
    EXPECT_TRUE(reason.contains(QStringLiteral("not the browser library"))) << reason.toStdString();
    EXPECT_FALSE(web::browserLibraryLoaded());
}

// Where the engine's sandbox cannot run, the engine would end the program as it starts: nothing is
// started before the user has been told why and agreed to open without the sandbox.
TEST(Sandbox, WhenTheUserIsAskedFirst) {
    struct Case {
        web::SandboxFacts facts;
        const char* obstacle; // a part of the reason given; nullptr: the engine starts as it is
    };
    const Case cases[] = {
        {{false, true, false}, nullptr},         // an ordinary user: the sandbox runs
        {{true, true, false}, "root"},           // root: the engine refuses its sandbox
        {{false, false, false}, "用户命名空间"}, // no namespaces: no sandbox can be made
        {{true, true, true}, nullptr},           // switched off already: the engine starts without asking
        {{false, false, true}, nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> obstacle = web::sandboxObstacle(c.facts);
        ASSERT_EQ(obstacle.has_value(), c.obstacle != nullptr)
            << c.facts.root << c.facts.userNamespaces << c.facts.switchedOff;
        if (!obstacle)
            continue;
        EXPECT_NE(obstacle->find(c.obstacle), std::string::npos) << *obstacle;
        const std::string question = web::withoutSandboxQuestion(*obstacle);
        EXPECT_EQ(question.rfind(*obstacle, 0), 0u) << question;
        EXPECT_NE(question.find(c.facts.root ? "普通用户身份运行" : "开启用户命名空间"), std::string::npos)
            << question;
        EXPECT_NE(question.find("是否现在打开"), std::string::npos) << question;
    }

    // This process's own facts, and the switches the engine itself reads.
    const char* saved = std::getenv("QTWEBENGINE_DISABLE_SANDBOX");
    const std::string keep = saved ? saved : "";
    ::unsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    EXPECT_EQ(web::sandboxFacts().root, ::geteuid() == 0);
    EXPECT_FALSE(web::sandboxSwitchedOff());
    ::setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--enable-logging --no-sandbox", 1);
    EXPECT_TRUE(web::sandboxSwitchedOff());
    ::unsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "", 1);
    EXPECT_TRUE(web::sandboxSwitchedOff()) << "the engine takes the variable set at all";
    if (saved)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", keep.c_str(), 1);
    else
        ::unsetenv("QTWEBENGINE_DISABLE_SANDBOX");
}

// Run as root (put in place here, so the path is taken by any user): the preview and colour-picker
// buttons ask first. No leaves the web engine unstarted and the module window as it was; Yes starts it
// without its sandbox, and the preview shows its page.
TEST_F(BrowserLoader, AsRootTheEngineStartsWithoutItsSandboxOnlyWhenTheUserAgrees) {
    ::setenv("ORNAVO_BROWSER_LIBRARY", ORNAVO_BROWSER_LIBRARY_FILE, 1);
    ::unsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    web::setSandboxFactsSource([] { return web::SandboxFacts{true, true, web::sandboxSwitchedOff()}; });
    const std::optional<std::string> obstacle = web::sandboxObstacle({true, true, false});
    ASSERT_TRUE(obstacle);
    const std::string question = web::withoutSandboxQuestion(*obstacle);

    prompter.answers = {Answer::No, Answer::No};
    pressPreviewAndColourPicker();
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{question, question}));
    EXPECT_FALSE(web::browserLibraryLoaded());
    EXPECT_FALSE(webEngineMapped());
    EXPECT_FALSE(web::sandboxSwitchedOff());

    prompter.messages.clear();
    prompter.answers = {Answer::Yes};
    moduleWindow().form().setText("超级编辑框_F09自定义店招代码", "<p id=\"probe\">店招</p>");
    press("按钮_F09预览");
    EXPECT_EQ(prompter.messages, std::vector<std::string>{question}); // asked once, and nothing went wrong
    EXPECT_TRUE(web::sandboxSwitchedOff());
    QWidget* browser = nullptr; // the web engine's view, known here by name only
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("PreviewWindow") && w->isVisible())
            browser = w->findChild<QWidget*>(QStringLiteral("超文本浏览框_在线预览"));
    ASSERT_NE(browser, nullptr);
    QSignalSpy loaded(browser, SIGNAL(loadFinished(bool)));
    ASSERT_TRUE(loaded.wait(20000));
    EXPECT_TRUE(loaded.at(0).at(0).toBool()) << "the engine did not run";
    press("按钮_选色器");
    EXPECT_EQ(prompter.messages.size(), 1u) << "asked again once the engine runs";
    web::setSandboxFactsSource(nullptr);
}

namespace {

// Waits for the warm-up to come to its end, and says which.
web::WarmUp warmUpEnd(int limitMs = 20000) {
    auto over = [] {
        const web::WarmUp s = web::warmUpState();
        return s != web::WarmUp::Waiting && s != web::WarmUp::Loading && s != web::WarmUp::Starting;
    };
    QTest::qWaitFor(over, limitMs);
    return web::warmUpState();
}

QWidget* shownPreview() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("PreviewWindow") && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

// Once a module window is on screen and the user leaves the program alone, the browser is readied
// without showing anything; the first press then shows the page.
TEST_F(BrowserLoader, TheBrowserIsReadiedWhileTheUserLeavesTheWindowAlone) {
    ::setenv("ORNAVO_BROWSER_LIBRARY", ORNAVO_BROWSER_LIBRARY_FILE, 1);
    ui::GeneratorWindow& window = moduleWindow();
    web::warmUpWhenIdle(&window);
    // Typing keeps it waiting.
    QWidget* field = window.findChild<QWidget*>(QStringLiteral("编辑框_滚动公告文字"));
    ASSERT_NE(field, nullptr);
    for (int k = 0; k < 15; ++k) {
        QTest::keyClick(field, Qt::Key_1);
        QTest::qWait(100);
    }
    EXPECT_EQ(web::warmUpState(), web::WarmUp::Waiting);
    EXPECT_FALSE(webEngineMapped());

    EXPECT_EQ(warmUpEnd(), web::WarmUp::Ready);
    EXPECT_TRUE(webEngineMapped());
    EXPECT_EQ(shownPreview(), nullptr);
    EXPECT_TRUE(prompter.messages.empty());

    // The page readied ahead takes the code in place, and then stands for the page's file.
    QTest::qWait(1500); // the user fills the window in meanwhile; the readied page has loaded
    window.form().setText("超级编辑框_F09自定义店招代码", "<p id=\"probe\">店招</p>");
    press("按钮_F09预览");
    QWidget* preview = shownPreview();
    ASSERT_NE(preview, nullptr);
    QSignalSpy shown(preview, SIGNAL(codeShown(bool)));
    ASSERT_TRUE(shown.wait(20000));
    EXPECT_TRUE(shown.at(0).at(0).toBool());
    QObject* browser = preview->findChild<QObject*>(QStringLiteral("超文本浏览框_在线预览"));
    EXPECT_EQ(browser->property("url").toUrl(), QUrl(QStringLiteral("ornavo://preview/test.html")));
    EXPECT_TRUE(prompter.messages.empty());
}

// Where the web engine's sandbox cannot run as it is (root here), the warm-up neither asks nor starts
// anything: that is the user's question, at the first press.
TEST_F(BrowserLoader, NoWarmUpWhereTheSandboxWouldBeQuestioned) {
    ::setenv("ORNAVO_BROWSER_LIBRARY", ORNAVO_BROWSER_LIBRARY_FILE, 1);
    ::unsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    web::setSandboxFactsSource([] { return web::SandboxFacts{true, true, web::sandboxSwitchedOff()}; });
    web::warmUpWhenIdle(&moduleWindow());
    EXPECT_EQ(warmUpEnd(), web::WarmUp::Skipped);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(web::browserLibraryLoaded());
    EXPECT_FALSE(webEngineMapped());
    EXPECT_FALSE(web::sandboxSwitchedOff());
    web::setSandboxFactsSource(nullptr);
}

// The user quits while the library is still coming in (here one that takes seconds): the program ends
// at once instead of waiting for it. Returning from main alone would wait.
TEST(WarmUpQuit, QuittingWhileTheLibraryLoadsEndsAtOnce) {
    struct Case {
        QStringList arguments;
        bool atOnce;
    };
    for (const Case& c : {Case{{}, true}, Case{{QStringLiteral("--plain")}, false}}) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORNAVO_BROWSER_LIBRARY"),
                           QStringLiteral(ORNAVO_SLOW_LIBRARY_FILE));
        // As root, the warm-up would rightly leave the engine to the user's first press.
        environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(ORNAVO_WARM_UP_QUIT), c.arguments);
        ASSERT_TRUE(child.waitForStarted());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return child.canReadLine() || child.state() == QProcess::NotRunning; }, 20000));
        ASSERT_EQ(child.readLine().trimmed(), "loading") << child.readAllStandardError().toStdString();
        QElapsedTimer sinceQuit;
        sinceQuit.start();
        // (It may have ended already.)
        ASSERT_TRUE(child.state() == QProcess::NotRunning || child.waitForFinished(20000));
        EXPECT_EQ(child.exitCode(), 3);
        if (c.atOnce)
            EXPECT_LT(sinceQuit.elapsed(), 1000);
        else
            EXPECT_GT(sinceQuit.elapsed(), 1500) << "the slow library no longer holds the loader";
    }
}

int main(int argc, char** argv) {
    ornavo::testing::useOffscreenDesktop();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
