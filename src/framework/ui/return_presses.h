#pragma once
// Return (or Enter) presses a button that has the keyboard, as Space does. Module windows keep no
// default button: Return in a field presses nothing.

class QAbstractButton;

namespace ornavo::ui {

void pressOnReturn(QAbstractButton* button);

} // namespace ornavo::ui
