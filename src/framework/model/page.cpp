#include "page.h"

#include "platform.h"
#include "recipe.h"
#include "recipe_text.h"
#include "settings_reader.h"
#include "settings_writer.h"
#include "sha256.h"
#include "text.h"
#include "version.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace ornavo {

namespace {

const std::string kHeadMark = "# Ornavo ";
const std::string kFormatMark = "page format ";
const std::string kHashMark = "sha256:";

std::string number(std::size_t n) {
    return std::to_string(n);
}

PageProblem problem(int line, const std::string& chinese, const std::string& english) {
    if (line <= 0)
        return PageProblem{0, chinese, english};
    return PageProblem{line, "第 " + number(line) + " 行：" + chinese,
                       "line " + number(line) + ": " + english};
}

// "word rest": the first word and what follows the blank after it.
std::pair<std::string, std::string> splitWord(const std::string& line) {
    const auto blank = line.find(' ');
    if (blank == std::string::npos)
        return {line, {}};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string w;
    while (in >> w)
        out.push_back(w);
    return out;
}

// The page format a head line names; 0 when it is no head line of a page file.
int pageFormatOf(const std::string& line) {
    if (line.compare(0, kHeadMark.size(), kHeadMark) != 0)
        return 0;
    const auto at = line.find(kFormatMark);
    if (at == std::string::npos)
        return 0;
    int format = 0;
    std::size_t i = at + kFormatMark.size();
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        format = std::min(format * 10 + (line[i] - '0'), 1000000);
    return i == at + kFormatMark.size() ? 0 : format;
}

std::string quotedChinese(const std::string& text) {
    return "“" + recipeExcerpt(text) + "”";
}

std::string areaList(const std::vector<PageArea>& areas) {
    std::string list;
    for (PageArea a : areas)
        list += (list.empty() ? "" : "、") + std::string(areaName(a));
    return list;
}

std::string areaWords(const std::vector<PageArea>& areas) {
    std::string list;
    for (PageArea a : areas)
        list += (list.empty() ? "" : ", ") + std::string(areaWord(a));
    return list;
}

// A module's settings text as the page keeps it: line by line, each ended by LF.
std::string normalisedSettings(const std::string& text) {
    std::string out;
    for (const std::string& line : recipeLines(text))
        out += line + "\n";
    return out;
}

int nextFreeId(const Page& page) {
    int highest = 0;
    for (const PageModule& m : page.modules)
        highest = std::max(highest, m.id);
    return highest + 1;
}

class PageParser {
  public:
    PageParser(const std::string& text, const Registry& registry)
        : lines_(recipeLines(text)), registry_(registry) {}

    PageResult<Page> parse() {
        if (lines_.empty() || pageFormatOf(lines_[0]) == 0)
            return problem(0, "这不是 Ornavo 的页面文件：第一行应为“# Ornavo …, page format 1”",
                           "not an Ornavo page file: its first line must be \"# Ornavo …, page format 1\"");
        if (const int format = pageFormatOf(lines_[0]); format > kPageFormat)
            return problem(0,
                           "这是较新版本的 Ornavo 保存的页面（页面格式 " + number(format) +
                               "），本程序只能打开页面格式 " + number(kPageFormat) +
                               " 及以前的文件。请更新 Ornavo 后再打开",
                           "the page was written by a newer Ornavo (page format " + number(format) +
                               "); this one reads page format " + number(kPageFormat) + " and older");
        for (next_ = 1; next_ < lines_.size();) {
            const std::string& line = lines_[next_];
            const int at = static_cast<int>(++next_);
            if (!isUtf8(line))
                return problem(at, "不是 UTF-8 文字（" + recipeExcerpt(line) + "）",
                               "not UTF-8 text: " + recipeExcerpt(line));
            if (isSkippedRecipeLine(line))
                continue;
            if (std::optional<PageProblem> wrong = statement(line, at))
                return *wrong;
        }
        if (std::optional<PageProblem> wrong = finishModule())
            return *wrong;
        return std::move(page_);
    }

