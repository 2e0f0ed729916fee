#include "web_windows.h"

#include "guarded_page.h"
#include "offline_widgets.h"
#include "preview_scheme.h"

#include "framework/model/constants.h"
#include "framework/model/text.h"
#include "framework/ui/window_placement.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
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

// The width a shop page needs: its 950-pixel design area, the page's margins and its scroll bar.
constexpr int kPageWidth = 1000;
// The scales the user may choose instead of the one that fits the page into the window (percent).
constexpr int kScales[] = {100, 90, 80, 75, 67, 50, 33};
constexpr int kLeastScale = 25;
// The preview and colour table open at least this large (besides their frames) where the screen is
// short of room.
const QSize kPreviewSize(1000, 600), kPreviewLeast(360, 300);
const QSize kColourTableSize(970, 520), kColourTableLeast(420, 240);
// A side of the screen for the opener is worth a move when it gives the new window this much more.
constexpr int kWorthMoving = 40;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The page text as the browser reads it from the file: characters GBK lacks are references there.
QString pageAsRead(const std::string& code) {
    const std::optional<std::string> bytes = previewPageBytes(code);
    const std::optional<std::string> text = bytes ? gbkToUtf8(*bytes) : std::nullopt;
    return text ? q(*text) : QString();
}

long long fieldsCovered(const QRect& frame, const ui::Clearance& clearance) {
    long long covered = 0;
    for (const QRect& r : clearance.keepClear)
        covered += static_cast<long long>(frame.intersected(r).width()) * frame.intersected(r).height();
    return covered;
}

// Where a new browser window opens: never over the fields of the window that asked for it (`opener`)
// where the screen has any room, then as little as can be over the window named first (the opener, or
// the other browser window with `otherFirst`), then the second. Where the wanted size does not fit, the
// window takes the room there is, down to its least size. With `besideOpener` (the preview) the whole
// opener is kept clear: the window stands beside it, as tall as the screen where it is narrower than
// wanted (the page is then shown scaled), and the opener moves to a side of the screen when that
// covers less of it or gives the new window much more room.
void placeNew(QWidget* window, QSize wanted, QSize least, QWidget* opener, const QWidget* other,
              bool otherFirst, bool besideOpener) {
    const QScreen* screen = opener && opener->screen() ? opener->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    if (!opener) {
        window->resize(wanted.boundedTo(area.size()));
        QRect frame(QPoint(), window->size());
        frame.moveCenter(area.center());
        window->move(frame.topLeft());
        return;
    }
    const QSize thickness = opener->frameGeometry().size() - opener->size();
    const QRect otherFrame =
        other && other->isVisible() && !other->isMinimized() ? other->frameGeometry() : QRect();
    const auto clearanceFor = [&](QPoint shift) {
        ui::Clearance c;
        if (const QRect fields = ui::fieldsOnScreen(opener); !fields.isEmpty())
            c.keepClear.push_back(fields.translated(shift));
        c.opener = opener->frameGeometry().translated(shift);
        if (besideOpener)
            c.keepClear.push_back(c.opener);
        c.rather = {c.opener};
        if (!otherFrame.isNull())
            c.rather.insert(otherFirst ? c.rather.begin() : c.rather.end(), otherFrame);
        return c;
    };
    const QSize want = wanted + thickness, fewest = least + thickness;
    // The wanted size where it fits; where it does not, the room there is, as tall as the screen.
    const auto placeWith = [&](const ui::Clearance& clearance) {
        const QRect frame = ui::placeClear(want, fewest, area, clearance);
        if (frame.width() >= want.width() || !besideOpener)
            return frame;
        return ui::placeClear(QSize(want.width(), area.height()), fewest, area, clearance);
    };
    const ui::Clearance here = clearanceFor({});
    QRect best = placeWith(here);
    long long bestCovered = fieldsCovered(best, here);
    QPoint moveBy;
    if (best.width() < want.width() && besideOpener) {
        // The left side of the screen first: the page then stands right of the fields, as it is read.
        const QRect o = opener->frameGeometry();
        for (const QPoint shift : {QPoint(area.left() - o.left(), 0), QPoint(area.right() - o.right(), 0)}) {
            if (shift.isNull())
                continue;
            const ui::Clearance there = clearanceFor(shift);
            const QRect moved = placeWith(there);
            const long long covered = fieldsCovered(moved, there);
            if (covered < bestCovered ||
                (covered == bestCovered && moved.width() >= best.width() + kWorthMoving)) {
                best = moved;
                bestCovered = covered;
                moveBy = shift;
            }
        }
    }
    if (!moveBy.isNull())
        opener->move(opener->pos() + moveBy);
    window->resize(best.size() - thickness);
    window->move(best.topLeft());
}

