#include "browser_loader.h"

#include "browser_windows.h"
#include "sandbox_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include <functional>

namespace ornavo::web {

namespace {

QPluginLoader* loader = nullptr; // kept for the whole run: the web engine is never unloaded
BrowserWindows* windows = nullptr;
bool engineStarted = false; // a window has been opened: the engine runs, with or without its sandbox

QString fileOf(const QString& folder) { return QDir(folder).filePath(browserLibraryName()); }

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

struct QuietAboutLateAttribute {
    QuietAboutLateAttribute() { passOn = qInstallMessageHandler(withoutLateAttributeWarnings); }
    ~QuietAboutLateAttribute() { qInstallMessageHandler(passOn); }
};

bool load(QString* reason) {
    const QStringList candidates = browserLibraryCandidates();
    QString path;
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile()) {
            path = candidate;
            break;
        }
    if (path.isEmpty()) {
        *reason = QStringLiteral("%1 not found in: %2").arg(browserLibraryName(), candidates.join(QStringLiteral(", ")));
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
        *reason = instance ? QStringLiteral("%1 is not the browser library").arg(path) : candidate->errorString();
        candidate->unload();
        delete candidate;
        return false;
    }
    loader = candidate;
    windows = found;
    return true;
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

} // namespace

const char* const kPreviewUnavailable = "预览窗口无法打开：浏览器组件没有加载成功。";
const char* const kColourTableUnavailable = "颜色表无法打开：浏览器组件没有加载成功。";

QString browserLibraryName() { return QStringLiteral("ornavo-browser.so"); }

QStringList browserLibraryCandidates() {
    QStringList candidates;
    const QString fromEnvironment = qEnvironmentVariable("ORNAVO_BROWSER_LIBRARY");
    if (!fromEnvironment.isEmpty())
        return {fromEnvironment};
    const QString programFolder = QCoreApplication::applicationDirPath();
    candidates << fileOf(programFolder);
    candidates << fileOf(QDir::cleanPath(programFolder + QStringLiteral("/" ORNAVO_BROWSER_INSTALL_RELATIVE)));
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

bool browserLibraryLoaded() { return windows != nullptr; }

bool presentPreview(const std::string& code, QWidget* from, Prompter& prompter) {
    return present(kPreviewUnavailable, prompter,
                   [&code, from](BrowserWindows& w) { w.presentPreview(code, from); });
}

bool presentColourTable(QWidget* from, Prompter& prompter) {
    return present(kColourTableUnavailable, prompter,
                   [from](BrowserWindows& w) { w.presentColourTable(from); });
}

void closeBrowserWindows() {
    if (windows)
        windows->closeAll();
}

} // namespace ornavo::web
