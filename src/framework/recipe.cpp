#include "recipe.h"

#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

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
            previewFailed = true;
            return;
        }
        try {
            report("preview: " + writer_(code));
        } catch (const std::exception& e) {
            report(std::string("preview failed: ") + e.what());
            previewFailed = true;
        }
    }
    void openColourTable() override { report("colour table"); }

    std::deque<Answer> answers;
    std::string clipboard;
    bool previewFailed = false;

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

// Length of the UTF-8 sequence at text[pos] with its code point; 0 when it is not well-formed
// (truncated, overlong, a surrogate, beyond U+10FFFF).
std::size_t utf8Sequence(const std::string& text, std::size_t pos, char32_t& cp) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length;
    char32_t min;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

bool isUtf8(const std::string& text) {
    char32_t cp;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8Sequence(text, pos, cp);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

// The recipe's lines without their ends (LF, CR LF or CR), a leading byte-order mark dropped.
std::vector<std::string> recipeLines(std::istream& recipe) {
    std::string text((std::istreambuf_iterator<char>(recipe)), std::istreambuf_iterator<char>());
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}
} // namespace

std::string recipeExcerpt(const std::string& text, std::size_t limit) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    std::size_t shown = 0;
    std::size_t pos = 0;
    for (; pos < text.size() && shown < limit; ++shown) {
        char32_t cp;
        const std::size_t length = utf8Sequence(text, pos, cp);
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (length == 0 || cp < 0x20 || cp == 0x7F) { // one byte at a time
            if (c == '\t')
                out += "\\t";
            else if (c == '\r')
                out += "\\r";
            else if (c == '\n')
                out += "\\n";
            else
                out += std::string("\\x") + hex[c >> 4] + hex[c & 0x0F];
            ++pos;
        } else if (cp >= 0x80 && cp <= 0x9F) { // C1 controls steer terminals as well
            out += std::string("\\u00") + hex[cp >> 4] + hex[cp & 0x0F];
            pos += length;
        } else {
            out.append(text, pos, length);
            pos += length;
        }
    }
    if (pos < text.size())
        out += "…";
    return out;
}

bool isUtf8Text(const std::string& text) { return isUtf8(text); }

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
            throw RecipeError("the window has no " + std::string(what) + " " + recipeExcerpt(name));
        return form;
    };

    if (verb == "open") {
        const ModuleSpec* module = registry_.byKey(rest);
        if (!module)
            throw RecipeError("no module " + recipeExcerpt(rest));
        form_.reset();
        form_ = std::make_unique<Form>(*module, session_.variables(module->key), *host_, *host_);
    } else if (verb == "set") {
        Form& form = openForm();
        const Control* c = form.control(name);
        if (!c || (c->kind != ControlKind::Field && c->kind != ControlKind::CodeBox))
            throw RecipeError("the window has no field " + recipeExcerpt(name));
        // Fields hold text: bytes that are no UTF-8 text would reach the markup and the preview page.
        if (!isUtf8(argument))
            throw RecipeError("the text for " + name + " is not UTF-8: " + recipeExcerpt(argument));
        form.setText(name, unescapeRecipeText(argument));
    } else if (verb == "pick") {
        Form& form = requireControl(ControlKind::List, "list");
        if (!form.pickEntry(name, argument))
            throw RecipeError("list " + name + " has no entry " + recipeExcerpt(argument));
    } else if (verb == "choose") {
        requireControl(ControlKind::Radio, "radio button").choose(name);
    } else if (verb == "answer") {
        if (rest != "yes" && rest != "no")
            throw RecipeError("answer takes yes or no");
        host_->answers.push_back(rest == "yes" ? Answer::Yes : Answer::No);
    } else if (verb == "press") {
        Form& form = openForm();
        if (!form.button(rest))
            throw RecipeError("the window has no button " + recipeExcerpt(rest));
        form.press(rest);
    } else if (verb == "print") {
        output += openForm().code();
    } else if (verb == "show") {
        Form& form = openForm();
        const Control* c = form.control(rest);
        if (!c)
            throw RecipeError("the window has no control " + recipeExcerpt(rest));
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
        throw RecipeError("unknown action " + recipeExcerpt(verb));
    }
}

int RecipeRunner::run(std::istream& recipe, std::ostream& out, std::ostream& err) {
    errStream_ = &err;
    host_->previewFailed = false;
    std::string output;
    int number = 0;
    for (const std::string& line : recipeLines(recipe)) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        try {
            execute(line, output);
        } catch (const std::exception& e) {
            err << "recipe line " << number << ": " << e.what() << "\n";
            errStream_ = nullptr;
            return kRecipeError;
        }
    }
    out << output;
    out.flush();
    errStream_ = nullptr;
    return host_->previewFailed ? kPreviewFailed : 0;
}

} // namespace ornavo
