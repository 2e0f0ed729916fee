#include "page_check.h"

#include "constants.h"
#include "sha256.h"
#include "text.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

namespace ornavo {

namespace {

// ---- A loose reading of markup: tags with their attributes, comments, raw text ----

struct Attribute {
    std::string name; // lower case
    std::size_t begin = 0, end = 0;
    bool hasValue = false;
};
struct Tag {
    bool closing = false;
    std::string name; // lower case
    std::vector<Attribute> attributes;
};
struct Span {
    std::size_t begin = 0, end = 0;
};
struct Scan {
    std::vector<Tag> tags;
    std::vector<Span> comments;
    std::vector<Span> styles; // the text of style elements
};

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
// A character that continues a class name or id in a selector.
bool isNameChar(char c) {
    return isAsciiLetter(c) || isDigit(c) || c == '-' || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Where `</name` starts from `from` on (any case), or the end.
std::size_t findClosing(const std::string& text, std::size_t from, const std::string& name) {
    for (std::size_t at = text.find("</", from); at != std::string::npos; at = text.find("</", at + 2))
        if (lower(text.substr(at + 2, name.size())) == name)
            return at;
    return text.size();
}

Scan scan(const std::string& text) {
    Scan out;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const std::size_t lt = text.find('<', i);
        if (lt == std::string::npos || lt + 1 >= n)
            break;
        const char next = text[lt + 1];
        if (text.compare(lt, 4, "<!--") == 0) {
            const std::size_t end = text.find("-->", lt + 4);
            out.comments.push_back({lt + 4, end == std::string::npos ? n : end});
            i = end == std::string::npos ? n : end + 3;
        } else if (next == '!' || next == '?') {
            const std::size_t end = text.find('>', lt);
            i = end == std::string::npos ? n : end + 1;
        } else if (next == '/' && lt + 2 < n && isAsciiLetter(text[lt + 2])) {
            std::size_t p = lt + 2;
            while (p < n && !isSpace(text[p]) && text[p] != '/' && text[p] != '>')
                ++p;
            Tag tag;
            tag.closing = true;
            tag.name = lower(text.substr(lt + 2, p - lt - 2));
            out.tags.push_back(std::move(tag));
            const std::size_t end = text.find('>', p);
            i = end == std::string::npos ? n : end + 1;
        } else if (isAsciiLetter(next)) {
            std::size_t p = lt + 1;
            while (p < n && !isSpace(text[p]) && text[p] != '/' && text[p] != '>')
                ++p;
            Tag tag;
            tag.name = lower(text.substr(lt + 1, p - lt - 1));
            while (p < n) {
                while (p < n && (isSpace(text[p]) || text[p] == '/'))
                    ++p;
                if (p >= n)
                    break;
                if (text[p] == '>') {
                    ++p;
                    break;
                }
                const std::size_t nameBegin = p++;
                while (p < n && !isSpace(text[p]) && text[p] != '/' && text[p] != '>' && text[p] != '=')
                    ++p;
                Attribute a;
                a.name = lower(text.substr(nameBegin, p - nameBegin));
                std::size_t q = p;
                while (q < n && isSpace(text[q]))
                    ++q;
                if (q < n && text[q] == '=') {
                    p = q + 1;
                    while (p < n && isSpace(text[p]))
                        ++p;
                    a.hasValue = true;
                    if (p < n && (text[p] == '"' || text[p] == '\'')) {
                        const std::size_t close = text.find(text[p], p + 1);
                        a.begin = p + 1;
                        a.end = close == std::string::npos ? n : close;
                        p = close == std::string::npos ? n : close + 1;
                    } else {
                        a.begin = p;
                        while (p < n && !isSpace(text[p]) && text[p] != '>')
                            ++p;
                        a.end = p;
                    }
                }
                tag.attributes.push_back(std::move(a));
            }
            i = p;
            const std::string name = tag.name;
            out.tags.push_back(std::move(tag));
            if (name == "style" || name == "script" || name == "textarea" || name == "title" ||
                name == "xmp" || name == "iframe" || name == "noembed" || name == "noframes") {
                const std::size_t end = findClosing(text, i, name);
                if (name == "style")
                    out.styles.push_back({i, end});
                i = end;
            } else if (name == "plaintext") {
                i = n;
            }
        } else {
            i = lt + 1;
        }
    }
    return out;
}

const Attribute* attribute(const Tag& tag, const std::string& name) {
    for (const Attribute& a : tag.attributes)
        if (a.name == name)
            return &a;
    return nullptr;
}

std::string valueOf(const std::string& text, const Attribute* a) {
    return a && a->hasValue ? text.substr(a->begin, a->end - a->begin) : std::string();
}

std::vector<Span> tokens(const std::string& text, std::size_t begin, std::size_t end) {
    std::vector<Span> out;
    std::size_t i = begin;
    while (i < end) {
        while (i < end && isSpace(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < end && !isSpace(text[i]))
            ++i;
        if (i > start)
            out.push_back({start, i});
    }
    return out;
}

bool hasClass(const std::string& text, const Tag& tag, const std::string& cls) {
    const Attribute* a = attribute(tag, "class");
    if (!a || !a->hasValue)
        return false;
    for (const Span& t : tokens(text, a->begin, a->end))
        if (text.compare(t.begin, t.end - t.begin, cls) == 0 && t.end - t.begin == cls.size())
            return true;
    return false;
}

// The string values of a key in a widget configuration ("{'trigger':'.a', 'align':{'node':'.a'}}").
std::vector<std::string> configValues(const std::string& config, const std::string& key) {
    std::vector<std::string> values;
    for (std::size_t at = config.find(key); at != std::string::npos; at = config.find(key, at + key.size())) {
        if (at > 0 && isNameChar(config[at - 1]))
            continue;
        std::size_t p = at + key.size();
        if (p < config.size() && (config[p] == '\'' || config[p] == '"'))
            ++p;
        else if (p < config.size() && isNameChar(config[p]))
            continue;
        while (p < config.size() && isSpace(config[p]))
            ++p;
        if (p >= config.size() || config[p] != ':')
            continue;
        ++p;
        while (p < config.size() && isSpace(config[p]))
            ++p;
        if (p >= config.size() || (config[p] != '\'' && config[p] != '"'))
            continue;
        const std::size_t close = config.find(config[p], p + 1);
        if (close == std::string::npos)
            continue;
        values.push_back(config.substr(p + 1, close - p - 1));
    }
    return values;
}

// The ".name" and "#name" of a selector.
void selectorNames(const std::string& selector, std::vector<std::string>& classes,
                   std::vector<std::string>& ids) {
    for (std::size_t i = 0; i < selector.size(); ++i) {
        const char mark = selector[i];
        if (mark != '.' && mark != '#')
            continue;
        std::size_t end = i + 1;
        while (end < selector.size() && isNameChar(selector[end]))
            ++end;
        if (end > i + 1)
            (mark == '.' ? classes : ids).push_back(selector.substr(i + 1, end - i - 1));
        i = end - 1;
    }
}

void addOnce(std::vector<std::string>& list, const std::string& name) {
    if (!name.empty() && std::find(list.begin(), list.end(), name) == list.end())
        list.push_back(name);
}

bool allDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), isDigit);
}

