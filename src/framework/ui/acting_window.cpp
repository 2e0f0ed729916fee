#include "acting_window.h"

#include <QApplication>

namespace ornavo::ui {

namespace {
ActingWindow* innermost = nullptr; // everything runs on the user-interface thread
}

ActingWindow::ActingWindow(QWidget* window)
    : window_(window ? window->window() : nullptr), outer_(innermost) {
    innermost = this;
}

ActingWindow::~ActingWindow() {
    innermost = outer_;
}

QWidget* ActingWindow::current() {
    for (ActingWindow* scope = innermost; scope; scope = scope->outer_)
        if (scope->window_)
            return scope->window_;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QWidget* ActingWindow::visibleOwner() {
    QWidget* window = current();
    return window && window->isVisible() && !window->isMinimized() ? window : nullptr;
}

} // namespace ornavo::ui
