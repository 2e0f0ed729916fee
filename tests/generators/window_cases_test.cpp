// Whole markup as data: every windows/<KEY>/<case>.recipe runs through the recipe runner (the engine
// of `ornavo-gen run`), and what it prints must be <case>.expected, byte for byte. The window each case
// leaves is also saved and reopened, and must then generate the same. In an expected file
// ${NAME} stands for the address NAME in effect (${MAKER_SERVER}, ${PLACEHOLDER_GIF_URL}, …), so the
// cases hold whatever the build or the environment chose.

#include "framework/model/constants.h"
#include "framework/model/settings_reader.h"
#include "framework/model/settings_writer.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;
using namespace ornavo;
using namespace ornavo::testing;

namespace {

struct Case {
    std::string name; // "F10/defaults"
    fs::path recipe;
    fs::path expected;
};

std::vector<Case> allCases() {
    std::vector<Case> cases;
    const fs::path root(ORNAVO_WINDOW_CASES);
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

std::string slurp(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

std::string replaceAll(std::string text, const std::string& token, const std::string& value) {
    for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
    return text;
}

// ${NAME} → the address in effect; ${upper:NAME} → the same with its ASCII letters in capitals;
// anything else stays as it is.
std::string withAddresses(std::string text) {
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
std::string visible(const std::string& s) {
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
std::size_t toCharStart(const std::string& s, std::size_t at) {
    while (at > 0 && at < s.size() && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80)
        --at;
    return at;
}

std::string around(const std::string& s, std::size_t at) {
    const std::size_t from = toCharStart(s, at > 60 ? at - 60 : 0);
    const std::size_t to = toCharStart(s, std::min(s.size(), at + 60));
    return visible(s.substr(from, at - from)) + "⟦" + visible(s.substr(at, to - at)) + "⟧";
}

// Empty when equal; otherwise where the first difference is, with what stands around it on both sides.
std::string firstDifference(const std::string& expected, const std::string& actual) {
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

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class WindowCase : public ::testing::TestWithParam<Case> {};

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = info.param.name;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

} // namespace

TEST_P(WindowCase, PrintsExactlyTheExpectedBytes) {
    const Case& c = GetParam();
    ASSERT_TRUE(fs::exists(c.expected)) << c.expected << " is missing";
    const RecipeResult r = runRecipe(slurp(c.recipe));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string difference = firstDifference(withAddresses(slurp(c.expected)), r.out);
    EXPECT_TRUE(difference.empty()) << c.name << ": " << difference;
}

// The window each case leaves, saved and reopened: in a window whose variables hold something else
// (Ctrl+O, the recent files, the kept texts and a hand-over all read a file that way) it shows the same
// and every generate button gives the same as in the saved window, its variables included; and
// `ornavo-gen run` of the file, with every generate button pressed after it, prints the same.
TEST_P(WindowCase, SavedAndReopenedGeneratesTheSame) {
    const Case& c = GetParam();
    Session session;
    RecipeRunner runner(moduleRegistry(), session);
    std::istringstream recipe(slurp(c.recipe));
    std::ostringstream out, err;
    ASSERT_EQ(runner.run(recipe, out, err), 0) << err.str();
    const Form* saved = runner.form();
    ASSERT_NE(saved, nullptr);
    const ModuleSpec& module = saved->module();
    const std::string text = settingsText(*saved, moduleRegistry());

    WindowVariables other;
    for (const std::string& name : windowVariables(module))
        other[name] = "from an earlier window";
    OpenWindow reopened(module.key, &other);
    const SettingsRead read = readSettings(text, module, moduleRegistry());
    ASSERT_TRUE(read) << read.failure().message << "\n" << text;
    applySettings(reopened.form(), *read);
    EXPECT_TRUE(reopened.form().snapshot() == saved->snapshot()) << text;
    for (const std::string& name : windowVariables(module))
        EXPECT_EQ(reopened.form().var(name), saved->var(name)) << name << "\n" << text;
    std::string presses, printed = saved->code();
    for (const Button* b : allButtons(module))
        if (b->action == Action::Generate) {
            EXPECT_EQ(b->generate(reopened.form()), b->generate(*saved)) << b->name << "\n" << text;
            presses += "press " + b->name + "\nprint\n";
            printed += b->generate(*saved);
        }

    const RecipeResult run = runRecipe(text + presses);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(firstDifference(printed, run.out).empty()) << firstDifference(printed, run.out) << "\n"
                                                           << text;
}

INSTANTIATE_TEST_SUITE_P(Recipes, WindowCase, ::testing::ValuesIn(allCases()), caseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(WindowCase);

// The report itself: a case that differs must say where.
TEST(WindowCaseReport, NamesTheFirstDifferingByteWithItsLine) {
    EXPECT_EQ(firstDifference("a\r\nb", "a\r\nb"), "");
    const std::string report = firstDifference("<a>\r\n<b>\r\n", "<a>\r\n<b>\n");
    EXPECT_NE(report.find("byte 8 (line 2;"), std::string::npos) << report;
    EXPECT_NE(report.find("<b>⟦\\r\\n⟧"), std::string::npos) << report;
    EXPECT_NE(firstDifference("abc", "ab").find("byte 2"), std::string::npos);
    EXPECT_EQ(withAddresses("x${MAKER_SERVER}y${NOT_AN_ADDRESS}"),
              "x" + makerServer() + "y${NOT_AN_ADDRESS}");
}

TEST(WindowCaseAddresses, UpperFormCapitalisesTheAddressInEffect) {
    const char* const variable = "ORNAVO_MAKER_SHOP_ADDRESS";
    const char* const before = std::getenv(variable);
    const std::string saved = before ? before : "";
    ::setenv(variable, "Shop-9.example.com/é", 1);
    const std::string replaced = withAddresses("(${upper:MAKER_SHOP_ADDRESS}|${MAKER_SHOP_ADDRESS})");
    if (before)
        ::setenv(variable, saved.c_str(), 1);
    else
        ::unsetenv(variable);
    EXPECT_EQ(replaced, "(SHOP-9.EXAMPLE.COM/é|Shop-9.example.com/é)");
    EXPECT_EQ(withAddresses("${upper:NOT_AN_ADDRESS}"), "${upper:NOT_AN_ADDRESS}");
}