// ---- Renaming ----

struct Edit {
    std::size_t begin, end;
    std::string text;
};

using NameMap = std::map<std::string, std::string>;

struct Maps {
    NameMap classes, ids, numbers;
};

void digitRuns(const std::string& text, std::size_t begin, std::size_t end, const NameMap& numbers,
               std::vector<Edit>& edits) {
    if (numbers.empty())
        return;
    for (std::size_t i = begin; i < end;) {
        if (!isDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < end && isDigit(text[i]))
            ++i;
        const auto found = numbers.find(text.substr(start, i - start));
        if (found != numbers.end())
            edits.push_back({start, i, found->second});
    }
}

// ".name" and "#name" where a selector may stand: a widget configuration, a style sheet (not inside
// url(…), where an address may hold ".name").
void selectorRuns(const std::string& text, std::size_t begin, std::size_t end, const Maps& maps,
                  std::vector<Edit>& edits, bool skipAddresses) {
    for (std::size_t i = begin; i < end; ++i) {
        if (skipAddresses && text.compare(i, 4, "url(") == 0) {
            const std::size_t close = text.find(')', i);
            i = close == std::string::npos || close >= end ? end : close;
            continue;
        }
        const char mark = text[i];
        if (mark != '.' && mark != '#')
            continue;
        std::size_t j = i + 1;
        while (j < end && isNameChar(text[j]))
            ++j;
        const NameMap& map = mark == '.' ? maps.classes : maps.ids;
        const auto found = map.find(text.substr(i + 1, j - i - 1));
        if (j > i + 1 && found != map.end())
            edits.push_back({i + 1, j, found->second});
        i = j - 1;
    }
}

