#pragma once
// The settings of a module window as a recipe: a head line naming the program's version, the settings
// format and the window ("# Ornavo 2.0.1, settings format 1 — F03 全屏海报"),
// `open KEY`, a `set` line for every field, `pick` and `choose` for the lists and radio buttons, the
// generate button pressed last, and `print`. Running it (ornavo-gen run) opens the window, fills it in
// as it was and prints exactly what its code box held. Saved settings and kept texts are both this.

#include "form.h"
#include "registry.h"

#include <cstddef>
#include <string>

namespace ornavo {

// Settings files are never larger than this; larger ones are neither written nor read.
inline constexpr std::size_t kSettingsSizeLimit = 1 << 20;
// What settings files are called.
inline constexpr const char* kSettingsSuffix = ".ornavo";
// The format of the settings files this program writes, named in their head line; it reads that one
// and every older one (see settings_reader.h).
inline constexpr int kSettingsFormat = 1;

// The recipe text of the window's settings. The form's module must be in the registry.
//
// The lines are checked by running them: a field that a handler changed after it was set (a derived
// field set before its source) is set again after the others, and when pressing the generate button
// does not give the code box's text (typed in by hand, or its fields changed since), a `set` of the
// code box follows the press, so the printed code is always what the window showed.
std::string settingsText(const Form& form, const Registry& registry);

// The head line's format number: 1 for a head line that names none (files of earlier versions), 0 when
// the text has no head line of Ornavo's at all.
int settingsFormatOf(const std::string& headLine);

} // namespace ornavo
