#include "settings_writer.h"

#include "recipe.h"
#include "recipe_text.h"
#include "version.h"

#include <algorithm>
#include <sstream>

namespace ornavo {

namespace {

// Fix-up rounds for fields that handlers keep changing; past them the window's own values are as
// close as its handlers allow.
constexpr int kFixUpRounds = 3;

std::string setLine(const std::string& name, const std::string& text) {
    return text.empty() ? "set " + name + "\n" : "set " + name + " " + escapeRecipeText(text) + "\n";
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

// The window as a fresh run of the recipe leaves it; false when the recipe does not run.
bool replay(const std::string& recipe, const Registry& registry, FormSnapshot& result) {
    Session session;
    RecipeRunner runner(registry, session);
    std::istringstream in(recipe);
    std::ostringstream out, err;
    if (runner.run(in, out, err) != 0 || !runner.form())
        return false;
    result = runner.form()->snapshot();
    return true;
}

// The snapshot without what `print` shows, to compare fields and choices only.
FormSnapshot withoutCode(FormSnapshot s, const std::string& codeBox) {
    s.texts.erase(codeBox);
    return s;
}

} // namespace

int settingsFormatOf(const std::string& headLine) {
    const std::string mark = "# Ornavo ";
    if (headLine.compare(0, mark.size(), mark) != 0)
        return 0;
    const std::string format = "settings format ";
    const auto at = headLine.find(format);
    if (at == std::string::npos)
        return 1;
    int number = 0;
    for (std::size_t i = at + format.size(); i < headLine.size() && headLine[i] >= '0' && headLine[i] <= '9';
         ++i)
        number = std::min(number * 10 + (headLine[i] - '0'), 1000000);
    return std::max(number, 1);
}

std::string settingsText(const Form& form, const Registry& registry) {
    const ModuleSpec& module = form.module();
    const FormSnapshot want = form.snapshot();
    const std::string& codeBox = module.codeBox.name;
    const std::string head = "# Ornavo " + std::string(programVersion()) + ", settings format " +
                             std::to_string(kSettingsFormat) + " — " + module.key + " " + module.caption +
                             "\nopen " + module.key + "\n";
    std::string body = controlLines(module, want, nullptr);
    const std::string press = want.lastGenerate.empty() ? "" : "press " + want.lastGenerate + "\n";

    FormSnapshot have;
    for (int round = 0;; ++round) {
        if (!replay(head + body + press, registry, have) ||
            withoutCode(have, codeBox) == withoutCode(want, codeBox) || round == kFixUpRounds)
            break;
        body += controlLines(module, want, &have);
    }
    std::string text = head + body + press;
    if (have.texts[codeBox] != want.texts.at(codeBox))
        text += setLine(codeBox, want.texts.at(codeBox));
    return text + "print\n";
}

} // namespace ornavo
