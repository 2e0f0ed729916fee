#pragma once
// Every message box of the program is built here: no icon unless asked for, the program's name as the
// caption unless a caption is given, plain text, modal to the whole application and owned by the window
// it speaks for (see acting_window.h); the buttons carry Qt's standard texts in the program's language
// (see translations.h).

#include "framework/model/prompter.h"

#include <string>

namespace ornavo::ui {

enum class MessageIcon { None, Error, Question };
enum class MessageButtons { Ok, YesNo, OkCancel };

struct Message {
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    std::string caption; // empty: the application's display name
};

// Shows the box and waits for the answer: false when the user answered No or Cancel.
bool showMessage(const Message& message);

// Questions and notices of the module windows as message boxes.
class MessageBoxPrompter : public Prompter {
  public:
    void notify(const std::string& message) override;
    Answer ask(const std::string& question) override;
};

} // namespace ornavo::ui
