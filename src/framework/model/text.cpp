#include "text.h"

#include "platform.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace ornavo {

std::size_t utf8Sequence(const std::string& text, std::size_t pos, char32_t& cp) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length;
    char32_t least;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isUtf8(const std::string& text) {
    char32_t cp;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8Sequence(text, pos, cp);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

bool looksLikeGbk(const std::string& bytes) {
    // Most byte strings read as GBK; a UTF-8 text damaged in a place or two does too. So the bytes
    // must also hold more that UTF-8 cannot read than sequences it can.
    std::size_t readable = 0, unreadable = 0;
    char32_t cp;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = utf8Sequence(bytes, pos, cp);
        if (length == 0)
            ++unreadable, ++pos;
        else
            readable += length > 1, pos += length;
    }
    return unreadable > 0 && unreadable > readable && gbkToUtf8(bytes).has_value();
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

std::string foldFullWidth(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t cp = 0;
        const std::size_t len = utf8Sequence(text, pos, cp);
        if (len == 0) {
            out += text[pos++];
            continue;
        }
        if (cp >= 0xFF01 && cp <= 0xFF5E)
            out += static_cast<char>(cp - 0xFF01 + 0x21);
        else if (cp == 0x3000)
            out += ' ';
        else
            out.append(text, pos, len);
        pos += len;
    }
    return out;
}

namespace {
// Leading blanks, an optional sign and the decimal digits up to the first other character; saturates.
std::int64_t leadingInteger(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        const int digit = s[i] - '0';
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    return negative ? -value : value;
}
} // namespace

std::int64_t textToInteger(const std::string& text) {
    return leadingInteger(foldFullWidth(text));
}

std::int64_t plainTextToInteger(const std::string& text) {
    return leadingInteger(text);
}

double textToDecimal(const std::string& text) {
    const std::string s = foldFullWidth(text);
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    const std::size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0;
    // Only the characters checked above reach strtod, so no locale, exponent or hex form applies.
    return std::strtod(s.substr(start, i - start).c_str(), nullptr);
}

std::string numberToText(double value) {
    if (std::isnan(value) || std::isinf(value))
        return "0";
    if (value == 0.0)
        return "0";
    // Thirteen significant digits in exponent form, then laid out as plain decimal.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.12e", value);
    std::string s(buf);
    bool negative = false;
    if (s[0] == '-') {
        negative = true;
        s.erase(0, 1);
    }
    const std::size_t e = s.find('e');
    const int exponent = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out;
    if (exponent < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        out = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        out = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
    }
    return negative ? "-" + out : out;
}

std::string integerToText(std::int64_t value) {
    return std::to_string(value);
}

std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) {
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t least = std::numeric_limits<std::int64_t>::min();
    if (b > 0 && a > most - b)
        return most;
    if (b < 0 && a < least - b)
        return least;
    return a + b;
}

std::optional<std::string> utf8ToGbk(const std::string& utf8, Unencodable policy) {
    CodePageConverter cv(CodePageConverter::Direction::Utf8ToGbk);
    std::string out;
    out.reserve(utf8.size());
    // Convert character by character runs: plain ASCII is copied, everything else goes through
    // iconv one character at a time so an unencodable one can be replaced on its own.
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        const std::size_t len = utf8Sequence(utf8, pos, cp);
        if (len == 0)
            return std::nullopt;
        if (cp < 0x80) {
            out += utf8[pos];
        } else if (!cv.convert(utf8.substr(pos, len), out)) {
            if (policy == Unencodable::Fail)
                return std::nullopt;
            out += "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";";
        }
        pos += len;
    }
    return out;
}

std::optional<std::string> gbkToUtf8(const std::string& gbk) {
    CodePageConverter cv(CodePageConverter::Direction::GbkToUtf8);
    std::string out;
    if (!cv.convert(gbk, out))
        return std::nullopt;
    return out;
}

std::vector<std::size_t> gbkLengths(const std::string& utf8) {
    CodePageConverter cv(CodePageConverter::Direction::Utf8ToGbk);
    std::vector<std::size_t> lengths;
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        std::size_t len = utf8Sequence(utf8, pos, cp);
        if (len == 0) {
            lengths.push_back(1);
            ++pos;
            continue;
        }
        std::string bytes;
        lengths.push_back((cp < 0x80 || !cv.convert(utf8.substr(pos, len), bytes)) ? 1 : bytes.size());
        pos += len;
    }
    return lengths;
}

std::size_t gbkLength(const std::string& utf8) {
    std::size_t length = 0;
    for (std::size_t bytes : gbkLengths(utf8))
        length += bytes;
    return length;
}

} // namespace ornavo
