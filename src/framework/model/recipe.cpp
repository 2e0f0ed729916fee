#include "recipe.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace ornavo {

namespace {
struct RecipeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Writing to the output failed; what() says why.
struct OutputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string errnoText(int error, const char* otherwise) {
    return error ? std::strerror(error) : otherwise;
}

// Why a stream operation threw: the system's words for a system error, else the exception's text.
std::string failureText(const std::exception& e) {
    if (const auto* system = dynamic_cast<const std::system_error*>(&e))
        if (system->code().category() == std::system_category() ||
            system->code().category() == std::generic_category())
            return system->code().message();
    return e.what();
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
        try {
            report("preview: " + writer_(code));
        } catch (const std::exception& e) {
            report(std::string("preview failed: ") + e.what());
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

std::string unescapeRecipeText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            const char* replacement = next == 't'    ? "\t"
                                      : next == 'r'  ? "\r"
                                      : next == 'n'  ? "\n"
                                      : next == '\\' ? "\\"
                                                     : nullptr;
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

bool isSkippedRecipeLine(const std::string& line) {
    return (!line.empty() && line[0] == '#') || line.find_first_not_of(" \t") == std::string::npos;
}

// One line up to LF, CR LF or CR; false when the text ended before it. Reads the stream buffer
// directly: a buffer that throws on a failed read (a file stream does) then says why.
bool RecipeLineReader::readLine(std::string& line) {
    line.clear();
    std::streambuf* buffer = in_.rdbuf();
    if (!buffer)
        throw RecipeReadError("cannot read the recipe: no input");
    using traits = std::char_traits<char>;
    const auto keep = [this](char c) {
        if (copy_)
            copy_->put(c);
    };
    try {
        int c = buffer->sbumpc();
        if (traits::eq_int_type(c, traits::eof()))
            return false;
        ++number_;
        for (; !traits::eq_int_type(c, traits::eof()); c = buffer->sbumpc()) {
            const char ch = traits::to_char_type(c);
            keep(ch);
            if (ch == '\n')
                break;
            if (ch == '\r') {
                if (buffer->sgetc() == '\n')
                    keep(traits::to_char_type(buffer->sbumpc()));
                break;
            }
            if (line.size() == kMaxLineBytes)
                throw RecipeReadError("recipe line " + std::to_string(number_) + ": longer than " +
                                      std::to_string(kMaxLineBytes >> 20) + " MiB");
            line += ch;
        }
    } catch (const RecipeReadError&) {
        throw;
    } catch (const std::exception& e) {
        throw RecipeReadError("cannot read the recipe: " + failureText(e));
    }
    if (number_ == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
        line.erase(0, 3);
    return true;
}

bool RecipeLineReader::next(std::string& line) {
    while (readLine(line))
        if (!isSkippedRecipeLine(line))
            return true;
    return false;
}

RecipeRunner::RecipeRunner(const Registry& registry, Session& session)
    : registry_(registry), session_(session), host_(std::make_unique<Host>(previewWriter_)) {}

RecipeRunner::~RecipeRunner() = default;

Form& RecipeRunner::openForm() {
    if (!form_ || form_->isClosed())
        throw RecipeError("no window is open");
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
    auto requireControl = [this, &name](ControlKind kind, const char* what) -> Form& {
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
        write(openForm().code());
    } else if (verb == "show") {
        Form& form = openForm();
        const Control* c = form.control(rest);
        if (!c)
            throw RecipeError("the window has no control " + recipeExcerpt(rest));
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
        throw RecipeError("unknown action " + recipeExcerpt(verb));
    }
}

// One reading of the recipe from where the reader stands.
int RecipeRunner::runLines(RecipeLineReader& lines, std::ostream* out, std::ostream& err, bool checking) {
    form_.reset();
    host_->start(&err, checking);
    out_ = out;
    int status = 0;
    try {
        std::string line;
        while (status == 0 && lines.next(line)) {
            try {
                execute(line);
            } catch (const OutputError&) {
                throw;
            } catch (const std::exception& e) {
                err << "recipe line " << lines.lineNumber() << ": " << e.what() << "\n";
                status = kRecipeError;
            }
        }
        if (out_ && status == 0) {
            errno = 0;
            if (!out_->flush())
                throw OutputError(errnoText(errno, "write error"));
        }
    } catch (const RecipeReadError& e) {
        err << e.what() << "\n";
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

namespace {
// An unnamed temporary file to keep a copy of a recipe that can be read only once.
bool openSpool(std::fstream& spool, std::string& why) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) {
        why = error.message() + " (the temporary folder)";
        return false;
    }
    std::string path = (folder / "ornavo-recipe-XXXXXX").string();
    const int fd = ::mkstemp(path.data());
    if (fd < 0) {
        why = errnoText(errno, "cannot create a file") + " (" + folder.string() + ")";
        return false;
    }
    spool.open(path, std::ios::in | std::ios::out | std::ios::trunc | std::ios::binary);
    ::close(fd);
    std::remove(path.c_str());
    if (!spool.is_open()) {
        why = "cannot open " + path;
        return false;
    }
    return true;
}
} // namespace

int RecipeRunner::run(std::istream& recipe, std::ostream& out, std::ostream& err) {
    const std::istream::pos_type start = recipe.tellg();
    const bool rereadable = start != std::istream::pos_type(-1);
    std::fstream spool;
    std::string why;
    if (!rereadable && !openSpool(spool, why)) {
        err << "cannot keep a copy of the recipe: " << why << "\n";
        return kRecipeError;
    }

    RecipeLineReader checkLines(recipe);
    if (!rereadable)
        checkLines.copyTo(&spool);
    Session trial = session_;
    RecipeRunner check(registry_, trial);
    if (const int status = check.runLines(checkLines, nullptr, err, true); status != 0)
        return status;

    std::istream* source = &recipe;
    errno = 0;
    if (rereadable) {
        recipe.clear();
        recipe.seekg(start);
    } else {
        if (!spool.flush()) {
            err << "cannot keep a copy of the recipe: the temporary file could not be written\n";
            return kRecipeError;
        }
        spool.seekg(0);
        source = &spool;
    }
    if (!*source) {
        err << "cannot read the recipe again: " << errnoText(errno, "it cannot be rewound") << "\n";
        return kRecipeError;
    }
    RecipeLineReader lines(*source);
    return runLines(lines, &out, err, false);
}

} // namespace ornavo
