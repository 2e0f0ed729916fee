#pragma once
// The windows with an embedded browser as the program reaches them. They live in a library of
// their own (ornavo-browser), loaded the first time a preview or the colour table is asked for, so
// that a run which never opens either pays nothing for the web engine: neither its start-up nor
// its memory.

#include <QString>
#include <QtPlugin>
#include <string>

class QWidget;

namespace ornavo::web {

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
    // Closes and destroys both windows (the preview page goes with its window).
    virtual void closeAll() = 0;
};

} // namespace ornavo::web

#define ORNAVO_BROWSER_WINDOWS_IID "org.ornavo.BrowserWindows/2"
Q_DECLARE_INTERFACE(ornavo::web::BrowserWindows, ORNAVO_BROWSER_WINDOWS_IID)
