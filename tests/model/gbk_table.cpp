// ornavo-gbk-table FILE: writes the whole GBK conversion as the model does it on this system, one line
// per convertible sequence: every one- and two-byte sequence that reads as text ("D 8140 4E02") and
// every character of the Basic Multilingual Plane that GBK holds ("E 4E02 8140"). scripts/test-windows
// compares the table of the Windows build with that of the Linux build: the same bytes mean the same
// text on both.

#include "framework/model/text.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string hex(const std::string& bytes) {
    std::string out;
    char two[3];
    for (const unsigned char c : bytes) {
        std::snprintf(two, sizeof two, "%02X", c);
        out += two;
    }
    return out;
}

std::string utf8Of(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ornavo-gbk-table FILE\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    const auto decoded = [&](const std::string& bytes) {
        if (const auto text = ornavo::gbkToUtf8(bytes))
            out << "D " << hex(bytes) << " " << hex(*text) << "\n";
    };
    for (int lead = 0; lead < 0x100; ++lead) {
        decoded(std::string(1, static_cast<char>(lead)));
        if (lead >= 0x81)
            for (int trail = 0; trail < 0x100; ++trail)
                decoded(std::string{static_cast<char>(lead), static_cast<char>(trail)});
    }
    for (char32_t cp = 1; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        if (const auto bytes = ornavo::utf8ToGbk(utf8Of(cp)))
            out << "E " << hex(utf8Of(cp)) << " " << hex(*bytes) << "\n";
    }
    out.flush();
    return out ? 0 : 1;
}
