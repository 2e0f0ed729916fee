#include "recipe_text.h"

#include "text.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>
#include <system_error>

namespace ornavo {

namespace {

// Why a stream operation threw: the system's words for a system error, else the exception's text.
std::string failureText(const std::exception& e) {
    if (const auto* system = dynamic_cast<const std::system_error*>(&e))
        if (system->code().category() == std::system_category() ||
            system->code().category() == std::generic_category())
            return system->code().message();
    return e.what();
}

std::string quoted(const std::string& text) {
    return "“" + recipeExcerpt(text) + "”";
}

} // namespace

std::string RecipeFailure::english() const {
    std::string what;
    switch (fault) {
    case RecipeFault::Unreadable:
        return "cannot read the recipe: " + detail;
    case RecipeFault::NotKept:
        return "cannot keep a copy of the recipe: " + detail;
    case RecipeFault::NotRereadable:
        return "cannot read the recipe again: " + detail;
    case RecipeFault::LineTooLong:
        what = "longer than " + std::to_string(RecipeLineReader::kMaxLineBytes >> 20) + " MiB";
        break;
    case RecipeFault::UnknownAction:
        what = "unknown action " + recipeExcerpt(subject);
        break;
    case RecipeFault::NoWindow:
        what = "no window is open";
        break;
    case RecipeFault::NoModule:
        what = "no module " + recipeExcerpt(subject);
        break;
    case RecipeFault::NoField:
        what = "the window has no field " + recipeExcerpt(subject);
        break;
    case RecipeFault::NoList:
        what = "the window has no list " + recipeExcerpt(subject);
        break;
    case RecipeFault::NoRadio:
        what = "the window has no radio button " + recipeExcerpt(subject);
        break;
    case RecipeFault::NoControl:
        what = "the window has no control " + recipeExcerpt(subject);
        break;
    case RecipeFault::NoButton:
        what = "the window has no button " + recipeExcerpt(subject);
        break;
    case RecipeFault::NoEntry:
        what = "list " + subject + " has no entry " + recipeExcerpt(detail);
        break;
    case RecipeFault::NotUtf8:
        what = "the text for " + subject + " is not UTF-8: " + recipeExcerpt(detail);
        break;
    case RecipeFault::BadAnswer:
        what = "answer takes yes or no";
        break;
    case RecipeFault::NoVariable:
        what = "the window has no variable " + recipeExcerpt(subject) + " (var takes NAME = TEXT)";
        break;
    case RecipeFault::Failed:
        what = detail;
        break;
    }
    return line > 0 ? "recipe line " + std::to_string(line) + ": " + what : what;
}

std::string RecipeFailure::chinese() const {
    switch (fault) {
    case RecipeFault::Unreadable:
    case RecipeFault::NotKept:
    case RecipeFault::NotRereadable:
        return "无法读取";
    case RecipeFault::LineTooLong:
        return "这一行超过 " + std::to_string(RecipeLineReader::kMaxLineBytes >> 20) + " MiB";
    case RecipeFault::UnknownAction:
        return "不认识的动作" + quoted(subject);
    case RecipeFault::NoWindow:
        return "这一行之前没有打开的窗口";
    case RecipeFault::NoModule:
        return "没有窗口" + quoted(subject);
    case RecipeFault::NoField:
        return "窗口里没有输入框" + quoted(subject);
    case RecipeFault::NoList:
        return "窗口里没有下拉列表" + quoted(subject);
    case RecipeFault::NoRadio:
        return "窗口里没有单选框" + quoted(subject);
    case RecipeFault::NoControl:
        return "窗口里没有控件" + quoted(subject);
    case RecipeFault::NoButton:
        return "窗口里没有按钮" + quoted(subject);
    case RecipeFault::NoEntry:
        return "下拉列表" + quoted(subject) + "里没有" + quoted(detail) + "这一项";
    case RecipeFault::NotUtf8:
        return "给" + quoted(subject) + "的文字不是 UTF-8";
    case RecipeFault::BadAnswer:
        return "answer 后面只能是 yes 或 no";
    case RecipeFault::NoVariable:
        return "窗口里没有变量" + quoted(subject) + "（var 行的写法是 var 名称 = 文字）";
    case RecipeFault::Failed:
        break;
    }
    return "窗口无法执行这一行";
}

RecipeReadError::RecipeReadError(RecipeFailure f) : std::runtime_error(f.english()), failure(std::move(f)) {}

std::string recipeExcerpt(const std::string& text, std::size_t limit) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    std::size_t shown = 0;
    std::size_t pos = 0;
    for (; pos < text.size() && shown < limit; ++shown) {
        char32_t cp;
        const std::size_t length = utf8Sequence(text, pos, cp);
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (length == 0 || cp < 0x20 || cp == 0x7F) { // one byte at a time
            if (c == '\t')
                out += "\\t";
            else if (c == '\r')
                out += "\\r";
            else if (c == '\n')
                out += "\\n";
            else
                out += std::string("\\x") + hex[c >> 4] + hex[c & 0x0F];
            ++pos;
        } else if (cp >= 0x80 && cp <= 0x9F) { // C1 controls steer terminals as well
            out += std::string("\\u00") + hex[cp >> 4] + hex[cp & 0x0F];
            pos += length;
        } else {
            out.append(text, pos, length);
            pos += length;
        }
    }
    if (pos < text.size())
        out += "…";
    return out;
}