  private:
    std::optional<PageProblem> statement(const std::string& line, int at) {
        const auto [word, rest] = splitWord(line);
        if (word == "module")
            return moduleLine(rest, at);
        if (word == "name" || word == "edition") {
            if (current_)
                return problem(at, "“" + word + "”应写在第一个模块之前",
                               "\"" + word + "\" must come before the first module");
            if (!seen_.insert(word).second)
                return problem(at, "“" + word + "”写了两次", "a second \"" + word + "\"");
            if (word == "name") {
                page_.name = unescapeRecipeText(rest);
            } else if (rest == editionWord(PageEdition::Professional)) {
                page_.edition = PageEdition::Professional;
            } else if (rest == editionWord(PageEdition::Basic)) {
                page_.edition = PageEdition::Basic;
            } else {
                return problem(at, "版本只能是 professional 或 basic，不是" + quotedChinese(rest),
                               "the edition is professional or basic, not " + recipeExcerpt(rest));
            }
            return std::nullopt;
        }
        if (line[0] == '|')
            return problem(at, "设置行只能紧跟在 settings 之后",
                           "a settings line that follows no \"settings\"");
        if (word != "label" && word != "hidden" && word != "copied" && word != "settings" && word != "link")
            return problem(at, "不认识的一行" + quotedChinese(line),
                           "unknown statement " + recipeExcerpt(line));
        if (!current_)
            return problem(at, "“" + word + "”前面没有 module 行", "\"" + word + "\" before any module");
        const std::string once = word == "link" ? "settings" : word;
        if (!moduleSeen_.insert(once).second)
            return problem(at,
                           word == "settings" || word == "link" ? "一个模块只能有一份设置（settings 或 link）"
                                                                : "“" + word + "”写了两次",
                           word == "settings" || word == "link"
                               ? "a module holds one settings (settings or link)"
                               : "a second \"" + word + "\" for this module");
        PageModule& m = page_.modules.back();
        if (word == "label") {
            m.label = unescapeRecipeText(rest);
        } else if (word == "hidden") {
            if (!rest.empty())
                return problem(at, "hidden 后面不能有别的", "nothing may follow \"hidden\"");
            m.hidden = true;
        } else if (word == "copied") {
            if (!isSha256Hex(rest))
                return problem(at, "copied 后面应为 64 位十六进制的 SHA-256 值",
                               "\"copied\" takes a SHA-256 of 64 hexadecimal digits");
            m.copiedHash = rest;
        } else if (word == "settings") {
            if (!rest.empty())
                return problem(
                    at, "settings 后面不能有别的，设置写在下面以“|”开头的行里",
                    "nothing may follow \"settings\": the settings follow on lines that begin with \"|\"");
            m.settingsLine = at + 1;
            while (next_ < lines_.size() && !lines_[next_].empty() && lines_[next_][0] == '|') {
                const std::string& held = lines_[next_++];
                m.settings += held.compare(0, 2, "| ") == 0 ? held.substr(2) : held.substr(1);
                m.settings += "\n";
            }
            if (m.settings.empty())
                return problem(at, "settings 下面没有设置行", "no settings lines follow \"settings\"");
        } else { // link
            const auto [hash, path] = splitWord(rest);
            if (hash.compare(0, kHashMark.size(), kHashMark) != 0 ||
                !isSha256Hex(hash.substr(kHashMark.size())) || path.empty())
                return problem(at, "链接应写成“link sha256:<64 位十六进制> 路径”",
                               "a link is \"link sha256:<64 hexadecimal digits> PATH\"");
            m.linkHash = hash.substr(kHashMark.size());
            m.link = unescapeRecipeText(path);
        }
        return std::nullopt;
    }

