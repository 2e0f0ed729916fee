#include "browser_loader.h"

#include "browser_windows.h"
#include "sandbox_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QPluginLoader>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

namespace ornavo::web {

namespace {

QPluginLoader* loader = nullptr; // kept for the whole run: the web engine is never unloaded
BrowserWindows* windows = nullptr;
bool engineStarted = false; // a window has been opened: the engine runs, with or without its sandbox
LiveSwitch* liveSwitch = nullptr;

QString fileOf(const QString& folder) {
    return QDir(folder).filePath(browserLibraryName());
}

// Qt warns when the shared-context attribute is set after start-up, and the web engine when it finds
// it unset; both are about exactly what is done here on purpose, so they are kept out of the output
// while the library loads and readies itself. Every other message passes.
QtMessageHandler passOn = nullptr;
void withoutLateAttributeWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.contains(QLatin1String("AA_ShareOpenGLContexts")))
        return;
    if (passOn)
        passOn(type, context, message);
}

// Nested: the warm-up's thread and a press may load at the same time.
int quietDepth = 0;
void beQuietAboutLateAttribute() {
    if (quietDepth++ == 0)
        passOn = qInstallMessageHandler(withoutLateAttributeWarnings);
}
void endQuietAboutLateAttribute() {
    if (--quietDepth == 0)
        qInstallMessageHandler(passOn);
}

struct QuietAboutLateAttribute {
    QuietAboutLateAttribute() { beQuietAboutLateAttribute(); }
    ~QuietAboutLateAttribute() { endQuietAboutLateAttribute(); }
};

QString libraryFile();

bool load(QString* reason) {
    const QString path = libraryFile();
    if (path.isEmpty()) {
        *reason = QStringLiteral("%1 not found in: %2")
                      .arg(browserLibraryName(), browserLibraryCandidates().join(QStringLiteral(", ")));
        return false;
    }
    // The web engine expects this attribute from the start; set now, its library loads quietly and
    // readies the shared OpenGL context itself (BrowserWindows::prepare). Set at start-up it would
    // cost every run an OpenGL context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    auto* candidate = new QPluginLoader(path);
    QObject* instance = candidate->instance();
    auto* found = qobject_cast<BrowserWindows*>(instance);
    if (!found) {
        *reason =
            instance ? QStringLiteral("%1 is not the browser library").arg(path) : candidate->errorString();
        candidate->unload();
        delete candidate;
        return false;
    }
    loader = candidate;
    windows = found;
    windows->setLiveSwitch(liveSwitch);
    return true;
}

// The file of the library: the first candidate that exists, or "" when none does.
QString libraryFile() {
    for (const QString& candidate : browserLibraryCandidates())
        if (QFileInfo(candidate).isFile())
            return candidate;
    return {};
}

// Before the web engine starts: whether it may. Where its sandbox cannot run the engine would end the
// program, so the user is asked first whether to open without it; No leaves the engine unstarted.
bool engineMayStart(Prompter& prompter) {
    if (engineStarted)
        return true;
    const std::optional<std::string> obstacle = sandboxObstacle(sandboxFacts());
    if (!obstacle)
        return true;
    if (prompter.ask(withoutSandboxQuestion(*obstacle)) == Answer::No)
        return false;
    switchSandboxOff();
    return true;
}

bool present(const char* unavailable, Prompter& prompter, const std::function<void(BrowserWindows&)>& open) {
    if (!engineMayStart(prompter))
        return false;
    QString reason;
    BrowserWindows* target = browserWindows(&reason);
    if (!target) {
        prompter.notify(std::string(unavailable) + "\n" + reason.toStdString());
        return false;
    }
    engineStarted = true;
    open(*target);
    return true;
}

// The warm-up (warmUpWhenIdle): waits for the window's first paint, then for the user to leave the
// program alone, before each step.
class WarmUpper : public QObject {
  public:
    // After the window shows, and between the user's inputs: the least quiet before a step.
    static constexpr int kAfterShownMs = 400;
    static constexpr int kQuietMs = 300;
    static constexpr int kPollMs = 20;

    explicit WarmUpper(QWidget* window) : QObject(QCoreApplication::instance()), window_(window) {
        sinceInput_.start();
        QCoreApplication::instance()->installEventFilter(this);
        if (window->isVisible())
            later(kAfterShownMs);
        else
            window->installEventFilter(this);
    }

