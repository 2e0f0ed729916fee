// ornavo-gen itself, as a separate program, on every whole-markup case: the recipe named as a file,
// given on standard input from a file (`run - < FILE`), and through a pipe (`cat FILE | … run -`).
// The bytes that reach standard output must be the expected ones on every system: no line end
// translated, nothing ended early by a byte that a text-mode stream would take for the end of input.
// Then names and folders in Chinese, as Windows users have them.

#include "framework/model/preview_page.h"
#include "support/process.h"
#include "support/test_support.h"
#include "support/window_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

Finished gen(Launch launch) {
    return runProgram(ORNAVO_GEN, launch);
}

Launch runFile(const std::string& path) {
    Launch l;
    l.args = {"run", path};
    return l;
}

Launch runRedirected(const std::string& path) {
    Launch l;
    l.args = {"run", "-"};
    l.input = Launch::Input::File;
    l.inputFile = path;
    return l;
}

Launch runPiped(const std::string& bytes) {
    Launch l;
    l.args = {"run", "-"};
    l.input = Launch::Input::Pipe;
    l.inputBytes = bytes;
    return l;
}

class GenCase : public ::testing::TestWithParam<Case> {};

// A folder of the test's own; removed at the end.
class Scratch : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = scratchFolder("gen");
        ASSERT_FALSE(folder.empty());
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(fs::u8path(folder), ignored);
    }
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = (fs::u8path(folder) / fs::u8path(name)).u8string();
        std::ofstream(fs::u8path(path), std::ios::binary) << bytes;
        return path;
    }
    std::string folder;
};

} // namespace

TEST_P(GenCase, PrintsTheExpectedBytesFromAFileARedirectAndAPipe) {
    const Case& c = GetParam();
    const std::string expected = withAddresses(slurp(c.expected));
    const std::string recipe = c.recipe.u8string();
    const struct {
        const char* how;
        Launch launch;
    } ways[] = {
        {"run FILE", runFile(recipe)},
        {"run - < FILE", runRedirected(recipe)},
        {"cat FILE | run -", runPiped(slurp(c.recipe))},
    };
    for (const auto& way : ways) {
        const Finished r = gen(way.launch);
        EXPECT_EQ(r.status, 0) << way.how << "\n" << r.err;
        const std::string difference = firstDifference(expected, r.out);
        EXPECT_TRUE(difference.empty()) << c.name << " (" << way.how << "): " << difference;
    }
}

INSTANTIATE_TEST_SUITE_P(Recipes, GenCase, ::testing::ValuesIn(allCases()), caseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GenCase);

// Control bytes are text like any other: a Ctrl-Z (the end of input for a text-mode stream on
// Windows), CR LF, CR and TAB arrive and leave unchanged, however the recipe comes.
using GenBytes = Scratch;
TEST_F(GenBytes, ControlBytesPassThroughEveryWay) {
    const std::string recipe =
        "open F03\r\nset 编辑框_海报宽度 12\x1A"
        "34\\r\\n\\t\r\nshow 编辑框_海报宽度\nset 编辑框_海报高度 \x1A\x1A\rshow 编辑框_海报高度\n";
    const std::string expected = "12\x1A"
                                 "34\r\n\t\n\x1A\x1A\n";
    const std::string path = write("ctrl-z.recipe", recipe);
    for (const Launch& launch : {runFile(path), runRedirected(path), runPiped(recipe)}) {
        const Finished r = gen(launch);
        EXPECT_EQ(r.status, 0) << launch.args[1] << "\n" << r.err;
        EXPECT_EQ(r.out, expected) << launch.args[1];
    }
}

// A recipe whose name and folder are Chinese (with a blank): run, saved, and named in a message.
TEST_F(GenBytes, ChineseFileNamesWork) {
    fs::create_directory(fs::u8path(folder + "/店铺 设置"));
    const std::string recipe = write("店铺 设置/全屏海报 配方.recipe", "open F03\nset 编辑框_海报高度 旺铺\n"
                                                                       "show 编辑框_海报高度\n");
    const Finished run = gen(runFile(recipe));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "旺铺\n");

    Launch save;
    save.args = {"save", recipe};
    const Finished saved = gen(save);
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(saved.out.find("set 编辑框_海报高度 旺铺\n"), std::string::npos) << saved.out;

    const std::string missing = folder + "/店铺 设置/没有的.recipe";
    const Finished failed = gen(runFile(missing));
    EXPECT_EQ(failed.status, 2);
    EXPECT_NE(failed.err.find("cannot read " + missing + ": "), std::string::npos) << failed.err;
}

// The temporary folder in Chinese: the preview page goes there, as the model writes it, and a piped
// recipe is kept there meanwhile.
TEST_F(GenBytes, AChineseTemporaryFolderTakesThePreviewAndThePipe) {
    const std::string temporary = pathInFolder(folder, "临时 文件");
    fs::create_directory(fs::u8path(temporary));
    const std::string recipe = "open F03\nset 编辑框_海报高度 预览\npress 按钮_全屏海报一键生成\n"
                               "press 按钮_全屏海报在线预览\nprint\n";
    Launch launch = runPiped(recipe);
    launch.environment = temporaryFolderIs(temporary);
    const Finished r = gen(launch);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string page = pathInFolder(pathInFolder(temporary, "ornavo"), kPreviewFileName);
    EXPECT_EQ(r.err, "preview: " + page + "\n");
    std::ifstream file(fs::u8path(page), std::ios::binary);
    ASSERT_TRUE(file) << page;
    const std::string written((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(written, previewPageBytes(r.out).value());
    EXPECT_NE(written.find("\xD4\xA4\xC0\xC0"), std::string::npos); // "预览" in GBK
}
