#include "save_command.h"

#include "console.h"

#include "framework/model/recipe.h"
#include "framework/model/settings_reader.h"
#include "framework/model/settings_writer.h"
#include "generators/catalogue.h"

#include <fstream>
#include <iostream>
#include <streambuf>

using namespace ornavo;

namespace {
// Takes whatever is written and keeps nothing.
class Discard : public std::streambuf {
  protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};
} // namespace

int saveSettingsCommand(const std::string& path) {
    std::ifstream file;
    if (path != "-" && !cli::openRecipeFile(path, file))
        return RecipeRunner::kRecipeError;
    Session session;
    RecipeRunner runner(moduleRegistry(), session);
    Discard dropped;
    std::ostream printed(&dropped); // what the recipe itself prints is not the settings
    const int status = runner.run(path == "-" ? std::cin : file, printed, std::cerr);
    if (status == RecipeRunner::kRecipeError)
        return status;
    const Form* form = runner.form();
    if (!form || form->isClosed()) {
        std::cerr << "ornavo-gen: the recipe leaves no window open\n";
        return RecipeRunner::kRecipeError;
    }
    // Only what the window and `ornavo-gen run` take back is written: nothing at all otherwise.
    const std::string text = settingsText(*form, moduleRegistry());
    if (!fitsSettingsFile(text)) {
        std::cerr << "ornavo-gen: " << settingsTooLargeEnglish(text.size()) << "; nothing written\n";
        return RecipeRunner::kRecipeError;
    }
    if (const SettingsRead read = readSettings(text, form->module(), moduleRegistry()); !read) {
        std::cerr << "ornavo-gen: the window would not open these settings (line " << read.failure().line
                  << "); nothing written\n";
        return RecipeRunner::kRecipeError;
    }
    std::cout << text;
    std::cout.flush();
    return std::cout ? 0 : 1;
}
