// Module windows, the preview and the colour table on a laptop's screen and on a monitor's, under a
// real window manager (run by under_window_manager.sh at the screen size ctest gives): every module
// window's frame stands inside the work area; the preview and the colour table leave the module
// window's fields in sight; the keyboard reaches the buttons and Return presses them; the tray's menu
// comes while a module window is open. With ORNAVO_SCREENSHOTS set, the screen is photographed into
// that folder at each step.

#include "app/main_window.h"
#include "app/module_windows.h"
#include "app/page_board_window.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/message_boxes.h"
#include "framework/ui/translations.h"
#include "framework/ui/window_placement.h"
#include "framework/web/web_windows.h"
#include "generators/catalogue.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <iostream>

// Last: the X headers define words (None, Status, …) that the program's own headers use.
#include "desktop_main.h"
#include "x_screen.h"

using namespace ornavo;

namespace {

std::string screenName() {
    const QSize s = QGuiApplication::primaryScreen()->size();
    return qgetenv("ORNAVO_WM").toStdString() + "-" + std::to_string(s.width()) + "x" +
           std::to_string(s.height());
}

class Desktop : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(screen.open()) << "no X display";
        ASSERT_TRUE(QTest::qWaitFor([&] { return screen.managed(); }, 10000)) << "no window manager";
        // The window manager announces itself before its panel takes its strip: windows placed before the
        // program knows the work area would be placed for the whole screen. icewm keeps a panel.
        const bool panel = qgetenv("ORNAVO_WM") == "icewm";
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const QRect area = screen.workArea();
                const QScreen* shown = QGuiApplication::primaryScreen();
                return shown->availableGeometry() == area && (!panel || area != shown->geometry());
            },
            10000))
            << "the work area never settled";
        web::installWebWindows(host);
    }
    void TearDown() override {
        web::closeWebWindows();
        delete module.data();
    }

    // A module window as its owner opens it, once the window manager has framed it.
    ui::GeneratorWindow* open(const std::string& key) {
        module = new ui::GeneratorWindow(*moduleRegistry().byKey(key), variables, boxes, host);
        module->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(module, 10000)) << key;
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen.active() == module->winId(); }, 10000)) << key;
        QTest::qWait(800); // the frame is known, the window has fitted itself and is drawn
        return module;
    }
    QRect frameOf(const QWidget* w) { return screen.frame(w->winId()); }
    void photograph(const std::string& step) {
        const QByteArray folder = qgetenv("ORNAVO_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(QString::fromLocal8Bit(folder));
        QGuiApplication::primaryScreen()->grabWindow(0).save(
            QString::fromLocal8Bit(folder) + QLatin1Char('/') +
            QString::fromStdString(screenName() + "-" + step) + QStringLiteral(".png"));
    }

    ornavo::testing::XScreen screen;
    ui::MessageBoxPrompter boxes;
    ui::DesktopHost host;
    WindowVariables variables;
    QPointer<ui::GeneratorWindow> module;
};

// The tallest windows and three of different widths: on the laptop's screen (its panel takes a strip)
// each frame stands wholly inside the work area, the code box giving up height; on a larger screen each
// keeps its specified size.
TEST_F(Desktop, ModuleWindowsStandInsideTheWorkArea) {
    const QRect area = screen.workArea();
    for (const char* key : {"F03", "F09", "F11", "F12", "F16", "F20", "F22"}) {
        SCOPED_TRACE(key);
        ui::GeneratorWindow* window = open(key);
        const ModuleSpec& description = window->form().module();
        const QRect frame = frameOf(window);
        EXPECT_TRUE(area.contains(frame))
            << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height()
            << " outside the work area " << area.height();
        if (area.height() >= description.height + 60) {
            EXPECT_EQ(window->height(), description.height) << "a window that fits keeps its size";
        }
        // The code box and the buttons are all there, inside the window.
        auto* code = window->findChild<QPlainTextEdit*>(QString::fromStdString(description.codeBox.name));
        ASSERT_NE(code, nullptr);
        EXPECT_GE(code->height(), 40);
        EXPECT_TRUE(window->rect().contains(QRect(code->mapTo(window, QPoint()), code->size())));
        photograph(std::string("window-") + key);
        delete module.data();
    }
}

