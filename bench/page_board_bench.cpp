// Times the page board as a user meets it, each figure beside a baseline measured in the same run:
//   - opening a page of 20 modules and showing the board, until the board has painted itself
//     (baseline: one module window opened until it has painted itself);
//   - the whole page of those 20 modules in the preview, once the browser is ready, until the page has
//     loaded and its widgets started (baseline: one module's own preview the same way);
//   - one module's slot of that page given new code, until the page holds it (baseline: a module's own
//     preview taking new code in place, as live preview does).
// Prints the medians of ROUNDS rounds (default 5) and the ratios. Runs on the display it is given, or
// offscreen when there is none.
//
// Usage: ornavo-page-bench [ROUNDS]

#include "app/module_windows.h"
#include "app/page_board_window.h"
#include "framework/model/page.h"
#include "framework/model/platform.h"
#include "framework/model/settings_writer.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/web/web_windows.h"
#include "generators/catalogue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

using namespace ornavo;

namespace {

struct Nobody : Prompter {
    void notify(const std::string&) override {}
    Answer ask(const std::string&) override { return Answer::Yes; }
};

// Paints, as far as the platform paints: the widget's next paint event.
class Painted : public QObject {
  public:
    explicit Painted(QWidget* w) { w->installEventFilter(this); }
    bool done = false;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            done = true;
        return false;
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The settings of a module window after its first generate button, as a page embeds them, and the
// code it then shows.
std::pair<std::string, std::string> generated(const ModuleSpec& module) {
    Unattended nobody;
    WindowVariables vars;
    Form form(module, vars, nobody, nobody);
    for (const Button* b : allButtons(module))
        if (b->action == Action::Generate) {
            form.press(b->name);
            break;
        }
    return {settingsText(form, moduleRegistry()), form.code()};
}

bool evaluateTrue(QWebEngineView* view, const QString& script, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        // The answer may come after this call has given up: it lands in what the callback keeps.
        auto answer = std::make_shared<std::optional<bool>>();
        view->page()->runJavaScript(script, [answer](const QVariant& v) { *answer = v.toBool(); });
        while (!*answer && clock.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (answer->value_or(false))
            return true;
        // Asking without a pause keeps a page with a marquee from ever starting its widgets.
        QTest::qWait(40);
    }
    return false;
}

// Until the page has loaded and its widget library is done starting.
bool pageReady(QWebEngineView* view, int timeoutMs) {
    return evaluateTrue(view,
                        QStringLiteral("document.readyState === 'complete' && !!window.ornavoPreview && "
                                       "ornavoPreview.state !== 'loading'"),
                        timeoutMs);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir work;
    Nobody prompter;
    ui::DesktopHost host;
    web::installWebWindows(host);

    // A page of 20 modules: the windows in catalogue order, their default settings, generated.
    Page page;
    page.name = "二十个模块";
    for (const ModuleSpec& module : moduleRegistry().all()) {
        if (page.modules.size() == 20)
            break;
        (void)insertModule(page, page.modules.size(), embeddedModule(module, generated(module).first));
    }
    const std::string pageFile = work.path().toStdString() + "/twenty" + kPageSuffix;
    if (!writePageFile(pageFile, page)) {
        std::fprintf(stderr, "cannot write %s\n", pageFile.c_str());
        return 1;
    }

    const std::string oneModule = generated(*moduleRegistry().byKey("F11")).second;
    std::vector<double> board, window, whole, single, slot, inPlace;
    for (int round = 0; round < rounds; ++round) {
        app::ModuleWindows windows(moduleRegistry(), prompter, host);
        // Baseline: one module window up and painted.
        QElapsedTimer clock;
        clock.start();
        ui::GeneratorWindow* module = windows.open(*moduleRegistry().byKey("F11"));
        Painted modulePainted(module);
        QTest::qWaitFor([&] { return modulePainted.done; }, 10000);
        window.push_back(clock.nsecsElapsed() / 1e6);
        module->done(QDialog::Accepted);
        QTest::qWait(50);

        // The board with the page of 20 modules, painted.
        app::BoardServices services;
        services.windows = &windows;
        services.prompter = &prompter;
        services.previewFolder = work.path().toStdString() + "/preview";
        services.showPage = [](const std::string& file, QWidget* from, std::function<void(int)> selected,
                               std::function<void(const std::string&)> live) {
            web::PreviewWindow::presentPage(file, from, std::move(selected), std::move(live));
        };
        services.updateSlot = [](int id, const std::string& code) {
            web::PreviewWindow* w = web::PreviewWindow::instance();
            return w && w->replaceSlot(id, code);
        };
        clock.restart();
        auto* boardWindow = new app::PageBoardWindow(services);
        Painted boardPainted(boardWindow);
        boardWindow->openPage(pageFile);
        boardWindow->show();
        QTest::qWaitFor([&] { return boardPainted.done; }, 10000);
        board.push_back(clock.nsecsElapsed() / 1e6);

        // Baseline: a module's own preview (the browser ready: the first round readies it).
        if (round == 0) {
            web::PreviewWindow::present("<p>ready</p>", services.previewFolder);
            pageReady(web::PreviewWindow::instance()->browser(), 60000);
        }
        clock.restart();
        web::PreviewWindow* preview = web::PreviewWindow::instance();
        {
            QSignalSpy shown(preview, &web::PreviewWindow::codeShown);
            web::PreviewWindow::present(oneModule, services.previewFolder);
            shown.wait(60000);
        }
        pageReady(preview->browser(), 60000);
        single.push_back(clock.nsecsElapsed() / 1e6);

        // The whole page.
        clock.restart();
        {
            QSignalSpy shown(preview, &web::PreviewWindow::codeShown);
            boardWindow->previewPage();
            shown.wait(60000);
        }
        pageReady(preview->browser(), 60000);
        std::size_t slotCount = 0; // every module but the navigation's styles has a slot of its own
        for (const PageModule& m : page.modules)
            slotCount += m.area == PageArea::Navigation ? 0 : 1;
        evaluateTrue(
            preview->browser(),
            QStringLiteral("document.querySelectorAll('div[data-ornavo-slot]').length === %1").arg(slotCount),
            60000);
        whole.push_back(clock.nsecsElapsed() / 1e6);

        // One slot with new code.
        const int id = boardWindow->board().page().modules[2].id; // a body module (F03)
        const QString marker = QStringLiteral("slot-bench-%1").arg(round);
        clock.restart();
        if (!preview->replaceSlot(id, "<div id=\"" + marker.toStdString() + "\">新</div>"))
            std::fprintf(stderr, "the preview took no code for slot %d\n", id);
        if (!evaluateTrue(preview->browser(), QStringLiteral("!!document.getElementById('%1')").arg(marker),
                          10000)) {
            auto why = std::make_shared<QString>();
            preview->browser()->page()->runJavaScript(
                QStringLiteral("ornavoPreview.state + ' ' + "
                               "document.querySelectorAll('[data-ornavo-slot=\"%1\"]').length + ' ' + "
                               "ornavoPreview.replaceSlot('%1', '<i id=x1>x</i>')")
                    .arg(id),
                [why](const QVariant& v) { *why = v.toString(); });
            QTest::qWaitFor([&] { return !why->isEmpty(); }, 5000);
            std::fprintf(stderr, "slot %d not replaced: %s\n", id, qPrintable(*why));
        }
        slot.push_back(clock.nsecsElapsed() / 1e6);

        // Baseline: a module's own preview taking new code in place.
        {
            QSignalSpy shown(preview, &web::PreviewWindow::codeShown);
            web::PreviewWindow::present("<p>base</p>", services.previewFolder);
            shown.wait(60000);
        }
        pageReady(preview->browser(), 60000);
        const QString again = QStringLiteral("in-place-%1").arg(round);
        clock.restart();
        preview->showLiveCode("<p id=\"" + again.toStdString() + "\">新</p>");
        evaluateTrue(preview->browser(), QStringLiteral("!!document.getElementById('%1')").arg(again), 10000);
        inPlace.push_back(clock.nsecsElapsed() / 1e6 - 250); // less the live pause
        delete boardWindow;
    }
    const auto line = [](const char* what, const std::vector<double>& v, const char* base,
                         const std::vector<double>& b) {
        std::printf("%-46s %8.1f ms   %-36s %8.1f ms   %5.2f x\n", what, median(v), base, median(b),
                    median(b) > 0 ? median(v) / median(b) : 0.0);
    };
    std::printf("median of %d rounds\n", rounds);
    line("board with a page of 20 modules, painted", board, "one module window, painted", window);
    line("whole page of 20 modules, loaded and started", whole, "one module's preview, loaded", single);
    line("one slot of the page with new code", slot, "a module's preview, new code in place", inPlace);
    web::closeWebWindows();
    return 0;
}