namespace {

// Characters that the full escapes write as \uNNNN: C1 controls, the line and paragraph separators
// and the byte-order mark.
bool escapedInFull(char32_t cp) {
    return (cp >= 0x80 && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029 || cp == 0xFEFF;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value of `digits` hexadecimal digits at text[at]; -1 when they are not all there.
long hexAt(const std::string& text, std::size_t at, std::size_t digits) {
    if (at + digits > text.size())
        return -1;
    long value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const int digit = hexValue(text[at + i]);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

std::string escapeRecipeText(const std::string& text, RecipeEscapes escapes) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t pos = 0; pos < text.size();) {
        const char c = text[pos];
        switch (c) {
        case '\\':
            out += "\\\\";
            ++pos;
            continue;
        case '\t':
            out += "\\t";
            ++pos;
            continue;
        case '\r':
            out += "\\r";
            ++pos;
            continue;
        case '\n':
            out += "\\n";
            ++pos;
            continue;
        default:
            break;
        }
        const unsigned char byte = static_cast<unsigned char>(c);
        if (escapes == RecipeEscapes::Full && (byte < 0x20 || byte == 0x7F)) {
            out += std::string("\\x") + hex[byte >> 4] + hex[byte & 0x0F];
            ++pos;
            continue;
        }
        char32_t cp = 0;
        const std::size_t length = byte < 0x80 ? 1 : utf8Sequence(text, pos, cp);
        if (escapes == RecipeEscapes::Full && length > 1 && escapedInFull(cp)) {
            out += std::string("\\u") + hex[(cp >> 12) & 0x0F] + hex[(cp >> 8) & 0x0F] +
                   hex[(cp >> 4) & 0x0F] + hex[cp & 0x0F];
            pos += length;
            continue;
        }
        // A byte that begins no well-formed sequence goes as it is (fields hold UTF-8; nothing else
        // reaches here).
        const std::size_t take = length == 0 ? 1 : length;
        out.append(text, pos, take);
        pos += take;
    }
    return out;
}

std::string unescapeRecipeText(const std::string& text, RecipeEscapes escapes) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            const char* replacement = next == 't'    ? "\t"
                                      : next == 'r'  ? "\r"
                                      : next == 'n'  ? "\n"
                                      : next == '\\' ? "\\"
                                                     : nullptr;
            if (replacement) {
                out += replacement;
                ++i;
                continue;
            }
            if (escapes == RecipeEscapes::Full && next == 'x') {
                const long value = hexAt(text, i + 2, 2);
                if (value >= 0 && value < 0x80) {
                    out += static_cast<char>(value);
                    i += 3;
                    continue;
                }
            }
            if (escapes == RecipeEscapes::Full && next == 'u') {
                const long value = hexAt(text, i + 2, 4);
                if (value >= 0 && (value < 0xD800 || value > 0xDFFF)) { // no surrogate halves
                    appendUtf8(out, static_cast<char32_t>(value));
                    i += 5;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}

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

std::vector<std::string> recipeLines(const std::string& text) {
    std::istringstream in(text);
    RecipeLineReader reader(in);
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line))
        lines.push_back(line);
    return lines;
}

bool isSkippedRecipeLine(const std::string& line) {
    return (!line.empty() && line[0] == '#') || line.find_first_not_of(" \t") == std::string::npos;
}

// One line up to LF, CR LF or CR; false when the text ended before it. Reads the stream buffer
// directly: a buffer that throws on a failed read (a file stream does) then says why.
bool RecipeLineReader::readLine(std::string& line) {
    line.clear();
    std::streambuf* buffer = in_.rdbuf();
    if (!buffer)
        throw RecipeReadError({RecipeFault::Unreadable, 0, {}, "no input"});
    using traits = std::char_traits<char>;
    const auto keep = [this](char c) {
        if (copy_)
            copy_->put(c);
    };
    try {
        int c = buffer->sbumpc();
        if (traits::eq_int_type(c, traits::eof()))
            return false;
        ++number_;
        for (; !traits::eq_int_type(c, traits::eof()); c = buffer->sbumpc()) {
            const char ch = traits::to_char_type(c);
            keep(ch);
            if (ch == '\n')
                break;
            if (ch == '\r') {
                if (buffer->sgetc() == '\n')
                    keep(traits::to_char_type(buffer->sbumpc()));
                break;
            }
            if (line.size() == kMaxLineBytes)
                throw RecipeReadError({RecipeFault::LineTooLong, number_, {}, {}});
            line += ch;
        }
    } catch (const RecipeReadError&) {
        throw;
    } catch (const std::exception& e) {
        throw RecipeReadError({RecipeFault::Unreadable, 0, {}, failureText(e)});
    }
    if (number_ == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
        line.erase(0, 3);
    return true;
}

bool RecipeLineReader::next(std::string& line) {
    while (readLine(line)) {
        if (!isSkippedRecipeLine(line)) {
            inHead_ = false;
            return true;
        }
        // The first head line of Ornavo's among the comments before the first action names the format.
        if (inHead_)
            if (const int format = settingsFormatOf(line)) {
                inHead_ = false;
                if (format >= kFullEscapesFormat)
                    escapes_ = RecipeEscapes::Full;
            }
    }
    return false;
}

} // namespace ornavo
