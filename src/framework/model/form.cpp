#include "form.h"

#include "text.h"

#include <stdexcept>

namespace ornavo {

namespace {

// The listeners of one kind. Each is kept behind a pointer of its own, so that telling them works on a
// copy of the list: a listener added meanwhile waits for the next change, one removed meanwhile is
// skipped, and the one being called stays alive until it returns.
template <typename Function> class ListenerList {
  public:
    Subscription add(Function function, const std::shared_ptr<void>& owner) {
        auto entry = std::make_shared<Entry>(Entry{std::move(function), true});
        entries_.push_back(entry);
        std::weak_ptr<void> alive = owner;
        std::weak_ptr<Entry> weak = entry;
        return Subscription([this, alive, weak] {
            const auto keep = alive.lock(); // the form (and so this list) is still there
            const auto gone = weak.lock();
            if (!keep || !gone)
                return;
            gone->active = false;
            for (auto it = entries_.begin(); it != entries_.end(); ++it)
                if (*it == gone) {
                    entries_.erase(it);
                    break;
                }
        });
    }
    template <typename... Args> void tell(const Args&... args) const {
        const std::vector<std::shared_ptr<Entry>> now = entries_;
        for (const auto& entry : now)
            if (entry->active)
                entry->function(args...);
    }

  private:
    struct Entry {
        Function function;
        bool active;
    };
    std::vector<std::shared_ptr<Entry>> entries_;
};

const std::string kEmpty;
// Handlers that change fields whose handlers change fields… stop here rather than loop for ever.
constexpr int kMaxHandlerDepth = 16;
} // namespace

struct Form::Listeners {
    ListenerList<Listener> change, edit;
    ListenerList<ActionListener> action;
};

// An edit made from outside (setText, pick, choose): nested ones are counted, so that the edit
// listeners hear of the outermost only, once everything its handlers changed is done.
class Form::EditScope {
  public:
    explicit EditScope(Form& form)
        : form_(form), outer_(form.editDepth_++ == 0 && form.cause_ == ChangeCause::Edit) {}
    ~EditScope() {
        if (!finished_)
            --form_.editDepth_;
    }
    void finish(const std::string& name) {
        finished_ = true;
        --form_.editDepth_;
        if (outer_)
            form_.tellEdit(name);
    }

  private:
    Form& form_;
    bool outer_;
    bool finished_ = false;
};

// An action or a restore: what the changes made meanwhile come from.
class Form::CauseScope {
  public:
    CauseScope(Form& form, ChangeCause cause) : form_(form), outer_(form.cause_) { form.cause_ = cause; }
    ~CauseScope() { form_.cause_ = outer_; }

  private:
    Form& form_;
    ChangeCause outer_;
};

Form::Form(const ModuleSpec& module, WindowVariables& variables, Prompter& prompter, WindowHost& host)
    : module_(module), vars_(variables), prompter_(prompter), host_(host),
      listeners_(std::make_shared<Listeners>()) {
    for (const Control* c : allControls(module_)) {
        State s;
        s.control = c;
        if (c->kind == ControlKind::Field)
            s.text = c->text;
        if (!states_.emplace(c->name, std::move(s)).second)
            throw std::logic_error("module " + module_.key + ": control " + c->name + " appears twice");
    }
    for (const Button* b : allButtons(module_))
        if (!buttons_.emplace(b->name, b).second)
            throw std::logic_error("module " + module_.key + ": button " + b->name + " appears twice");
}

const Control* Form::control(const std::string& name) const {
    const auto it = states_.find(name);
    return it == states_.end() ? nullptr : it->second.control;
}

const Button* Form::button(const std::string& name) const {
    const auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

Form::State& Form::state(const std::string& name) {
    const auto it = states_.find(name);
    if (it == states_.end())
        throw std::out_of_range("module " + module_.key + " has no control " + name);
    return it->second;
}

const Form::State& Form::state(const std::string& name) const {
    return const_cast<Form*>(this)->state(name);
}

const std::string& Form::text(const std::string& name) const {
    const State& s = state(name);
    if (s.control->kind == ControlKind::List)
        return s.index < 0 ? kEmpty : s.control->entries[static_cast<std::size_t>(s.index)];
    return s.text;
}

int Form::index(const std::string& name) const {
    return state(name).index;
}
bool Form::checked(const std::string& radioName) const {
    return state(radioName).checked;
}

const std::string& Form::var(const std::string& name) const {
    const auto it = vars_.find(name);
    return it == vars_.end() ? kEmpty : it->second;
}

void Form::setVar(const std::string& name, std::string value) {
    vars_[name] = std::move(value);
}

Subscription Form::addChangeListener(Listener listener) {
    return listeners_->change.add(std::move(listener), listeners_);
}

Subscription Form::addEditListener(Listener listener) {
    return listeners_->edit.add(std::move(listener), listeners_);
}

Subscription Form::addActionListener(ActionListener listener) {
    return listeners_->action.add(std::move(listener), listeners_);
}

void Form::tell(const std::string& name) {
    // Kept alive while telling: a listener may end the form's owner's interest, never the list itself.
    const std::shared_ptr<Listeners> listeners = listeners_;
    listeners->change.tell(name);
}

void Form::tellEdit(const std::string& name) {
    const std::shared_ptr<Listeners> listeners = listeners_;
    listeners->edit.tell(name);
}

void Form::changed(State& s) {
    tell(s.control->name);
    if (s.control->onChange && depth_ < kMaxHandlerDepth) {
        ++depth_;
        try {
            s.control->onChange(*this);
        } catch (...) {
            --depth_;
            throw;
        }
        --depth_;
    }
}

void Form::setText(const std::string& name, std::string value) {
    State& s = state(name);
    if (s.control->kind != ControlKind::Field && s.control->kind != ControlKind::CodeBox)
        throw std::invalid_argument(name + " holds no text");
    if (s.text == value)
        return;
    EditScope edit(*this);
    s.text = std::move(value);
    changed(s);
    edit.finish(name);
}

void Form::pick(const std::string& listName, int index) {
    State& s = state(listName);
    if (s.control->kind != ControlKind::List)
        throw std::invalid_argument(listName + " is not a list");
    if (index < -1 || index >= static_cast<int>(s.control->entries.size()))
        throw std::out_of_range(listName + ": no entry " + std::to_string(index));
    if (s.index == index && index < 0)
        return;
    EditScope edit(*this);
    s.index = index;
    changed(s);
    edit.finish(listName);
}

bool Form::pickEntry(const std::string& listName, const std::string& entry) {
    const State& s = state(listName);
    const auto& entries = s.control->entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == entry) {
            pick(listName, static_cast<int>(i));
            return true;
        }
    }
    return false;
}

