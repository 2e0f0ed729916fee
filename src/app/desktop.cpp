#include "desktop.h"

#include "framework/web/browser_loader.h"
#include "net/http_fetch.h"
#include "net/update_check.h"

#include "framework/model/platform.h"
#include "framework/model/settings_reader.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/live_preview_link.h"
#include "framework/ui/window_placement.h"
#include "generators/catalogue.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QSystemTrayIcon>
#include <QUrl>

namespace ornavo::app {

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Module windows' samples from the maker's site, through the bounded fetch.
void fetchPicture(const std::string& address, QObject* context, std::function<void(const QByteArray&)> done) {
    net::fetchBytes(address, context, std::move(done));
}
} // namespace

ShellServices withDesktopDefaults(ShellServices s) {
    if (!s.fetchText)
        s.fetchText = [](const std::string& address, QObject* context, ShellServices::TextReceiver done) {
            net::fetchText(address, context, std::move(done));
        };
    if (!s.fetchBytes)
        s.fetchBytes = [](const std::string& address, QObject* context, ShellServices::BytesReceiver done) {
            net::fetchBytes(address, context, std::move(done));
        };
    if (!s.openAddress)
        s.openAddress = [](const std::string& address) {
            if (!address.empty())
                QDesktopServices::openUrl(QUrl(q(address)));
        };
    if (!s.notify)
        s.notify = [](const std::string& caption, const std::string& message, NoticeIcon icon) {
            ui::showMessage({message, ui::MessageButtons::Ok,
                             icon == NoticeIcon::Error ? ui::MessageIcon::Error : ui::MessageIcon::None,
                             caption});
        };
    if (!s.prompter) {
        static ui::MessageBoxPrompter boxes;
        s.prompter = &boxes;
    }
    if (!s.ask)
        s.ask = [prompter = s.prompter](const std::string& question) { return prompter->ask(question); };
    if (!s.openColourTable)
        s.openColourTable = [] {};
    if (!s.openModuleWindow) {
        // An owner of module windows of its own, kept as long as the services are.
        struct Owner {
            ui::DesktopHost host;
            ModuleWindows windows;
            Owner(Prompter& prompter, const ShellServices& s)
                : host(
                      [preview = s.openPreview](const std::string& code, QWidget*) {
                          if (preview)
                              preview(code);
                      },
                      [table = s.openColourTable](QWidget*) { table(); }),
                  windows(moduleRegistry(), prompter, host) {
                windows.setPictureFetch(fetchPicture);
            }
        };
        auto owner = std::make_shared<Owner>(*s.prompter, s);
        s.openModuleWindow = [owner](const ModuleSpec& module, std::function<void()> closed) {
            return openingIn(owner->windows)(module, std::move(closed));
        };
        s.moduleWindow = [owner]() -> QWidget* { return owner->windows.window(); };
    }
    if (!s.checkForUpdate)
        s.checkForUpdate = [fetch = s.fetchText, open = s.openAddress](QObject* context) {
            net::UpdateCheckHooks hooks;
            // The check stops once the context is gone, so the context outlives every use of it here.
            hooks.fetchText = [fetch, context](const std::string& address,
                                               net::UpdateCheckHooks::TextReceiver done) {
                fetch(address, context, std::move(done));
            };
            hooks.openAddress = open;
            hooks.askUpdate = [](const std::string& question) {
                return ui::showMessage(
                    {question, ui::MessageButtons::OkCancel, ui::MessageIcon::Question, {}});
            };
            net::startUpdateCheck(std::move(hooks), context);
        };
    if (!s.trayAvailable)
        s.trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    if (!s.quit)
        // Ends every event loop at once, a module window's or a message box's included: the user has
        // answered the exit question already, so no window is asked to close (and ask again) first.
        s.quit = [] { QCoreApplication::exit(0); };
    return s;
}

