#include "settings_reader.h"

#include "file_store.h"
#include "recipe.h"
#include "settings_writer.h"

#include <sstream>
#include <vector>

namespace ornavo {

namespace {

SettingsRead problem(int line, std::string message, std::string otherKey = {}) {
    SettingsRead r;
    r.problem.line = line;
    r.problem.message = line > 0 ? "第 " + std::to_string(line) + " 行：" + message : std::move(message);
    r.problem.otherKey = std::move(otherKey);
    return r;
}

// The lines without their ends (LF, CR LF or CR), as the recipe runner counts them.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool isGenerateButton(const ModuleSpec& module, const std::string& name) {
    for (const Button* b : allButtons(module))
        if (b->name == name)
            return b->action == Action::Generate;
    return false;
}

// What the recipe runner reported: "recipe line N: what", as line N and what.
SettingsRead runFailure(const std::string& report) {
    const std::string mark = "recipe line ";
    const auto at = report.find(mark);
    if (at != std::string::npos) {
        std::size_t end = at + mark.size();
        int line = 0;
        while (end < report.size() && report[end] >= '0' && report[end] <= '9' && line < 10000000)
            line = line * 10 + (report[end++] - '0');
        if (line > 0 && report.compare(end, 2, ": ") == 0) {
            const std::string what = report.substr(end + 2, report.find('\n', end) - end - 2);
            return problem(line, "无法执行（" + what + "）");
        }
    }
    return problem(0, "无法执行：" + report);
}

} // namespace

SettingsRead readSettings(const std::string& text, const ModuleSpec& module, const Registry& registry) {
    if (text.size() > kSettingsSizeLimit)
        return problem(0, "文件超过 1 MiB，不是设置文件");
    const std::vector<std::string> lines = linesOf(text);
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
                return problem(number, "没有窗口 " + recipeExcerpt(rest));
            if (named->key != module.key)
                return problem(number,
                               "这是窗口“" + named->caption + "”（" + named->key + "）的设置，不是本窗口的",
                               named->key);
            opened = number;
        } else if (verb == "press") {
            if (!isGenerateButton(module, rest))
                return problem(number,
                               "设置文件只按生成按钮，" + recipeExcerpt(rest) + " 不是本窗口的生成按钮");
        } else if (verb != "set" && verb != "pick" && verb != "choose" && verb != "print") {
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
    std::istringstream in(text);
    std::ostringstream out, err;
    if (runner.run(in, out, err) != 0 || !runner.form())
        return runFailure(err.str());
    SettingsRead r;
    r.settings = LoadedSettings{runner.form()->snapshot(), session.variables(module.key)};
    return r;
}

SettingsRead readSettingsFile(const std::string& path, const ModuleSpec& module, const Registry& registry) {
    std::string text, reason;
    switch (readFileUpTo(path, kSettingsSizeLimit, text, &reason)) {
    case ReadResult::Read:
        return readSettings(text, module, registry);
    case ReadResult::TooLarge:
        return problem(0, "文件超过 1 MiB，不是设置文件");
    case ReadResult::Missing:
        return problem(0, "文件不存在");
    case ReadResult::Failed:
        break;
    }
    return problem(0, "无法读取文件：" + reason);
}

void applySettings(Form& form, const LoadedSettings& settings) {
    for (const auto& [name, value] : settings.variables)
        form.setVar(name, value);
    form.restore(settings.snapshot);
}

} // namespace ornavo