std::string applyMaps(const std::string& markup, const Maps& maps) {
    if (maps.classes.empty() && maps.ids.empty() && maps.numbers.empty())
        return markup;
    const Scan s = scan(markup);
    std::vector<Edit> edits;
    for (const Tag& tag : s.tags) {
        for (const Attribute& a : tag.attributes) {
            if (!a.hasValue)
                continue;
            const std::string value = markup.substr(a.begin, a.end - a.begin);
            if (a.name == "class") {
                for (const Span& t : tokens(markup, a.begin, a.end)) {
                    const auto found = maps.classes.find(markup.substr(t.begin, t.end - t.begin));
                    if (found != maps.classes.end())
                        edits.push_back({t.begin, t.end, found->second});
                }
            } else if (a.name == "id") {
                const auto found = maps.ids.find(value);
                if (found != maps.ids.end())
                    edits.push_back({a.begin, a.end, found->second});
                else
                    digitRuns(markup, a.begin, a.end, maps.numbers, edits);
            } else if (a.name == "href") {
                const auto found =
                    value.empty() || value[0] != '#' ? maps.ids.end() : maps.ids.find(value.substr(1));
                if (found != maps.ids.end())
                    edits.push_back({a.begin + 1, a.end, found->second});
            } else if (a.name == "data-widget-config") {
                selectorRuns(markup, a.begin, a.end, maps, edits, false);
            } else if (a.name == "data-widgetid" || a.name == "data-id" || a.name == "data-spm" ||
                       a.name == "microscope-data") {
                digitRuns(markup, a.begin, a.end, maps.numbers, edits);
            }
        }
    }
    for (const Span& style : s.styles)
        selectorRuns(markup, style.begin, style.end, maps, edits, true);
    for (const Span& comment : s.comments)
        digitRuns(markup, comment.begin, comment.end, maps.numbers, edits);

    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
    std::string out;
    out.reserve(markup.size() + 64);
    std::size_t at = 0;
    for (const Edit& e : edits) {
        if (e.begin < at)
            continue; // never two edits of one place
        out.append(markup, at, e.begin - at);
        out += e.text;
        at = e.end;
    }
    out.append(markup, at, std::string::npos);
    return out;
}

Maps mapsOf(const Renaming& renaming, bool backwards) {
    Maps maps;
    for (const Rename& r : renaming) {
        NameMap& map = r.kind == NameKind::PopupClass  ? maps.classes
                       : r.kind == NameKind::ElementId ? maps.ids
                                                       : maps.numbers;
        if (backwards)
            map[r.to] = r.from;
        else
            map[r.from] = r.to;
    }
    return maps;
}

bool shown(const PageModule& m) {
    return !m.hidden;
}

bool holdsMarkup(const PageModule& m) {
    return m.area != PageArea::Navigation;
}

std::string number(std::size_t n) {
    return std::to_string(n);
}

std::string joined(const std::vector<std::string>& items, const std::string& separator,
                   std::size_t most = 4) {
    std::string out;
    for (std::size_t i = 0; i < items.size() && i < most; ++i)
        out += (i ? separator : "") + items[i];
    if (items.size() > most)
        out += separator + "…";
    return out;
}

