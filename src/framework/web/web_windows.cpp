#include "web_windows.h"

#include "guarded_page.h"
#include "offline_widgets.h"
#include "preview_scheme.h"

#include "framework/model/constants.h"
#include "framework/model/text.h"
#include "framework/ui/window_placement.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWindow>

#include <cerrno>

namespace ornavo::web {

namespace {

QPointer<PreviewWindow> previewWindow;
QPointer<ColourTableWindow> colourTableWindow;
LiveSwitch* liveSwitch = nullptr;

// The live bar's distance from the window's top and right edges (clear of the page's scroll bar).
constexpr int kLiveBarTop = 4;
constexpr int kLiveBarRight = 24;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The page text as the browser reads it from the file: characters GBK lacks are references there.
QString pageAsRead(const std::string& code) {
    const std::optional<std::string> bytes = previewPageBytes(code);
    const std::optional<std::string> text = bytes ? gbkToUtf8(*bytes) : std::nullopt;
    return text ? q(*text) : QString();
}

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

// Why the page could not be written, in the user's language.
std::string failureReason(const PreviewFailure& error) {
    if (error.error == ELOOP || error.error == ENOTDIR)
        return "那里有同名的链接或文件，不是一个真正的文件夹";
    return error.error ? errorReason(error.error) : "代码不是有效的文字";
}

QString errorPage(const PreviewFailure& error) {
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>预览失败</title></head>"
                          "<body style=\"font-family:sans-serif;margin:40px;color:#333;\">"
                          "<h3>预览页面写入失败</h3>"
                          "<p>无法在文件夹 <code>%1</code> 中写入 test.html。</p>"
                          "<p>原因：%2</p></body></html>")
        .arg(q(error.folder).toHtmlEscaped(), q(failureReason(error)).toHtmlEscaped());
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
const char* const PreviewWindow::kLiveBoxName = "选择框_实时预览";
const char* const PreviewWindow::kLiveNoticeName = "标签_实时预览提示";
const char* const PreviewWindow::kPageNoticeName = "标签_页面提示";

void PreviewWindow::setLiveSwitch(LiveSwitch* live) {
    liveSwitch = live;
}

PreviewWindow::PreviewWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kCaption));
    setObjectName(QStringLiteral("PreviewWindow"));
    browser_ = new QWebEngineView(this);
    browser_->setObjectName(QString::fromUtf8(kBrowserName));
    browser_->setGeometry(0, 0, 995, 570);
    // The page's scripts open no box and cannot keep it busy for good (guarded_page.h).
    page_ = new GuardedPage(QWebEngineProfile::defaultProfile(), browser_);
    browser_->setPage(page_);
    pageNotice_ = new QLabel(this);
    pageNotice_->setObjectName(QString::fromUtf8(kPageNoticeName));
    pageNotice_->setProperty("role", QStringLiteral("pageNotice"));
    pageNotice_->setTextFormat(Qt::PlainText);
    pageNotice_->setAutoFillBackground(true);
    pageNotice_->setContentsMargins(8, 3, 8, 3);
    pageNotice_->hide();
    connect(page_, &GuardedPage::noticeChanged, this, &PreviewWindow::showPageNotice);
    // The page comes from the program's own scheme (not as a local file, so its scripts read no file
    // of this machine) and takes its style sheets, scripts and pictures from the marketplace and the
    // maker's site; when the marketplace's widget library does not arrive, the shipped copy steps in.
    // Should a local file ever be shown here, it may not read others either.
    servePreviewScheme(browser_->page()->profile());
    browser_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    useLocalWidgetLibrary(browser_->page());
    connect(browser_, &QWebEngineView::loadStarted, this, [this] { loading_ = true; });
    connect(browser_, &QWebEngineView::loadFinished, this, [this] {
        loading_ = false;
        // Back where the user was; the shipped widget library scrolls there again once it has laid the
        // page out with the shop's frame.
        if (keepScroll_)
            browser_->page()->runJavaScript(
                QStringLiteral("window.ornavoKeepScroll = [%1, %2]; window.scrollTo(%1, %2)")
                    .arg(keepScroll_->x())
                    .arg(keepScroll_->y()));
        keepScroll_.reset();
        // A page whose renderer was ended (it stopped answering) shows no code.
        if (tellLoaded_ && !page_->stopped()) {
            tellLoaded_ = false;
            emit codeShown(false);
        }
    });

    pause_.setSingleShot(true);
    pause_.setTimerType(Qt::PreciseTimer);
    pause_.setInterval(static_cast<int>(LivePreview::kPause.count()));
    connect(&pause_, &QTimer::timeout, this, &PreviewWindow::showPaused);
    if (liveSwitch) {
        liveBar_ = new QWidget(this);
        liveBar_->setObjectName(QStringLiteral("liveBar"));
        liveBar_->setAttribute(Qt::WA_StyledBackground);
        liveBar_->setAutoFillBackground(true);
        auto* row = new QHBoxLayout(liveBar_);
        row->setContentsMargins(6, 2, 6, 2);
        row->setSpacing(8);
        notice_ = new QLabel(liveBar_);
        notice_->setObjectName(QString::fromUtf8(kLiveNoticeName));
        notice_->setProperty("role", QStringLiteral("liveNotice"));
        notice_->setTextFormat(Qt::PlainText);
        notice_->hide();
        liveBox_ = new QCheckBox(QString::fromUtf8(LivePreview::kCheckBoxText), liveBar_);
        liveBox_->setObjectName(QString::fromUtf8(kLiveBoxName));
        row->addWidget(notice_);
        row->addWidget(liveBox_);
        // Toggled, not clicked: the accessibility bridge toggles the box without a click.
        connect(liveBox_, &QCheckBox::toggled, this, [](bool on) {
            if (liveSwitch)
                liveSwitch->setLive(on);
        });
        liveSwitch->setView(this);
        showLiveState(liveSwitch->live(), liveSwitch->notice());
    }
    resize(1000, 600);
}

