#include "module_windows.h"

#include "framework/ui/generator_window.h"
#include "framework/ui/live_preview_link.h"
#include "framework/ui/settings_keeper.h"

namespace ornavo::app {

ModuleWindows::ModuleWindows(const Registry& registry, Prompter& prompter, WindowHost& host, QObject* parent)
    : QObject(parent), registry_(registry), prompter_(prompter), host_(host) {}

ModuleWindows::~ModuleWindows() {
    // Before the window variables it works with; it asks nothing on the way.
    delete window_.data();
}

ui::GeneratorWindow* ModuleWindows::window() const {
    return window_;
}

ui::GeneratorWindow* ModuleWindows::open(const ModuleSpec& module, const std::string& settingsFile) {
    if (window_) {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->raise();
        window_->activateWindow();
        return window_;
    }
    auto* window =
        new ui::GeneratorWindow(module, session_.variables(module.key), prompter_, host_, nullptr, fetch_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto keeper = std::make_unique<ui::SettingsKeeper>(*window, registry_);
    connect(keeper.get(), &ui::SettingsKeeper::handOverRequested, this,
            [this, window](const QString& key, const QString& path) {
                handOver_ = HandOver{key.toStdString(), path.toStdString()};
                window->done(QDialog::Accepted);
            });
    ui::SettingsKeeper* keeperOfWindow = keeper.get();
    window->attach(std::move(keeper));
    if (live_)
        window->attach(std::make_unique<ui::LivePreviewLink>(*window, *live_));
    connect(window, &QDialog::finished, this, [this, window] {
        emit closing(window);
        finished();
    });
    window_ = window;
    window->show();
    if (onShown_)
        onShown_(window);
    emit opened(window);
    if (!settingsFile.empty())
        keeperOfWindow->openFrom(settingsFile);
    return window;
}

void ModuleWindows::finished() {
    window_ = nullptr;
    std::optional<HandOver> next = std::move(handOver_);
    handOver_.reset();
    if (next)
        if (const ModuleSpec* module = registry_.byKey(next->key)) {
            open(*module, next->path);
            return;
        }
    emit allClosed();
}

} // namespace ornavo::app
