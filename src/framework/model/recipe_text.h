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
    NoEntry,    // subject: the list, detail: the entry
    NotUtf8,    // subject: the field, detail: the text
    BadAnswer,  // `answer` with something else than yes or no
    NoVariable, // `var` naming no window variable of the window, or not as NAME = TEXT (subject: the rest)
    Failed,     // the window refused the action (detail: what it said)
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

// How the texts of `set` and `var` lines are escaped.
//   Plain: backslash, TAB, CR and LF as \\ \t \r \n; any other backslash stands for itself. Recipes
//          written by hand and settings of format 1 (files of Ornavo 2.0.1 and before).
//   Full:  the same, and every other control character (C0, DEL, C1), the line and paragraph
//          separators U+2028 and U+2029 and the byte-order mark U+FEFF as \xNN (below U+0080) or
//          \uNNNN, so that a line holds nothing an editor or a script could take for a line end or
//          drop. Settings of format 2 on, which their head line names.
enum class RecipeEscapes { Plain, Full };

// Ornavo's head line of a settings file: "# Ornavo VERSION, settings format N — KEY CAPTION". The
// format it names: 1 for a head line that names none (files of earlier versions), 0 when the line is
// no head line of Ornavo's at all.
int settingsFormatOf(const std::string& headLine);
// The settings format from which `set` texts carry the full escapes.
inline constexpr int kFullEscapesFormat = 2;

// Reads a recipe one line at a time, so that only the current line is held in memory: splits at LF,
// CR LF and CR, drops a byte-order mark at the very start. The first head line among the comments
// before the first action tells the escapes the recipe's texts carry (Plain unless it names format 2
// or later).
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
    // The escapes of the recipe's texts, as far as its head has been read.
    RecipeEscapes escapes() const { return escapes_; }

  private:
    std::istream& in_;
    std::ostream* copy_ = nullptr;
    int number_ = 0;
    bool inHead_ = true; // neither an action line nor a head line read yet
    RecipeEscapes escapes_ = RecipeEscapes::Plain;
};

// Every line of a recipe's text without its end, as RecipeLineReader reads them (a byte-order mark at
// the start dropped). Throws RecipeReadError for a line longer than RecipeLineReader::kMaxLineBytes.
std::vector<std::string> recipeLines(const std::string& text);

// True for a line without an action: empty, only blanks and TABs, or starting with '#'.
bool isSkippedRecipeLine(const std::string& line);

// Text as a recipe `set` line carries it, with those escapes.
std::string escapeRecipeText(const std::string& text, RecipeEscapes escapes = RecipeEscapes::Plain);
// Undoes them; a backslash that begins no escape of that kind is kept as it stands.
std::string unescapeRecipeText(const std::string& text, RecipeEscapes escapes = RecipeEscapes::Plain);

// Recipe text as a message shows it: at most `limit` characters, then "…"; control characters and
// bytes that are not UTF-8 written as escapes (\t, \r, \n, \xNN, \u0085).
std::string recipeExcerpt(const std::string& text, std::size_t limit = 40);

} // namespace ornavo
