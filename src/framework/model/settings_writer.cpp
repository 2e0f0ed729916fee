#include "settings_writer.h"

#include "recipe.h"
#include "version.h"

#include <sstream>

namespace ornavo {

namespace {

// Fix-up rounds for fields that handlers keep changing; past them the window's own values are as
// close as its handlers allow.
constexpr int kFixUpRounds = 3;

std::string setLine(const std::string& name, const std::string& text) {
    return text.empty() ? "set " + name + "\n"
                        : "set " + name + " " + escapeRecipeText(text, RecipeEscapes::Full) + "\n";
}

std::string varLine(const std::string& name, const std::string& value) {
    return value.empty() ? "var " + name + " =\n"
                         : "var " + name + " = " + escapeRecipeText(value, RecipeEscapes::Full) + "\n";
}

// A variable never set reads as empty, as Form::var gives it.
const std::string& valueOf(const WindowVariables& variables, const std::string& name) {
    static const std::string empty;
    const auto it = variables.find(name);
    return it == variables.end() ? empty : it->second;
}

// The lines that make the window's fields, lists and radio buttons what the snapshot holds.
std::string controlLines(const ModuleSpec& module, const FormSnapshot& want, const FormSnapshot* have) {
    std::string lines;
    for (const Control* c : allControls(module)) {
        switch (c->kind) {
        case ControlKind::Field: {
            const std::string& text = want.texts.at(c->name);
            if (!have || have->texts.at(c->name) != text)
                lines += setLine(c->name, text);
            break;
        }
        case ControlKind::List: {
            const int index = want.picks.at(c->name);
            if (index >= 0 && (!have || have->picks.at(c->name) != index))
                lines += "pick " + c->name + " " + c->entries[static_cast<std::size_t>(index)] + "\n";
            break;
        }
        case ControlKind::Radio:
            if (want.chosen.count(c->name) && (!have || !have->chosen.count(c->name)))
                lines += "choose " + c->name + "\n";
            break;
        default:
            break;
        }
    }
    return lines;
}

// The lines that give the window variables what `want` holds where `have` differs.
std::string variableLines(const ModuleSpec& module, const WindowVariables& want,
                          const WindowVariables& have) {
    std::string lines;
    for (const std::string& name : windowVariables(module))
        if (valueOf(want, name) != valueOf(have, name))
            lines += varLine(name, valueOf(want, name));
    return lines;
}

// What a fresh run of the recipe leaves: the window and its variables.
struct Replayed {
    FormSnapshot snapshot;
    WindowVariables variables;
};

// The window as a fresh run of the recipe leaves it; false when the recipe does not run.
bool replay(const std::string& recipe, const ModuleSpec& module, const Registry& registry, Replayed& result) {
    Session session;
    RecipeRunner runner(registry, session);
    std::istringstream in(recipe);
    std::ostringstream err;
    if (runner.replay(in, err) != 0 || !runner.form())
        return false;
    result.snapshot = runner.form()->snapshot();
    result.variables = session.variables(module.key);
    return true;
}

// The snapshot without what `print` shows, to compare fields and choices only.
FormSnapshot withoutCode(FormSnapshot s, const std::string& codeBox) {
    s.texts.erase(codeBox);
    return s;
}

} // namespace

std::string settingsText(const Form& form, const Registry& registry) {
    const ModuleSpec& module = form.module();
    const FormSnapshot want = form.snapshot();
    const std::string& codeBox = module.codeBox.name;
    const std::string head = "# Ornavo " + std::string(programVersion()) + ", settings format " +
                             std::to_string(kSettingsFormat) + " — " + module.key + " " + module.caption +
                             "\nopen " + module.key + "\n";
    std::string body = controlLines(module, want, nullptr);
    const std::string press = want.lastGenerate.empty() ? "" : "press " + want.lastGenerate + "\n";

    Replayed have;
    bool ran = false;
    for (int round = 0;; ++round) {
        ran = replay(head + body + press, module, registry, have);
        if (!ran || withoutCode(have.snapshot, codeBox) == withoutCode(want, codeBox) ||
            round == kFixUpRounds)
            break;
        body += controlLines(module, want, &have.snapshot);
    }
    // Variables last: setting one runs no handler, so nothing after them changes them again.
    const std::string variables = ran ? variableLines(module, form.variables(), have.variables) : "";
    std::string text = head + body + variables + press;
    if (!variables.empty())
        ran = replay(text, module, registry, have);
    if (!ran || have.snapshot.texts[codeBox] != want.texts.at(codeBox))
        text += setLine(codeBox, want.texts.at(codeBox));
    return text + "print\n";
}

std::size_t settingsSizeAtLeast(const Form& form) {
    std::size_t size = 0;
    for (const Control* c : allControls(form.module()))
        if (c->kind == ControlKind::Field)
            size += form.text(c->name).size();
    return size;
}

std::string settingsTooLargeReason() {
    return "设置超过了设置文件的上限 1 MiB（" + std::to_string(kSettingsSizeLimit) +
           " 字节）：有的输入框或代码里的文字太长";
}

std::string settingsTooLargeEnglish(std::size_t size) {
    return "the settings would take " + std::to_string(size) + " bytes, more than the " +
           std::to_string(kSettingsSizeLimit) +
           " (1 MiB) a settings file may hold; Ornavo would not open them";
}

} // namespace ornavo
