// Module windows, their message boxes and the browser windows under a real window manager on a virtual
// X screen (run by under_window_manager.sh). What the window manager makes of the program's windows
// is read from the screen itself (_NET_CLIENT_LIST_STACKING, WM_TRANSIENT_FOR, _NET_ACTIVE_WINDOW),
// and the user's clicks are real pointer clicks on the screen.

#include "framework/model/form.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/message_boxes.h"
#include "framework/ui/translations.h"
#include "framework/web/web_windows.h"
#include "generators/catalogue.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScrollArea>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWebEngineProfile>

#include "desktop_main.h"
#include "x_screen.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace ornavo;

namespace {

std::size_t place(const std::vector<unsigned long>& stacking, unsigned long window) {
    return std::size_t(std::find(stacking.begin(), stacking.end(), window) - stacking.begin());
}

class Stacking : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(screen.open()) << "no X display";
        ASSERT_TRUE(QTest::qWaitFor([&] { return screen.managed(); }, 10000)) << "no window manager";
        web::installWebWindows(host);
    }
    void TearDown() override {
        web::closeWebWindows();
        delete module.data();
    }

    // A module window as the catalogue opens it, its questions answered by message boxes.
    ui::GeneratorWindow* open(const char* key) {
        module = new ui::GeneratorWindow(*moduleRegistry().byKey(key), variables, boxes, host);
        module->show();
        const bool managed =
            QTest::qWaitForWindowExposed(module, 10000) &&
            QTest::qWaitFor([&] { return onScreen(module) && screen.active() == module->winId(); }, 10000);
        EXPECT_TRUE(managed) << key << " never came up with the keyboard";
        QTest::qWait(200); // drawn
        return module;
    }
    bool onScreen(const QWidget* w) {
        const std::vector<unsigned long> s = screen.stacking();
        return w && w->isVisible() && place(s, w->winId()) < s.size();
    }
    // Whether `upper` stands in front of `lower` on the screen.
    ::testing::AssertionResult above(const QWidget* upper, const QWidget* lower) {
        const int u = screen.depth(upper->winId()), l = screen.depth(lower->winId());
        if (u >= 0 && l >= 0 && u > l)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << upper->windowTitle().toStdString() << " (" << u << ") is not in front of "
               << lower->windowTitle().toStdString() << " (" << l << ")";
    }
    // The module window's button, scrolled into sight.
    QAbstractButton* button(const char* name) {
        auto* b = module->findChild<QAbstractButton*>(QString::fromUtf8(name));
        EXPECT_NE(b, nullptr) << name;
        for (QWidget* w = b; w; w = w->parentWidget())
            if (auto* scroll = qobject_cast<QScrollArea*>(w))
                scroll->ensureWidgetVisible(b);
        QTest::qWait(50);
        return b;
    }

    // Clicks the button, which raises a message box, and checks where the box stands before answering
    // it with a click on `answer`. Returns the box's text.
    std::string boxFrom(const std::function<void()>& press, QMessageBox::StandardButton answer) {
        std::string text;
        bool looked = false;
        QTimer poll;
        poll.setInterval(50);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !onScreen(box))
                return;
            poll.stop();
            (void)QTest::qWaitFor([&] { return screen.active() == box->winId(); }, 3000); // checked below
            text = box->text().toStdString();
            EXPECT_EQ(screen.transientFor(box->winId()), module->winId()) << text;
            EXPECT_TRUE(above(box, module)) << text;
            EXPECT_EQ(screen.active(), box->winId()) << text << ": the keyboard is elsewhere";
            looked = true;
            // Answered where the user sees it; a box the click does not reach is closed later.
            QPointer<QMessageBox> alive(box);
            screen.click(box->button(answer));
            QTimer::singleShot(3000, [alive, answer, text] {
                if (alive && alive->isVisible()) {
                    ADD_FAILURE() << text << ": the click on the box did not reach it";
                    alive->done(answer);
                }
            });
        });
        poll.start();
        press();
        EXPECT_TRUE(QTest::qWaitFor([&] { return looked && !QApplication::activeModalWidget(); }, 15000))
            << "no message box";
        return text;
    }

    ornavo::testing::XScreen screen;
    ui::MessageBoxPrompter boxes;
    ui::DesktopHost host;
    WindowVariables variables;
    QPointer<ui::GeneratorWindow> module;
};

} // namespace

