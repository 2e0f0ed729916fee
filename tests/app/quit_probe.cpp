// The program's main window as start-up runs it (real fetch, real update check), driven through its
// standard input so a test can leave it the way a user does: "open KEY" presses that module's
// catalogue button, "quit" picks "退出" in the tray menu and answers Yes. Prints "open KEY" once the
// module window is up.

#include "app/main_window.h"
#include "framework/ui/generator_window.h"
#include "generators/catalogue.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

using namespace ornavo;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app::ShellServices services;
    services.ask = [](const std::string&) { return Answer::Yes; };
    services.openAddress = [](const std::string&) {};
    app::MainWindow window(services);
    window.showAtStart();
    QTimer::singleShot(0, &window, &app::MainWindow::loadOnlineContent);

    std::string pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(buffer, static_cast<std::size_t>(n));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const std::string command = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (command == "quit") {
                for (QAction* action : window.trayMenu()->actions())
                    if (action->text() == QStringLiteral("退出"))
                        action->trigger();
            } else if (command.rfind("open ", 0) == 0) {
                const std::string key = command.substr(5);
                for (const CatalogueEntry& entry : cataloguePage(Edition::Professional)) {
                    if (entry.key != key)
                        continue;
                    QTimer::singleShot(0, [&window, entry] { window.openCatalogueEntry(entry); });
                    QTimer::singleShot(50, [key] {
                        for (QWidget* w : QApplication::topLevelWidgets())
                            if (qobject_cast<ui::GeneratorWindow*>(w) && w->isVisible())
                                std::cout << "open " << key << std::endl;
                    });
                }
            }
        }
    });
    return app.exec();
}
