#include "recipe.h"

#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace ornavo {

namespace {
struct RecipeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
} // namespace

// Answers questions from the queued answers (Yes when none is queued), reports every message on the
// error stream and keeps the clipboard in memory.
class RecipeRunner::Host : public Prompter, public WindowHost {
public:
    Host(std::ostream*& err, RecipeRunner::PreviewWriter& writer) : err_(err), writer_(writer) {}

    void notify(const std::string& message) override { report("message: " + message); }
    Answer ask(const std::string& question) override {
        report("message: " + question);
        if (answers.empty())
            return Answer::Yes;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void putOnClipboard(const std::string& text) override { clipboard = text; }
    void showPreview(const std::string& code) override {
        if (!writer_) {
            report("preview: not available");
            return;
        }
        try {
            report("preview: " + writer_(code));
        } catch (const std::exception& e) {
            report(std::string("preview failed: ") + e.what());
        }
    }
    void openColourTable() override { report("colour table"); }

    std::deque<Answer> answers;
    std::string clipboard;

private:
    void report(const std::string& line) {
        if (err_)
            *err_ << line << "\n";
    }
    std::ostream*& err_;
    RecipeRunner::PreviewWriter& writer_;
};

namespace {
// Splits "verb rest" at the first blank.
std::pair<std::string, std::string> splitWord(const std::string& s) {
    const auto blank = s.find(' ');
    if (blank == std::string::npos)
        return {s, {}};
    return {s.substr(0, blank), s.substr(blank + 1)};
}
} // namespace

std::string unescapeRecipeText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            const char* replacement = next == 't' ? "\t" : next == 'r' ? "\r" : next == 'n' ? "\n" : next == '\\' ? "\\" : nullptr;
            if (replacement) {
                out += replacement;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

RecipeRunner::RecipeRunner(const Registry& registry, Session& session)
    : registry_(registry), session_(session), host_(std::make_unique<Host>(errStream_, previewWriter_)) {}

RecipeRunner::~RecipeRunner() = default;

Form& RecipeRunner::openForm() {
    if (!form_ || form_->isClosed())
        throw RecipeError("no window is open");
    return *form_;
}

void RecipeRunner::execute(const std::string& line, std::string& output) {
    const auto [verb, rest] = splitWord(line);
    const auto [name, argument] = splitWord(rest);
    auto requireControl = [&](ControlKind kind, const char* what) -> Form& {
        Form& form = openForm();
        const Control* c = form.control(name);
        if (!c || c->kind != kind)
            throw RecipeError("the window has no " + std::string(what) + " " + name);
        return form;
    };

    if (verb == "open") {
        const ModuleSpec* module = registry_.byKey(rest);
        if (!module)
            throw RecipeError("no module " + rest);
        form_.reset();
        form_ = std::make_unique<Form>(*module, session_.variables(module->key), *host_, *host_);
    } else if (verb == "set") {
        Form& form = openForm();
        const Control* c = form.control(name);
        if (!c || (c->kind != ControlKind::Field && c->kind != ControlKind::CodeBox))
            throw RecipeError("the window has no field " + name);
        form.setText(name, unescapeRecipeText(argument));
    } else if (verb == "pick") {
        Form& form = requireControl(ControlKind::List, "list");
        if (!form.pickEntry(name, argument))
            throw RecipeError("list " + name + " has no entry " + argument);
    } else if (verb == "choose") {
        requireControl(ControlKind::Radio, "radio button").choose(name);
    } else if (verb == "answer") {
        if (rest != "yes" && rest != "no")
            throw RecipeError("answer takes yes or no");
        host_->answers.push_back(rest == "yes" ? Answer::Yes : Answer::No);
    } else if (verb == "press") {
        Form& form = openForm();
        if (!form.button(rest))
            throw RecipeError("the window has no button " + rest);
        form.press(rest);
    } else if (verb == "print") {
        output += openForm().code();
    } else if (verb == "show") {
        Form& form = openForm();
        const Control* c = form.control(rest);
        if (!c)
            throw RecipeError("the window has no control " + rest);
        if (c->kind == ControlKind::Radio)
            output += form.checked(rest) ? "1" : "0";
        else if (c->kind == ControlKind::Label)
            output += c->caption;
        else if (c->kind == ControlKind::Picture)
            output += c->text;
        else
            output += form.text(rest);
        output += "\n";
    } else if (verb == "clipboard") {
        output += host_->clipboard;
    } else if (verb == "close") {
        openForm().requestClose();
    } else {
        throw RecipeError("unknown action " + verb);
    }
}

int RecipeRunner::run(std::istream& recipe, std::ostream& out, std::ostream& err) {
    errStream_ = &err;
    std::string output;
    std::string line;
    int number = 0;
    while (std::getline(recipe, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        try {
            execute(line, output);
        } catch (const std::exception& e) {
            err << "recipe line " << number << ": " << e.what() << "\n";
            errStream_ = nullptr;
            return 2;
        }
    }
    out << output;
    out.flush();
    errStream_ = nullptr;
    return 0;
}

} // namespace ornavo
