#pragma once
// Drives module windows from a recipe, one user action per line, without any widgets:
//   open KEY | set NAME [TEXT] | pick NAME ENTRY | choose NAME | answer yes|no | press NAME |
//   print | show NAME | clipboard | close
// The recipe is UTF-8 text, optionally after a byte-order mark; lines end with LF, CR LF or CR.
// Lines that are empty, hold only blanks and TABs, or start with '#' are skipped. TEXT is the rest of
// the line after one blank, with the escapes \t \r \n \\.

#include "form.h"
#include "registry.h"

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>

namespace ornavo {

// A recipe that could not be read: the stream failed, or a line is too long to be a recipe line.
// what() is the whole message ("cannot read the recipe: Is a directory").
struct RecipeReadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads a recipe one line at a time, so that only the current line is held in memory: splits at LF,
// CR LF and CR, drops a byte-order mark at the very start and skips the lines without an action.
class RecipeLineReader {
  public:
    static constexpr std::size_t kMaxLineBytes = std::size_t(16) << 20;

    explicit RecipeLineReader(std::istream& in) : in_(in) {}
    // From now on every byte read is also written to `copy` as it stands (nullptr: no copy).
    void copyTo(std::ostream* copy) { copy_ = copy; }
    // The next line that holds an action, without its end; false at the end of the text. Throws
    // RecipeReadError when reading fails or a line holds more than kMaxLineBytes.
    bool next(std::string& line);
    // Number of the line last read, the first being 1 (skipped lines count).
    int lineNumber() const { return number_; }

  private:
    bool readLine(std::string& line);
    std::istream& in_;
    std::ostream* copy_ = nullptr;
    int number_ = 0;
};

// True for a line without an action: empty, only blanks and TABs, or starting with '#'.
bool isSkippedRecipeLine(const std::string& line);

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points beyond
// U+10FFFF).
bool isUtf8(const std::string& text);

class RecipeRunner {
  public:
    // Writes the preview page for the code and returns its path; throws std::runtime_error on failure.
    using PreviewWriter = std::function<std::string(const std::string& code)>;

    RecipeRunner(const Registry& registry, Session& session);
    ~RecipeRunner();
    void setPreviewWriter(PreviewWriter writer) { previewWriter_ = std::move(writer); }

    // Exit statuses of run().
    static constexpr int kOutputFailed = 1;
    static constexpr int kRecipeError = 2;
    static constexpr int kPreviewFailed = 3;

    // Runs the whole recipe, reading it twice. The first reading checks it: every line runs on a copy
    // of the session's window variables, notices, questions and the first error go to `err`, output
    // is dropped and no preview page is written. Only when every line ran does the second reading run
    // it for real on the session: output goes to `out` as the lines ask for it (nothing is gathered),
    // preview pages are written and reported on `err`. So a recipe that cannot run leaves `out` empty
    // and writes nothing, while memory stays bounded by the longest line and the largest code box. A
    // recipe that cannot be read twice (a pipe) is copied to a temporary file as it is read.
    // Every run starts with no window open, no queued answer and an empty clipboard; window variables
    // carry over in the session.
    // Returns 0; kRecipeError for a recipe that cannot be read or a line that cannot be run (named
    // with its number and at most a short, escaped prefix of what it held); kOutputFailed when writing
    // to `out` failed, which ends the run; or kPreviewFailed when every line ran but a preview page
    // could not be written.
    int run(std::istream& recipe, std::ostream& out, std::ostream& err);
    // The window the recipe opened last (nullptr before the first `open`), as the run left it.
    const Form* form() const { return form_.get(); }

  private:
    class Host;
    int runLines(RecipeLineReader& lines, std::ostream* out, std::ostream& err, bool checking);
    void execute(const std::string& line);
    void write(const std::string& text);
    Form& openForm();

    const Registry& registry_;
    Session& session_;
    std::unique_ptr<Host> host_;
    std::unique_ptr<Form> form_;
    std::ostream* out_ = nullptr; // the running reading's output; nullptr while checking
    PreviewWriter previewWriter_;
};

// Undoes the recipe escapes \t \r \n \\ (another backslash pair is kept as it stands).
std::string unescapeRecipeText(const std::string& text);

// Recipe text as an error message shows it: at most `limit` characters, then "…"; control characters
// and bytes that are not UTF-8 written as escapes (\t, \r, \n, \xNN, \u0085).
std::string recipeExcerpt(const std::string& text, std::size_t limit = 40);

} // namespace ornavo
