#pragma once
// Reading saved settings (or kept texts) back into a module window. The file is checked whole before
// the window changes at all: it is run, as ornavo-gen runs it, on a window of its own, and only when
// every line ran does the window take over what that window shows.
//
// Formats: the head line names the settings format it was written in ("settings format N"; a head
// line without one is format 1). A file of a newer format than kSettingsFormat is refused with a
// message saying so; an older one opens: migrateSettings() brings its lines up to the current format
// first (each change of the format adds its step there).

#include "form.h"
#include "registry.h"
#include "result.h"

#include <string>
#include <vector>

namespace ornavo {

// Why a file cannot be read into the window.
struct SettingsProblem {
    int line = 0;         // the line it concerns (from 1); 0 for the file as a whole
    std::string message;  // for the user (Chinese), naming the line: "第 3 行：…"
    std::string otherKey; // the file holds another window's settings: that window's key
};

// What the window takes over: everything it shows, and the window variables its choices set.
struct LoadedSettings {
    FormSnapshot snapshot;
    WindowVariables variables;
};

using SettingsRead = Result<LoadedSettings, SettingsProblem>;

// Reads settings text for the module's window. It must be UTF-8 throughout, open that window first,
// hold nothing but set, pick, choose, presses of generate buttons and print, end with print (a cut
// file does not), and run without an error.
SettingsRead readSettings(const std::string& text, const ModuleSpec& module, const Registry& registry);
// The same from a file, refused unread when larger than kSettingsSizeLimit or not a regular file.
SettingsRead readSettingsFile(const std::string& path, const ModuleSpec& module, const Registry& registry);

// The window a settings file is for: the module its `open` line names (nothing else of it is checked).
Result<const ModuleSpec*, SettingsProblem> settingsWindowOf(const std::string& path,
                                                            const Registry& registry);

// Brings the lines of a file written in `format` (older than kSettingsFormat) up to the current format.
std::vector<std::string> migrateSettings(std::vector<std::string> lines, int format);

// Shows the settings in the window: every field, choice and the code box, and the window variables
// its choices set. No handler runs, so no derived field is worked out anew.
void applySettings(Form& form, const LoadedSettings& settings);

} // namespace ornavo
