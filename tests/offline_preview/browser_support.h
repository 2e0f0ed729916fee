#pragma once
// The embedded browser without the marketplace, for tests: every request that is neither for the
// preview's own scheme nor for this machine is blocked, and pages are asked questions in JavaScript.

#include "framework/web/preview_scheme.h"
#include "support/offscreen_desktop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <atomic>
#include <unistd.h>

namespace ornavo::testing {

class NothingFromOutside : public QWebEngineUrlRequestInterceptor {
  public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl url = info.requestUrl();
        if (!web::isPreviewUrl(url) && url.host() != QLatin1String("127.0.0.1")) {
            info.block(true);
            ++blocked;
        }
    }
    std::atomic<int> blocked{0};
};

// Installed on the default profile the first time it is asked for.
inline NothingFromOutside* interceptor() {
    static NothingFromOutside* instance = [] {
        auto* i = new NothingFromOutside;
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(i);
        return i;
    }();
    return instance;
}

inline QVariant evaluate(QWebEngineView* view, const QString& script) {
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        ADD_FAILURE() << "the page did not answer " << script.toStdString();
    return result;
}

// The value of a JavaScript expression whose result is JSON text.
inline QJsonValue json(QWebEngineView* view, const QString& expression) {
    const QString text = evaluate(view, QStringLiteral("JSON.stringify(%1)").arg(expression)).toString();
    return QJsonDocument::fromJson(("[" + text + "]").toUtf8()).array().at(0);
}

// Whether the expression became true within the time, asking every twentieth of a second: a page
// asked without pause, busy with an animation (a marquee), may never get round to its own scripts.
inline bool waitUntil(QWebEngineView* view, const QString& expression, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (evaluate(view, expression).toBool())
            return true;
        QTest::qWait(50);
    }
    return false;
}

// Waits until the shipped widget library has run on the page, and expects it to be ready.
inline void waitForWidgets(QWebEngineView* view) {
    const bool ready = waitUntil(
        view, QStringLiteral("window.ornavoPreview && /^(ready|failed)$/.test(ornavoPreview.state)"), 15000);
    EXPECT_TRUE(ready) << "the shipped widget library never ran";
    EXPECT_EQ(evaluate(view, QStringLiteral("ornavoPreview.state + ' ' + ornavoPreview.error")).toString(),
              QStringLiteral("ready "));
}

// main() of a test program with an embedded browser: the offscreen platform with a desktop of a
// monitor's size, no sandbox for root.
inline int runBrowserTests(int argc, char** argv) {
    useOffscreenDesktop();
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace ornavo::testing