// A window is shown, restored when minimised, and raised in front of the asking window; a new one has
// been placed first, an open one keeps its place.
void bringToFront(QWidget* window) {
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

// Tells which module of the page board's whole page was clicked: the address's fragment names its
// slot, without a navigation (the page's own links and widgets take the click as ever).
const char* const kSlotClicks = R"js(
(function () {
  document.addEventListener('click', function (e) {
    var slot = e.target && e.target.closest ? e.target.closest('[data-ornavo-slot]') : null;
    var id = slot ? slot.getAttribute('data-ornavo-slot') : null;
    if (id && /^[0-9]+$/.test(id))
      history.replaceState(history.state, '', '#ornavo-slot-' + id + '-' + Date.now());
  }, true);
})();
)js";

} // namespace

const char* const PreviewWindow::kCaption = "效果在线预览     Quillet工作室";
const char* const PreviewWindow::kBrowserName = "超文本浏览框_在线预览";
const char* const PreviewWindow::kLiveBoxName = "选择框_实时预览";
const char* const PreviewWindow::kLiveNoticeName = "标签_实时预览提示";
const char* const PreviewWindow::kPageNoticeName = "标签_页面提示";
const char* const PreviewWindow::kScaleName = "组合框_缩放";

void PreviewWindow::setLiveSwitch(LiveSwitch* live) {
    liveSwitch = live;
}

PreviewWindow::PreviewWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kCaption));
    setObjectName(QStringLiteral("PreviewWindow"));
    // The window's own bar above the page (the scale, and live preview's switch), then the page.
    bar_ = new QWidget(this);
    bar_->setObjectName(QStringLiteral("previewBar"));
    bar_->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(8);
    auto* scaleCaption = new QLabel(QStringLiteral("缩放："), bar_);
    scale_ = new QComboBox(bar_);
    scale_->setObjectName(QString::fromUtf8(kScaleName));
    scale_->setAccessibleName(QStringLiteral("缩放"));
    scaleCaption->setBuddy(scale_);
    scale_->addItem(QString(), 0); // fits the page into the window; its text says at what scale
    for (int percent : kScales)
        scale_->addItem(QStringLiteral("%1%").arg(percent), percent);
    scale_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(scale_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { applyScale(); });
    row->addWidget(scaleCaption);
    row->addWidget(scale_);
    row->addStretch(1);
    browser_ = new QWebEngineView(this);
    browser_->setObjectName(QString::fromUtf8(kBrowserName));
    // The page's scripts open no box and cannot keep it busy for good (guarded_page.h).
    page_ = new GuardedPage(QWebEngineProfile::defaultProfile(), browser_);
    browser_->setPage(page_);
    // What the page's scripts did, in a line along the window's bottom edge, under the page.
    pageNotice_ = new QLabel(this);
    pageNotice_->setObjectName(QString::fromUtf8(kPageNoticeName));
    pageNotice_->setProperty("role", QStringLiteral("pageNotice"));
    pageNotice_->setTextFormat(Qt::PlainText);
    pageNotice_->setAutoFillBackground(true);
    pageNotice_->setContentsMargins(8, 3, 8, 3);
    pageNotice_->hide();
    connect(page_, &GuardedPage::noticeChanged, this, &PreviewWindow::showPageNotice);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(bar_);
    column->addWidget(browser_, 1);
    column->addWidget(pageNotice_);
    // The page comes from the program's own scheme (not as a local file, so its scripts read no file
    // of this machine) and takes its style sheets, scripts and pictures from the marketplace and the
    // maker's site; when the marketplace's widget library does not arrive, the shipped copy steps in.
    // Should a local file ever be shown here, it may not read others either.
    servePreviewScheme(browser_->page()->profile());
    browser_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    useLocalWidgetLibrary(browser_->page());
    // On the page board's whole page, a click on a module tells the board which (by the address's
    // fragment: the page itself stays as it is).
    QWebEngineScript slotClicks;
    slotClicks.setName(QStringLiteral("ornavo-slot-clicks"));
    slotClicks.setSourceCode(QString::fromUtf8(kSlotClicks));
    slotClicks.setInjectionPoint(QWebEngineScript::DocumentReady);
    slotClicks.setWorldId(QWebEngineScript::ApplicationWorld);
    browser_->page()->scripts().insert(slotClicks);
    connect(browser_, &QWebEngineView::urlChanged, this, [this](const QUrl& url) {
        const QString mark = QStringLiteral("ornavo-slot-");
        if (!wholePage_ || !url.fragment().startsWith(mark) || !selected_)
            return;
        bool number = false;
        const int slot = url.fragment().mid(mark.size()).section(QLatin1Char('-'), 0, 0).toInt(&number);
        if (number)
            selected_(slot);
    });
    connect(browser_, &QWebEngineView::loadStarted, this, [this] {
        loading_ = true;
        applyScale(); // a page loaded anew takes the scale the window shows
    });
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
        liveBar_ = bar_;
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
    resize(kPreviewSize);
    applyScale();
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
    previewWindow->wholePage_ = false;
    previewWindow->display(code, folder);
    if (previewWindow->liveBar_ && liveSwitch)
        previewWindow->showLiveState(liveSwitch->live(), liveSwitch->notice());
    if (created)
        placeNew(previewWindow, kPreviewSize, kPreviewLeast, beside, colourTableWindow, false, true);
    bringToFront(previewWindow);
    return previewWindow;
}

