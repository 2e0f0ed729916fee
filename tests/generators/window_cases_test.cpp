// Whole markup as data: every windows/<KEY>/<case>.recipe runs through the recipe runner (the engine
// of `ornavo-gen run`), and what it prints must be <case>.expected, byte for byte. The window each case
// leaves is also saved and reopened, and must then generate the same. In an expected file
// ${NAME} stands for the address NAME in effect (${MAKER_SERVER}, ${PLACEHOLDER_GIF_URL}, …), so the
// cases hold whatever the build or the environment chose.

#include "framework/model/constants.h"
#include "framework/model/settings_reader.h"
#include "framework/model/settings_writer.h"
#include "support/test_support.h"
#include "support/window_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

class WindowCase : public ::testing::TestWithParam<Case> {};

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
    const std::optional<std::string> before =
        setEnvironment("ORNAVO_MAKER_SHOP_ADDRESS", "Shop-9.example.com/é");
    const std::string replaced = withAddresses("(${upper:MAKER_SHOP_ADDRESS}|${MAKER_SHOP_ADDRESS})");
    setEnvironment("ORNAVO_MAKER_SHOP_ADDRESS", before);
    EXPECT_EQ(replaced, "(SHOP-9.EXAMPLE.COM/é|Shop-9.example.com/é)");
    EXPECT_EQ(withAddresses("${upper:NOT_AN_ADDRESS}"), "${upper:NOT_AN_ADDRESS}");
}
