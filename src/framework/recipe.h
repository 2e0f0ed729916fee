#pragma once
// Drives module windows from a recipe, one user action per line, without any widgets:
//   open KEY | set NAME [TEXT] | pick NAME ENTRY | choose NAME | answer yes|no | press NAME |
//   print | show NAME | clipboard | close
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

    // Runs the whole recipe. Output goes to `out` only when every line succeeded; notices, questions
    // and errors go to `err`. Returns 0, or 2 for a recipe error (named with its line number).
    int run(std::istream& recipe, std::ostream& out, std::ostream& err);

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

} // namespace ornavo
