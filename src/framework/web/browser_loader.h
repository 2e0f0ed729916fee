#pragma once
// Reaches the browser windows in their own library (ornavo-browser), which is loaded the first
// time one of them is asked for. Until then the program holds no web engine at all. When the
// library cannot be loaded, or the web engine cannot run, the user is told so in a message and
// the program carries on without the window.

#include "framework/model/live_preview.h"
#include "framework/model/prompter.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QWidget;

namespace ornavo::web {

class BrowserWindows;

// The file name of the library, and where it is looked for: $ORNAVO_BROWSER_LIBRARY alone when set
// (a file); else beside the program (the build tree), then in the installed library folder relative
// to the program's folder (<prefix>/bin/ornavo → <prefix>/lib/ornavo).
QString browserLibraryName();
QStringList browserLibraryCandidates();

// The windows, loaded and readied on the first call; nullptr, with the reason, when they cannot be.
BrowserWindows* browserWindows(QString* reason = nullptr);
// Whether the library has been loaded in this run.
bool browserLibraryLoaded();

// The messages shown when the browser cannot be had; the reason follows on a line of its own.
extern const char* const kPreviewUnavailable;
extern const char* const kColourTableUnavailable;

// What the preview and colour-picker buttons do: the window opens beside `from`, the window that asked
// for it. False when the browser could not be loaded (the user is told), or when the web engine's
// sandbox cannot run here and the user chose not to open without it (see sandbox_check.h).
bool presentPreview(const std::string& code, QWidget* from, Prompter& prompter);
bool presentColourTable(QWidget* from, Prompter& prompter);

// The whole page in the preview window: the page's file (written by the page board), in a new window
// beside `from` or the open one; a click on a module's slot there calls `selected` with its number.
// Live code of the module window the preview follows goes to `liveCode`.
bool presentPagePreview(const std::string& pageFile, QWidget* from, std::function<void(int slot)> selected,
                        std::function<void(const std::string& code)> liveCode, Prompter& prompter);
// New code for one slot of the whole page shown in the preview; false when none is shown.
bool updatePageSlot(int slot, const std::string& code);
// Whether the preview window shows the page board's whole page now.
bool wholePageShown();

// Closes both windows if the library was ever loaded; call before the application object goes.
void closeBrowserWindows();

// Live preview: the switch the preview window works with, handed to the library when it loads (set it
// before the first preview; it must outlive the windows).
void setLiveSwitch(LiveSwitch* live);

// Readies the browser before its first use, so that the first preview opens at once: once the window
// has been on screen for a moment and the user leaves the program alone (no key, click or wheel for a
// while), the library is loaded on a thread of its own; then, each time between the user's inputs, the
// web engine starts and the preview window is made, hidden. Never where the web engine's sandbox
// cannot run as it is: whether to run without it is the user's question, at the first press. Only the
// first call counts; a run that shows no module window pays nothing.
void warmUpWhenIdle(QWidget* window);
enum class WarmUp { NotAsked, Waiting, Loading, Starting, Ready, Skipped, Failed };
WarmUp warmUpState();
// The library is being loaded on the warm-up's thread; the program does not wait for it to end
// (endProgramIfLoading).
bool warmUpLoading();
// Ends the process with that status at once when the warm-up's thread is still loading the library
// (everything the program keeps has been written by then); returns otherwise. Call last in main().
void endProgramIfLoading(int status);

} // namespace ornavo::web
