#pragma once
// The standard texts of Qt's own controls (the buttons of message boxes, context menus, dialogs) in
// the program's language, from the Chinese translations the system's Qt carries.

namespace ornavo::ui {

// Loads Qt's Chinese translations into the application once; false when the system has none (the
// texts then stay Qt's English ones).
bool installChineseTranslations();

} // namespace ornavo::ui
