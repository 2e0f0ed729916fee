// ornavo-gen as a user runs it: exit status, what reaches stdout and stderr.

#ifndef _WIN32
#include "cli/cli_support.h" // the shell drives ornavo-gen in a test of pipes
#include <sys/stat.h>
#endif
#include "framework/model/settings_writer.h"
#include "framework/model/version.h"
#include "support/process.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#ifndef _WIN32
#include <array>
#include <sys/wait.h>
#endif

using ornavo::testing::Environment;
using ornavo::testing::Finished;
using ornavo::testing::Launch;

namespace {

// Runs ornavo-gen with the arguments; standard input from `input` (a file) when given.
Finished gen(std::vector<std::string> args, const std::string& input = {},
             const Environment& environment = {}) {
    Launch launch;
    launch.args = std::move(args);
    if (!input.empty()) {
        launch.input = Launch::Input::File;
        launch.inputFile = input;
    }
    launch.environment = environment;
    return ornavo::testing::runProgram(ORNAVO_GEN, launch);
}

Finished genPiped(std::vector<std::string> args, const std::string& bytes,
                  const Environment& environment = {}) {
    Launch launch;
    launch.args = std::move(args);
    launch.input = Launch::Input::Pipe;
    launch.inputBytes = bytes;
    launch.environment = environment;
    return ornavo::testing::runProgram(ORNAVO_GEN, launch);
}

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

std::string tempPath(const std::string& name) {
    return ::testing::TempDir() + "ornavo-cli-" + name;
}

} // namespace