std::function<QWidget*(const ModuleSpec&, std::function<void()>)> openingIn(ModuleWindows& windows) {
    return [&windows](const ModuleSpec& module, std::function<void()> closed) -> QWidget* {
        QWidget* window = windows.open(module);
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(&windows, &ModuleWindows::allClosed, &windows, [connection, closed] {
            QObject::disconnect(*connection);
            closed();
        });
        return window;
    };
}

bool isPageFile(const std::string& path) {
    const std::string suffix = kPageSuffix;
    if (path.size() > suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0)
        return true;
    const Result<std::string, ReadFailure> head = readFile(path, kPageSizeLimit);
    return head && head->substr(0, head->find('\n')).find("page format ") != std::string::npos;
}

bool openSettingsFile(ModuleWindows& windows, Prompter& prompter, const std::string& path) {
    const Result<const ModuleSpec*, SettingsProblem> named = settingsWindowOf(path, moduleRegistry());
    if (!named) {
        prompter.notify("无法打开设置文件“" + path + "”：" + named.failure().message + "。");
        return false;
    }
    windows.open(**named, path);
    return true;
}

Desktop::Desktop()
    : host_([this](const std::string& code, QWidget* from) { web::presentPreview(code, from, prompter_); },
            [this](QWidget* from) { web::presentColourTable(from, prompter_); }),
      live_(stateFolder() + "/live-preview"),
      windows_(std::make_unique<ModuleWindows>(moduleRegistry(), prompter_, host_)) {
    // The browser windows come from their own library, loaded the first time one is asked for or
    // readied in the background once a module window is on screen.
    web::setLiveSwitch(&live_);
    windows_->setLivePreview(&live_);
    windows_->setOnShown([](QWidget* window) { web::warmUpWhenIdle(window); });
    windows_->setPictureFetch(fetchPicture);
}

Desktop::~Desktop() {
    delete board_.data(); // it works with the module windows
    windows_.reset();     // its windows go before the live preview they follow
    // So does the preview window, which reaches live preview too (the preview page goes with it).
    web::closeBrowserWindows();
}

ShellServices Desktop::shellServices() {
    ShellServices services;
    services.prompter = &prompter_;
    services.openColourTable = [this] { host_.openColourTable(); };
    services.openPreview = [this](const std::string& code) { host_.showPreview(code); };
    services.openModuleWindow = openingIn(*windows_);
    services.moduleWindow = [this]() -> QWidget* { return windows_->window(); };
    services.openPageBoard = [this](bool newPage) { openPageBoard(newPage); };
    return services;
}

PageBoardWindow* Desktop::openPageBoard(bool newPage, const std::string& file) {
    const bool made = !board_;
    if (made) {
        BoardServices services;
        services.windows = windows_.get();
        services.prompter = &prompter_;
        services.copy = [](const std::string& text) {
            QGuiApplication::clipboard()->setText(QString::fromStdString(text));
        };
        services.showPage = [this](const std::string& pageFile, QWidget* from,
                                   std::function<void(int)> selected,
                                   std::function<void(const std::string&)> liveCode) {
            web::presentPagePreview(pageFile, from, std::move(selected), std::move(liveCode), prompter_);
        };
        services.followLive = [this](ui::GeneratorWindow* window) {
            if (auto* link = window->companion<ui::LivePreviewLink>())
                live_.followWindow(&link->live());
        };
        services.updateSlot = [](int slot, const std::string& code) {
            return web::updatePageSlot(slot, code);
        };
        services.stateFolder = stateFolder();
        services.previewFolder = defaultPreviewFolder();
        board_ = new PageBoardWindow(std::move(services));
        ui::placeBeside(board_, nullptr);
    }
    if (!file.empty())
        board_->openPage(file);
    else if (newPage && !made)
        board_->newPage();
    board_->show();
    board_->setWindowState(board_->windowState() & ~Qt::WindowMinimized);
    board_->raise();
    board_->activateWindow();
    return board_;
}

} // namespace ornavo::app
