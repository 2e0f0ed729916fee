#pragma once
// How a window asks the user: notices with an OK button, and questions with Yes and No where only
// No cancels. The desktop shows message boxes; tests and the command line answer from a script.

#include <string>

namespace ornavo {

enum class Answer { Yes, No };

class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual void notify(const std::string& message) = 0;
    virtual Answer ask(const std::string& question) = 0;
};

// What a module window needs from its surroundings besides questions.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    virtual void putOnClipboard(const std::string& text) = 0;
    virtual void showPreview(const std::string& code) = 0;
    virtual void openColourTable() = 0;
};

// Nobody at the window (benchmarks, tools that run generators): every question is answered yes, and
// nothing is shown, copied or opened.
class Unattended : public Prompter, public WindowHost {
  public:
    void notify(const std::string&) override {}
    Answer ask(const std::string&) override { return Answer::Yes; }
    void putOnClipboard(const std::string&) override {}
    void showPreview(const std::string&) override {}
    void openColourTable() override {}
};

} // namespace ornavo
