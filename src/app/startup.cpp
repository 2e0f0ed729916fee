#include "startup.h"

#include "app/main_window.h"
#include "app/material_preview_window.h"
#include "app/skin.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/message_boxes.h"
#include "framework/web/web_windows.h"
#include "framework/version.h"
#include "generators/catalogue.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <iostream>
#include <string_view>

namespace ornavo::app {

int runProgram(int argc, char** argv) {
    // The version is told without a window system too (a terminal with no display, a package check).
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--version" || std::string_view(argv[i]) == "-v") {
            std::cout << "Ornavo " << programVersion() << "\n";
            return 0;
        }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); // for the embedded browser
    QApplication app(argc, argv);
    applySkin(app); // before the first window
    QApplication::setApplicationName(QStringLiteral("Ornavo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ornavo"));
    QApplication::setApplicationVersion(QString::fromLatin1(programVersion()));
    QApplication::setDesktopFileName(QStringLiteral(ORNAVO_APP_ID)); // ties its windows to the menu entry

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption moduleOption(QStringLiteral("module"), QStringLiteral("Open one module window only."),
                                    QStringLiteral("KEY"));
    parser.addOption(moduleOption);
    parser.process(app);

    ui::DesktopHost host;
    web::installWebWindows(host);
    ui::MessageBoxPrompter prompter;
    int status = 0;
    if (parser.isSet(moduleOption)) {
        const std::string key = parser.value(moduleOption).toStdString();
        const ModuleSpec* module = moduleRegistry().byKey(key);
        if (!module) {
            std::cerr << "ornavo: no module " << key << "\n";
            return 2;
        }
        Session session;
        ui::GeneratorWindow window(*module, session.variables(module->key), prompter, host);
        window.exec();
    } else {
        ShellServices services;
        services.prompter = &prompter;
        services.openColourTable = [&host] { host.openColourTable(); };
        services.openPreview = [&host](const std::string& code) { host.showPreview(code); };
        MainWindow window(services);
        window.showAtStart();
        // The update check and the fetches wait until the window is on screen; while each of them
        // waits for the site, the window keeps handling events.
        QTimer::singleShot(0, &window, &MainWindow::loadOnlineContent);
        status = app.exec();
        delete MaterialPreviewWindow::instance();
    }
    web::closeWebWindows();
    return status;
}

} // namespace ornavo::app
