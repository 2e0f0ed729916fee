// The library that holds the browser windows: the entry point the program loads on first use.

#include "browser_windows.h"
#include "web_windows.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QObject>

// The web engine's own set-up of the OpenGL context it shares with the windows, as it runs when
// the attribute is set before the application object exists. Here it runs when the library is
// loaded, which is exactly when the first browser window is about to be made.
namespace QtWebEngineCore {
Q_DECL_IMPORT void initialize();
}

namespace ornavo::web {

namespace {

// Where the web engine looks for its helper process; without one it would end the program.
QString helperProcess() {
    const QString name = QStringLiteral("QtWebEngineProcess");
    const QString fromEnvironment = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (!fromEnvironment.isEmpty())
        return QFileInfo(fromEnvironment).isExecutable() ? fromEnvironment : QString();
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath), QCoreApplication::applicationDirPath()}) {
        const QString path = folder + QLatin1Char('/') + name;
        if (QFileInfo(path).isExecutable())
            return path;
    }
    return {};
}

} // namespace

class BrowserPlugin : public QObject, public BrowserWindows {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ORNAVO_BROWSER_WINDOWS_IID)
    Q_INTERFACES(ornavo::web::BrowserWindows)
  public:
    bool prepare(QString* reason) override {
        if (ready_)
            return true;
        if (helperProcess().isEmpty()) {
            if (reason)
                *reason = QStringLiteral("QtWebEngineProcess not found (QTWEBENGINEPROCESS_PATH or %1)")
                              .arg(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath));
            return false;
        }
        QtWebEngineCore::initialize();
        ready_ = true;
        return true;
    }
    void presentPreview(const std::string& code, QWidget* from) override {
        PreviewWindow::present(code, defaultPreviewFolder(), from);
    }
    void presentColourTable(QWidget* from) override { ColourTableWindow::present(from); }
    void presentPagePreview(const std::string& pageFile, QWidget* from, std::function<void(int)> selected,
                            std::function<void(const std::string&)> liveCode) override {
        PreviewWindow::presentPage(pageFile, from, std::move(selected), std::move(liveCode));
    }
    bool showsWholePage() override {
        PreviewWindow* window = PreviewWindow::instance();
        return window && window->isVisible() && window->showsWholePage();
    }
    bool updatePageSlot(int slot, const std::string& code) override {
        PreviewWindow* window = PreviewWindow::instance();
        return window && window->replaceSlot(slot, code);
    }
    void closeAll() override { closeWebWindows(); }
    void setLiveSwitch(LiveSwitch* live) override { PreviewWindow::setLiveSwitch(live); }
    void warmUp() override { PreviewWindow::warmUp(); }

  private:
    bool ready_ = false;
};

} // namespace ornavo::web

#include "browser_plugin.moc"
