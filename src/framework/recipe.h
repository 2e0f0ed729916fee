#pragma once
// Drives module windows from a recipe, one user action per line, without any widgets:
//   open KEY | set NAME [TEXT] | pick NAME ENTRY | choose NAME | answer yes|no | press NAME |
//   print | show NAME | clipboard | close
// The recipe is UTF-8 text, optionally after a byte-order mark; lines end with LF, CR LF or CR.
// Blank lines and lines starting with '#' are skipped. TEXT is the rest of the line after one blank,
// with the escapes \t \r \n \\.

#include "form.h"
#include "registry.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

namespace ornavo {

class RecipeRunner {
public:
    // Writes the preview page for the code and returns its path; throws std::runtime_error on failure.
    using PreviewWriter = std::function<std::string(const std::string& code)>;

    RecipeRunner(const Registry& registry, Session& session);
    ~RecipeRunner();
    void setPreviewWriter(PreviewWriter writer) { previewWriter_ = std::move(writer); }

    // Exit statuses of run().
    static constexpr int kRecipeError = 2;
    static constexpr int kPreviewFailed = 3;

    // Runs the whole recipe. Output goes to `out` only when every line succeeded; notices, questions
    // and errors go to `err`. Returns 0; kRecipeError for a line that cannot be run (named with its
    // number and at most a short, escaped prefix of what it held), when nothing is written to `out`;
    // or kPreviewFailed when every line ran but a preview page could not be written.
    int run(std::istream& recipe, std::ostream& out, std::ostream& err);
    // The window the recipe opened last (nullptr before the first `open`), as the run left it.
    const Form* form() const { return form_.get(); }

private:
    class Host;
    void execute(const std::string& line, std::string& output);
    Form& openForm();

    const Registry& registry_;
    Session& session_;
    std::ostream* errStream_ = nullptr; // the running recipe's error stream
    std::unique_ptr<Host> host_;
    std::unique_ptr<Form> form_;
    PreviewWriter previewWriter_;
};

// Undoes the recipe escapes \t \r \n \\ (another backslash pair is kept as it stands).
std::string unescapeRecipeText(const std::string& text);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
bool isUtf8Text(const std::string& text);

// Recipe text as an error message shows it: at most `limit` characters, then "…"; control characters
// and bytes that are not UTF-8 written as escapes (\t, \r, \n, \xNN, \u0085).
std::string recipeExcerpt(const std::string& text, std::size_t limit = 40);

} // namespace ornavo
