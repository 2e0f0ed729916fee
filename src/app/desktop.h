#pragma once
// The desktop program put together: who answers questions (message boxes), what the module windows
// reach (the clipboard, the preview and colour table from the browser library), live preview, the one
// owner of module windows, and the services the main window is given. main_window.cpp and startup.cpp
// only use what is made here.

#include "main_window.h"
#include "module_windows.h"
#include "page_board_window.h"

#include "framework/model/live_preview.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/message_boxes.h"

#include <QPointer>

#include <memory>

namespace ornavo::app {

// The services with every empty member filled in by the desktop's own (the HTTP fetch, the default
// browser, message boxes, module windows of an owner of their own, the update check, the notification
// area, the end of the program).
ShellServices withDesktopDefaults(ShellServices services);

// Module windows as the main window opens them: in that owner's care.
std::function<QWidget*(const ModuleSpec&, std::function<void()>)> openingIn(ModuleWindows& windows);

// `ornavo FILE`: opens the window a settings file was saved from, with the file. False, with the reason
// told, when the file cannot be read or names no window.
bool openSettingsFile(ModuleWindows& windows, Prompter& prompter, const std::string& path);

// Whether the file is a page of the page board: its name ends with ".ornavo-page", or its head line
// names a page format.
bool isPageFile(const std::string& path);

// The program's parts for one run; make it once the application object exists.
class Desktop {
  public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    ModuleWindows& moduleWindows() { return *windows_; }
    Prompter& prompter() { return prompter_; }
    // The page board, made on first use: with a new page when asked, else as it is; with a page file,
    // that page (after the board asked about unsaved changes). Returns the board.
    PageBoardWindow* openPageBoard(bool newPage, const std::string& file = {});
    // The main window's services: everything above, and the desktop's own for the rest.
    ShellServices shellServices();

  private:
    ui::MessageBoxPrompter prompter_;
    ui::DesktopHost host_;
    LivePreview live_;
    std::unique_ptr<ModuleWindows> windows_;
    QPointer<PageBoardWindow> board_;
};

} // namespace ornavo::app
