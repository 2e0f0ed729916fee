#include "web_windows.h"

#include "offline_widgets.h"

#include "framework/constants.h"

#include <QApplication>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWindow>

namespace ornavo::web {

namespace {

QPointer<PreviewWindow> previewWindow;
QPointer<ColourTableWindow> colourTableWindow;

QString q(const std::string& s) { return QString::fromStdString(s); }

// Shown, restored when minimised, and raised above the module window beside which it was asked for.
void bringToFront(QWidget* window) {
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

QString errorPage(const PreviewError& error) {
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>预览失败</title></head>"
                          "<body style=\"font-family:sans-serif;margin:40px;color:#333;\">"
                          "<h3>预览页面写入失败</h3>"
                          "<p>无法在文件夹 <code>%1</code> 中写入 test.html。</p>"
                          "<p style=\"color:#888;font-size:12px;\">%2</p></body></html>")
        .arg(q(error.folder()).toHtmlEscaped(), q(error.what()).toHtmlEscaped());
}

} // namespace

const char* const PreviewWindow::kCaption = "效果在线预览     Quillet工作室";
const char* const PreviewWindow::kBrowserName = "超文本浏览框_在线预览";

PreviewWindow::PreviewWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kCaption));
    setObjectName(QStringLiteral("PreviewWindow"));
    browser_ = new QWebEngineView(this);
    browser_->setObjectName(QString::fromUtf8(kBrowserName));
    browser_->setGeometry(0, 0, 995, 570);
    // The page is a local file that takes its style sheets, scripts and pictures from the marketplace
    // and the maker's site; when the marketplace's widget library does not arrive, the shipped copy
    // steps in.
    browser_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    useLocalWidgetLibrary(browser_->page());
    resize(1000, 600);
}

PreviewWindow::~PreviewWindow() {
    if (!folder_.empty())
        removePreviewPage(folder_);
}

PreviewWindow* PreviewWindow::instance() { return previewWindow; }

PreviewWindow* PreviewWindow::present(const std::string& code, const std::string& folder) {
    if (!previewWindow)
        previewWindow = new PreviewWindow;
    previewWindow->display(code, folder);
    bringToFront(previewWindow);
    return previewWindow;
}

void PreviewWindow::display(const std::string& code, const std::string& folder) {
    if (!folder_.empty() && folder_ != folder)
        removePreviewPage(folder_);
    folder_ = folder;
    try {
        pageUrl_ = QUrl::fromLocalFile(q(writePreviewPage(code, folder)));
        // Loading anew also when the address is the same: the page on disk has just changed.
        browser_->load(pageUrl_);
    } catch (const PreviewError& error) {
        pageUrl_ = QUrl();
        browser_->setHtml(errorPage(error));
    }
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    browser_->setGeometry(0, 0, event->size().width(), event->size().height());
}

const char* const ColourTableWindow::kCaption = "常用颜色表（颜色值请用鼠标右键复制）";
const char* const ColourTableWindow::kBrowserName = "超文本浏览框_颜色表";

ColourTableWindow::ColourTableWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kCaption));
    setObjectName(QStringLiteral("ColourTableWindow"));
    browser_ = new QWebEngineView;
    browser_->setObjectName(QString::fromUtf8(kBrowserName));
    browser_->setContextMenuPolicy(Qt::DefaultContextMenu); // the browser's own menu copies values
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(970, 520);
    browser_->load(address());
}

QUrl ColourTableWindow::address() { return QUrl(q(makerServer() + "/Tessaly/zx/ysb/ysb.html")); }

ColourTableWindow* ColourTableWindow::instance() { return colourTableWindow; }

ColourTableWindow* ColourTableWindow::present() {
    if (!colourTableWindow)
        colourTableWindow = new ColourTableWindow;
    bringToFront(colourTableWindow);
    return colourTableWindow;
}

void closeWebWindows() {
    delete previewWindow.data();
    delete colourTableWindow.data();
}

} // namespace ornavo::web
