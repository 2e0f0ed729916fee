#include "recipe.h"

#include "platform.h"
#include "text.h"

#include <algorithm>
#include <cerrno>
#include <deque>
#include <istream>
#include <ostream>
#include <stdexcept>

namespace ornavo {

namespace {
// A line that cannot be run: what went wrong (its line is filled in by the runner).
struct RecipeError : std::runtime_error {
    explicit RecipeError(RecipeFault fault, std::string subject = {}, std::string detail = {})
        : std::runtime_error(detail), failure{fault, 0, std::move(subject), std::move(detail)} {}
    RecipeFailure failure;
};

// Writing to the output failed; what() says why.
struct OutputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string errnoText(int error, const char* otherwise) {
    return error ? errorText(error) : otherwise;
}
} // namespace

// Answers questions from the queued answers (Yes when none is queued) and keeps the clipboard in
// memory. Messages go to the error stream while a recipe is checked; previews are written, and
// reported there, only when it runs for real.
class RecipeRunner::Host : public Prompter, public WindowHost {
  public:
    explicit Host(RecipeRunner::PreviewWriter& writer) : writer_(writer) {}

    void start(std::ostream* err, bool checking) {
        err_ = err;
        checking_ = checking;
        answers.clear();
        clipboard.clear();
        previewFailed = false;
    }

