#pragma once
// The two windows with an embedded browser: the preview of a module's code inside a shop page, and
// the table of common colours from the maker's site. Each exists at most once; opening it again brings
// the open one to the front. WebEngine starts only when the first of them is created.

#include "framework/model/live_preview.h"
#include "framework/model/preview_page.h"
#include "framework/ui/desktop_host.h"

#include <QPointF>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QWebEngineView;

namespace ornavo::web {

class GuardedPage;

// "效果在线预览     Quillet工作室": the code inside the shop page, written to folder/test.html and
// shown from there through the program's own scheme. The browser fills the window below its bar (and
// above the line that tells what the page's scripts did, when they did something); the page file is
// deleted when the window goes.
//
// A bar above the page holds the scale (the page keeps its width and is shown scaled where the window
// is narrower than the page: fitted to the window unless the user chose a scale) and, with live
// preview (framework/live_preview.h), the check box "实时预览", with a line beside it when a hand edit
// turned it off. A new window opens where it covers none of the fields of the window that asked for it. Live
// code reaches the page once the user pauses: in place, the old code's widgets stopped and the new ones
// started, where the shipped widget library runs the page and the new code keeps to its module without
// scripts; otherwise the page is loaded anew, at the same scroll position. A window made ahead of time
// (warmUp) holds the shop page without code, and its first press takes the code the same way.
class PreviewWindow : public QWidget, public LiveView {
    Q_OBJECT
  public:
    static const char* const kCaption;
    static const char* const kBrowserName;
    static const char* const kLiveBoxName;
    static const char* const kLiveNoticeName;
    static const char* const kPageNoticeName;
    static const char* const kScaleName;

    // The live preview the windows opened from now on work with; nullptr: none (no check box).
    static void setLiveSwitch(LiveSwitch* live);

    // Writes the page for the code and shows it: in a new window beside `beside` (the window that asked
    // for it), or in the open one, which is brought to the front, restored, and loads the new page. A
    // failed write shows an error page naming the folder.
    static PreviewWindow* present(const std::string& code, const std::string& folder = defaultPreviewFolder(),
                                  QWidget* beside = nullptr);
    // The window on screen (or minimised), nullptr when there is none.
    static PreviewWindow* instance();
    // Makes the window ahead of the first press and keeps it hidden, its page process started on an
    // empty page; the first present() then shows it. Does nothing while a window exists.
    static void warmUp();
    // The page board's whole page, from its file (page_preview.h), in a new window beside `beside` or
    // the open one, at the same scroll position when it shows that page already. A click on a
    // module's slot calls `selected` with the module's number.
    // Live code of the module window the preview follows goes to `liveCode` instead of the module's
    // own page (the page board puts it into the module's slot).
    static PreviewWindow* presentPage(const std::string& pageFile, QWidget* beside,
                                      std::function<void(int)> selected,
                                      std::function<void(const std::string&)> liveCode);
    // Whether the window shows the page board's whole page.
    bool showsWholePage() const { return wholePage_; }
    // New code in one slot of the whole page, in place (its widgets started anew); false when the window
    // shows no whole page.
    bool replaceSlot(int slot, const std::string& code);

    QWebEngineView* browser() const { return browser_; }
    // The page's address (the program's own scheme, see preview_scheme.h); empty while the window
    // shows the error page.
    QUrl pageUrl() const { return pageUrl_; }
    QCheckBox* liveBox() const { return liveBox_; }
    QComboBox* scaleBox() const { return scale_; }
    // The scale the page is shown at: the one chosen, else the one that fits the page's width.
    double scale() const;
    QLabel* liveNotice() const { return notice_; }
    // The line that tells what the page's scripts did (a box they asked for, a page that stopped
    // answering); hidden while there is nothing to tell.
    QLabel* pageNotice() const { return pageNotice_; }
    GuardedPage* page() const { return page_; }

    void showLiveCode(const std::string& code) override;
    void showLiveState(bool on, const std::string& notice) override;

    ~PreviewWindow() override;

  signals:
    // New code is on the page (a press, live code): put in place, or loaded anew.
    void codeShown(bool inPlace);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    PreviewWindow();
    void display(const std::string& code, const std::string& folder);
    bool writePage(const std::string& code);
    void showPaused();
    // Writes the page for the code and shows it: in place where asked and possible, else loaded anew
    // (at the same scroll position where asked).
    void putCode(const std::string& code, bool inPlace, bool keepScroll);
    void loadPage(bool keepScroll);
    void applyScale();
    void showPageNotice(const QString& line);

    QWebEngineView* browser_ = nullptr;
    GuardedPage* page_ = nullptr; // the browser's, kept from taking the program over by its scripts
    QLabel* pageNotice_ = nullptr;
    std::string folder_;
    QUrl pageUrl_;
    bool loading_ = false;
    bool presented_ = false; // shown by present(), not only made ahead of time
    // Live preview: the bar with the check box and its notice, the code waiting for the pause, the
    // latest update (earlier answers from the page are stale), where a reload is to scroll back to.
    QWidget* bar_ = nullptr;
    QComboBox* scale_ = nullptr;
    QWidget* liveBar_ = nullptr;
    QCheckBox* liveBox_ = nullptr;
    QLabel* notice_ = nullptr;
    QTimer pause_;
    std::string liveCode_;
    quint64 liveSerial_ = 0;
    bool tellLoaded_ = false;
    std::optional<QPointF> keepScroll_;
    // The page board's whole page: shown, and what a click on a slot selects.
    bool wholePage_ = false;
    std::function<void(int)> selected_;
    std::function<void(const std::string&)> wholePageLive_;
};

// "常用颜色表（颜色值请用鼠标右键复制）": the maker's colour page. Values are copied with the
// browser's own context menu; closing asks nothing.
class ColourTableWindow : public QWidget {
    Q_OBJECT
  public:
    static const char* const kCaption;
    static const char* const kBrowserName;

    // A new window beside `beside` (the window that asked for it), or the open one brought to the front.
    static ColourTableWindow* present(QWidget* beside = nullptr);
    static ColourTableWindow* instance();
    // MAKER_SERVER followed by the colour page's path.
    static QUrl address();

    QWebEngineView* browser() const { return browser_; }

  private:
    ColourTableWindow();
    QWebEngineView* browser_ = nullptr;
};

// Makes the module windows' preview and colour-picker buttons open these windows directly (for a
// program that links them in; the desktop program loads them on first use, see browser_loader.h).
void installWebWindows(ui::DesktopHost& host);
// Closes and destroys both windows (the preview page goes with its window); call before the
// application object is destroyed.
void closeWebWindows();

} // namespace ornavo::web
