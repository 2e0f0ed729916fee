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
#include "platform.h"
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

// What the window takes over: everything it shows, and its window variables.
struct LoadedSettings {
    FormSnapshot snapshot;
    WindowVariables variables;
    // The variables are the saved window's, all of them (format 2 on): a variable they leave out was
    // empty there. Files of format 1 carry none of their own; theirs are what their choices set.
    bool wholeVariables = false;
};

using SettingsRead = Result<LoadedSettings, SettingsProblem>;

// Reads settings text for the module's window. It must be UTF-8 throughout, open that window first,
// hold nothing but set, var, pick, choose, presses of generate buttons and print, end with print (a
// cut file does not), and run without an error.
SettingsRead readSettings(const std::string& text, const ModuleSpec& module, const Registry& registry);
// The same from a file, refused unread when larger than kSettingsSizeLimit or not a regular file.
SettingsRead readSettingsFile(const std::string& path, const ModuleSpec& module, const Registry& registry);
// Why a file that could not be read is no settings file (Chinese).
SettingsProblem settingsReadProblem(const ReadFailure& failure);

// The window a settings file is for: the module its `open` line names (nothing else of it is checked).
Result<const ModuleSpec*, SettingsProblem> settingsWindowOf(const std::string& path,
                                                            const Registry& registry);

// Brings the lines of a file written in `format` (older than kSettingsFormat) up to the current format.
std::vector<std::string> migrateSettings(std::vector<std::string> lines, int format);

// Shows the settings in the window: every field, choice and the code box, and the window variables
// (with whole variables, those the file leaves out are emptied). No handler runs, so no derived field
// is worked out anew.
void applySettings(Form& form, const LoadedSettings& settings);
// Whether the window would look and generate the same after applySettings.
bool sameAsWindow(const LoadedSettings& settings, const Form& form);

} // namespace ornavo
