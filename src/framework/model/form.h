#pragma once
// One open module window without widgets: the texts of its fields, the selection of its lists and
// radio buttons, the code box, and the actions the user can take on them. The desktop window and the
// command-line runner drive the same object.

#include "module_description.h"
#include "prompter.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace ornavo {

// Variables that list and radio handlers set; one set per module, kept for the whole run.
using WindowVariables = std::map<std::string, std::string>;

// The window variables of every module for one run of the program.
class Session {
  public:
    WindowVariables& variables(const std::string& moduleKey) { return vars_[moduleKey]; }

  private:
    std::map<std::string, WindowVariables> vars_;
};

// What a window shows, taken whole: field and code box texts, list picks, chosen radio buttons and the
// generate button pressed last. Window variables are not part of it.
struct FormSnapshot {
    std::map<std::string, std::string> texts; // fields and the code box
    std::map<std::string, int> picks;         // every list, -1 when nothing is picked
    std::set<std::string> chosen;             // radio buttons that are on
    std::string lastGenerate;                 // the generate button pressed last, "" when none

    bool operator==(const FormSnapshot& o) const {
        return texts == o.texts && picks == o.picks && chosen == o.chosen && lastGenerate == o.lastGenerate;
    }
    bool operator!=(const FormSnapshot& o) const { return !(*this == o); }
};

// Where the change that listeners are told of comes from.
enum class ChangeCause {
    Edit,     // setText, pick or choose made from outside any action, and what the handlers derive from it
    Generate, // a generate button's action
    Action,   // another button's action (a clear)
    Restore,  // restore()
};

// A listener's place at a form: the listener is called until its subscription goes (or is reset). The
// form may go first; the subscription then ends with nothing to do.
class [[nodiscard]] Subscription {
  public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
    Subscription(Subscription&& other) noexcept : cancel_(std::move(other.cancel_)) {
        other.cancel_ = nullptr;
    }
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            cancel_ = std::move(other.cancel_);
            other.cancel_ = nullptr;
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }
    void reset() {
        if (auto cancel = std::move(cancel_)) {
            cancel_ = nullptr;
            cancel();
        }
    }

  private:
    std::function<void()> cancel_;
};

class Form {
  public:
    Form(const ModuleSpec& module, WindowVariables& variables, Prompter& prompter, WindowHost& host);

    const ModuleSpec& module() const { return module_; }
    // The control of that name, or nullptr.
    const Control* control(const std::string& name) const;
    const Button* button(const std::string& name) const;

    // Text of a field or the code box; for a list, the picked entry's text ("" when none).
    const std::string& text(const std::string& name) const;
    // Picked entry of a list, -1 when none.
    int index(const std::string& name) const;
    bool checked(const std::string& radioName) const;
    const std::string& code() const { return text(module_.codeBox.name); }
    // The generate button pressed last in this window ("" before the first).
    const std::string& lastGenerate() const { return lastGenerate_; }
    Prompter& prompter() const { return prompter_; }

    FormSnapshot snapshot() const;
    // Puts back what a snapshot of a window of the same module holds, without running any handler (the
    // values are taken as they were, derived ones included); listeners hear of every control that changed.
    void restore(const FormSnapshot& snapshot);

    // Window variables (empty until set).
    const std::string& var(const std::string& name) const;
    void setVar(const std::string& name, std::string value);
    // Every window variable set so far (also those set to the empty text).
    const WindowVariables& variables() const { return vars_; }

    // Changes as the user or a handler makes them; each runs the control's handler when the value
    // actually changes.
    void setText(const std::string& name, std::string value);
    // Picking an entry runs the list's handler every time, also when that entry is already shown
    // (a handler may read fields that changed since); emptying the list runs it only on a change.
    void pick(const std::string& listName, int index);
    bool pickEntry(const std::string& listName, const std::string& entry); // false: no such entry
    void choose(const std::string& radioName);

    // Runs a button's action.
    void press(const std::string& buttonName);
    // The frame's close request: asks the exit question; true when the window is now closed.
    bool requestClose();
    bool isClosed() const { return closed_; }

    // Listeners are told in the order they were added, each as long as its subscription lives; one may
    // end any subscription (its own too) while it is being told, and the form goes on with the others.
    //
    // Called with the control's name after every change of its value, whoever made it.
    using Listener = std::function<void(const std::string&)>;
    Subscription addChangeListener(Listener listener);
    // What the change being told of comes from (Edit between changes).
    ChangeCause cause() const { return cause_; }
    // Called with the control's name once an edit (setText, pick or choose made from outside any action)
    // and all that its handlers changed is done, when the edit changed something. The listener may
    // press buttons.
    Subscription addEditListener(Listener listener);
    // Called with the button just before its action runs.
    using ActionListener = std::function<void(const Button&)>;
    Subscription addActionListener(ActionListener listener);

  private:
    struct State {
        const Control* control = nullptr;
        std::string text;
        int index = -1;
        bool checked = false;
    };
    class EditScope;
    class CauseScope;
    State& state(const std::string& name);
    const State& state(const std::string& name) const;
    void changed(State& s);
    void tell(const std::string& name);
    void tellEdit(const std::string& name);
    void clear(const Button& b);

    const ModuleSpec& module_;
    WindowVariables& vars_;
    Prompter& prompter_;
    WindowHost& host_;
    std::map<std::string, State> states_;
    std::map<std::string, const Button*> buttons_;
    struct Listeners;
    std::shared_ptr<Listeners> listeners_;
    std::string lastGenerate_;
    ChangeCause cause_ = ChangeCause::Edit;
    int editDepth_ = 0;
    bool closed_ = false;
    int depth_ = 0;
};

// Reads a field as a whole number or decimal (after full-width folding).
std::int64_t fieldInteger(const Form& form, const std::string& name);
double fieldDecimal(const Form& form, const std::string& name);

} // namespace ornavo