TEST(OrnavoGen, ListsModulesAsKeyTabCaption) {
    const Finished r = gen({"list"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("F03\t全屏海报\n"), std::string::npos);
}

TEST(OrnavoGen, DescribesEveryControl) {
    const Finished r = gen({"describe", "F03"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("field\t模块设置/1\t编辑框_海报宽度\t海报宽度：\t1920\n"), std::string::npos);
    EXPECT_NE(r.out.find("list\t模块设置/1\t组合框_店铺类型\t店铺类型：\t\t集市店铺\t天猫店铺\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("field\t模块设置/3\t编辑框_链接地址\t"), std::string::npos);
    EXPECT_NE(r.out.find("button\t按钮/5\t按钮_全屏海报退出\t退出\texit\n"), std::string::npos);
    EXPECT_EQ(gen({"describe", "F77"}).status, 2);
}

TEST(OrnavoGen, ConstantsShowOverrides) {
    const Finished r = gen({"constants"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\nMAKER_SERVER="), std::string::npos);
    const Finished overridden =
        gen({"constants"}, {}, {{"ORNAVO_MARKET_HOME_URL", "http://example.invalid/店"}});
    EXPECT_NE(overridden.out.find("MARKET_HOME_URL=http://example.invalid/店\n"), std::string::npos);
    EXPECT_EQ(r.out.find("example.invalid"), std::string::npos);
}

TEST(OrnavoGen, RunsARecipeFromAFileOrStdin) {
    const std::string recipe = tempPath("ok.txt");
    std::ofstream(recipe) << "open F03\nset 编辑框_海报高度 42\nshow 编辑框_海报高度\n";
    EXPECT_EQ(gen({"run", recipe}).out, "42\n");
    const Finished fromStdin = gen({"run", "-"}, recipe);
    EXPECT_EQ(fromStdin.status, 0);
    EXPECT_EQ(fromStdin.out, "42\n");
}

TEST(OrnavoGen, FailuresExitWithTwoAndLeaveStdoutEmpty) {
    const std::string recipe = tempPath("bad.txt");
    std::ofstream(recipe) << "open F03\npress 按钮_全屏海报一键生成\nprint\npick 组合框_店铺类型 外星店铺\n";
    const Finished r = gen({"run", recipe});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("recipe line 4"), std::string::npos);

    EXPECT_EQ(gen({"run", tempPath("missing.txt")}).status, 2);
    EXPECT_EQ(gen({}).status, 2);
    EXPECT_EQ(gen({"bogus"}).status, 2);
}

TEST(OrnavoGen, AFailedPreviewExitsWithThreeAfterPrinting) {
    // A plain file where the preview folder should be: the page cannot be written.
    const std::string runtime = ornavo::testing::scratchFolder("cli-runtime");
    ASSERT_FALSE(runtime.empty());
    std::ofstream(runtime + "/ornavo") << "in the way";
    const std::string recipe = tempPath("preview.txt");
    std::ofstream(recipe)
        << "\xEF\xBB\xBFopen F03\r\npress 按钮_全屏海报在线预览\r\nshow 编辑框_海报高度\r\n";
    const Finished r = gen({"run", recipe}, {}, ornavo::testing::temporaryFolderIs(runtime));
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "500\n");
    EXPECT_EQ(r.err.rfind("preview failed: ", 0), 0u) << r.err;
    std::filesystem::remove_all(runtime);
}

// What a window saves, ornavo-gen runs: it prints the code the window showed, for every window.
TEST(OrnavoGen, RunsEveryWindowsSavedSettings) {
    for (const ornavo::ModuleSpec& module : ornavo::moduleRegistry().all()) {
        ornavo::testing::OpenWindow w(module.key);
        ornavo::testing::fillDistinct(w.form());
        w.press(ornavo::testing::generateButtons(module).front());
        const std::string file = tempPath("saved-" + module.key + ".ornavo");
        std::ofstream(file, std::ios::binary) << ornavo::settingsText(w.form(), ornavo::moduleRegistry());
        const Finished r = gen({"run", file});
        EXPECT_EQ(r.status, 0) << module.key;
        EXPECT_EQ(r.out, w.form().code()) << module.key;
    }
}

// `save` writes the settings of the window a recipe leaves open; they run to the same code.
TEST(OrnavoGen, SavesTheSettingsARecipeLeaves) {
    const std::string recipe = tempPath("to-save.txt");
    std::ofstream(recipe) << "open F03\nset 编辑框_海报宽度 1000\npick 组合框_店铺类型 集市店铺\n"
                             "set 编辑框_海报宽度 1200\npress 按钮_全屏海报一键生成\nprint\n";
    const Finished saved = gen({"save", recipe});
    EXPECT_EQ(saved.status, 0);
    EXPECT_EQ(saved.out.rfind("# Ornavo ", 0), 0u) << saved.out;
    const std::string file = tempPath("saved.ornavo");
    std::ofstream(file, std::ios::binary) << saved.out;
    EXPECT_EQ(gen({"run", file}).out, gen({"run", recipe}).out);

    std::ofstream(recipe) << "open F03\nclose\n";
    EXPECT_EQ(gen({"save", recipe}).status, 2);
}

// `save` prints nothing that the window or `run` would refuse: settings over the 1 MiB a settings file
// may hold, also where only their escapes take them over it, end with status 2 and a message.
TEST(OrnavoGen, SavesNothingTheWindowWouldRefuse) {
    for (const std::string& text : {std::string(8 << 20, 'x'), std::string(600 << 10, '\t')}) {
        const std::string recipe = tempPath("save-large.txt");
        {
            std::ofstream file(recipe, std::ios::binary);
            file << "open F03\nset 编辑框_链接地址 ";
            for (const char c : text)
                file << (c == '\t' ? "\\t" : "x");
            file << "\npress 按钮_全屏海报一键生成\n";
        }
        const Finished r = gen({"save", recipe});
        EXPECT_EQ(r.status, 2) << text.size();
        EXPECT_EQ(r.out, "") << text.size();
        EXPECT_NE(r.err.find("more than the 1048576 (1 MiB) a settings file may hold"), std::string::npos)
            << r.err;
        EXPECT_NE(r.err.find("nothing written"), std::string::npos);
    }
}

#ifndef _WIN32
// Settings that carry window variables and escaped control characters run to the same code from a
// file, a pipe, a process substitution and a named pipe alike (through the shell: POSIX only).
TEST(OrnavoGen, RunsSavedSettingsFromFilesAndPipes) {
    ornavo::testing::OpenWindow w("F03");
    w.form().pickEntry("组合框_店铺类型", "集市店铺");
    w.form().setText("编辑框_海报宽度", "1000");
    w.form().setText("编辑框_链接地址", "http://x/\x1b[0m\xE2\x80\xA8");
    w.press("按钮_全屏海报一键生成");
    const std::string file = tempPath("variables.ornavo");
    std::ofstream(file, std::ios::binary) << ornavo::settingsText(w.form(), ornavo::moduleRegistry());
    ASSERT_NE(slurp(file).find("\nvar inner style = "), std::string::npos);
    const std::string fifo = tempPath("variables.fifo");
    std::remove(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& args : {"run " + file, "run - < " + file, "run <(cat " + file + ")",
                                    "run " + fifo + " & cat " + file + " > " + fifo + "; wait"}) {
        const ornavo::testing::GenRun r =
            ornavo::testing::gen("", "/dev/null", "bash -c '" + std::string(ORNAVO_GEN) + " " + args + "' #");
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_EQ(r.out, w.form().code()) << args;
    }
    std::remove(fifo.c_str());
}
#endif

TEST(OrnavoGen, HelpAndVersionGoToStdout) {
    const Finished version = gen({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("ornavo-gen ") + ornavo::programVersion() + "\n");
    for (const char* option : {"--help", "-h"}) {
        const Finished help = gen({option});
        EXPECT_EQ(help.status, 0) << option;
        EXPECT_EQ(help.out.rfind("usage: ornavo-gen ", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("run FILE|-"), std::string::npos);
    }
}

// Every failure: its status, one line on stderr, nothing on stdout.
TEST(OrnavoGen, EveryFailureIsOneLineAndAStatus) {
    const std::string folder = tempPath("folder");
    std::filesystem::create_directories(folder);
    const std::string recipe = tempPath("print.txt");
    std::ofstream(recipe) << "open F03\npress 按钮_全屏海报一键生成\nprint\n";
    const std::string bad = tempPath("failing.txt");
    std::ofstream(bad) << "open F03\npress 按钮_全屏海报一键生成\nprint\nfrobnicate\n";
    struct Case {
        std::vector<std::string> args;
        std::string piped; // the recipe file that comes through a pipe, if any
        Environment environment;
        std::string message;
        int status;
    };
    const Case cases[] = {
        {{"run", folder}, "", {}, "Is a directory", 2},
        {{"run", tempPath("missing.txt")},
         "",
         {},
         "cannot read " + tempPath("missing.txt") + ": No such file",
         2},
        {{"run", bad}, "", {}, "recipe line 4: unknown action frobnicate", 2},
        {{"run", "-"}, bad, {}, "recipe line 4: unknown action frobnicate", 2},
        // A recipe from a pipe is kept in a temporary file until it has been checked.
        {{"run", "-"},
         recipe,
         ornavo::testing::temporaryFolderIs(tempPath("no-such-folder")),
         "cannot keep a copy of the recipe: ",
         2},
        {{}, "", {}, "usage: ornavo-gen ", 2},
        {{"--help", "extra"}, "", {}, "usage: ornavo-gen ", 2},
    };
    for (const Case& c : cases) {
        const Finished r = c.piped.empty() ? gen(c.args, {}, c.environment)
                                           : genPiped(c.args, slurp(c.piped), c.environment);
        const std::string what = c.args.empty() ? "(nothing)" : c.args[0] + " " + c.args.back();
        EXPECT_EQ(r.status, c.status) << what << "\n" << r.err;
        EXPECT_EQ(r.out, "") << what;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << what << "\n" << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << what << "\n" << r.err;
    }
}

#ifndef _WIN32
// What needs a POSIX shell (a folder as standard input, /dev/full, a memory limit): built only there,
// through the shell (cli_support.h).

TEST(OrnavoGen, OutputThatCannotBeWrittenOrAFolderAsInputFails) {
    const std::string folder = tempPath("folder");
    std::filesystem::create_directories(folder);
    const std::string recipe = tempPath("print.txt");
    std::ofstream(recipe) << "open F03\npress 按钮_全屏海报一键生成\nprint\n";
    const std::string full = "No space left on device";
    const struct {
        std::string before, args, message;
        int status;
    } cases[] = {
        {"", "run - < " + folder, "cannot read the recipe: Is a directory", 2},
        {"", "run " + recipe + " > /dev/full", "cannot write the output: " + full, 1},
        {"cat " + recipe + " | ", "run - > /dev/full", "cannot write the output: " + full, 1},
        {"", "list > /dev/full", "cannot write the output: " + full, 1},
        {"", "describe F03 > /dev/full", "cannot write the output: " + full, 1},
        {"", "constants > /dev/full", "cannot write the output: " + full, 1},
        {"", "--version > /dev/full", "cannot write the output: " + full, 1},
    };
    const std::string err = tempPath("failure.err");
    for (const auto& c : cases) {
        const auto r = ornavo::testing::gen(c.args, err, c.before);
        const std::string message = slurp(err);
        EXPECT_EQ(r.status, c.status) << c.before << c.args << "\n" << message;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_NE(message.find(c.message), std::string::npos) << c.before << c.args << "\n" << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << c.before << c.args << "\n" << message;
    }
}

// The output goes out as the recipe asks for it: 3,000 prints of a 27 KB code box (80 MB) run within
// 64 MB of address space, and every byte arrives, also when the recipe comes through a pipe.
TEST(OrnavoGen, OutputIsStreamedInBoundedMemory) {
    const std::string once = tempPath("once.txt");
    std::ofstream(once) << "open F20\npress 按钮_F20专业版代码\nprint\n";
    const std::size_t codeSize = ornavo::testing::gen("run " + once).out.size();
    ASSERT_GT(codeSize, 20000u);
    const std::string recipe = tempPath("prints.txt");
    {
        std::ofstream file(recipe);
        file << "open F20\npress 按钮_F20专业版代码\n";
        for (int i = 0; i < 3000; ++i)
            file << "print\n";
    }
    const std::string output = tempPath("prints.out");
    for (const std::string& source : {recipe, std::string("-")}) {
        const std::string before = "ulimit -v 65536; " + (source == "-" ? "cat " + recipe + " | " : "");
        const auto r = ornavo::testing::gen("run " + source + " > " + output, "/dev/null", before);
        EXPECT_EQ(r.status, 0) << source;
        EXPECT_EQ(std::filesystem::file_size(output), 3000 * codeSize) << source;
        std::filesystem::remove(output);
    }
}
#endif