const char* kindChinese(NameKind kind) {
    switch (kind) {
    case NameKind::PopupClass:
        return "弹出层类名";
    case NameKind::ElementId:
        return "元素 id";
    case NameKind::WidgetNumber:
        return "模块编号";
    }
    return "";
}

const char* kindEnglish(NameKind kind) {
    switch (kind) {
    case NameKind::PopupClass:
        return "pop-up classes";
    case NameKind::ElementId:
        return "element ids";
    case NameKind::WidgetNumber:
        return "module numbers";
    }
    return "";
}

std::vector<std::pair<NameKind, std::string>> allNames(const std::string& markup) {
    const PageNames names = namesIn(markup);
    std::vector<std::pair<NameKind, std::string>> out;
    for (const std::string& n : names.popupClasses)
        out.emplace_back(NameKind::PopupClass, n);
    for (const std::string& n : names.elementIds)
        out.emplace_back(NameKind::ElementId, n);
    for (const std::string& n : names.widgetNumbers)
        out.emplace_back(NameKind::WidgetNumber, n);
    return out;
}

} // namespace

PageNames namesIn(const std::string& markup) {
    PageNames names;
    const Scan s = scan(markup);
    std::vector<std::string> ids;
    for (const Tag& tag : s.tags) {
        if (tag.closing)
            continue;
        if (const Attribute* id = attribute(tag, "id"))
            ids.push_back(valueOf(markup, id));
        const std::string number = valueOf(markup, attribute(tag, "data-widgetid"));
        if (allDigits(number))
            addOnce(names.widgetNumbers, number);
        if (!hasClass(markup, tag, "J_TWidget") ||
            valueOf(markup, attribute(tag, "data-widget-type")) != "Popup")
            continue;
        const std::string config = valueOf(markup, attribute(tag, "data-widget-config"));
        std::vector<std::string> classes, popupIds;
        for (const char* key : {"trigger", "node"})
            for (const std::string& selector : configValues(config, key))
                selectorNames(selector, classes, popupIds);
        for (const std::string& c : classes)
            addOnce(names.popupClasses, c);
        for (const std::string& i : popupIds)
            addOnce(ids, i);
    }
    // An id that holds one of the module numbers is renamed with that number.
    for (const std::string& id : ids) {
        bool holdsNumber = false;
        for (std::size_t i = 0; i < id.size() && !holdsNumber;) {
            if (!isDigit(id[i])) {
                ++i;
                continue;
            }
            const std::size_t start = i;
            while (i < id.size() && isDigit(id[i]))
                ++i;
            const std::string run = id.substr(start, i - start);
            holdsNumber = std::find(names.widgetNumbers.begin(), names.widgetNumbers.end(), run) !=
                          names.widgetNumbers.end();
        }
        if (!holdsNumber)
            addOnce(names.elementIds, id);
    }
    return names;
}

std::string applyRenaming(const std::string& markup, const Renaming& renaming) {
    return applyMaps(markup, mapsOf(renaming, false));
}

std::string revertRenaming(const std::string& markup, const Renaming& renaming) {
    return applyMaps(markup, mapsOf(renaming, true));
}

void renameRepeatedKinds(const Page& page, std::vector<RenderedModule>& modules) {
    std::vector<const std::string*> codes; // of every shown module: new names occur in none of them
    for (std::size_t i = 0; i < modules.size() && i < page.modules.size(); ++i)
        if (shown(page.modules[i]))
            codes.push_back(&modules[i].windowCode);
    std::set<std::pair<NameKind, std::string>> used;
    auto taken = [&](NameKind kind, const std::string& name) {
        if (used.count({kind, name}))
            return true;
        for (const std::string* code : codes)
            if (code->find(name) != std::string::npos)
                return true;
        return false;
    };
    std::map<std::string, int> seen; // shown modules of each kind so far
    for (std::size_t i = 0; i < modules.size() && i < page.modules.size(); ++i) {
        RenderedModule& r = modules[i];
        r.renaming.clear();
        r.pageCode = r.windowCode;
        const PageModule& m = page.modules[i];
        if (!shown(m) || !holdsMarkup(m))
            continue;
        const int ordinal = ++seen[m.key];
        for (const auto& [kind, name] : allNames(r.windowCode)) {
            if (!used.count({kind, name})) {
                used.insert({kind, name});
                continue;
            }
            if (ordinal == 1)
                continue; // the first of its kind keeps its window's code; the check reports it
            const std::string base =
                kind == NameKind::WidgetNumber ? name + number(ordinal) : name + "-" + number(ordinal);
            std::string fresh = base;
            for (int extra = 1; taken(kind, fresh); ++extra)
                fresh = base + (kind == NameKind::WidgetNumber ? "" : "-") + number(extra);
            used.insert({kind, fresh});
            r.renaming.push_back({kind, name, fresh});
        }
        r.pageCode = applyRenaming(r.windowCode, r.renaming);
    }
}

