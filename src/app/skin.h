#pragma once
// The program's window skin: the Fusion style under a calm palette, a CJK-capable font and the style
// sheet held in the program's resources. Applied once at start-up, before the first window, it
// reaches every window, message box and dialog created afterwards.

#include <QString>

class QApplication;

namespace ornavo::app {

inline const QString kSkinResource = QStringLiteral(":/ornavo/skin/ornavo.qss");

// Applies the skin to the application. When the style sheet cannot be read the application keeps
// its standard look, nothing is changed and nothing is reported; the result is then false.
bool applySkin(QApplication& app, const QString& styleSheetResource = kSkinResource);

} // namespace ornavo::app
