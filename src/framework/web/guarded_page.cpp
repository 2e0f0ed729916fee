#include "guarded_page.h"

#include "framework/model/platform.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineScript>

#include <utility>

namespace ornavo::web {

namespace {

// The most of a page's message that its line shows.
constexpr int kMessageShown = 60;

// What the page said, on one line and short.
QString oneLine(const QString& message) {
    QString line = message.simplified();
    if (line.size() > kMessageShown)
        line = line.left(kMessageShown) + QStringLiteral("…");
    return line;
}

// The question the web engine asks through javaScriptConfirm when a page with a "beforeunload"
// handler is about to be left (in the program's language, as the engine translates it).
bool isLeavingQuestion(const QString& message) {
    const char* const text =
        "Are you sure you want to leave this page? Changes that you made may not be saved.";
    return message == QLatin1String(text) || message == QCoreApplication::translate("QWebEnginePage", text);
}

} // namespace

GuardedPage::GuardedPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {
    ask_.setInterval(kAskEveryMs);
    connect(&ask_, &QTimer::timeout, this, &GuardedPage::checkAnswers);
    connect(this, &QWebEnginePage::loadStarted, this, [this] {
        loading_ = true;
        loaded_.invalidate();
    });
    connect(this, &QWebEnginePage::loadFinished, this, [this] {
        loading_ = false;
        loaded_.start();
    });
    connect(this, &QWebEnginePage::renderProcessTerminated, this,
            [this](RenderProcessTerminationStatus status) {
                loading_ = false;
                stopped_ = true;
                ending_ = false;
                ask_.stop();
                // A load asked for while the renderer was being ended starts a new one now.
                if (pending_.isValid()) {
                    loadWatched(std::exchange(pending_, QUrl()));
                    return;
                }
                // Ended by us (a page that stopped answering), or gone some other way: either way the page
                // shows nothing until it is loaded again.
                if (status != NormalTerminationStatus && notice_ != stoppedNotice())
                    setNotice(QStringLiteral("预览页面意外中止了，再按一次“预览”即可重新显示。"));
            });
}

GuardedPage::~GuardedPage() {
    // A page that may have stopped answering would keep its renderer busy after the window has gone.
    if (watching() && silentMs() > kAskEveryMs)
        endProcess(static_cast<long>(renderProcessPid()));
}

qint64 GuardedPage::silentMs() const {
    return answered_.isValid() ? answered_.elapsed() : watched_.elapsed();
}

QString GuardedPage::stoppedNotice() {
    return QStringLiteral("预览页面里的脚本停止了响应（可能是死循环），已停止该页面；"
                          "改好代码后再预览即可重新显示。");
}

QString GuardedPage::dialogNotice(const QString& kind, const QString& message, int more) {
    QString line = QStringLiteral("页面的%1：“%2”").arg(kind, oneLine(message));
    if (more > 0)
        line += QStringLiteral("（另有 %1 个弹框未显示）").arg(more);
    return line;
}

void GuardedPage::loadWatched(const QUrl& url) {
    // A renderer that is being ended would take the new page down with it.
    if (ending_) {
        pending_ = url;
        return;
    }
    load(url);
    watch();
}

void GuardedPage::watch() {
    stopped_ = false;
    firstDialog_.clear();
    moreDialogs_ = 0;
    setNotice({});
    watched_.start();
    answered_.invalidate();
    ask_.start();
    askNow();
}

void GuardedPage::askNow() {
    // In a world of the program's own, which the page's scripts cannot change: any answer at all
    // means the page's thread is free again.
    QPointer<GuardedPage> self(this);
    runJavaScript(QStringLiteral("1"), QWebEngineScript::ApplicationWorld, [self](const QVariant& answer) {
        if (self && answer.isValid())
            self->answered_.start();
    });
}

void GuardedPage::checkAnswers() {
    if (silentMs() > kAnswerLimitMs) {
        stopHungPage();
        return;
    }
    // Loaded, answering, and left alone long enough for its start-up scripts: no longer watched.
    if (!loading_ && loaded_.isValid() && answered_.isValid() && loaded_.elapsed() > kAfterLoadMs &&
        watched_.elapsed() > kAfterLoadMs) {
        ask_.stop();
        return;
    }
    askNow();
}

void GuardedPage::stopHungPage() {
    ask_.stop();
    const qint64 renderer = renderProcessPid();
    // Stopping its scripts or its load does not end a script that never returns: only ending its
    // process does.
    if (renderer > 0 && endProcess(static_cast<long>(renderer)))
        ending_ = true; // until the engine tells that it has gone
    stopped_ = true;
    loading_ = false;
    setNotice(stoppedNotice());
    emit hung();
}

void GuardedPage::setNotice(const QString& line) {
    if (line == notice_)
        return;
    notice_ = line;
    emit noticeChanged(line);
}

void GuardedPage::dialog(const QString& kind, const QString& message) {
    if (firstDialog_.isEmpty()) {
        firstDialog_ = kind;
        firstMessage_ = message;
    } else {
        ++moreDialogs_;
    }
    setNotice(dialogNotice(firstDialog_, firstMessage_, moreDialogs_));
}

void GuardedPage::javaScriptAlert(const QUrl&, const QString& msg) {
    dialog(QStringLiteral("提示"), msg);
}

bool GuardedPage::javaScriptConfirm(const QUrl&, const QString& msg) {
    if (isLeavingQuestion(msg))
        return true; // the next update replaces the page: nothing of it is to be kept
    dialog(QStringLiteral("询问"), msg);
    return false;
}

bool GuardedPage::javaScriptPrompt(const QUrl&, const QString& msg, const QString&, QString*) {
    dialog(QStringLiteral("输入框"), msg);
    return false;
}

} // namespace ornavo::web