// The preview and the colour table open beside the module window where there is room, scaled into the
// room beside it where there is not, and never over its fields.
TEST_F(Desktop, ThePreviewAndTheColourTableLeaveTheFieldsInSight) {
    const QRect area = screen.workArea();
    for (const char* key : {"F03", "F11", "F22"}) {
        SCOPED_TRACE(key);
        ui::GeneratorWindow* window = open(key);
        const ModuleSpec& description = window->form().module();
        std::string previewButton, colourButton;
        for (const Button* b : allButtons(description)) {
            if (b->action == Action::Preview && previewButton.empty())
                previewButton = b->name;
            if (b->action == Action::ColourPicker && colourButton.empty())
                colourButton = b->name;
        }
        auto press = [&](const std::string& name) {
            auto* b = window->findChild<QAbstractButton*>(QString::fromStdString(name));
            ASSERT_NE(b, nullptr) << name;
            screen.click(b);
        };
        if (!colourButton.empty()) {
            press(colourButton);
            ASSERT_TRUE(QTest::qWaitFor([] { return web::ColourTableWindow::instance() != nullptr; }, 20000));
        }
        press(previewButton);
        ASSERT_TRUE(QTest::qWaitFor([] { return web::PreviewWindow::instance() != nullptr; }, 20000));
        QTest::qWait(1500); // both framed and drawn; the module window may have moved aside
        // Where the screen shows the fields: the window's place as the window manager keeps it.
        const QRect fields = ui::fieldsOnScreen(window).translated(screen.clientOrigin(window->winId()) -
                                                                   window->mapToGlobal(QPoint()));
        ASSERT_FALSE(fields.isEmpty());
        web::PreviewWindow* preview = web::PreviewWindow::instance();
        const QRect previewFrame = frameOf(preview);
        EXPECT_FALSE(previewFrame.intersects(fields)) << "the preview covers the fields";
        EXPECT_TRUE(area.contains(previewFrame)) << "the preview reaches outside the work area";
        EXPECT_TRUE(area.contains(frameOf(window))) << "the module window was moved outside the work area";
        std::cout << screenName() << " " << key << ": module " << frameOf(window).x() << "+"
                  << frameOf(window).width() << ", preview " << previewFrame.x() << "+"
                  << previewFrame.width() << "x" << previewFrame.height() << " at "
                  << qRound(preview->scale() * 100) << "%";
        if (auto* table = web::ColourTableWindow::instance()) {
            const QRect tableFrame = frameOf(table);
            EXPECT_FALSE(tableFrame.intersects(fields)) << "the colour table covers the fields";
            EXPECT_TRUE(area.contains(tableFrame)) << "the colour table reaches outside the work area";
            std::cout << ", colour table " << tableFrame.x() << "," << tableFrame.y() << " "
                      << tableFrame.width() << "x" << tableFrame.height();
        }
        std::cout << std::endl;
        // The page is shown whole across: its scale fits it into the browser unless the user chose.
        EXPECT_LE(preview->scale(), 1.0);
        EXPECT_GE(preview->browser()->width() / preview->scale(), 990.0);
        photograph(std::string("preview-") + key);
        web::closeWebWindows();
        delete module.data();
    }
}

// Tab moves through the fields, out of the code box and on to the buttons; it never types into the
// code; Return presses the button that has the keyboard.
TEST_F(Desktop, TheKeyboardReachesTheButtonsAndReturnPressesThem) {
    ui::GeneratorWindow* window = open("F03");
    auto* code = window->findChild<QPlainTextEdit*>(QStringLiteral("超级编辑框_全屏海报代码"));
    code->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return code->hasFocus(); }, 3000));
    screen.key(XK_Tab);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !code->hasFocus(); }, 3000)) << "Tab stays in the code box";
    EXPECT_EQ(code->toPlainText(), QString()) << "Tab typed into the code";
    auto* generate = window->findChild<QPushButton*>(QStringLiteral("按钮_全屏海报一键生成"));
    for (int i = 0; i < 10 && !generate->hasFocus(); ++i) {
        screen.key(XK_Tab);
        QTest::qWait(100);
    }
    ASSERT_TRUE(generate->hasFocus()) << "Tab does not reach 一键生成";
    screen.key(XK_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->form().code().empty(); }, 3000))
        << "Return on the focused button does nothing";
    photograph("keyboard");
}

