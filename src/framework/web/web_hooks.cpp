// The module windows' preview and colour-picker buttons wired straight to the browser windows, for a
// program that links them in (the tests). The desktop program reaches them through browser_loader.

#include "web_windows.h"

namespace ornavo::web {

void installWebWindows(ui::DesktopHost& host) {
    host.setPreviewOpener([](const std::string& code, QWidget* from) {
        PreviewWindow::present(code, defaultPreviewFolder(), from);
    });
    host.setColourTableOpener([](QWidget* from) { ColourTableWindow::present(from); });
}

} // namespace ornavo::web
