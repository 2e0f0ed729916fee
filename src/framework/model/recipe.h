#pragma once
// Drives module windows from a recipe, one user action per line, without any widgets:
//   open KEY | set NAME [TEXT] | var NAME = [TEXT] | pick NAME ENTRY | choose NAME | answer yes|no |
//   press NAME | print | show NAME | clipboard | close
// The recipe is UTF-8 text, optionally after a byte-order mark; lines end with LF, CR LF or CR.
// Lines that are empty, hold only blanks and TABs, or start with '#' are skipped. TEXT is the rest of
// the line after one blank, with the escapes \t \r \n \\ (and, in settings files of format 2 on,
// \xNN and \uNNNN: see recipe_text.h). `var` sets one of the window's variables, as its lists and
// radio buttons do; saved settings carry those that their choices alone would not give back.

#include "form.h"
#include "preview_page.h"
#include "recipe_text.h"
#include "registry.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace ornavo {

class RecipeRunner {
  public:
    // Writes the preview page for the code and returns its path, or why it could not.
    using PreviewWriter = std::function<Result<std::string, PreviewFailure>(const std::string& code)>;

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
    // Runs the recipe once, on the session, as run() checks it: nothing is printed and no preview page
    // is written; notices and the first error go to `err`. For recipes held in memory whose window is
    // all that counts (a settings file read or written): form() is then that window. Returns 0 or
    // kRecipeError.
    int replay(std::istream& recipe, std::ostream& err);
    // The window the recipe opened last (nullptr before the first `open`), as the run left it.
    const Form* form() const { return form_.get(); }
    // What stopped the last run (a recipe that cannot be read or a line that cannot be run); nothing
    // when it ran through.
    const std::optional<RecipeFailure>& failure() const { return failure_; }

  private:
    class Host;
    int runLines(RecipeLineReader& lines, std::ostream* out, std::ostream& err, bool checking);
    // Says what stopped the run (on `err`, in English) and keeps it.
    void fail(RecipeFailure failure, int line, std::ostream& err);
    void execute(const std::string& line);
    void write(const std::string& text);
    Form& openForm();

    const Registry& registry_;
    Session& session_;
    std::unique_ptr<Host> host_;
    std::unique_ptr<Form> form_;
    std::ostream* out_ = nullptr;                  // the running reading's output; nullptr while checking
    RecipeEscapes escapes_ = RecipeEscapes::Plain; // of the recipe being read
    PreviewWriter previewWriter_;
    std::optional<RecipeFailure> failure_;
};

} // namespace ornavo
