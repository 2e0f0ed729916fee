// Times the preview as a user meets it: a module window, generate, then "预览", with the browser's
// library loaded on that first press, or readied in the background beforehand (--warm-up), exactly
// as the program does. Prints, for the first press, a second press on the open window and a press
// after the window was closed: the time until the preview window is there, until its page has loaded
// (or taken the code in place), and until the page shows on screen; the resident memory before and after;
// and, with live preview turned on, the time from the end of the user's pause after typing into a field until
// the page on screen has changed (--live N times, typing into FIELD with VALUES in turn).
//
// Usage: ornavo-preview-bench [KEY] [--warm-up] [--live N] [--field NAME] [--values A,B] — run it under
// a display; pass Chromium's --host-resolver-rules to keep the shop page's marketplace addresses off
// the network.

#include "app/skin.h"
#include "framework/model/live_preview.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/live_preview_link.h"
#include "framework/ui/message_boxes.h"
#include "framework/web/browser_loader.h"
#include "generators/catalogue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

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

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
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

// The page below the shop's header, as the screen shows it.
QImage pageBody(QWidget* window) {
    return window->screen()
        ->grabWindow(window->winId(), 0, 150, window->width() - 20, window->height() - 150)
        .toImage();
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
    // Loaded, or (the first press on a window made ahead of time) the code put in place.
    QEventLoop loop;
    QObject::connect(window, SIGNAL(codeShown(bool)), &loop, SLOT(quit()));
    QObject::connect(window, SIGNAL(codeShown(bool)), window, SLOT(update()));
    QTimer limit;
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(30000);
    loop.exec();
    if (!limit.isActive())
        return result;
    result.loaded = clock.nsecsElapsed() / 1e6;
    while (clock.elapsed() < 30000) {
        if (pageOnScreen(window)) {
            result.shown = clock.nsecsElapsed() / 1e6;
            break;
        }
        wait(10);
    }
    return result;
}

// Types the value into the field as a user does (the old text selected, then key by key) and returns
// the milliseconds from the end of the pause after the last key until the page on screen changed;
// -1 when it did not change within the limit.
double timeLiveUpdate(QLineEdit* field, const QString& value, bool* inPlace) {
    QWidget* window = previewWindow();
    if (!window)
        return -1;
    const QImage before = pageBody(window);
    QSignalSpy shown(window, SIGNAL(codeShown(bool)));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, value);
    QElapsedTimer sinceLastKey;
    sinceLastKey.start();
    const double pause = static_cast<double>(LivePreview::kPause.count());
    double result = -1;
    while (sinceLastKey.elapsed() < 10000) {
        if (sinceLastKey.elapsed() >= pause - 30 && pageBody(window) != before) {
            result = sinceLastKey.nsecsElapsed() / 1e6 - pause;
            break;
        }
        wait(sinceLastKey.elapsed() >= pause - 30 ? 4 : 20);
    }
    *inPlace = !shown.isEmpty() && shown.constLast().at(0).toBool();
    return result;
}

void print(const char* what, const Press& p) {
    std::printf("%s_window_ms=%.1f %s_loaded_ms=%.1f %s_shown_ms=%.1f ", what, p.window, what, p.loaded, what,
                p.shown);
}

double median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app::applySkin(app);
    const QStringList args = app.arguments();
    QString key = QStringLiteral("F03");
    QString fieldName = QString::fromUtf8("编辑框_海报高度");
    QStringList values = {QStringLiteral("300"), QStringLiteral("200")};
    bool warmUp = false;
    int liveRounds = 0;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--warm-up"))
            warmUp = true;
        else if (arg == QLatin1String("--live") && i + 1 < args.size())
            liveRounds = args[++i].toInt();
        else if (arg == QLatin1String("--field") && i + 1 < args.size())
            fieldName = args[++i];
        else if (arg == QLatin1String("--values") && i + 1 < args.size())
            values = args[++i].split(QLatin1Char(','));
        else if (!arg.startsWith(QLatin1Char('-')))
            key = arg;
    }
    const ModuleSpec* module = moduleRegistry().byKey(key.toStdString());
    if (!module) {
        std::fprintf(stderr, "no module %s\n", qPrintable(key));
        return 2;
    }
    ui::MessageBoxPrompter prompter;
    ui::DesktopHost host(
        [&prompter](const std::string& code, QWidget* from) { web::presentPreview(code, from, prompter); },
        nullptr);
    // Live preview as the program has it, its choice kept apart from the user's.
    QTemporaryDir state;
    LivePreview live(QDir(state.path()).filePath(QStringLiteral("live-preview")).toStdString());
    web::setLiveSwitch(&live);

    Session session;
    ui::GeneratorWindow window(*module, session.variables(module->key), prompter, host);
    window.attach(std::make_unique<ui::LivePreviewLink>(window, live));
    QElapsedTimer sinceShown;
    window.show();
    sinceShown.start();
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
    const long rssShown = rssKb();
    double warmMs = -1;
    if (warmUp) {
        // The user reads the window and fills it in meanwhile; the press comes once the browser is ready.
        web::warmUpWhenIdle(&window);
        while (sinceShown.elapsed() < 30000) {
            const web::WarmUp s = web::warmUpState();
            if (s == web::WarmUp::Ready || s == web::WarmUp::Skipped || s == web::WarmUp::Failed)
                break;
            wait(10);
        }
        warmMs = sinceShown.nsecsElapsed() / 1e6;
        if (web::warmUpState() != web::WarmUp::Ready)
            std::fprintf(stderr, "the warm-up did not finish (%d)\n", static_cast<int>(web::warmUpState()));
        wait(1500);
    }
    wait(300);
    generate->click();

    const long before = rssKb();
    const Press first = timePreview(preview);
    const Press again = timePreview(preview);
    delete previewWindow();
    const Press reopened = timePreview(preview);
    const long after = rssKb();

    std::vector<double> updates;
    int inPlace = 0;
    auto* field = window.findChild<QLineEdit*>(fieldName);
    if (liveRounds > 0 && !field)
        std::fprintf(stderr, "no field %s in %s\n", qPrintable(fieldName), qPrintable(key));
    if (liveRounds > 0 && field) {
        live.setLive(true); // as the check box does
        wait(500);
        for (int k = 0; k < liveRounds; ++k) {
            bool replaced = false;
            const double ms = timeLiveUpdate(field, values[k % values.size()], &replaced);
            if (ms >= 0)
                updates.push_back(ms);
            inPlace += replaced;
            wait(400);
        }
    }

    print("first", first);
    print("again", again);
    print("reopened", reopened);
    std::printf("warm_up_ms=%.1f rss_shown_kb=%ld rss_before_kb=%ld rss_after_kb=%ld ", warmMs, rssShown,
                before, after);
    std::printf("live_ms=%.1f live_rounds=%zu live_in_place=%d\n", median(updates), updates.size(), inPlace);
    web::closeBrowserWindows();
    return first.shown < 0 ? 1 : 0;
}