    std::optional<PageProblem> moduleLine(const std::string& rest, int at) {
        if (std::optional<PageProblem> wrong = finishModule())
            return wrong;
        const std::vector<std::string> w = words(rest);
        if (w.size() != 3 || w[0].size() > 9 || w[0].find_first_not_of("0123456789") != std::string::npos ||
            w[0][0] == '0')
            return problem(at, "模块行应为“module 编号 窗口 位置”，例如“module 1 F15 body”",
                           "a module line is \"module NUMBER KEY AREA\", for example \"module 1 F15 body\"");
        const int id = std::stoi(w[0]);
        if (!ids_.insert(id).second)
            return problem(at, "编号 " + w[0] + " 已经用过", "the number " + w[0] + " is used twice");
        if (!registry_.byKey(w[1]))
            return problem(at, "没有窗口" + quotedChinese(w[1]), "no module " + recipeExcerpt(w[1]));
        const std::optional<PageArea> area = areaFromWord(w[2]);
        const std::vector<PageArea> allowed = areasFor(w[1]);
        if (!area)
            return problem(at,
                           "不认识的位置" + quotedChinese(w[2]) + "（可用：sign、navigation、body、side）",
                           "unknown area " + recipeExcerpt(w[2]) + " (sign, navigation, body or side)");
        if (std::find(allowed.begin(), allowed.end(), *area) == allowed.end())
            return problem(at,
                           w[1] + " 的代码不能放在“" + areaName(*area) + "”，只能放在：" + areaList(allowed),
                           "the code of " + w[1] + " cannot stand in " + areaWord(*area) +
                               ", only in: " + areaWords(allowed));
        if (page_.modules.size() == kPageModuleLimit)
            return problem(at, "一个页面最多 " + number(kPageModuleLimit) + " 个模块",
                           "a page holds at most " + number(kPageModuleLimit) + " modules");
        PageModule m;
        m.id = id;
        m.key = w[1];
        m.area = *area;
        m.line = at;
        page_.modules.push_back(std::move(m));
        current_ = true;
        moduleSeen_.clear();
        return std::nullopt;
    }

    std::optional<PageProblem> finishModule() {
        if (current_ && !moduleSeen_.count("settings")) {
            const PageModule& m = page_.modules.back();
            return problem(m.line, "模块 " + number(m.id) + " 没有设置（settings 或 link）",
                           "module " + number(m.id) + " has no settings (settings or link)");
        }
        return std::nullopt;
    }

    std::vector<std::string> lines_;
    const Registry& registry_;
    std::size_t next_ = 0;
    Page page_;
    bool current_ = false;
    std::set<std::string> seen_, moduleSeen_;
    std::set<int> ids_;
};

bool validIndex(const Page& page, std::size_t index) {
    return index < page.modules.size();
}

// The reason a settings problem gives, without the "第 N 行：" its message starts with.
std::string reasonOf(const SettingsProblem& p) {
    const std::string prefix = "第 " + number(p.line) + " 行：";
    if (p.line > 0 && p.message.compare(0, prefix.size(), prefix) == 0)
        return p.message.substr(prefix.size());
    return p.message;
}

// The same reason in English: what the recipe runner says of that line, where the line cannot run;
// otherwise what a settings file must be.
std::string englishReasonOf(const SettingsProblem& p, const std::string& text, const Registry& registry) {
    if (!p.otherKey.empty())
        return "these are the settings of module " + p.otherKey;
    if (text.size() <= kSettingsSizeLimit && isUtf8(text)) {
        Session session;
        RecipeRunner runner(registry, session);
        std::istringstream in(text);
        std::ostringstream out, err;
        if (runner.run(in, out, err) != 0 && runner.failure() && runner.failure()->line == p.line) {
            RecipeFailure failure = *runner.failure();
            failure.line = 0;
            return failure.english();
        }
    }
    return "not a settings file of this module (it opens the window, sets its fields, presses a generate "
           "button and ends with print; at most 1 MiB of UTF-8)";
}

} // namespace

const char* editionWord(PageEdition edition) {
    return edition == PageEdition::Basic ? "basic" : "professional";
}

const char* editionName(PageEdition edition) {
    return edition == PageEdition::Basic ? "基础版" : "专业版";
}

