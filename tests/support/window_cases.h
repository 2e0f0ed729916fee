#pragma once
// The whole-markup cases: windows/<KEY>/<case>.recipe with the bytes it must print in <case>.expected,
// where ${NAME} stands for the address NAME in effect (${MAKER_SERVER}, ${PLACEHOLDER_GIF_URL}, …)
// and ${upper:NAME} for the same in capital letters. Shared by the runs in the process and through
// ornavo-gen.

#include "framework/model/constants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace ornavo::testing {

namespace fs = std::filesystem;

struct Case {
    std::string name; // "F10/defaults"
    fs::path recipe;
    fs::path expected;
};

inline std::vector<Case> allCases() {
    std::vector<Case> cases;
    const fs::path root = fs::u8path(ORNAVO_WINDOW_CASES);
    if (!fs::exists(root))
        return cases;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".recipe")
            continue;
        fs::path expected = entry.path();
        expected.replace_extension(".expected");
        cases.push_back(
            {fs::relative(entry.path(), root).replace_extension().generic_string(), entry.path(), expected});
    }
    std::sort(cases.begin(), cases.end(), [](const Case& a, const Case& b) { return a.name < b.name; });
    return cases;
}

inline std::string slurp(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

inline std::string replaceAll(std::string text, const std::string& token, const std::string& value) {
    for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
    return text;
}

// ${NAME} → the address in effect; ${upper:NAME} → the same with its ASCII letters in capitals;
// anything else stays as it is.
inline std::string withAddresses(std::string text) {
    for (Address a : allAddresses()) {
        const std::string value = address(a);
        std::string upper = value;
        for (char& c : upper)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        text = replaceAll(std::move(text), std::string("${") + addressName(a) + "}", value);
        text = replaceAll(std::move(text), std::string("${upper:") + addressName(a) + "}", upper);
    }
    return text;
}

// Control characters made visible, so that a missing CR or TAB shows in the report.
inline std::string visible(const std::string& s) {
    std::string out;
    for (const char c : s) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

// Keeps a cut from splitting a UTF-8 sequence.
inline std::size_t toCharStart(const std::string& s, std::size_t at) {
    while (at > 0 && at < s.size() && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80)
        --at;
    return at;
}

inline std::string around(const std::string& s, std::size_t at) {
    const std::size_t from = toCharStart(s, at > 60 ? at - 60 : 0);
    const std::size_t to = toCharStart(s, std::min(s.size(), at + 60));
    return visible(s.substr(from, at - from)) + "⟦" + visible(s.substr(at, to - at)) + "⟧";
}

// Empty when equal; otherwise where the first difference is, with what stands around it on both sides.
inline std::string firstDifference(const std::string& expected, const std::string& actual) {
    if (expected == actual)
        return {};
    const auto mismatch = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const std::size_t at = static_cast<std::size_t>(mismatch.first - expected.begin());
    const std::size_t line = static_cast<std::size_t>(std::count(expected.begin(), mismatch.first, '\n')) + 1;
    std::ostringstream report;
    report << "first difference at byte " << at << " (line " << line << "; expected " << expected.size()
           << " bytes, got " << actual.size() << ")\n  expected: " << around(expected, at)
           << "\n  actual:   " << around(actual, at);
    return report.str();
}

// A case's name as a test's name: "F10/defaults" → "F10_defaults".
inline std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = info.param.name;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

inline void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

} // namespace ornavo::testing
