#pragma once
// The two windows with an embedded browser: the preview of a module's code inside a shop page, and
// the table of common colours from the maker's site. Each exists at most once; opening it again brings
// the open one to the front. WebEngine starts only when the first of them is created.

#include "framework/preview_page.h"
#include "framework/ui/desktop_host.h"

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <string>

class QWebEngineView;

namespace ornavo::web {

// "效果在线预览     Quillet工作室": the code inside the shop page, written to folder/test.html and
// shown from there through the program's own scheme. The browser always covers the whole window; the
// page file is deleted when the window goes.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    static const char* const kCaption;
    static const char* const kBrowserName;

    // Writes the page for the code and shows it: in a new window beside `beside` (the window that asked
    // for it), or in the open one, which is brought to the front, restored, and loads the new page. A
    // failed write shows an error page naming the folder.
    static PreviewWindow* present(const std::string& code, const std::string& folder = defaultPreviewFolder(),
                                  QWidget* beside = nullptr);
    static PreviewWindow* instance();

    QWebEngineView* browser() const { return browser_; }
    // The page's address (the program's own scheme, see preview_scheme.h); empty while the window
    // shows the error page.
    QUrl pageUrl() const { return pageUrl_; }

    ~PreviewWindow() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PreviewWindow();
    void display(const std::string& code, const std::string& folder);

    QWebEngineView* browser_ = nullptr;
    std::string folder_;
    QUrl pageUrl_;
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