const char* areaWord(PageArea area) {
    switch (area) {
    case PageArea::Sign:
        return "sign";
    case PageArea::Navigation:
        return "navigation";
    case PageArea::Body:
        return "body";
    case PageArea::Side:
        return "side";
    }
    return "";
}

const char* areaName(PageArea area) {
    switch (area) {
    case PageArea::Sign:
        return "店铺招牌";
    case PageArea::Navigation:
        return "导航";
    case PageArea::Body:
        return "主体";
    case PageArea::Side:
        return "侧栏";
    }
    return "";
}

std::optional<PageArea> areaFromWord(const std::string& word) {
    for (PageArea a : {PageArea::Sign, PageArea::Navigation, PageArea::Body, PageArea::Side})
        if (word == areaWord(a))
            return a;
    return std::nullopt;
}

std::vector<PageArea> areasFor(const std::string& key) {
    if (key == "F09")
        return {PageArea::Sign};
    if (key == "F06" || key == "F07" || key == "F08")
        return {PageArea::Navigation};
    if (key == "F23") // the ranking list is 190 pixels wide
        return {PageArea::Side, PageArea::Body};
    return {PageArea::Body};
}

bool PageModule::sameAs(const PageModule& o) const {
    return id == o.id && key == o.key && area == o.area && label == o.label && hidden == o.hidden &&
           settings == o.settings && link == o.link && linkHash == o.linkHash && copiedHash == o.copiedHash;
}

bool Page::sameAs(const Page& o) const {
    if (name != o.name || edition != o.edition || modules.size() != o.modules.size())
        return false;
    for (std::size_t i = 0; i < modules.size(); ++i)
        if (!modules[i].sameAs(o.modules[i]))
            return false;
    return true;
}

PageResult<Page> parsePage(const std::string& text, const Registry& registry) {
    if (text.size() > kPageSizeLimit)
        return problem(0, "页面文件超过 16 MiB", "the page file is larger than 16 MiB");
    if (!isUtf8(text))
        return problem(0,
                       looksLikeGbk(text) ? "页面文件不是 UTF-8 编码的文字，看来是用 GBK 编码保存的。"
                                            "请在编辑器里把它另存为 UTF-8 编码，再打开"
                                          : "页面文件不是 UTF-8 编码的文字",
                       "the page file is not UTF-8 text");
    return PageParser(text, registry).parse();
}

std::string pageText(const Page& page) {
    std::string text = kHeadMark + programVersion() + ", " + kFormatMark + number(kPageFormat) + "\n";
    text += page.name.empty() ? "name\n" : "name " + escapeRecipeText(page.name) + "\n";
    text += std::string("edition ") + editionWord(page.edition) + "\n";
    for (const PageModule& m : page.modules) {
        text += "\nmodule " + number(m.id) + " " + m.key + " " + areaWord(m.area) + "\n";
        if (!m.label.empty())
            text += "label " + escapeRecipeText(m.label) + "\n";
        if (m.hidden)
            text += "hidden\n";
        if (!m.copiedHash.empty())
            text += "copied " + m.copiedHash + "\n";
        if (m.linked()) {
            text += "link " + kHashMark + m.linkHash + " " + escapeRecipeText(m.link) + "\n";
            continue;
        }
        text += "settings\n";
        const std::vector<std::string> lines = recipeLines(m.settings);
        for (const std::string& line : lines)
            text += line.empty() ? "|\n" : "| " + line + "\n";
        if (lines.empty())
            text += "|\n"; // no settings at all: the file still reads, and replaying names the module
    }
    return text;
}

PageResult<Page> readPageFile(const std::string& path, const Registry& registry) {
    Result<std::string, ReadFailure> text = readFile(path, kPageSizeLimit);
    if (!text) {
        const ReadFailure& f = text.failure();
        if (f.fault == ReadFault::TooLarge)
            return problem(0, "页面文件超过 16 MiB", "the page file is larger than 16 MiB");
        return problem(0, "无法读取页面文件“" + path + "”：" + f.reason("16 MiB"),
                       "cannot read " + path + ": " + f.english());
    }
    return parsePage(*text, registry);
}

