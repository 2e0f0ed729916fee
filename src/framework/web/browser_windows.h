#pragma once
// The windows with an embedded browser as the program reaches them. They live in a library of
// their own (ornavo-browser), loaded the first time a preview or the colour table is asked for, so
// that a run which never opens either pays nothing for the web engine: neither its start-up nor
// its memory.

#include "framework/model/live_preview.h"

#include <QString>
#include <QtPlugin>
#include <functional>
#include <string>

class QWidget;

namespace ornavo::web {

using ornavo::LiveSwitch;

class BrowserWindows {
  public:
    virtual ~BrowserWindows() = default;
    // Readies the web engine for the first window; false, with the reason, when it cannot run here
    // (then no window is opened). Called before every window; cheap once it has succeeded.
    virtual bool prepare(QString* reason) = 0;
    // The preview of the code inside the shop page, in a new window beside `from` or the open one.
    virtual void presentPreview(const std::string& code, QWidget* from) = 0;
    // The colour table, new beside `from` or brought to the front.
    virtual void presentColourTable(QWidget* from) = 0;
    // The whole page (its file written by the page board) in the preview window: a new one beside
    // `from`, or the open one; a click on a module's slot calls `selected` with the module's number.
    // Live code of the module window the preview follows goes to `liveCode`.
    virtual void presentPagePreview(const std::string& pageFile, QWidget* from,
                                    std::function<void(int slot)> selected,
                                    std::function<void(const std::string& code)> liveCode) = 0;
    // New code for one slot of the whole page on show; false when no whole page is shown.
    virtual bool updatePageSlot(int slot, const std::string& code) = 0;
    // Whether the preview window is open and shows the page board's whole page.
    virtual bool showsWholePage() = 0;
    // Closes and destroys both windows (the preview page goes with its window).
    virtual void closeAll() = 0;
    // Live preview: the preview windows opened from now on show its check box and follow it. The
    // switch outlives every window; nullptr: no live preview.
    virtual void setLiveSwitch(LiveSwitch* live) = 0;
    // Readies the first preview before it is asked for, after prepare() has succeeded: the web engine
    // starts its page process and the shop page's scripts are read once, so that the first press only
    // loads its page. Shows nothing; cheap when done already.
    virtual void warmUp() = 0;
};

} // namespace ornavo::web

#define ORNAVO_BROWSER_WINDOWS_IID "org.ornavo.BrowserWindows/4"
Q_DECLARE_INTERFACE(ornavo::web::BrowserWindows, ORNAVO_BROWSER_WINDOWS_IID)
