#pragma once
// The start of a test program of the program's windows under a real window manager: the X display,
// the web engine's shared context, the Chinese texts, and a web engine that reaches only loopback.

#include "framework/ui/translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

namespace ornavo::testing {

// Nothing leaves the machine: the shop page and the colour table ask for other hosts.
class LoopbackOnly : public QWebEngineUrlRequestInterceptor {
  public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl url = info.requestUrl();
        if (url.scheme().startsWith(QLatin1String("http")) && url.host() != QLatin1String("127.0.0.1"))
            info.block(true);
    }
};

// Runs the tests. With `failLoneBoxes`, a modal box that stands unanswered for ten seconds is one no
// test expects: it fails the test that raised it and goes, instead of holding the test's waits until
// ctest ends the run.
inline int runDesktopTests(int argc, char** argv, bool failLoneBoxes) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ornavo"));
    ui::installChineseTranslations();
    LoopbackOnly interceptor;
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&interceptor);
    QTimer boxWatch;
    QPointer<QWidget> seen;
    int seenFor = 0;
    QObject::connect(&boxWatch, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        seenFor = box && box == seen ? seenFor + 1 : 0;
        seen = box;
        if (box && seenFor >= 10) {
            const auto* message = qobject_cast<QMessageBox*>(box);
            ADD_FAILURE() << "a box stood unanswered: "
                          << (message ? message->text() : box->windowTitle()).toStdString();
            box->close();
        }
    });
    if (failLoneBoxes)
        boxWatch.start(1000);
    return RUN_ALL_TESTS();
}

} // namespace ornavo::testing
