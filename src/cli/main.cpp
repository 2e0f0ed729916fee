// ornavo-gen: the module windows without a screen.
//   ornavo-gen list | describe KEY | constants | run FILE|- | save FILE|- | page FILE [...] |
//              page-add PAGE [...] SETTINGS... | page-relink PAGE NUMBER... | --help | --version
// Exits with 0; 1 when the output could not be written (or a page check found an error); 2 for wrong
// usage, a recipe it cannot read or run, or a page it cannot read (nothing printed or written); 3 when
// everything was printed but a preview page could not be written.

#include "console.h"
#include "framework/model/constants.h"
#include "framework/model/preview_page.h"
#include "framework/model/recipe.h"
#include "framework/model/version.h"
#include "generators/catalogue.h"
#include "page_command.h"
#include "save_command.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <vector>

using namespace ornavo;

namespace {

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Field:
        return "field";
    case ControlKind::List:
        return "list";
    case ControlKind::Radio:
        return "radio";
    case ControlKind::Label:
        return "label";
    case ControlKind::Picture:
        return "picture";
    case ControlKind::CodeBox:
        return "codebox";
    }
    return "";
}

constexpr const char* kUsage =
    "usage: ornavo-gen list | describe KEY | constants | run FILE|- | save FILE|- | "
    "page FILE [--check|--paste-list|--preview DIR] | page-add PAGE SETTINGS... | "
    "page-relink PAGE NUMBER... | --help | --version\n";

int usage() {
    std::cerr << kUsage;
    return RecipeRunner::kRecipeError;
}

void help() {
    std::cout << kUsage
              << "Runs Ornavo's module windows without a screen.\n"
                 "  list            KEY <TAB> caption of every module window\n"
                 "  describe KEY    the window's controls and buttons, one per line\n"
                 "  constants       NAME=VALUE of every address in effect\n"
                 "  run FILE|-      runs a recipe (- reads standard input) and prints what it asks for\n"
                 "  save FILE|-     runs a recipe, then prints the settings of the window it leaves open\n"
                 "  page FILE       every shown module's code of a page file as pasted, in page order\n"
                 "    --check       what the page's modules do to each other, and their weight\n"
                 "    --paste-list  where each module's code goes, and whether it changed since copied\n"
                 "    --preview DIR writes DIR/page.html, the whole page in the preview's shop page\n"
                 "  page-add PAGE SETTINGS...  appends modules (--link: links the files; --area AREA)\n"
                 "  page-relink PAGE NUMBER... takes the present contents of linked settings files\n"
                 "Exit status: 0 done; 1 the output could not be written, or --check found an error;\n"
                 "2 wrong usage, or a recipe or page that cannot be read or run (nothing printed or\n"
                 "written); 3 a preview page could not be written.\n"
                 "See ornavo-gen(1).\n";
}

const char* actionName(const Button& b) {
    switch (b.action) {
    case Action::Generate:
        return b.basicOf.empty() ? "generate" : "generate-basic";
    case Action::Copy:
        return "copy";
    case Action::Clear:
        return "clear";
    case Action::Preview:
        return "preview";
    case Action::ColourPicker:
        return "colour-table";
    case Action::Exit:
        return "exit";
    }
    return "";
}

// "模块设置/3", or "模块设置/选择夹1:第一格/2" on a tab page.
std::string placeText(const Placement& at) {
    std::string place = at.area + "/";
    if (!at.tabControl.empty())
        place += at.tabControl + ":" + at.page + "/";
    return place + std::to_string(at.row);
}

// One line per control and button: kind, where it sits, name, caption and default text (a list: its
// entries after an empty text; a button: its action).
int describe(const std::string& key) {
    const ModuleSpec* module = moduleRegistry().byKey(key);
    if (!module) {
        std::cerr << "ornavo-gen: no module " << key << "\n";
        return RecipeRunner::kRecipeError;
    }
    std::cout << "window\t" << module->caption << "\t" << module->width << "x" << module->height << "\n";
    for (const PlacedControl& p : placedControls(*module)) {
        const Control* c = p.control;
        std::cout << kindName(c->kind) << "\t" << placeText(p.at) << "\t" << c->name << "\t" << c->caption
                  << "\t" << c->text;
        if (c->kind == ControlKind::List)
            for (const std::string& e : c->entries)
                std::cout << "\t" << e;
        std::cout << "\n";
    }
    for (const PlacedButton& p : placedButtons(*module))
        std::cout << "button\t" << placeText(p.at) << "\t" << p.button->name << "\t" << p.button->caption
                  << "\t" << actionName(*p.button) << "\n";
    return 0;
}

int command(const std::vector<std::string>& args) {
    if (args.empty())
        return usage();
    const std::string& command = args[0];
    const std::size_t count = args.size();
    if ((command == "--help" || command == "-h") && count == 1) {
        help();
        return 0;
    }
    if ((command == "--version" || command == "-v") && count == 1) {
        std::cout << "ornavo-gen " << programVersion() << "\n";
        return 0;
    }
    if (command == "list" && count == 1) {
        for (const ModuleSpec& m : moduleRegistry().all())
            std::cout << m.key << "\t" << m.caption << "\n";
        return 0;
    }
    if (command == "describe" && count == 2)
        return describe(args[1]);
    if (command == "constants" && count == 1) {
        for (Address a : allAddresses())
            std::cout << addressName(a) << "=" << address(a) << "\n";
        return 0;
    }
    if (command == "run" && count == 2) {
        Session session;
        RecipeRunner runner(moduleRegistry(), session);
        runner.setPreviewWriter([](const std::string& code) { return writePreviewPage(code); });
        const std::string& path = args[1];
        if (path == "-")
            return runner.run(std::cin, std::cout, std::cerr);
        std::ifstream file;
        if (!cli::openRecipeFile(path, file))
            return RecipeRunner::kRecipeError;
        return runner.run(file, std::cout, std::cerr);
    }
    if (command == "save" && count == 2)
        return saveSettingsCommand(args[1]);
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "page")
        return cli::pageCommand(rest);
    if (command == "page-add")
        return cli::pageAddCommand(rest);
    if (command == "page-relink")
        return cli::pageRelinkCommand(rest);
    return usage();
}

// Everything written must have reached standard output, up to closing it: a full disk or a broken
// device is a failure, never a success.
int finishOutput(int status) {
    errno = 0;
    bool written = static_cast<bool>(std::cout.flush());
    if (written && !cli::closeStandardOutput())
        written = false;
    if (written)
        return status;
    if (status != RecipeRunner::kOutputFailed) // the recipe runner has said so already
        std::cerr << "ornavo-gen: cannot write the output: " << (errno ? std::strerror(errno) : "write error")
                  << "\n";
    return status != 0 ? status : RecipeRunner::kOutputFailed;
}

} // namespace

int main(int argc, char** argv) {
    cli::prepareStandardStreams();
    // Standard input and output through the streams' own buffers: a failed read is then an error the
    // recipe runner sees (not an early end), and output goes out in large writes.
    std::ios::sync_with_stdio(false);
    return finishOutput(command(cli::commandArguments(argc, argv)));
}
