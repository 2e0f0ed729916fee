#include "startup.h"

#include "app/desktop.h"
#include "app/main_window.h"
#include "app/material_preview_window.h"
#include "app/skin.h"
#include "framework/model/version.h"
#include "framework/ui/translations.h"
#include "framework/web/browser_loader.h"
#include "generators/catalogue.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTimer>

#include <QEvent>

#include <cstring>
#include <functional>
#include <iostream>
#include <thread>

#ifdef ORNAVO_READ_FONTS_EARLY
#include <fontconfig/fontconfig.h>
#endif

namespace ornavo::app {

namespace {

void nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Ornavo"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(programVersion()));
}

QCommandLineOption moduleOption() {
    return QCommandLineOption(QStringLiteral("module"), QStringLiteral("Open one module window only."),
                              QStringLiteral("KEY"));
}

void describeOptions(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(moduleOption());
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A settings file (.ornavo) to open in the window it was saved from."),
        QStringLiteral("[FILE]"));
}

// --help and --version print and end the program; neither needs the display or the skin.
bool onlyPrints(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

// Runs the action once, after the window has painted itself for the first time (so the first sight
// of it waits for nothing else), or after kLatestMs if no paint comes.
class AfterFirstPaint : public QObject {
  public:
    static constexpr int kLatestMs = 1000;
    AfterFirstPaint(QWidget* window, std::function<void()> action)
        : QObject(window), action_(std::move(action)) {
        window->installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, [this] { run(); });
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { run(); }); // once the painted frame is on screen
        return false;
    }

  private:
    void run() {
        if (!action_)
            return;
        parent()->removeEventFilter(this);
        auto action = std::move(action_);
        action_ = nullptr;
        action();
    }
    std::function<void()> action_;
};

int printAndEnd(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    nameProgram();
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app); // prints and exits
    return 0;
}

} // namespace

int runProgram(int argc, char** argv) {
    if (onlyPrints(argc, argv))
        return printAndEnd(argc, argv);
#ifdef ORNAVO_READ_FONTS_EARLY
    // The first window's texts need the font configuration, which takes fontconfig a good part of the
    // start to read: it is read beside the display's set-up.
    std::thread fontConfiguration([] { FcInit(); });
    fontConfiguration.detach();
#endif

    QApplication app(argc, argv);
    applySkin(app); // before the first window
    nameProgram();  // no display name: the window manager would append it to every caption
    ui::installChineseTranslations();
    QApplication::setDesktopFileName(QStringLiteral(ORNAVO_APP_ID)); // ties its windows to the menu entry

    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);

    int status = 0;
    {
        Desktop desktop;
        // A file given (a double-click in a file manager): a page opens in the page board, settings in
        // the window they were saved from; the run ends with that window. A file that cannot be read
        // is said so; the main window then opens as usual.
        const std::string file =
            parser.positionalArguments().isEmpty()
                ? std::string()
                : QFile::encodeName(parser.positionalArguments().constFirst()).toStdString();
        if (!file.empty() && isPageFile(file)) {
            PageBoardWindow* board = desktop.openPageBoard(false, file);
            QObject::connect(board, &QObject::destroyed, &app, [] { QCoreApplication::exit(0); });
            status = app.exec();
        } else if (!file.empty() && openSettingsFile(desktop.moduleWindows(), desktop.prompter(), file)) {
            QObject::connect(&desktop.moduleWindows(), &ModuleWindows::allClosed, &app,
                             [] { QCoreApplication::exit(0); });
            status = app.exec();
        } else if (parser.isSet(moduleOption())) {
            const std::string key = parser.value(moduleOption()).toStdString();
            const ModuleSpec* module = moduleRegistry().byKey(key);
            if (!module) {
                std::cerr << "ornavo: no module " << key << "\n";
                return 2;
            }
            // The run ends with the last module window (one may close to open another in its place),
            // whatever browser windows are still open beside it.
            QObject::connect(&desktop.moduleWindows(), &ModuleWindows::allClosed, &app,
                             [] { QCoreApplication::exit(0); });
            desktop.moduleWindows().open(*module);
            status = app.exec();
        } else {
            MainWindow window(desktop.shellServices());
            window.showAtStart();
            // The update check and the fetches start once the window is on screen; they run side by
            // side and each fills its place when its answer arrives.
            new AfterFirstPaint(&window, [&window] { window.loadOnlineContent(); });
            status = app.exec();
            delete MaterialPreviewWindow::instance();
        }
    }
    return status;
}

} // namespace ornavo::app
