// ornavo-gen: the module windows without a screen.
//   ornavo-gen list | describe KEY | constants | run FILE|- | save FILE|-
// `run` exits with 0, 2 for a recipe it cannot run (nothing printed), or 3 when everything was printed
// but a preview page could not be written.

#include "framework/constants.h"
#include "framework/preview_page.h"
#include "framework/recipe.h"
#include "generators/catalogue.h"
#include "save_command.h"

#include <fstream>
#include <iostream>

using namespace ornavo;

namespace {

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Field: return "field";
    case ControlKind::List: return "list";
    case ControlKind::Radio: return "radio";
    case ControlKind::Label: return "label";
    case ControlKind::Picture: return "picture";
    case ControlKind::CodeBox: return "codebox";
    }
    return "";
}

int usage() {
    std::cerr << "usage: ornavo-gen list | describe KEY | constants | run FILE|- | save FILE|-\n";
    return 2;
}

const char* actionName(const Button& b) {
    switch (b.action) {
    case Action::Generate: return b.basicOf.empty() ? "generate" : "generate-basic";
    case Action::Copy: return "copy";
    case Action::Clear: return "clear";
    case Action::Preview: return "preview";
    case Action::ColourPicker: return "colour-table";
    case Action::Exit: return "exit";
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
        return 2;
    }
    std::cout << "window\t" << module->caption << "\t" << module->width << "x" << module->height << "\n";
    for (const PlacedControl& p : placedControls(*module)) {
        const Control* c = p.control;
        std::cout << kindName(c->kind) << "\t" << placeText(p.at) << "\t" << c->name << "\t" << c->caption << "\t"
                  << c->text;
        if (c->kind == ControlKind::List)
            for (const std::string& e : c->entries)
                std::cout << "\t" << e;
        std::cout << "\n";
    }
    for (const PlacedButton& p : placedButtons(*module))
        std::cout << "button\t" << placeText(p.at) << "\t" << p.button->name << "\t" << p.button->caption << "\t"
                  << actionName(*p.button) << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    if (command == "list" && argc == 2) {
        for (const ModuleSpec& m : moduleRegistry().all())
            std::cout << m.key << "\t" << m.caption << "\n";
        return 0;
    }
    if (command == "describe" && argc == 3)
        return describe(argv[2]);
    if (command == "constants" && argc == 2) {
        for (Address a : allAddresses())
            std::cout << addressName(a) << "=" << address(a) << "\n";
        return 0;
    }
    if (command == "run" && argc == 3) {
        Session session;
        RecipeRunner runner(moduleRegistry(), session);
        runner.setPreviewWriter([](const std::string& code) { return writePreviewPage(code); });
        const std::string path = argv[2];
        if (path == "-")
            return runner.run(std::cin, std::cout, std::cerr);
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            std::cerr << "ornavo-gen: cannot read " << path << "\n";
            return 2;
        }
        return runner.run(file, std::cout, std::cerr);
    }
    if (command == "save" && argc == 3)
        return saveSettingsCommand(argv[2]);
    return usage();
}