PreviewWindow::~PreviewWindow() {
    if (liveBar_ && liveSwitch)
        liveSwitch->setView(nullptr);
    setPreviewPageFile({});
    if (!folder_.empty())
        removePreviewPage(folder_);
}

PreviewWindow* PreviewWindow::instance() {
    return previewWindow && previewWindow->presented_ ? previewWindow.data() : nullptr;
}

void PreviewWindow::warmUp() {
    if (previewWindow)
        return;
    previewWindow = new PreviewWindow;
    previewWindow->browser_->load(barePageUrl());
}

PreviewWindow* PreviewWindow::present(const std::string& code, const std::string& folder, QWidget* beside) {
    const bool created = !previewWindow || !previewWindow->presented_;
    if (!previewWindow)
        previewWindow = new PreviewWindow;
    previewWindow->presented_ = true;
    previewWindow->display(code, folder);
    if (previewWindow->liveBar_ && liveSwitch)
        previewWindow->showLiveState(liveSwitch->live(), liveSwitch->notice());
    bringToFront(previewWindow, created, beside, colourTableWindow);
    return previewWindow;
}

bool PreviewWindow::writePage(const std::string& code) {
    const Result<std::string, PreviewFailure> written = writePreviewPage(code, folder_);
    if (written) {
        setPreviewPageFile(q(*written));
        pageUrl_ = previewPageUrl();
        return true;
    }
    setPreviewPageFile({});
    pageUrl_ = QUrl();
    browser_->setHtml(errorPage(written.failure()));
    return false;
}

void PreviewWindow::display(const std::string& code, const std::string& folder) {
    pause_.stop(); // the page shows this code now
    if (!folder_.empty() && folder_ != folder)
        removePreviewPage(folder_);
    folder_ = folder;
    // The page made ahead of time (warmUp) takes the code in place where that gives what loading it
    // would. Otherwise the page is loaded anew, also when the address is the same: the page on disk
    // has just changed.
    putCode(code, browser_->url() == barePageUrl() && !loading_, false);
}

void PreviewWindow::showLiveCode(const std::string& code) {
    liveCode_ = code;
    pause_.start();
}

