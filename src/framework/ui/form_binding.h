#pragma once
// Binds a module window's widgets to its form, both ways, for every kind of control: whatever changes
// a widget's value (typing, a click, the keyboard, the accessibility bridge) goes to the form, and
// whatever the form changes (handlers, clears, settings put back) shows in the widgets. Buttons run
// their actions on behalf of the window.

#include "window_builder.h"

#include "framework/model/form.h"

#include <QObject>

#include <functional>
#include <string>

namespace ornavo::ui {

class FormBinding : public QObject {
    Q_OBJECT
  public:
    // `window` is the window the actions act for; `closed` runs when an action closed the form (the
    // exit button answered yes).
    FormBinding(Form& form, const BuiltWindow& built, QWidget* window, std::function<void()> closed);

    // Shows the form's value of the control in its widget.
    void refresh(const std::string& name);

  private:
    void bindField(const std::string& name, QWidget* widget);
    void codeEdited();
    // The code box holds code from now on.
    void codeShown();

    Form& form_;
    std::map<std::string, QWidget*> widgets_;
    QWidget* code_;
    QWidget* window_;
    std::function<void()> closed_;
    bool syncing_ = false;
    Subscription changes_;
};

} // namespace ornavo::ui