// Notices and questions from a button, and the exit question from the frame's close button: each box
// belongs to its module window, stands in front of it with the keyboard, and takes the user's click.
TEST_F(Stacking, MessageBoxesStandInFrontOfTheirModuleWindow) {
    struct Case {
        const char* key;
        const char* button; // empty: closed through the frame
        const char* message;
        QMessageBox::StandardButton answer;
    };
    const Case cases[] = {
        {"F03", "按钮_全屏海报复制代码", "复制失败，请生成代码后再试！", QMessageBox::Ok},
        {"F15", "按钮_F15清空内容", "是否要清空所有内容？", QMessageBox::No},
        {"F22", "按钮_清除1组内容", "是否要清空第一组内容？", QMessageBox::No},
        {"F35", "按钮_F35退出", "是否要退出？", QMessageBox::No},
        {"F09", "", "是否要退出？", QMessageBox::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        ui::GeneratorWindow* window = open(c.key);
        const std::string before = window->form().text(window->form().module().codeBox.name);
        // The frames' close buttons differ between window managers: the window manager is asked to close
        // the window, as its close button does.
        auto press = [&] {
            *c.button ? screen.click(button(c.button)) : screen.requestClose(window->winId());
        };
        EXPECT_EQ(boxFrom(press, c.answer), c.message);
        EXPECT_TRUE(window->isVisible()) << "answered No, the window stays";
        EXPECT_EQ(window->form().text(window->form().module().codeBox.name), before);
        delete module.data();
    }
}

// The colour table and the preview open beside the module window (the screen has room on its right),
// in front of it; each comes back in front when clicked after the module window; a box from the module
// window still stands in front of that window.
TEST_F(Stacking, BrowserWindowsBesideAndInFrontOfTheModuleWindow) {
    QTcpServer site; // the maker's colour page
    ASSERT_TRUE(site.listen(QHostAddress::LocalHost));
    QObject::connect(&site, &QTcpServer::newConnection, [&site] {
        QTcpSocket* s = site.nextPendingConnection();
        QObject::connect(s, &QTcpSocket::readyRead, s, [s] {
            s->readAll();
            const QByteArray body = "<html><body><table><tr><td>#FF0000</td></tr></table></body></html>";
            s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                     QByteArray::number(body.size()) + "\r\n\r\n" + body);
            s->disconnectFromHost();
        });
    });
    ::setenv("ORNAVO_MAKER_SERVER", ("http://127.0.0.1:" + std::to_string(site.serverPort())).c_str(), 1);

    ui::GeneratorWindow* window = open("F09");
    window->move(20, 40);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen.frame(window->winId()).left() < 100; }, 5000))
        << "the module window did not move to the screen's left edge";
    QTest::qWait(300);
    const QRect moduleFrame = screen.frame(window->winId());

    auto opened = [&](const char* buttonName, auto instance) -> QWidget* {
        screen.click(button(buttonName));
        QWidget* w = nullptr;
        const bool up = QTest::qWaitFor(
            [&] {
                w = instance();
                return w && onScreen(w) && screen.active() == w->winId();
            },
            20000);
        EXPECT_TRUE(up) << buttonName << ": no window in front with the keyboard";
        if (!up)
            return nullptr;
        QTest::qWait(200);
        EXPECT_TRUE(above(w, window));
        EXPECT_EQ(screen.transientFor(w->winId()), 0ul) << "an independent window";
        const QRect f = screen.frame(w->winId());
        EXPECT_FALSE(f.intersects(moduleFrame)) << buttonName << ": covers the module window";
        EXPECT_GE(f.left(), moduleFrame.right()) << buttonName << ": not on the right, where there is room";
        return w;
    };
    QWidget* table =
        opened("按钮_选色器", [] { return static_cast<QWidget*>(web::ColourTableWindow::instance()); });
    QWidget* preview =
        opened("按钮_F09预览", [] { return static_cast<QWidget*>(web::PreviewWindow::instance()); });
    ASSERT_TRUE(table && preview);

    // A click on the module window puts it in front of both; a click on either browser window brings
    // that one back in front of it.
    QWidget* codeBox =
        window->findChild<QWidget*>(QString::fromStdString(window->form().module().codeBox.name));
    for (QWidget* browser : {table, preview}) {
        screen.click(codeBox);
        ASSERT_TRUE(QTest::qWaitFor([&] { return above(window, table) && above(window, preview); }, 5000))
            << "the module window does not come to the front when clicked";
        screen.click(screen.titleBar(browser->winId()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return bool(above(browser, window)); }, 5000))
            << browser->windowTitle().toStdString() << " cannot be raised again";
    }

    EXPECT_EQ(boxFrom([&] { screen.click(button("按钮_F09复制代码")); }, QMessageBox::Ok),
              "复制失败，请生成代码后再试！");
    ::unsetenv("ORNAVO_MAKER_SERVER");
}

int main(int argc, char** argv) {
    return ornavo::testing::runDesktopTests(argc, argv, false);
}