void Form::choose(const std::string& radioName) {
    State& s = state(radioName);
    if (s.control->kind != ControlKind::Radio)
        throw std::invalid_argument(radioName + " is not a radio button");
    EditScope edit(*this);
    for (auto& [name, other] : states_) {
        if (&other != &s && other.control->kind == ControlKind::Radio &&
            other.control->group == s.control->group && other.checked) {
            other.checked = false;
            tell(name);
        }
    }
    // Choosing a radio runs its handler even when it is already chosen, as a click on it does.
    s.checked = true;
    changed(s);
    edit.finish(radioName);
}

void Form::clear(const Button& b) {
    if (prompter_.ask(b.question) == Answer::No)
        return;
    for (const std::string& target : b.targets) {
        const State& s = state(target);
        if (s.control->kind == ControlKind::List)
            pick(target, -1);
        else
            setText(target, "");
    }
}

void Form::press(const std::string& buttonName) {
    const Button* b = button(buttonName);
    if (!b)
        throw std::out_of_range("module " + module_.key + " has no button " + buttonName);
    if (closed_)
        throw std::logic_error("module " + module_.key + " is closed");
    {
        const std::shared_ptr<Listeners> listeners = listeners_;
        listeners->action.tell(*b);
    }
    CauseScope cause(*this, b->action == Action::Generate ? ChangeCause::Generate : ChangeCause::Action);
    switch (b->action) {
    case Action::Generate:
        lastGenerate_ = buttonName;
        setText(module_.codeBox.name, b->generate(*this));
        break;
    case Action::Copy:
        host_.putOnClipboard(code());
        prompter_.notify(code().empty() ? kCopyFailed : kCopyDone);
        break;
    case Action::Clear:
        clear(*b);
        break;
    case Action::Preview:
        host_.showPreview(code());
        break;
    case Action::ColourPicker:
        host_.openColourTable();
        break;
    case Action::Exit:
        requestClose();
        break;
    }
}

bool Form::requestClose() {
    if (closed_)
        return true;
    if (prompter_.ask(kAskExit) == Answer::No)
        return false;
    closed_ = true;
    return true;
}

FormSnapshot Form::snapshot() const {
    FormSnapshot snap;
    for (const auto& [name, s] : states_) {
        switch (s.control->kind) {
        case ControlKind::Field:
        case ControlKind::CodeBox:
            snap.texts[name] = s.text;
            break;
        case ControlKind::List:
            snap.picks[name] = s.index;
            break;
        case ControlKind::Radio:
            if (s.checked)
                snap.chosen.insert(name);
            break;
        default:
            break;
        }
    }
    snap.lastGenerate = lastGenerate_;
    return snap;
}

void Form::restore(const FormSnapshot& snap) {
    CauseScope cause(*this, ChangeCause::Restore);
    lastGenerate_ = snap.lastGenerate;
    for (auto& [name, s] : states_) {
        bool changed = false;
        switch (s.control->kind) {
        case ControlKind::Field:
        case ControlKind::CodeBox:
            if (const auto it = snap.texts.find(name); it != snap.texts.end() && it->second != s.text) {
                s.text = it->second;
                changed = true;
            }
            break;
        case ControlKind::List: {
            const auto it = snap.picks.find(name);
            const int entries = static_cast<int>(s.control->entries.size());
            if (it != snap.picks.end() && it->second != s.index && it->second >= -1 && it->second < entries) {
                s.index = it->second;
                changed = true;
            }
            break;
        }
        case ControlKind::Radio: {
            const bool on = snap.chosen.count(name) > 0;
            changed = on != s.checked;
            s.checked = on;
            break;
        }
        default:
            break;
        }
        if (changed)
            tell(name);
    }
}

std::int64_t fieldInteger(const Form& form, const std::string& name) {
    return textToInteger(form.text(name));
}
double fieldDecimal(const Form& form, const std::string& name) {
    return textToDecimal(form.text(name));
}

} // namespace ornavo