PageStatus writePageFile(const std::string& path, const Page& page) {
    const std::string text = pageText(page);
    if (text.size() > kPageSizeLimit)
        return problem(0, "页面超过 16 MiB，没有保存",
                       "the page would be larger than 16 MiB; nothing was written");
    if (Status written = writeFile(path, text); !written)
        return problem(0, "无法保存页面文件“" + path + "”：" + written.failure().reason,
                       "cannot write " + path + ": " + errorText(written.failure().error));
    return {};
}

PageModule embeddedModule(const ModuleSpec& module, const std::string& settingsText) {
    PageModule m;
    m.key = module.key;
    m.area = areasFor(module.key).front();
    m.label = module.caption;
    m.settings = normalisedSettings(settingsText);
    return m;
}

std::string settingsKeyOf(const std::string& settingsText) {
    for (const std::string& line : recipeLines(settingsText)) {
        if (isSkippedRecipeLine(line))
            continue;
        const auto [word, rest] = splitWord(line);
        return word == "open" ? rest : std::string();
    }
    return {};
}

PageModule linkedModule(const ModuleSpec& module, const std::string& link, const std::string& fileBytes) {
    PageModule m;
    m.key = module.key;
    m.area = areasFor(module.key).front();
    m.label = module.caption;
    m.link = link;
    m.linkHash = sha256Hex(fileBytes);
    return m;
}

bool insertModule(Page& page, std::size_t at, PageModule module) {
    if (at > page.modules.size() || page.modules.size() >= kPageModuleLimit)
        return false;
    if (module.id <= 0 || moduleIndexById(page, module.id))
        module.id = nextFreeId(page);
    module.line = module.settingsLine = 0;
    page.modules.insert(page.modules.begin() + static_cast<std::ptrdiff_t>(at), std::move(module));
    return true;
}

bool moveModule(Page& page, std::size_t from, std::size_t to) {
    if (!validIndex(page, from) || !validIndex(page, to))
        return false;
    PageModule m = std::move(page.modules[from]);
    page.modules.erase(page.modules.begin() + static_cast<std::ptrdiff_t>(from));
    page.modules.insert(page.modules.begin() + static_cast<std::ptrdiff_t>(to), std::move(m));
    return true;
}

bool duplicateModule(Page& page, std::size_t index) {
    if (!validIndex(page, index))
        return false;
    PageModule copy = page.modules[index];
    copy.id = 0;
    copy.copiedHash.clear();
    return insertModule(page, index + 1, std::move(copy));
}