    void notify(const std::string& message) override { say("message: " + message); }
    Answer ask(const std::string& question) override {
        say("message: " + question);
        if (answers.empty())
            return Answer::Yes;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void putOnClipboard(const std::string& text) override { clipboard = text; }
    void showPreview(const std::string& code) override {
        if (checking_)
            return;
        if (!writer_) {
            report("preview: not available");
            previewFailed = true;
            return;
        }
        const Result<std::string, PreviewFailure> written = writer_(code);
        if (written) {
            report("preview: " + *written);
        } else {
            report("preview failed: " + written.failure().english);
            previewFailed = true;
        }
    }
    void openColourTable() override { say("colour table"); }

    std::deque<Answer> answers;
    std::string clipboard;
    bool previewFailed = false;

  private:
    // Said once, while checking: the real run repeats the same messages.
    void say(const std::string& line) {
        if (checking_)
            report(line);
    }
    void report(const std::string& line) {
        if (err_)
            *err_ << line << "\n";
    }
    std::ostream* err_ = nullptr;
    bool checking_ = false;
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

RecipeRunner::RecipeRunner(const Registry& registry, Session& session)
    : registry_(registry), session_(session), host_(std::make_unique<Host>(previewWriter_)) {}

RecipeRunner::~RecipeRunner() = default;

Form& RecipeRunner::openForm() {
    if (!form_ || form_->isClosed())
        throw RecipeError(RecipeFault::NoWindow);
    return *form_;
}

void RecipeRunner::write(const std::string& text) {
    if (!out_)
        return;
    errno = 0;
    out_->write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!*out_)
        throw OutputError(errnoText(errno, "write error"));
}

void RecipeRunner::execute(const std::string& line) {
    const auto [verb, rest] = splitWord(line);
    const auto nameAndArgument = splitWord(rest);
    const std::string& name = nameAndArgument.first;
    const std::string& argument = nameAndArgument.second;
    auto requireControl = [this, &name](ControlKind kind, RecipeFault missing) -> Form& {
        Form& form = openForm();
        const Control* c = form.control(name);
        if (!c || c->kind != kind)
            throw RecipeError(missing, name);
        return form;
    };

    if (verb == "open") {
        const ModuleSpec* module = registry_.byKey(rest);
        if (!module)
            throw RecipeError(RecipeFault::NoModule, rest);
        form_.reset();
        form_ = std::make_unique<Form>(*module, session_.variables(module->key), *host_, *host_);
    } else if (verb == "set") {
        Form& form = openForm();
        const Control* c = form.control(name);
        if (!c || (c->kind != ControlKind::Field && c->kind != ControlKind::CodeBox))
            throw RecipeError(RecipeFault::NoField, name);
        // Fields hold text: bytes that are no UTF-8 text would reach the markup and the preview page.
        if (!isUtf8(argument))
            throw RecipeError(RecipeFault::NotUtf8, name, argument);
        form.setText(name, unescapeRecipeText(argument, escapes_));
    } else if (verb == "var") {
        // var NAME = TEXT: the name may hold blanks, the text anything (with the escapes of set).
        Form& form = openForm();
        const auto equals = rest.find(" =");
        const bool wellFormed =
            equals != std::string::npos && (equals + 2 == rest.size() || rest[equals + 2] == ' ');
        const std::string variable = wellFormed ? rest.substr(0, equals) : rest;
        const std::vector<std::string> known = windowVariables(form.module());
        if (!wellFormed || std::find(known.begin(), known.end(), variable) == known.end())
            throw RecipeError(RecipeFault::NoVariable, variable);
        const std::string text = equals + 3 <= rest.size() ? rest.substr(equals + 3) : std::string();
        if (!isUtf8(text))
            throw RecipeError(RecipeFault::NotUtf8, variable, text);
        form.setVar(variable, unescapeRecipeText(text, escapes_));
    } else if (verb == "pick") {
        Form& form = requireControl(ControlKind::List, RecipeFault::NoList);
        if (!form.pickEntry(name, argument))
            throw RecipeError(RecipeFault::NoEntry, name, argument);
    } else if (verb == "choose") {
        requireControl(ControlKind::Radio, RecipeFault::NoRadio).choose(name);
    } else if (verb == "answer") {
        if (rest != "yes" && rest != "no")
            throw RecipeError(RecipeFault::BadAnswer);
        host_->answers.push_back(rest == "yes" ? Answer::Yes : Answer::No);
    } else if (verb == "press") {
        Form& form = openForm();
        if (!form.button(rest))
            throw RecipeError(RecipeFault::NoButton, rest);
        form.press(rest);
    } else if (verb == "print") {
        write(openForm().code());
    } else if (verb == "show") {
        Form& form = openForm();
        const Control* c = form.control(rest);
        if (!c)
            throw RecipeError(RecipeFault::NoControl, rest);
        if (c->kind == ControlKind::Radio)
            write(form.checked(rest) ? "1\n" : "0\n");
        else if (c->kind == ControlKind::Label)
            write(c->caption + "\n");
        else if (c->kind == ControlKind::Picture)
            write(c->text + "\n");
        else
            write(form.text(rest) + "\n");
    } else if (verb == "clipboard") {
        write(host_->clipboard);
    } else if (verb == "close") {
        openForm().requestClose();
    } else {
        throw RecipeError(RecipeFault::UnknownAction, verb);
    }
}

void RecipeRunner::fail(RecipeFailure failure, int line, std::ostream& err) {
    failure.line = line;
    err << failure.english() << "\n";
    failure_ = std::move(failure);
}

// One reading of the recipe from where the reader stands.
int RecipeRunner::runLines(RecipeLineReader& lines, std::ostream* out, std::ostream& err, bool checking) {
    form_.reset();
    failure_.reset();
    host_->start(&err, checking);
    out_ = out;
    int status = 0;
    try {
        std::string line;
        while (status == 0 && lines.next(line)) {
            escapes_ = lines.escapes();
            try {
                execute(line);
            } catch (const OutputError&) {
                throw;
            } catch (const RecipeError& e) {
                fail(e.failure, lines.lineNumber(), err);
                status = kRecipeError;
            } catch (const std::exception& e) {
                fail({RecipeFault::Failed, 0, {}, e.what()}, lines.lineNumber(), err);
                status = kRecipeError;
            }
        }
        if (out_ && status == 0) {
            errno = 0;
            if (!out_->flush())
                throw OutputError(errnoText(errno, "write error"));
        }
    } catch (const RecipeReadError& e) {
        fail(e.failure, e.failure.line, err);
        status = kRecipeError;
    } catch (const OutputError& e) {
        err << "cannot write the output: " << e.what() << "\n";
        status = kOutputFailed;
    }
    if (status == 0 && host_->previewFailed)
        status = kPreviewFailed;
    // The form outlives the run; what it says later has nowhere to go.
    host_->start(nullptr, false);
    out_ = nullptr;
    return status;
}

int RecipeRunner::replay(std::istream& recipe, std::ostream& err) {
    RecipeLineReader lines(recipe);
    return runLines(lines, nullptr, err, true);
}

int RecipeRunner::run(std::istream& recipe, std::ostream& out, std::ostream& err) {
    failure_.reset();
    const std::istream::pos_type start = recipe.tellg();
    const bool rereadable = start != std::istream::pos_type(-1);
    std::unique_ptr<std::iostream> spool;
    if (!rereadable) {
        Result<std::unique_ptr<std::iostream>> scratch = openScratchFile();
        if (!scratch) {
            fail({RecipeFault::NotKept, 0, {}, scratch.failure().reason}, 0, err);
            return kRecipeError;
        }
        spool = std::move(*scratch);
    }

    RecipeLineReader checkLines(recipe);
    if (!rereadable)
        checkLines.copyTo(spool.get());
    Session trial = session_;
    RecipeRunner check(registry_, trial);
    if (const int status = check.runLines(checkLines, nullptr, err, true); status != 0) {
        failure_ = check.failure_;
        return status;
    }

    std::istream* source = &recipe;
    errno = 0;
    if (rereadable) {
        recipe.clear();
        recipe.seekg(start);
    } else {
        if (!spool->flush()) {
            fail({RecipeFault::NotKept, 0, {}, "the temporary file could not be written"}, 0, err);
            return kRecipeError;
        }
        spool->seekg(0);
        source = spool.get();
    }
    if (!*source) {
        fail({RecipeFault::NotRereadable, 0, {}, errnoText(errno, "it cannot be rewound")}, 0, err);
        return kRecipeError;
    }
    RecipeLineReader lines(*source);
    return runLines(lines, &out, err, false);
}

} // namespace ornavo
