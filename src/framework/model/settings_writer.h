#pragma once
// The settings of a module window as a recipe: a head line naming the program's version, the settings
// format and the window ("# Ornavo 2.0.1, settings format 2 — F03 全屏海报"),
// `open KEY`, a `set` line for every field, `pick` and `choose` for the lists and radio buttons, `var`
// lines for the window variables that those choices alone would not give back, the generate button
// pressed last, and `print`. Running it (ornavo-gen run) opens the window, fills it in as it was and
// prints exactly what its code box held; every later press gives what it gave in the window that was
// saved. Saved settings and kept texts are both this.

#include "form.h"
#include "recipe_text.h"
#include "registry.h"

#include <cstddef>
#include <string>

namespace ornavo {

// Settings files are never larger than this; larger ones are neither written nor read, by either
// program (fitsSettingsFile).
inline constexpr std::size_t kSettingsSizeLimit = 1 << 20;
// What settings files are called.
inline constexpr const char* kSettingsSuffix = ".ornavo";
// The format of the settings files this program writes, named in their head line; it reads that one
// and every older one (see settings_reader.h). Format 2 carries window variables (`var`) and writes
// control characters and line separators escaped (RecipeEscapes::Full).
inline constexpr int kSettingsFormat = 2;

// The recipe text of the window's settings. The form's module must be in the registry.
//
// The lines are checked by running them: a field that a handler changed after it was set (a derived
// field set before its source) is set again after the others; window variables that differ from what
// the replayed choices set (a value taken from a field that has changed since, or one kept from before
// the lists were emptied) follow as `var` lines; and when pressing the generate button does not give
// the code box's text (typed in by hand, or its fields changed since), a `set` of the code box follows
// the press, so the printed code is always what the window showed.
std::string settingsText(const Form& form, const Registry& registry);

// Whether the text may be written as a settings file: no larger than kSettingsSizeLimit, the one size
// both programs read (a larger file would be refused when opened).
inline bool fitsSettingsFile(const std::string& text) {
    return text.size() <= kSettingsSizeLimit;
}
// A size the window's settings cannot be smaller than (its fields' texts), found without writing them:
// when it is over kSettingsSizeLimit, they do not fit whatever else they hold.
std::size_t settingsSizeAtLeast(const Form& form);
// Why settings that do not fit are not written: for the user (Chinese), and for ornavo-gen with their
// size (English).
std::string settingsTooLargeReason();
std::string settingsTooLargeEnglish(std::size_t size);

} // namespace ornavo
