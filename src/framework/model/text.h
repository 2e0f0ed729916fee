#pragma once
// Text operations shared by every generator: the program keeps texts as UTF-8, while the pasted
// markup and the marketplace count in GBK bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ornavo {

// The well-formed UTF-8 sequence at text[pos]: its length, with its code point in `cp`; 0 when it is
// not well-formed (truncated, overlong, a surrogate, beyond U+10FFFF).
std::size_t utf8Sequence(const std::string& text, std::size_t pos, char32_t& cp);
// Appends the code point's UTF-8 bytes.
void appendUtf8(std::string& out, char32_t cp);
// True when the bytes are well-formed UTF-8 throughout.
bool isUtf8(const std::string& text);
// True for bytes that are not UTF-8 but read as GBK text (a file a Chinese editor saved as "ANSI"),
// rather than UTF-8 text damaged in a few places.
bool looksLikeGbk(const std::string& bytes);

// Reads full-width forms (U+FF01..U+FF5E) as their ASCII counterparts and the ideographic space
// (U+3000) as a blank; everything else is kept.
std::string foldFullWidth(const std::string& text);

// Leading blanks, an optional sign and the decimal digits up to the first other character, after
// full-width folding. A text without leading digits gives 0. Saturates instead of overflowing.
std::int64_t textToInteger(const std::string& text);

// As the C library reads a whole number: like textToInteger, but full-width digits, signs and blanks
// are other characters (so "１２" gives 0). Saturates instead of overflowing.
std::int64_t plainTextToInteger(const std::string& text);

// Like textToInteger but also reads a fractional part ("12.5", ".5"); no number gives 0.
double textToDecimal(const std::string& text);

// Whole numbers in plain decimal; other values rounded to 13 significant digits, trailing zeros and a
// bare decimal point dropped, never in exponent form. -0 is written "0".
std::string numberToText(double value);
std::string integerToText(std::int64_t value);

// a + b for sizes derived from typed ones: a sum beyond the range (a very long run of digits typed)
// stays at its end instead of wrapping round.
std::int64_t saturatingAdd(std::int64_t a, std::int64_t b);

// What to do with a character that the GBK code page cannot hold.
enum class Unencodable {
    Fail,             // the whole conversion fails
    NumericReference, // written as an HTML numeric character reference "&#NNNN;"
};

// UTF-8 to GBK bytes; std::nullopt when the input is not valid UTF-8 or (with Fail) holds a
// character GBK lacks.
std::optional<std::string> utf8ToGbk(const std::string& utf8, Unencodable policy = Unencodable::Fail);
// GBK bytes to UTF-8; std::nullopt when the bytes are not valid GBK.
std::optional<std::string> gbkToUtf8(const std::string& gbk);
// Length of the text in GBK bytes; a character GBK lacks counts as one byte (as a "?" would).
std::size_t gbkLength(const std::string& utf8);
// The same, character by character (a byte that is not UTF-8 counts as a character of one byte):
// the lengths add up to gbkLength.
std::vector<std::size_t> gbkLengths(const std::string& utf8);

} // namespace ornavo
