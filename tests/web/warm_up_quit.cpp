// Shows a window, lets the browser's warm-up start loading its library ($ORNAVO_BROWSER_LIBRARY), says
// "loading" and then ends as the program does once the user has quit; with --plain, by returning from
// main only.

#include "framework/web/browser_loader.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const bool plain = argc > 1 && std::strcmp(argv[1], "--plain") == 0;
    int status = 0;
    {
        QApplication app(argc, argv);
        QWidget window;
        window.resize(300, 200);
        window.show();
        ornavo::web::warmUpWhenIdle(&window);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &app, [] {
            if (ornavo::web::warmUpLoading()) {
                std::puts("loading");
                std::fflush(stdout);
                QCoreApplication::exit(3);
            }
        });
        poll.start(5);
        QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(1); });
        status = app.exec();
    }
    if (!plain)
        ornavo::web::endProgramIfLoading(status);
    return status;
}
