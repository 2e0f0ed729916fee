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

std::string escapeRecipeText(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string settingsText(const Form& form, const Registry& registry) {
    const ModuleSpec& module = form.module();
    const FormSnapshot want = form.snapshot();
    const std::string& codeBox = module.codeBox.name;
    const std::string head = "# Ornavo " + std::string(programVersion()) + " — " + module.key + " " +
                             module.caption + "\nopen " + module.key + "\n";
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
