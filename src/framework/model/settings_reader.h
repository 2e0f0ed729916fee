#pragma once
// Reading saved settings (or kept texts) back into a module window. The file is checked whole before
// the window changes at all: it is run, as ornavo-gen runs it, on a window of its own, and only when
// every line ran does the window take over what that window shows.

#include "form.h"
#include "registry.h"

#include <optional>
#include <string>

namespace ornavo {

// Why a file cannot be read into the window.
struct SettingsProblem {
    int line = 0;         // the line it concerns (from 1); 0 for the file as a whole
    std::string message;  // for the user, naming the line
    std::string otherKey; // the file holds another window's settings: that window's key
};

// What the window takes over: everything it shows, and the window variables its choices set.
struct LoadedSettings {
    FormSnapshot snapshot;
    WindowVariables variables;
};

struct SettingsRead {
    std::optional<LoadedSettings> settings; // empty when the file cannot be read
    SettingsProblem problem;
};

// Reads settings text for the module's window. It must be UTF-8 throughout, open that window first,
// hold nothing but set, pick, choose, presses of generate buttons and print, end with print (a cut
// file does not), and run without an error.
SettingsRead readSettings(const std::string& text, const ModuleSpec& module, const Registry& registry);
// The same from a file, refused unread when larger than kSettingsSizeLimit.
SettingsRead readSettingsFile(const std::string& path, const ModuleSpec& module, const Registry& registry);

// Shows the settings in the window: every field, choice and the code box, and the window variables
// its choices set. No handler runs, so no derived field is worked out anew.
void applySettings(Form& form, const LoadedSettings& settings);

} // namespace ornavo
