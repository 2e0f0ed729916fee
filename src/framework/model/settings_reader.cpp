#include "settings_reader.h"

#include "platform.h"
#include "recipe.h"
#include "settings_writer.h"
#include "text.h"

#include <sstream>

namespace ornavo {

namespace {

SettingsProblem problem(int line, const std::string& reason, std::string otherKey = {}) {
    return SettingsProblem{line, line > 0 ? "第 " + std::to_string(line) + " 行：" + reason : reason,
                           std::move(otherKey)};
}

const char* const kTooLarge = "文件超过 1 MiB，不是设置文件";
const char* const kSaveAsUtf8 =
    "文件不是 UTF-8 编码的文字，看来是用 GBK 编码（中文 Windows 的“ANSI”）保存的。"
    "请在编辑器里把它另存为 UTF-8 编码，再打开";

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

bool isGenerateButton(const ModuleSpec& module, const std::string& name) {
    for (const Button* b : allButtons(module))
        if (b->name == name)
            return b->action == Action::Generate;
    return false;
}

// The first line that is not a comment or empty tells nothing of the format; only a head line does.
int formatOf(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (const int format = settingsFormatOf(line))
            return format;
        if (!isSkippedRecipeLine(line))
            break;
    }
    return 1;
}

} // namespace

std::vector<std::string> migrateSettings(std::vector<std::string> lines, int format) {
    // Each step brings the lines of one format to the next, in order, as
    // `if (format < N) { …lines of format N-1 made format N…; format = N; }`.
    //
    // 1 → 2: nothing to change. Format 2 adds `var` lines, which a file of format 1 has none of (its
    // variables are what its choices set, applied over the window's own), and the full escapes, which
    // the recipe runner reads only in a file whose head line names format 2: the texts of a format-1
    // file, head line and all, keep meaning what they meant.
    (void)format;
    return lines;
}

SettingsRead readSettings(const std::string& text, const ModuleSpec& module, const Registry& registry) {
    if (text.size() > kSettingsSizeLimit)
        return problem(0, kTooLarge);
    if (!isUtf8(text) && looksLikeGbk(text))
        return problem(0, kSaveAsUtf8);
    std::vector<std::string> lines = recipeLines(text);
    const int format = formatOf(lines);
    if (format > kSettingsFormat)
        return problem(0, "这是较新版本的 Ornavo 保存的设置（设置格式 " + std::to_string(format) +
                              "），本程序只能打开设置格式 " + std::to_string(kSettingsFormat) +
                              " 及以前的文件。请更新 Ornavo 后再打开");
    if (format < kSettingsFormat)
        lines = migrateSettings(std::move(lines), format);

    int opened = 0; // the line of `open`
    int last = 0;   // the last line with an action
    std::string lastAction;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int number = static_cast<int>(i) + 1;
        if (!isUtf8(line))
            return problem(number, "不是 UTF-8 文字（" + recipeExcerpt(line) + "）");
        if (isSkippedRecipeLine(line))
            continue;
        const auto blank = line.find(' ');
        const std::string verb = line.substr(0, blank);
        const std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
        if (!opened) {
            if (verb != "open")
                return problem(number, "设置文件应以 open 开头");
            const ModuleSpec* named = registry.byKey(rest);
            if (!named)
                return problem(number, "没有窗口“" + recipeExcerpt(rest) + "”");
            if (named->key != module.key)
                return problem(number,
                               "这是窗口“" + named->caption + "”（" + named->key + "）的设置，不是本窗口的",
                               named->key);
            opened = number;
        } else if (verb == "press") {
            if (!isGenerateButton(module, rest))
                return problem(number,
                               "设置文件只按生成按钮，“" + recipeExcerpt(rest) + "”不是本窗口的生成按钮");
        } else if (verb != "set" && verb != "var" && verb != "pick" && verb != "choose" && verb != "print") {
            return problem(number, "设置文件里不能有“" + recipeExcerpt(verb) + "”");
        }
        last = number;
        lastAction = verb;
    }
    if (!opened)
        return problem(0, "文件里没有设置");
    if (lastAction != "print")
        return problem(last, "文件不完整，这一行之后缺少结尾的 print（文件可能被截断了）");

    Session session;
    RecipeRunner runner(registry, session);
    std::istringstream in(joined(lines));
    std::ostringstream err;
    if (runner.replay(in, err) != 0 || !runner.form()) {
        if (const auto& failure = runner.failure())
            return problem(failure->line, failure->chinese());
        return problem(0, "文件中的设置无法执行");
    }
    return LoadedSettings{runner.form()->snapshot(), session.variables(module.key), format >= 2};
}

SettingsProblem settingsReadProblem(const ReadFailure& failure) {
    return problem(0, failure.fault == ReadFault::TooLarge ? kTooLarge : failure.reason());
}

SettingsRead readSettingsFile(const std::string& path, const ModuleSpec& module, const Registry& registry) {
    Result<std::string, ReadFailure> text = readFile(path, kSettingsSizeLimit);
    if (!text)
        return settingsReadProblem(text.failure());
    return readSettings(*text, module, registry);
}

namespace {

const std::string& valueOf(const WindowVariables& variables, const std::string& name) {
    static const std::string empty;
    const auto it = variables.find(name);
    return it == variables.end() ? empty : it->second;
}

} // namespace

Result<const ModuleSpec*, SettingsProblem> settingsWindowOf(const std::string& path,
                                                            const Registry& registry) {
    Result<std::string, ReadFailure> text = readFile(path, kSettingsSizeLimit);
    if (!text)
        return problem(0, text.failure().fault == ReadFault::TooLarge ? kTooLarge : text.failure().reason());
    if (!isUtf8(*text) && looksLikeGbk(*text))
        return problem(0, kSaveAsUtf8);
    const std::vector<std::string> lines = recipeLines(*text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int number = static_cast<int>(i) + 1;
        if (!isUtf8(line))
            return problem(number, "不是 UTF-8 文字（" + recipeExcerpt(line) + "）");
        if (isSkippedRecipeLine(line))
            continue;
        if (line.compare(0, 5, "open ") != 0)
            return problem(number, "设置文件应以 open 开头");
        if (const ModuleSpec* module = registry.byKey(line.substr(5)))
            return module;
        return problem(number, "没有窗口“" + recipeExcerpt(line.substr(5)) + "”");
    }
    return problem(0, "文件里没有设置");
}

void applySettings(Form& form, const LoadedSettings& settings) {
    if (settings.wholeVariables) {
        const WindowVariables before = form.variables();
        for (const auto& [name, value] : before)
            if (!settings.variables.count(name))
                form.setVar(name, "");
    }
    for (const auto& [name, value] : settings.variables)
        form.setVar(name, value);
    form.restore(settings.snapshot);
}

bool sameAsWindow(const LoadedSettings& settings, const Form& form) {
    if (settings.snapshot != form.snapshot())
        return false;
    for (const auto& [name, value] : settings.variables)
        if (value != form.var(name))
            return false;
    if (settings.wholeVariables)
        for (const auto& [name, value] : form.variables())
            if (value != valueOf(settings.variables, name))
                return false;
    return true;
}

} // namespace ornavo
