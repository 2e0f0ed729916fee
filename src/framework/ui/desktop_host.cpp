#include "desktop_host.h"

#include "acting_window.h"

#include <QClipboard>
#include <QGuiApplication>

namespace ornavo::ui {

void DesktopHost::putOnClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void DesktopHost::showPreview(const std::string& code) {
    if (preview_)
        preview_(code, ActingWindow::current());
}

void DesktopHost::openColourTable() {
    if (colourTable_)
        colourTable_(ActingWindow::current());
}

} // namespace ornavo::ui
