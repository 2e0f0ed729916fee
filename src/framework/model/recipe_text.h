#pragma once
// The text of a recipe, apart from running it: its lines (UTF-8, after an optional byte-order mark,
// ending with LF, CR LF or CR), the lines without an action, the escapes a `set` line's text carries,
// how a recipe's text is quoted in a message, and what went wrong on which line.

#include <cstddef>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace ornavo {

// What stopped a recipe, on which line. Both programs name it: ornavo-gen in English, as it always
// has, and the window in Chinese.
enum class RecipeFault {
    Unreadable,    // the recipe could not be read (detail: why, in the system's words)
    NotKept,       // a recipe that can be read once only could not be copied aside (detail: why)
    NotRereadable, // the recipe could not be read again after checking it (detail: why)
    LineTooLong,   // a line of more than RecipeLineReader::kMaxLineBytes
    UnknownAction, // subject: the first word
    NoWindow,      // an action before `open`, or after the window was closed
    NoModule,      // subject: the key
    NoField,       // subject: the name (also for the other kinds below)
    NoList,
    NoRadio,
    NoControl,
    NoButton,
    NoEntry,   // subject: the list, detail: the entry
    NotUtf8,   // subject: the field, detail: the text
    BadAnswer, // `answer` with something else than yes or no
    Failed,    // the window refused the action (detail: what it said)
};

struct RecipeFailure {
    RecipeFault fault = RecipeFault::Failed;
    int line = 0; // from 1; 0 for the recipe as a whole
    std::string subject;
    std::string detail;

    // "recipe line 3: the window has no field 编辑框_不存在", as ornavo-gen prints it.
    std::string english() const;
    // "窗口里没有输入框“编辑框_不存在”": the reason alone, for the user, without the line.
    std::string chinese() const;
};

// A recipe that could not be read: the stream failed, or a line is too long to be a recipe line.
struct RecipeReadError : std::runtime_error {
    explicit RecipeReadError(RecipeFailure failure);
    RecipeFailure failure;
};

// Reads a recipe one line at a time, so that only the current line is held in memory: splits at LF,
// CR LF and CR, drops a byte-order mark at the very start.
class RecipeLineReader {
  public:
    static constexpr std::size_t kMaxLineBytes = std::size_t(16) << 20;

    explicit RecipeLineReader(std::istream& in) : in_(in) {}
    // From now on every byte read is also written to `copy` as it stands (nullptr: no copy).
    void copyTo(std::ostream* copy) { copy_ = copy; }
    // The next line, without its end; false at the end of the text. Throws RecipeReadError when
    // reading fails or a line holds more than kMaxLineBytes.
    bool readLine(std::string& line);
    // The next line that holds an action (see isSkippedRecipeLine).
    bool next(std::string& line);
    // Number of the line last read, the first being 1 (skipped lines count).
    int lineNumber() const { return number_; }

  private:
    std::istream& in_;
    std::ostream* copy_ = nullptr;
    int number_ = 0;
};

// Every line of a recipe's text without its end, as RecipeLineReader reads them (a byte-order mark at
// the start dropped). Throws RecipeReadError for a line longer than RecipeLineReader::kMaxLineBytes.
std::vector<std::string> recipeLines(const std::string& text);

// True for a line without an action: empty, only blanks and TABs, or starting with '#'.
bool isSkippedRecipeLine(const std::string& line);

// Text as a recipe `set` line carries it: backslash, TAB, CR and LF as \\ \t \r \n.
std::string escapeRecipeText(const std::string& text);
// Undoes those escapes (another backslash pair is kept as it stands).
std::string unescapeRecipeText(const std::string& text);

// Recipe text as a message shows it: at most `limit` characters, then "…"; control characters and
// bytes that are not UTF-8 written as escapes (\t, \r, \n, \xNN, \u0085).
std::string recipeExcerpt(const std::string& text, std::size_t limit = 40);

} // namespace ornavo