// The tray's menu comes on a right click while a module window is open (the main window takes no input
// then), and a left click brings the module window to the front.
TEST_F(Desktop, TheTrayMenuComesWhileAModuleWindowIsOpen) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        GTEST_SKIP() << "this window manager keeps no notification area";
    app::ShellServices services;
    services.prompter = &boxes;
    services.fetchText = [](const std::string&, QObject*, app::ShellServices::TextReceiver done) {
        done({});
    };
    services.fetchBytes = [](const std::string&, QObject*, app::ShellServices::BytesReceiver done) {
        done({});
    };
    services.checkForUpdate = [](QObject*) {};
    services.quit = [] {};
    app::MainWindow main(services);
    main.showAtStart();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main, 10000));
    QSystemTrayIcon* tray = main.trayIcon();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tray->isVisible() && !tray->geometry().isEmpty(); }, 10000))
        << "the tray icon never came up";
    main.openCatalogueEntry(cataloguePage(Edition::Professional).front());
    QWidget* moduleWindow = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<ui::GeneratorWindow*>(w) && w->isVisible())
                    moduleWindow = w;
            return moduleWindow != nullptr;
        },
        10000));
    QTest::qWait(500);
    screen.rightClick(tray->geometry().center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.trayMenu()->isVisible(); }, 5000))
        << "no menu on a right click";
    EXPECT_TRUE(main.trayMenu()->isEnabled());
    QTest::qWait(300); // drawn
    photograph("tray-menu");
    main.trayMenu()->hide();
    moduleWindow->showMinimized();
    QTest::qWait(300);
    screen.click(tray->geometry().center());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !moduleWindow->isMinimized() && moduleWindow->isVisible(); }, 5000))
        << "a left click does not bring the module window back";
    EXPECT_FALSE(main.isVisible()) << "the main window came back while it cannot be used";
    delete moduleWindow;
}

// The page board on the laptop's screen: a page made from three module windows, reordered and the move
// undone, then previewed whole; the page in the preview holds each module in its own slot, in page
// order, and the board and the preview stand side by side.
TEST_F(Desktop, ThePageBoardBuildsAndPreviewsAPage) {
    app::ModuleWindows windows(moduleRegistry(), boxes, host);
    app::BoardServices services;
    services.windows = &windows;
    services.prompter = &boxes;
    services.showPage = [](const std::string& file, QWidget* from, std::function<void(int)> selected,
                           std::function<void(const std::string&)> live) {
        web::PreviewWindow::presentPage(file, from, std::move(selected), std::move(live));
    };
    services.previewFolder = QDir::tempPath().toStdString() + "/ornavo-board-preview";
    QPointer<app::PageBoardWindow> board = new app::PageBoardWindow(services);
    board->move(screen.workArea().topLeft());
    board->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(board.data(), 10000));
    const char* keys[] = {"F03", "F15", "F34"};
    for (const char* key : keys) {
        ui::GeneratorWindow* window = windows.open(*moduleRegistry().byKey(key));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window, 10000)) << key;
        for (const Control* c : allControls(window->form().module()))
            if (c->kind == ControlKind::Field && c->name.find("链接") != std::string::npos) {
                window->form().setText(c->name, std::string("http://example.com/slot-") + key);
                break;
            }
        for (const Button* b : allButtons(window->form().module()))
            if (b->action == Action::Generate) {
                window->form().press(b->name);
                break;
            }
        window->findChild<QAction*>(QStringLiteral("加入页面"))->trigger();
        window->done(QDialog::Accepted);
        QTest::qWait(200);
    }
    ASSERT_EQ(board->board().page().modules.size(), 3u);
    board->selectModule(board->board().page().modules[2].id);
    board->moveSelected(-1);
    EXPECT_EQ(board->board().page().modules[1].key, "F34");
    board->board().undo();
    board->selectModule(board->board().page().modules[0].id);
    board->moveSelected(1); // F15, F03, F34
    ASSERT_EQ(board->board().page().modules[0].key, "F15");

    board->previewPage();
    web::PreviewWindow* preview = nullptr;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (preview = web::PreviewWindow::instance()) != nullptr; }, 20000));
    QSignalSpy shown(preview, &web::PreviewWindow::codeShown);
    ASSERT_TRUE(shown.wait(30000)) << "the whole page never loaded";
    QTest::qWait(1000);
    // What each slot holds, in the page's order: its module's number and the link typed in its window.
    QString answer;
    bool answered = false;
    preview->browser()->page()->runJavaScript(
        QStringLiteral(
            "Array.prototype.map.call(document.querySelectorAll('div[data-ornavo-slot]'), function (s) {"
            "  var m = s.innerHTML.match(/slot-(F[0-9]+)/); return s.getAttribute('data-ornavo-slot') +"
            "  ':' + (m ? m[1] : ''); }).join(' ')"),
        [&](const QVariant& v) {
            answer = v.toString();
            answered = true;
        });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered; }, 10000));
    QStringList expected;
    for (const PageModule& m : board->board().page().modules)
        expected << QStringLiteral("%1:%2").arg(m.id).arg(QString::fromStdString(m.key));
    EXPECT_EQ(answer, expected.join(QLatin1Char(' ')));
    EXPECT_FALSE(frameOf(preview).intersects(frameOf(board))) << "the preview covers the board";
    photograph("page-board");
    delete board.data();
}

} // namespace

int main(int argc, char** argv) {
    return ornavo::testing::runDesktopTests(argc, argv, true);
}