PreviewWindow* PreviewWindow::presentPage(const std::string& pageFile, QWidget* beside,
                                          std::function<void(int)> selected,
                                          std::function<void(const std::string&)> liveCode) {
    const bool created = !previewWindow || !previewWindow->presented_;
    if (!previewWindow)
        previewWindow = new PreviewWindow;
    PreviewWindow* w = previewWindow;
    w->presented_ = true;
    w->pause_.stop();
    // The same page again (the board changed): back where the user was.
    const bool again = w->wholePage_ && w->browser_->url().adjusted(QUrl::RemoveFragment) == wholePageUrl();
    w->wholePage_ = true;
    w->selected_ = std::move(selected);
    w->wholePageLive_ = std::move(liveCode);
    setWholePageFile(q(pageFile));
    if (again && !w->loading_)
        w->keepScroll_ = w->browser_->page()->scrollPosition();
    w->tellLoaded_ = true;
    w->page_->loadWatched(wholePageUrl());
    if (w->liveBar_ && liveSwitch)
        w->showLiveState(liveSwitch->live(), liveSwitch->notice());
    if (created)
        placeNew(w, kPreviewSize, kPreviewLeast, beside, colourTableWindow, false, true);
    bringToFront(w);
    return w;
}

bool PreviewWindow::replaceSlot(int slot, const std::string& code) {
    if (!wholePage_ || loading_ || page_->stopped())
        return false; // the board loads the page anew
    page_->watch();
    // As the page holds code: what GBK lacks as references.
    const std::optional<std::string> bytes = utf8ToGbk(code, Unencodable::NumericReference);
    const std::optional<std::string> asRead = bytes ? gbkToUtf8(*bytes) : std::nullopt;
    browser_->page()->runJavaScript(
        QStringLiteral(
            "window.ornavoPreview && ornavoPreview.replaceSlot && ornavoPreview.replaceSlot(%1, %2)")
            .arg(javaScriptString(QString::number(slot)),
                 javaScriptString(q(asRead.value_or(std::string())))));
    emit codeShown(true);
    return true;
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
}

// The user paused: the page shows the code that came last (on the whole page, in its module's slot).
void PreviewWindow::showPaused() {
    if (wholePage_) {
        if (wholePageLive_)
            wholePageLive_(liveCode_);
        return;
    }
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

double PreviewWindow::scale() const {
    const int chosen = scale_->currentData().toInt();
    if (chosen > 0)
        return chosen / 100.0;
    // The page's whole width in the browser's, in whole percents.
    const int fits = browser_->width() * 100 / kPageWidth;
    return std::clamp(fits, kLeastScale, 100) / 100.0;
}

void PreviewWindow::applyScale() {
    const double factor = scale();
    scale_->setItemText(0, QStringLiteral("适合窗口（%1%）").arg(qRound(factor * 100)));
    if (!qFuzzyCompare(browser_->zoomFactor(), factor))
        browser_->setZoomFactor(factor);
}

void PreviewWindow::showPageNotice(const QString& line) {
    pageNotice_->setText(line);
    pageNotice_->setToolTip(line);
    pageNotice_->setVisible(!line.isEmpty());
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (layout())
        layout()->activate(); // the browser has its new width before the scale follows it
    applyScale();
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
    resize(kColourTableSize);
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
    if (created)
        placeNew(colourTableWindow, kColourTableSize, kColourTableLeast, beside, PreviewWindow::instance(),
                 true, false);
    bringToFront(colourTableWindow);
    return colourTableWindow;
}

void closeWebWindows() {
    delete previewWindow.data();
    delete colourTableWindow.data();
}

} // namespace ornavo::web
