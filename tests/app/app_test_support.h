#pragma once
// A main window whose surroundings are recorded instead of reached: fetches answer from a table of
// addresses, and every notice, question, opened address and module window is written down.

#include "app/main_window.h"
#include "framework/model/constants.h"
#include "framework/model/text.h"
#include "net/maker_site.h"

#include <QApplication>
#include <QPoint>
#include <QPointer>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ornavo::testing {

struct Notice {
    std::string caption;
    std::string message;
    app::NoticeIcon icon;
};

struct FakeShell {
    std::map<std::string, std::string> texts; // address → body
    std::map<std::string, QByteArray> bytes;
    std::vector<std::string> fetched; // every address asked for, in order
    // When set, answers wait until release() instead of coming at once.
    bool holdAnswers = false;
    struct Held {
        std::string address;
        QPointer<QObject> context;
        std::function<void()> answer;
    };
    std::vector<Held> held;
    std::vector<std::string> opened;
    std::vector<Notice> notices;
    std::vector<std::string> questions;
    std::deque<Answer> answers;       // Yes when empty
    std::vector<std::string> modules; // captions of the module windows run
    int colourTables = 0;
    int updateChecks = 0;
    int quits = 0;
    bool tray = true;
    int linkSettleMs = 0; // a link may be opened again as soon as it has gone to the browser
    // Runs inside a module window's turn, while it is "open".
    std::function<void(const ModuleSpec&)> whileModuleOpen;

    app::ShellServices services() {
        app::ShellServices s;
        s.fetchText = [this](const std::string& address, QObject* context,
                             app::ShellServices::TextReceiver done) {
            answerLater(address, context, [this, address, done] {
                auto it = texts.find(address);
                done(it == texts.end() ? std::string() : it->second);
            });
        };
        s.fetchBytes = [this](const std::string& address, QObject* context,
                              app::ShellServices::BytesReceiver done) {
            answerLater(address, context, [this, address, done] {
                auto it = bytes.find(address);
                done(it == bytes.end() ? QByteArray() : it->second);
            });
        };
        s.openAddress = [this](const std::string& address) { opened.push_back(address); };
        s.notify = [this](const std::string& caption, const std::string& message, app::NoticeIcon icon) {
            notices.push_back({caption, message, icon});
        };
        s.ask = [this](const std::string& question) {
            questions.push_back(question);
            if (answers.empty())
                return Answer::Yes;
            Answer a = answers.front();
            answers.pop_front();
            return a;
        };
        s.openModuleWindow = [this](const ModuleSpec& module, std::function<void()> closed) -> QWidget* {
            modules.push_back(module.caption);
            if (whileModuleOpen)
                whileModuleOpen(module);
            closed();
            return nullptr;
        };
        s.openColourTable = [this] { ++colourTables; };
        s.checkForUpdate = [this](QObject*) {
            fetched.push_back("(update check)");
            ++updateChecks;
        };
        s.trayAvailable = [this] { return tray; };
        s.quit = [this] { ++quits; };
        s.linkSettleMs = linkSettleMs;
        return s;
    }

    // Hands the held fetch of that address its answer, as the real fetch would: not at all when its
    // context is gone. False when no fetch of that address is held.
    bool release(const std::string& address) {
        for (auto it = held.begin(); it != held.end(); ++it) {
            if (it->address != address)
                continue;
            Held h = std::move(*it);
            held.erase(it);
            if (h.context)
                h.answer();
            return true;
        }
        return false;
    }

  private:
    void answerLater(const std::string& address, QObject* context, std::function<void()> answer) {
        fetched.push_back(address);
        if (holdAnswers)
            held.push_back({address, context, std::move(answer)});
        else
            answer();
    }
};

inline std::string site(const std::string& path) {
    return net::makerFile(path);
}

inline std::string gbk(const std::string& utf8) {
    return *utf8ToGbk(utf8);
}

// Where a widget stands in the tab control's coordinates.
inline QRect inTabs(const QWidget* w, const QTabWidget* tabs) {
    return QRect(w->mapTo(tabs, QPoint(0, 0)), w->size());
}

// The frame's centre is the screen's centre (within a pixel of rounding).
inline bool centredOnScreen(const QWidget& w) {
    const QPoint d =
        w.frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    return std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1;
}

// Runs the check on the next turn of the event loop that a modal window runs.
inline void whenModalOpens(std::function<void(QWidget* modal)> check) {
    QTimer::singleShot(0, [check] { check(QApplication::activeModalWidget()); });
}

} // namespace ornavo::testing