PageResult<std::vector<RenderedModule>> renderPage(const Page& page, const Registry& registry,
                                                   const std::string& pageFolder) {
    PageResult<std::vector<RenderedModule>> replayed = replayPage(page, registry, pageFolder);
    if (replayed)
        renameRepeatedKinds(page, *replayed);
    return replayed;
}

// ---- Weight ----

PageWeight weighCode(const std::string& code) {
    PageWeight w;
    const std::optional<std::string> stored = utf8ToGbk(code, Unencodable::NumericReference);
    w.bytes = stored ? stored->size() : code.size();
    const Scan s = scan(code);
    std::set<std::string> pictures;
    const std::string placeholder = placeholderGif();
    auto picture = [&](std::string address) {
        const auto first = address.find_first_not_of(" \t\r\n'\"");
        const auto last = address.find_last_not_of(" \t\r\n'\"");
        address = first == std::string::npos ? "" : address.substr(first, last - first + 1);
        if (!address.empty() && address != placeholder)
            pictures.insert(address);
    };
    auto addresses = [&](std::size_t begin, std::size_t end) {
        for (std::size_t at = code.find("url(", begin); at != std::string::npos && at < end;
             at = code.find("url(", at + 4)) {
            const std::size_t close = code.find(')', at);
            picture(code.substr(at + 4, (close == std::string::npos || close > end ? end : close) - at - 4));
        }
    };
    for (const Tag& tag : s.tags) {
        if (tag.closing)
            continue;
        if (hasClass(code, tag, "J_TWidget"))
            ++w.widgets;
        for (const Attribute& a : tag.attributes) {
            if (!a.hasValue)
                continue;
            if ((tag.name == "img" && a.name == "src") || a.name == "data-ks-lazyload" ||
                a.name == "background")
                picture(code.substr(a.begin, a.end - a.begin));
            else if (a.name == "style")
                addresses(a.begin, a.end);
        }
    }
    for (const Span& style : s.styles)
        addresses(style.begin, style.end);
    if (s.tags.empty()) // a style sheet
        addresses(0, code.size());
    w.pictures = pictures.size();
    return w;
}

PageWeight weighPage(const Page& page, const std::vector<RenderedModule>& modules) {
    PageWeight total;
    for (std::size_t i = 0; i < modules.size() && i < page.modules.size(); ++i)
        if (shown(page.modules[i]))
            total += weighCode(modules[i].pageCode);
    return total;
}

// ---- Balance ----

std::vector<TagBalance> tagBalance(const std::string& markup) {
    static const std::set<std::string> kVoid = {"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                                "input", "link", "meta", "param", "source", "track", "wbr"};
    std::vector<TagBalance> balance;
    for (const Tag& tag : scan(markup).tags) {
        if (kVoid.count(tag.name))
            continue;
        auto it = std::find_if(balance.begin(), balance.end(),
                               [&](const TagBalance& b) { return b.tag == tag.name; });
        if (it == balance.end())
            it = balance.insert(balance.end(), TagBalance{tag.name, 0});
        it->unclosed += tag.closing ? -1 : 1;
    }
    balance.erase(
        std::remove_if(balance.begin(), balance.end(), [](const TagBalance& b) { return b.unclosed == 0; }),
        balance.end());
    return balance;
}

StyleEnd styleEnd(const std::string& css) {
    StyleEnd end;
    char quote = 0;
    for (std::size_t i = 0; i < css.size(); ++i) {
        const char c = css[i];
        if (end.comment) {
            if (c == '*' && i + 1 < css.size() && css[i + 1] == '/') {
                end.comment = false;
                ++i;
            }
        } else if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote || c == '\n')
                quote = 0;
        } else if (c == '/' && i + 1 < css.size() && css[i + 1] == '*') {
            end.comment = true;
            ++i;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(') {
            ++end.parentheses;
        } else if (c == ')') {
            end.parentheses = std::max(0, end.parentheses - 1);
        } else if (c == '{') {
            ++end.blocks;
        } else if (c == '}') {
            end.blocks = std::max(0, end.blocks - 1);
            end.parentheses = 0;
        }
    }
    end.string = quote != 0;
    return end;
}