    WarmUp state = WarmUp::Waiting;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
            sinceInput_.restart();
            break;
        case QEvent::Paint:
            if (watched == window_) {
                window_->removeEventFilter(this);
                later(kAfterShownMs);
            }
            break;
        default:
            break;
        }
        return false;
    }

  private:
    void later(int ms) {
        QTimer::singleShot(ms, this, [this] { step(); });
    }

    // The next step once the user has left the program alone for a moment.
    void step() {
        if (QCoreApplication::closingDown())
            return;
        if (sinceInput_.elapsed() < kQuietMs) {
            later(kQuietMs - static_cast<int>(sinceInput_.elapsed()));
            return;
        }
        switch (state) {
        case WarmUp::Waiting:
            startLoading();
            break;
        case WarmUp::Loading:
            if (loadingNow.load()) {
                later(kPollMs);
                return;
            }
            endQuietAboutLateAttribute();
            state = WarmUp::Starting;
            later(0);
            break;
        case WarmUp::Starting:
            start();
            break;
        default:
            break;
        }
    }

    // Where the sandbox cannot run as it is, the user decides at the first press; and a library that
    // is not there is told then.
    void startLoading() {
        if (windows) {
            state = WarmUp::Starting;
            later(0);
            return;
        }
        if (!engineStarted && sandboxObstacle(sandboxFacts())) {
            finish(WarmUp::Skipped);
            return;
        }
        const QString path = libraryFile();
        if (path.isEmpty()) {
            finish(WarmUp::Failed);
            return;
        }
        // As load() does; the library's own start-up checks run on the thread and say the same.
        beQuietAboutLateAttribute();
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        loadingNow = true;
        // Loaded and bound whole, so that little is left for this thread; it is never unloaded (the
        // library stays for the run), and QPluginLoader finds the library loaded.
        std::thread([path] {
            QLibrary library(path);
            library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
            library.load();
            loadingNow = false;
        }).detach();
        state = WarmUp::Loading;
        later(kPollMs);
    }

    void start() {
        QString reason;
        BrowserWindows* target = browserWindows(&reason);
        if (!target) {
            finish(WarmUp::Failed); // the first press says why
            return;
        }
        target->warmUp();
        engineStarted = true;
        finish(WarmUp::Ready);
    }

    void finish(WarmUp end) {
        state = end;
        QCoreApplication::instance()->removeEventFilter(this);
    }

    QPointer<QWidget> window_;
    QElapsedTimer sinceInput_;

  public:
    static std::atomic<bool> loadingNow;
};

std::atomic<bool> WarmUpper::loadingNow{false};
QPointer<WarmUpper> warmUpper;

} // namespace

const char* const kPreviewUnavailable = "预览窗口无法打开：浏览器组件没有加载成功。";
const char* const kColourTableUnavailable = "颜色表无法打开：浏览器组件没有加载成功。";

QString browserLibraryName() {
    return QStringLiteral(ORNAVO_BROWSER_FILE_NAME);
}

QStringList browserLibraryCandidates() {
    QStringList candidates;
    const QString fromEnvironment = qEnvironmentVariable("ORNAVO_BROWSER_LIBRARY");
    if (!fromEnvironment.isEmpty())
        return {fromEnvironment};
    const QString programFolder = QCoreApplication::applicationDirPath();
    candidates << fileOf(programFolder);
    candidates << fileOf(
        QDir::cleanPath(programFolder + QStringLiteral("/" ORNAVO_BROWSER_INSTALL_RELATIVE)));
    candidates.removeDuplicates();
    return candidates;
}

BrowserWindows* browserWindows(QString* reason) {
    QString ignored;
    QString& why = reason ? *reason : ignored;
    QuietAboutLateAttribute quiet;
    if (!windows && !load(&why))
        return nullptr;
    return windows->prepare(&why) ? windows : nullptr;
}

bool browserLibraryLoaded() {
    return windows != nullptr;
}

bool presentPreview(const std::string& code, QWidget* from, Prompter& prompter) {
    return present(kPreviewUnavailable, prompter,
                   [&code, from](BrowserWindows& w) { w.presentPreview(code, from); });
}

bool presentColourTable(QWidget* from, Prompter& prompter) {
    return present(kColourTableUnavailable, prompter,
                   [from](BrowserWindows& w) { w.presentColourTable(from); });
}

bool presentPagePreview(const std::string& pageFile, QWidget* from, std::function<void(int)> selected,
                        std::function<void(const std::string&)> liveCode, Prompter& prompter) {
    return present(kPreviewUnavailable, prompter, [&pageFile, from, &selected, &liveCode](BrowserWindows& w) {
        w.presentPagePreview(pageFile, from, std::move(selected), std::move(liveCode));
    });
}

bool updatePageSlot(int slot, const std::string& code) {
    return windows && windows->updatePageSlot(slot, code);
}

bool wholePageShown() {
    return windows && windows->showsWholePage();
}

void closeBrowserWindows() {
    if (windows)
        windows->closeAll();
}

void setLiveSwitch(LiveSwitch* live) {
    liveSwitch = live;
    if (windows)
        windows->setLiveSwitch(live);
}

void warmUpWhenIdle(QWidget* window) {
    if (warmUpper || !window)
        return;
    warmUpper = new WarmUpper(window);
}

WarmUp warmUpState() {
    return warmUpper ? warmUpper->state : WarmUp::NotAsked;
}

bool warmUpLoading() {
    return WarmUpper::loadingNow.load();
}

void endProgramIfLoading(int status) {
    if (!warmUpLoading())
        return;
    // Ending normally would wait for the loader's lock until the library is in.
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace ornavo::web
