#pragma once
// Questions and notices as message boxes: no icon, the application's caption, modal to the whole
// application.

#include "framework/prompter.h"

namespace ornavo::ui {

class MessageBoxPrompter : public Prompter {
public:
    void notify(const std::string& message) override;
    Answer ask(const std::string& question) override;
};

// The one prompter the desktop windows share; tests replace it with a scripted one.
Prompter& sharedPrompter();
void setSharedPrompter(Prompter* prompter); // nullptr restores the message boxes

} // namespace ornavo::ui