bool restylesModuleFrames(const std::string& css) {
    static const std::set<std::string> kFrame = {"skin-box", "skin-box-tp", "skin-box-bd", "skin-box-bt",
                                                 "tb-module"};
    std::string selector;
    int depth = 0;
    bool comment = false;
    auto subjectIsFrame = [&](const std::string& list) {
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t comma = list.find(',', start);
            if (comma == std::string::npos)
                comma = list.size();
            std::string one = list.substr(start, comma - start);
            const auto last = one.find_last_not_of(" \t\r\n");
            one = last == std::string::npos ? "" : one.substr(0, last + 1);
            // The subject: the last compound selector.
            const auto cut = one.find_last_of(" \t\r\n>+~");
            const std::string subject = cut == std::string::npos ? one : one.substr(cut + 1);
            std::vector<std::string> classes, ids;
            selectorNames(subject, classes, ids);
            for (const std::string& c : classes)
                if (kFrame.count(c))
                    return true;
            start = comma + 1;
        }
        return false;
    };
    for (std::size_t i = 0; i < css.size(); ++i) {
        const char c = css[i];
        if (comment) {
            if (c == '*' && i + 1 < css.size() && css[i + 1] == '/') {
                comment = false;
                ++i;
            }
            continue;
        }
        if (c == '/' && i + 1 < css.size() && css[i + 1] == '*') {
            comment = true;
            ++i;
        } else if (c == '{') {
            if (depth++ == 0 && subjectIsFrame(selector))
                return true;
            selector.clear();
        } else if (c == '}') {
            depth = std::max(0, depth - 1);
            selector.clear();
        } else if (depth == 0) {
            selector += c;
        }
    }
    return false;
}

// ---- The check ----

const char* severityWord(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Note:
        return "note";
    }
    return "";
}

bool hasErrors(const std::vector<PageFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const PageFinding& f) { return f.severity == Severity::Error; });
}