bool removeModule(Page& page, std::size_t index) {
    if (!validIndex(page, index))
        return false;
    page.modules.erase(page.modules.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool setModuleHidden(Page& page, std::size_t index, bool hidden) {
    if (!validIndex(page, index))
        return false;
    page.modules[index].hidden = hidden;
    return true;
}

bool setModuleLabel(Page& page, std::size_t index, std::string label) {
    if (!validIndex(page, index))
        return false;
    page.modules[index].label = std::move(label);
    return true;
}

bool setModuleArea(Page& page, std::size_t index, PageArea area) {
    if (!validIndex(page, index))
        return false;
    const std::vector<PageArea> allowed = areasFor(page.modules[index].key);
    if (std::find(allowed.begin(), allowed.end(), area) == allowed.end())
        return false;
    page.modules[index].area = area;
    return true;
}

bool markModuleCopied(Page& page, std::size_t index, const std::string& copiedCode) {
    if (!validIndex(page, index))
        return false;
    page.modules[index].copiedHash = sha256Hex(copiedCode);
    return true;
}

bool acceptLinkedFile(Page& page, std::size_t index, const std::string& fileBytes) {
    if (!validIndex(page, index) || !page.modules[index].linked())
        return false;
    page.modules[index].linkHash = sha256Hex(fileBytes);
    return true;
}

std::optional<std::size_t> moduleIndexById(const Page& page, int id) {
    for (std::size_t i = 0; i < page.modules.size(); ++i)
        if (page.modules[i].id == id)
            return i;
    return std::nullopt;
}

std::string linkedPath(const std::string& link, const std::string& pageFolder) {
    if (link.empty() || link[0] == '/' || pageFolder.empty() || pageFolder == ".")
        return link;
    return pageFolder + (pageFolder.back() == '/' ? "" : "/") + link;
}

std::string moduleNameChinese(const Page& page, std::size_t index) {
    const PageModule& m = page.modules.at(index);
    return "模块 " + number(index + 1) + "（" + m.key + (m.label.empty() ? "" : " " + m.label) + "）";
}

std::string moduleNameEnglish(const Page& page, std::size_t index) {
    const PageModule& m = page.modules.at(index);
    return "module " + number(index + 1) + " (" + m.key + (m.label.empty() ? "" : " " + m.label) + ")";
}

PageResult<RenderedModule> replayModule(const Page& page, std::size_t i, const Registry& registry,
                                        const std::string& pageFolder) {
    const PageModule& m = page.modules.at(i);
    const std::string chineseName = moduleNameChinese(page, i);
    const std::string englishName = moduleNameEnglish(page, i);
    const ModuleSpec* description = registry.byKey(m.key);
    if (!description)
        return problem(m.line, "没有窗口" + quotedChinese(m.key), "no module " + recipeExcerpt(m.key));

    std::string text = m.settings;
    if (m.linked()) {
        const std::string path = linkedPath(m.link, pageFolder);
        Result<std::string, ReadFailure> file = readFile(path, kSettingsSizeLimit);
        if (!file)
            return problem(m.line,
                           chineseName + "链接的设置文件“" + m.link + "”无法读取：" +
                               file.failure().reason("1 MiB"),
                           englishName + ": cannot read the linked settings file " + m.link + ": " +
                               file.failure().english());
        if (sha256Hex(*file) != m.linkHash)
            return problem(m.line,
                           chineseName + "链接的设置文件“" + m.link +
                               "”在链接之后被改过。请确认改动，再重新链接它（接受改动）",
                           englishName + ": the linked settings file " + m.link +
                               " changed since it was linked; check it, then take it with page-relink");
        text = std::move(*file);
    }

    SettingsRead read = readSettings(text, *description, registry);
    if (!read) {
        const SettingsProblem& p = read.failure();
        const std::string english = englishReasonOf(p, text, registry);
        if (m.linked()) {
            const std::string where = p.line > 0 ? "第 " + number(p.line) + " 行：" : "";
            const std::string whereEnglish = p.line > 0 ? ", line " + number(p.line) : "";
            return problem(m.line, chineseName + "链接的设置文件“" + m.link + "”" + where + reasonOf(p),
                           englishName + ": linked settings file " + m.link + whereEnglish + ": " + english);
        }
        const int line = p.line > 0 && m.settingsLine > 0 ? m.settingsLine + p.line - 1 : m.line;
        return problem(line, chineseName + "的设置：" + reasonOf(p), englishName + ": settings: " + english);
    }

    RenderedModule r;
    r.description = description;
    r.settings = std::move(*read);
    r.windowCode = r.settings.snapshot.texts.at(description->codeBox.name);
    r.pageCode = r.windowCode;
    for (const Button* b : allButtons(*description))
        if (b->name == r.settings.snapshot.lastGenerate)
            r.basicCode = !b->basicOf.empty();
    return r;
}

PageResult<std::vector<RenderedModule>> replayPage(const Page& page, const Registry& registry,
                                                   const std::string& pageFolder) {
    std::vector<RenderedModule> rendered;
    rendered.reserve(page.modules.size());
    for (std::size_t i = 0; i < page.modules.size(); ++i) {
        PageResult<RenderedModule> one = replayModule(page, i, registry, pageFolder);
        if (!one)
            return one.failure();
        rendered.push_back(std::move(*one));
    }
    return rendered;
}

} // namespace ornavo
