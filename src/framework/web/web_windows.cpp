#include "web_windows.h"

#include "offline_widgets.h"
#include "preview_scheme.h"

#include "framework/constants.h"
#include "framework/ui/window_placement.h"

#include <QApplication>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWindow>

namespace ornavo::web {

namespace {

QPointer<PreviewWindow> previewWindow;
QPointer<ColourTableWindow> colourTableWindow;

QString q(const std::string& s) { return QString::fromStdString(s); }

// A new window opens beside the window that asked for it (clear of the other browser window where
// there is room); an open one keeps its place. Either is shown, restored when minimised, and raised in
// front of the asking window.
void bringToFront(QWidget* window, bool created, QWidget* beside, const QWidget* other) {
    if (created)
        ui::placeBeside(window, beside, {other});
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

// Colour values ("#" and three, six or eight hexadecimal digits) are taken whole, "#" included: a click
// or a double-click on one selects it, and so does a right click that is not on a selection already,
// so the context menu's Copy copies it. A selection the user drags, and a triple click, stay as they
// are. Runs in a world of its own, apart from the page's scripts, on whatever colour page the maker's
// site serves.
const char* const kColourValueSelection = R"js(
(function () {
  var VALUE = /#(?:[0-9a-fA-F]{8}|[0-9a-fA-F]{6}|[0-9a-fA-F]{3})(?![0-9a-zA-Z_])/g;
  var pressedAt = null;
  function valueAt(x, y) {
    var caret = document.caretRangeFromPoint(x, y);
    if (!caret || caret.startContainer.nodeType !== Node.TEXT_NODE)
      return null;
    var node = caret.startContainer, at = caret.startOffset, m;
    VALUE.lastIndex = 0;
    while ((m = VALUE.exec(node.data))) {
      if (m.index <= at && at <= m.index + m[0].length) {
        var range = document.createRange();
        range.setStart(node, m.index);
        range.setEnd(node, m.index + m[0].length);
        return range;
      }
    }
    return null;
  }
  function select(range) {
    var selection = window.getSelection();
    selection.removeAllRanges();
    selection.addRange(range);
  }
  function onSelection(x, y) {
    var selection = window.getSelection();
    for (var i = 0; i < selection.rangeCount; ++i) {
      var rects = selection.getRangeAt(i).getClientRects();
      for (var k = 0; k < rects.length; ++k) {
        var r = rects[k];
        if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom)
          return true;
      }
    }
    return false;
  }
  document.addEventListener('mousedown', function (e) { pressedAt = [e.clientX, e.clientY]; }, true);
  document.addEventListener('click', function (e) {
    var dragged = pressedAt && Math.abs(e.clientX - pressedAt[0]) + Math.abs(e.clientY - pressedAt[1]) > 3;
    if (e.button !== 0 || dragged || e.detail > 2)
      return;
    var range = valueAt(e.clientX, e.clientY);
    if (range)
      select(range);
  }, true);
  document.addEventListener('dblclick', function (e) {
    var range = e.button === 0 ? valueAt(e.clientX, e.clientY) : null;
    if (range)
      select(range);
  }, true);
  document.addEventListener('contextmenu', function (e) {
    if (window.getSelection().isCollapsed || !onSelection(e.clientX, e.clientY)) {
      var range = valueAt(e.clientX, e.clientY);
      if (range)
        select(range);
    }
  }, true);
})();
)js";

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
    // The page comes from the program's own scheme (not as a local file, so its scripts read no file
    // of this machine) and takes its style sheets, scripts and pictures from the marketplace and the
    // maker's site; when the marketplace's widget library does not arrive, the shipped copy steps in.
    // Should a local file ever be shown here, it may not read others either.
    servePreviewScheme(browser_->page()->profile());
    browser_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    useLocalWidgetLibrary(browser_->page());
    resize(1000, 600);
}

PreviewWindow::~PreviewWindow() {
    setPreviewPageFile({});
    if (!folder_.empty())
        removePreviewPage(folder_);
}

PreviewWindow* PreviewWindow::instance() { return previewWindow; }

PreviewWindow* PreviewWindow::present(const std::string& code, const std::string& folder, QWidget* beside) {
    const bool created = !previewWindow;
    if (created)
        previewWindow = new PreviewWindow;
    previewWindow->display(code, folder);
    bringToFront(previewWindow, created, beside, colourTableWindow);
    return previewWindow;
}

void PreviewWindow::display(const std::string& code, const std::string& folder) {
    if (!folder_.empty() && folder_ != folder)
        removePreviewPage(folder_);
    folder_ = folder;
    try {
        setPreviewPageFile(q(writePreviewPage(code, folder)));
        pageUrl_ = previewPageUrl();
        // Loading anew also when the address is the same: the page on disk has just changed.
        browser_->load(pageUrl_);
    } catch (const PreviewError& error) {
        setPreviewPageFile({});
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
    QWebEngineScript wholeValues;
    wholeValues.setName(QStringLiteral("ornavo-colour-values"));
    wholeValues.setSourceCode(QString::fromUtf8(kColourValueSelection));
    wholeValues.setInjectionPoint(QWebEngineScript::DocumentCreation);
    wholeValues.setWorldId(QWebEngineScript::ApplicationWorld);
    wholeValues.setRunsOnSubFrames(true);
    browser_->page()->scripts().insert(wholeValues);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(970, 520);
    browser_->load(address());
}

QUrl ColourTableWindow::address() { return QUrl(q(makerServer() + "/Tessaly/zx/ysb/ysb.html")); }

ColourTableWindow* ColourTableWindow::instance() { return colourTableWindow; }

ColourTableWindow* ColourTableWindow::present(QWidget* beside) {
    const bool created = !colourTableWindow;
    if (created)
        colourTableWindow = new ColourTableWindow;
    bringToFront(colourTableWindow, created, beside, previewWindow);
    return colourTableWindow;
}

void closeWebWindows() {
    delete previewWindow.data();
    delete colourTableWindow.data();
}

} // namespace ornavo::web
