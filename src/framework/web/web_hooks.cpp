// The module windows' preview and colour-picker buttons wired straight to the browser windows, for a
// program that links them in (the tests). The desktop program reaches them through browser_loader.

#include "web_windows.h"

#include "framework/ui/generator_window.h"

namespace ornavo::web {

void installWebWindows() {
    ui::GeneratorWindow::setPreviewHandler([](const std::string& code) { PreviewWindow::present(code); });
    ui::GeneratorWindow::setColourTableHandler([] { ColourTableWindow::present(); });
}

} // namespace ornavo::web
