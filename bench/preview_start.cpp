// Times the preview as a user meets it: a module window, generate, then "预览", with the browser's
// library loaded on that first press exactly as the program does. Prints, for the first press, a
// second press on the open window and a press after the window was closed: the time until the
// preview window is there, until its page has loaded, and until the page shows on screen; and the
// resident memory before and after.
//
// Usage: ornavo-preview-bench [KEY] — run it under a display; pass Chromium's
// --host-resolver-rules to keep the shop page's marketplace addresses off the network.

#include "app/skin.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/message_boxes.h"
#include "framework/web/browser_loader.h"
#include "generators/catalogue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <set>

using namespace ornavo;

namespace {

long rssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

QWidget* previewWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("PreviewWindow") && w->isVisible())
            return w;
    return nullptr;
}

// Enough colours in the top left of the browser's area (where the shop page starts) to be a drawn
// page rather than an empty view. A small area keeps the looking cheap.
bool pageOnScreen(QWidget* window) {
    const QImage shot = window->screen()->grabWindow(window->winId(), 0, 0, 400, 200).toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 4)
        for (int x = 0; x < shot.width(); x += 4)
            if (colours.insert(shot.pixel(x, y)).second && colours.size() > 8)
                return true;
    return false;
}

struct Press {
    double window = -1, loaded = -1, shown = -1;
};

Press timePreview(QPushButton* preview) {
    Press result;
    QElapsedTimer clock;
    clock.start();
    preview->click();
    QWidget* window = previewWindow();
    if (!window)
        return result;
    result.window = clock.nsecsElapsed() / 1e6;
    QObject* view = window->findChild<QObject*>(QString::fromUtf8("超文本浏览框_在线预览"));
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(view, SIGNAL(loadFinished(bool)), &loop, SLOT(quit()));
    QObject::connect(view, SIGNAL(loadFinished(bool)), window, SLOT(update()));
    QTimer limit;
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(30000);
    loop.exec();
    loaded = limit.isActive();
    if (!loaded)
        return result;
    result.loaded = clock.nsecsElapsed() / 1e6;
    while (clock.elapsed() < 30000) {
        if (pageOnScreen(window)) {
            result.shown = clock.nsecsElapsed() / 1e6;
            break;
        }
        QEventLoop wait;
        QTimer::singleShot(10, &wait, &QEventLoop::quit);
        wait.exec();
    }
    return result;
}

void print(const char* what, const Press& p) {
    std::printf("%s_window_ms=%.1f %s_loaded_ms=%.1f %s_shown_ms=%.1f ", what, p.window, what, p.loaded, what,
                p.shown);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app::applySkin(app);
    const QStringList args = app.arguments();
    QString key = QStringLiteral("F03");
    for (const QString& arg : args.mid(1))
        if (!arg.startsWith(QLatin1Char('-')))
            key = arg;
    const ModuleSpec* module = moduleRegistry().byKey(key.toStdString());
    if (!module) {
        std::fprintf(stderr, "no module %s\n", qPrintable(key));
        return 2;
    }
    ui::MessageBoxPrompter prompter;
    ui::DesktopHost host(
        [&prompter](const std::string& code, QWidget* from) { web::presentPreview(code, from, prompter); },
        nullptr);

    Session session;
    ui::GeneratorWindow window(*module, session.variables(module->key), prompter, host);
    window.show();
    QPushButton* generate = nullptr;
    QPushButton* preview = nullptr;
    for (const Button& b : module->buttons) {
        auto* button = window.findChild<QPushButton*>(QString::fromStdString(b.name));
        if (b.action == Action::Generate && !generate)
            generate = button;
        if (b.action == Action::Preview && !preview)
            preview = button;
    }
    if (!generate || !preview) {
        std::fprintf(stderr, "module %s has no preview\n", qPrintable(key));
        return 2;
    }
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    generate->click();

    const long before = rssKb();
    const Press first = timePreview(preview);
    const Press again = timePreview(preview);
    delete previewWindow();
    const Press reopened = timePreview(preview);
    const long after = rssKb();
    print("first", first);
    print("again", again);
    print("reopened", reopened);
    std::printf("rss_before_kb=%ld rss_after_kb=%ld\n", before, after);
    web::closeBrowserWindows();
    return first.shown < 0 ? 1 : 0;
}