std::vector<PageFinding> checkPage(const Page& page, const std::vector<RenderedModule>& modules) {
    std::vector<PageFinding> findings;
    const std::size_t count = std::min(page.modules.size(), modules.size());
    auto say = [&](Severity severity, std::size_t i, const std::string& chinese, const std::string& english) {
        findings.push_back({severity, static_cast<int>(i), page.modules[i].line,
                            moduleNameChinese(page, i) + "：" + chinese,
                            moduleNameEnglish(page, i) + ": " + english});
    };
    // Which earlier shown module first used each name on the page (in the page's copies).
    std::map<std::pair<NameKind, std::string>, std::size_t> firstUser;
    std::vector<std::size_t> signs, navigationBars, navigation;
    for (std::size_t i = 0; i < count; ++i) {
        const PageModule& m = page.modules[i];
        const RenderedModule& r = modules[i];
        if (!shown(m))
            continue;
        if (r.windowCode.empty())
            say(Severity::Warning, i, "没有代码：它的设置没有按生成按钮，或者生成的代码是空的",
                "no code: its settings press no generate button, or the code is empty");

        if (holdsMarkup(m)) {
            // Names that a module of another kind used first.
            std::map<std::pair<std::size_t, NameKind>, std::vector<std::string>> repeated;
            for (const auto& [kind, name] : allNames(r.pageCode)) {
                const auto first = firstUser.find({kind, name});
                if (first == firstUser.end())
                    firstUser[{kind, name}] = i;
                else if (first->second != i)
                    repeated[{first->second, kind}].push_back(name);
            }
            for (const auto& [where, names] : repeated) {
                const auto [other, kind] = where;
                const bool popup = kind == NameKind::PopupClass;
                say(popup ? Severity::Error : Severity::Warning, i,
                    std::string("与") + moduleNameChinese(page, other) + "用了相同的" + kindChinese(kind) +
                        "（" + joined(names, "、") + "）" +
                        (popup ? "：指向一个模块会打开另一个模块的弹出层" : "：页面上只认得前一个"),
                    std::string("uses the same ") + kindEnglish(kind) + " as " +
                        moduleNameEnglish(page, other) + " (" + joined(names, ", ") + ")" +
                        (popup ? ": pointing at one opens the other's pop-ups"
                               : ": the page finds the first one only"));
            }
            if (!r.renaming.empty()) {
                std::vector<std::string> pairs;
                for (const Rename& rename : r.renaming)
                    pairs.push_back(rename.from + " → " + rename.to);
                say(Severity::Note, i,
                    "与前面的同类模块用了相同的弹出层类名或编号，本页面里它的代码已改用自己的（" +
                        number(r.renaming.size()) + " 个：" + joined(pairs, "、", 3) +
                        "）；请粘贴页面给出的这份代码，不要粘贴窗口里的",
                    "repeats the pop-up classes or numbers of an earlier module of its kind; its code on "
                    "this page "
                    "uses names of its own (" +
                        number(r.renaming.size()) + ": " + joined(pairs, ", ", 3) +
                        "): paste the page's copy, not the window's code");
            }
            std::vector<std::string> opened, closed, openedEnglish, closedEnglish;
            for (const TagBalance& b : tagBalance(r.pageCode)) {
                const std::string n = number(static_cast<std::size_t>(std::abs(b.unclosed)));
                if (b.unclosed > 0) {
                    opened.push_back("<" + b.tag + "> 多开了 " + n + " 个");
                    openedEnglish.push_back(n + " <" + b.tag + "> more opened than closed");
                } else {
                    closed.push_back("</" + b.tag + "> 多关了 " + n + " 个");
                    closedEnglish.push_back(n + " </" + b.tag + "> more closed than opened");
                }
            }
            opened.insert(opened.end(), closed.begin(), closed.end());
            openedEnglish.insert(openedEnglish.end(), closedEnglish.begin(), closedEnglish.end());
            if (!opened.empty())
                say(Severity::Warning, i,
                    "标记没有闭合好（" + joined(opened, "，", 8) +
                        "）：放在自己的自定义内容区里才不会影响别的模块，不要和别的代码贴在一起",
                    "the markup does not close what it opens (" + joined(openedEnglish, ", ", 8) +
                        "): keep it in a custom-content area of its own, never together with other code");
        }
        if (m.area == PageArea::Sign)
            signs.push_back(i);
        if (m.area == PageArea::Navigation) {
            navigation.push_back(i);
            if (m.key == "F07" || m.key == "F08")
                navigationBars.push_back(i);
        }

        // The edition of the code.
        if (page.edition == PageEdition::Professional && r.basicCode)
            say(Severity::Warning, i, "这是基础版代码，专业版店铺请用“专业版代码”",
                "this is basic-edition code; a professional-edition shop takes the professional-edition "
                "code");
        if (page.edition == PageEdition::Basic && r.description) {
            const std::vector<const Button*> buttons = allButtons(*r.description);
            const bool offersBasic = std::any_of(buttons.begin(), buttons.end(), [](const Button* b) {
                return b->action == Action::Generate && !b->basicOf.empty();
            });
            if (!r.description->basicButton)
                say(Severity::Warning, i, "基础版的模块目录里没有这个模块，它是为专业版店铺做的",
                    "the basic-edition catalogue does not offer this module: it is made for "
                    "professional-edition "
                    "shops");
            else if (offersBasic && !r.basicCode)
                say(Severity::Warning, i, "这是专业版代码，基础版店铺请用“基础版代码”",
                    "this is professional-edition code; a basic-edition shop takes the basic-edition code");
        }
    }

    for (std::size_t k = 1; k < signs.size(); ++k)
        say(Severity::Error, signs[k], "店铺招牌只有一个，已经有" + moduleNameChinese(page, signs[0]),
            "a shop has one sign, and " + moduleNameEnglish(page, signs[0]) + " is it");
    for (std::size_t k = 1; k < navigationBars.size(); ++k)
        say(Severity::Error, navigationBars[k],
            "和" + moduleNameChinese(page, navigationBars[0]) +
                "都在给导航条换样式，贴在一起时后面的会盖掉前面的一部分：只留一个",
            "restyles the navigation bar as " + moduleNameEnglish(page, navigationBars[0]) +
                " does; together the later overwrites part of the earlier: keep one");
    for (std::size_t k = 0; k < navigation.size(); ++k) {
        const std::size_t i = navigation[k];
        const std::string& css = modules[i].pageCode;
        const StyleEnd end = styleEnd(css);
        if (end.unfinished()) {
            std::vector<std::string> open;
            if (end.comment)
                open.push_back("/*");
            if (end.string)
                open.push_back("引号");
            if (end.parentheses)
                open.push_back(number(static_cast<std::size_t>(end.parentheses)) + " 个“(”");
            if (end.blocks)
                open.push_back(number(static_cast<std::size_t>(end.blocks)) + " 个“{”");
            std::vector<std::string> openEnglish;
            if (end.comment)
                openEnglish.push_back("a comment");
            if (end.string)
                openEnglish.push_back("a string");
            if (end.parentheses)
                openEnglish.push_back(number(static_cast<std::size_t>(end.parentheses)) + " \"(\"");
            if (end.blocks)
                openEnglish.push_back(number(static_cast<std::size_t>(end.blocks)) + " \"{\"");
            const bool followed = k + 1 < navigation.size();
            say(followed ? Severity::Error : Severity::Warning, i,
                "导航样式没有写完（结尾还开着 " + joined(open, "、") + "）" +
                    (followed ? "：贴在它后面的" + moduleNameChinese(page, navigation[k + 1]) + "会被它吞掉"
                              : "：在它后面再贴的样式都会被吞掉"),
                "the navigation style is unfinished (" + joined(openEnglish, ", ") +
                    " still open at its end)" +
                    (followed
                         ? ": it swallows " + moduleNameEnglish(page, navigation[k + 1]) + " pasted after it"
                         : ": any style pasted after it is swallowed"));
        }
        if (restylesModuleFrames(css))
            say(Severity::Warning, i, "它给模块框（.skin-box-bd 等）换样式，页面上每个模块的框都会跟着变",
                "it restyles the module frame (.skin-box-bd and others), which every module on the page has");
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const PageFinding& a, const PageFinding& b) { return a.module < b.module; });
    return findings;
}

// ---- Paste list ----

std::vector<PasteEntry> pasteList(const Page& page, const std::vector<RenderedModule>& modules) {
    std::vector<PasteEntry> entries;
    std::size_t body = 0, side = 0;
    for (std::size_t i = 0; i < modules.size() && i < page.modules.size(); ++i) {
        const PageModule& m = page.modules[i];
        if (!shown(m))
            continue;
        PasteEntry e;
        e.module = i;
        e.code = modules[i].pageCode;
        switch (m.area) {
        case PageArea::Sign:
            e.destination = "店铺招牌";
            break;
        case PageArea::Navigation:
            e.destination = "导航 → 显示设置";
            break;
        case PageArea::Body:
            e.destination = "自定义内容区 " + number(++body);
            break;
        case PageArea::Side:
            e.destination = "侧栏自定义内容区 " + number(++side);
            break;
        }
        e.state = m.copiedHash.empty()                ? CopyState::NeverCopied
                  : m.copiedHash == sha256Hex(e.code) ? CopyState::Unchanged
                                                      : CopyState::Changed;
        entries.push_back(std::move(e));
    }
    return entries;
}

} // namespace ornavo