void PreviewWindow::showLiveState(bool on, const std::string& notice) {
    if (!liveBar_)
        return;
    const QSignalBlocker quiet(liveBox_); // showing the state is no choice of the user's
    liveBox_->setChecked(on);
    notice_->setText(q(notice));
    notice_->setVisible(!notice.empty());
    placeLiveBar();
}

// The user paused: the page shows the code that came last.
void PreviewWindow::showPaused() {
    putCode(liveCode_, true, true);
}

void PreviewWindow::putCode(const std::string& code, bool inPlace, bool keepScroll) {
    static const QString bare = pageAsRead({});
    const quint64 serial = ++liveSerial_;
    if (folder_.empty() || !writePage(code))
        return;
    const QUrl shown = browser_->url();
    if (!inPlace || loading_ || page_->stopped() || (shown != pageUrl_ && shown != barePageUrl())) {
        loadPage(keepScroll);
        return;
    }
    page_->watch();
    // True when the code went in place (the address then names the page's file); else where the page
    // stands, for the page loaded anew (which scrolls there itself, not to where the browser would put
    // back what was in sight).
    const QString script =
        QStringLiteral(
            "(window.ornavoPreview && ornavoPreview.replaceCode && ornavoPreview.replaceCode(%1, %2) && "
            "(history.replaceState(null, '', %3), true)) || "
            "(history.scrollRestoration = 'manual', [window.scrollX, window.scrollY])")
            .arg(javaScriptString(pageAsRead(code)), javaScriptString(bare),
                 javaScriptString(pageUrl_.toString()));
    QPointer<PreviewWindow> self(this);
    browser_->page()->runJavaScript(script, [self, serial, keepScroll](const QVariant& answer) {
        if (!self || serial != self->liveSerial_)
            return; // gone, or newer code is on its way
        if (answer.typeId() == QMetaType::Bool && answer.toBool()) {
            emit self->codeShown(true);
            return;
        }
        const QVariantList at = answer.toList();
        if (keepScroll && at.size() == 2)
            self->keepScroll_ = QPointF(at[0].toDouble(), at[1].toDouble());
        self->loadPage(keepScroll);
    });
}

void PreviewWindow::loadPage(bool keepScroll) {
    if (keepScroll && !keepScroll_ && !page_->stopped())
        keepScroll_ = browser_->page()->scrollPosition();
    tellLoaded_ = true;
    page_->loadWatched(pageUrl_);
}

void PreviewWindow::placeLiveBar() {
    if (!liveBar_)
        return;
    liveBar_->adjustSize();
    liveBar_->move(std::max(0, width() - liveBar_->width() - kLiveBarRight), kLiveBarTop);
    liveBar_->raise();
}

void PreviewWindow::showPageNotice(const QString& line) {
    pageNotice_->setText(line);
    pageNotice_->setToolTip(line);
    pageNotice_->setVisible(!line.isEmpty());
    placePageNotice();
}

// Along the window's bottom edge, over the page, as wide as its text (and no wider than the window).
void PreviewWindow::placePageNotice() {
    if (pageNotice_->isHidden())
        return;
    const int height = pageNotice_->sizeHint().height();
    pageNotice_->setGeometry(0, this->height() - height, std::min(pageNotice_->sizeHint().width(), width()),
                             height);
    pageNotice_->raise();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    browser_->setGeometry(0, 0, event->size().width(), event->size().height());
    placeLiveBar();
    placePageNotice();
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

QUrl ColourTableWindow::address() {
    return QUrl(q(makerServer() + "/Tessaly/zx/ysb/ysb.html"));
}

ColourTableWindow* ColourTableWindow::instance() {
    return colourTableWindow;
}

ColourTableWindow* ColourTableWindow::present(QWidget* beside) {
    const bool created = !colourTableWindow;
    if (created)
        colourTableWindow = new ColourTableWindow;
    bringToFront(colourTableWindow, created, beside, PreviewWindow::instance());
    return colourTableWindow;
}

void closeWebWindows() {
    delete previewWindow.data();
    delete colourTableWindow.data();
}

} // namespace ornavo::web
