// Reading a recipe as editors write it (byte-order mark, any line end), rejecting text that is not
// UTF-8, error messages that stay short and harmless, and the status of a run whose preview failed.

#include "support/test_support.h"

#include "framework/recipe.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

RecipeResult runWithWriter(const std::string& recipe, RecipeRunner::PreviewWriter writer) {
    Session session;
    RecipeRunner runner(moduleRegistry(), session);
    runner.setPreviewWriter(std::move(writer));
    std::istringstream in(recipe);
    std::ostringstream out, err;
    RecipeResult r;
    r.status = runner.run(in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

} // namespace

TEST(RecipeReading, ByteOrderMarkAndEveryLineEnd) {
    const std::string lines[] = {"# poster",
                                 "open F03",
                                 "",
                                 "set 编辑框_海报高度 42",
                                 "show 编辑框_海报高度",
                                 "set 编辑框_链接地址 a\\r\\nb",
                                 "show 编辑框_链接地址"};
    const std::string expected = "42\na\r\nb\n";
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        for (const std::string end : {"\n", "\r\n", "\r"}) {
            std::string recipe = bom;
            for (const std::string& line : lines)
                recipe += line + end;
            const RecipeResult r = runRecipe(recipe);
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.out, expected) << "bom " << bom.size() << " end " << end.size();
            // Without an end after the last line as well.
            recipe.erase(recipe.size() - end.size());
            EXPECT_EQ(runRecipe(recipe).out, expected);
        }
    }
    // Mixed line ends count lines the same way; a mark anywhere but at the start is text of its line.
    const RecipeResult mixed = runRecipe("open F03\r\n\rshow 编辑框_海报高度\n\r\n\xEF\xBB\xBFprint\n");
    EXPECT_EQ(mixed.status, 2);
    EXPECT_NE(mixed.err.find("recipe line 5: unknown action \xEF\xBB\xBFprint"), std::string::npos)
        << mixed.err;
}

TEST(RecipeReading, TextThatIsNotUtf8StopsTheRun) {
    const std::string bad[] = {
        "\xB1\xA6\xB1\xB4", // GBK, not UTF-8
        "ab\x80",           // a lone continuation byte
        "\xE5\xAE",         // cut short at the end of the line
        "\xC0\xAF",         // overlong
        "\xED\xA0\x80",     // a surrogate
        "\xF4\x90\x80\x80", // beyond U+10FFFF
    };
    for (const std::string& text : bad) {
        const RecipeResult r = runRecipe("open F03\nset 编辑框_海报高度 " + text + "\nprint\n");
        EXPECT_EQ(r.status, 2) << text;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("recipe line 2: the text for 编辑框_海报高度 is not UTF-8: "), std::string::npos)
            << r.err;
    }
    // Valid text of every length passes, four-byte characters included.
    const RecipeResult good = runRecipe("open F03\nset 编辑框_海报高度 é宝😀\nshow 编辑框_海报高度\n");
    EXPECT_EQ(good.status, 0) << good.err;
    EXPECT_EQ(good.out, "é宝😀\n");
}

TEST(RecipeReading, ErrorsQuoteAShortEscapedPrefix) {
    struct Case {
        std::string recipe, message;
    };
    std::string fortyEscapes;
    for (int i = 0; i < 40; ++i)
        fortyEscapes += "\\xFF";
    const Case cases[] = {
        {"open F03\x1B[2J\n", "recipe line 1: no module F03\\x1B[2J\n"},
        {"open F03\npress 按钮\t\x7F\n", "recipe line 2: the window has no button 按钮\\t\\x7F\n"},
        {"open F03\npick 组合框_店铺类型 \xC2\x85x\n",
         "recipe line 2: list 组合框_店铺类型 has no entry \\u0085x\n"},
        {std::string(5000, 'z') + "\n", "recipe line 1: unknown action " + std::string(40, 'z') + "…\n"},
        {"open F03\nset 编辑框_海报高度 " + std::string(100, '\xFF') + "\n",
         "recipe line 2: the text for 编辑框_海报高度 is not UTF-8: " + fortyEscapes + "…\n"},
    };
    for (const Case& c : cases) {
        const RecipeResult r = runRecipe(c.recipe);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.message);
    }
}

TEST(RecipeReading, ExcerptsOfText) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"plain 文字", "plain 文字"},
        {"a\tb\rc\nd\x01\x1F\x7F", "a\\tb\\rc\\nd\\x01\\x1F\\x7F"},
        {"\xE5\xAE", "\\xE5\\xAE"},
        {std::string(40, 'a'), std::string(40, 'a')},
        {std::string(41, 'a'), std::string(40, 'a') + "…"},
        {"宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝X",
         "宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝宝贝…"},
    };
    for (const auto& [text, excerpt] : cases)
        EXPECT_EQ(recipeExcerpt(text), excerpt) << text;
    EXPECT_EQ(recipeExcerpt("abcdef", 3), "abc…");
}

TEST(RecipePreview, AFailedPreviewPrintsAllAndEndsWithThree) {
    const std::string recipe =
        "open F03\npress 按钮_全屏海报在线预览\nset 编辑框_海报高度 7\nshow 编辑框_海报高度\n";
    const RecipeResult failed = runWithWriter(recipe, [](const std::string&) -> std::string {
        throw std::runtime_error("cannot write the preview page in /nowhere");
    });
    EXPECT_EQ(failed.status, RecipeRunner::kPreviewFailed);
    EXPECT_EQ(failed.status, 3);
    EXPECT_EQ(failed.out, "7\n");
    EXPECT_EQ(failed.err, "preview failed: cannot write the preview page in /nowhere\n");

    // No writer at all is a failed preview too; a written one is not.
    EXPECT_EQ(runRecipe(recipe).status, 3);
    const RecipeResult written =
        runWithWriter(recipe, [](const std::string&) { return std::string("/tmp/x/test.html"); });
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.err, "preview: /tmp/x/test.html\n");

    // A recipe error afterwards still stops the run with 2 and nothing printed.
    const RecipeResult both = runWithWriter(recipe + "frobnicate\n", [](const std::string&) -> std::string {
        throw std::runtime_error("no room");
    });
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.out, "");
}
