// ornavo-gen's page commands as a user runs them: every module prints what its settings alone print,
// the check's report and status, the preview file, and bad input that leaves every file as it was.

#include "cli/cli_support.h"
#include "support/page_support.h"

#include "framework/model/page.h"
#include "framework/model/platform.h"
#include "framework/model/sha256.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

// One module as `page` prints it: its head line's fields and the code after it.
struct Printed {
    std::size_t number = 0;
    std::string area, key, label, code;
};

std::vector<Printed> printed(const std::string& out) {
    std::vector<Printed> modules;
    std::size_t at = 0;
    while (at < out.size()) {
        const std::size_t end = out.find('\n', at);
        std::istringstream head(out.substr(at, end - at));
        std::string mark;
        std::size_t bytes = 0;
        Printed p;
        head >> mark >> p.number >> p.area >> p.key >> bytes;
        std::getline(head >> std::ws, p.label);
        EXPECT_EQ(mark, "===") << out.substr(at, 80);
        if (mark != "===" || end == std::string::npos)
            break;
        p.code = out.substr(end + 1, bytes);
        at = end + 1 + bytes;
        EXPECT_EQ(out.substr(at, 1), "\n") << "after module " << p.number;
        ++at;
        modules.push_back(std::move(p));
    }
    return modules;
}

std::string write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// A folder of the test's own, emptied first.
std::string folder(const std::string& name) {
    const std::string path = tempPath(name);
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
    std::filesystem::create_directories(path);
    return path;
}

// The line of the page file that starts with `text`.
int lineOf(const std::string& file, const std::string& text) {
    std::istringstream in(slurp(file));
    std::string line;
    for (int n = 1; std::getline(in, line); ++n)
        if (line.rfind(text, 0) == 0)
            return n;
    return 0;
}

} // namespace

// Every window's saved settings, embedded or linked, some hidden: `page` prints each shown module's
// code exactly as `run` of its settings alone prints it; the second of two backgrounds with different
// radio buttons too, although the two run one after the other print something else.
TEST(PageCommand, PrintsEachModuleAsItsSettingsAlonePrint) {
    const std::string dir = folder("page-all");
    const std::string page = dir + "/home.ornavo-page";
    std::vector<std::string> files, linked;
    for (const ModuleSpec& module : registry().all()) {
        OpenWindow w(module.key);
        fillDistinct(w.form());
        w.press(generateButtons(module).back());
        const std::string file =
            write(dir + "/" + module.key + ".ornavo", settingsText(w.form(), registry()));
        (module.key.back() % 4 == 3 ? linked : files).push_back(file);
    }
    const std::string fixed =
        write(dir + "/fixed.ornavo", "open F06\nchoose 单选框_悬浮固定\npress 按钮_F06一键生成\nprint\n");
    const std::string none =
        write(dir + "/none.ornavo", "open F06\nset 编辑框_图片链接 b.jpg\npress 按钮_F06一键生成\nprint\n");
    const std::string again = dir + "/F15.ornavo";
    std::string args;
    for (const std::string& f : files)
        args += " " + f;
    ASSERT_EQ(gen("page-add " + page + args).status, 0);
    std::string linkArgs;
    for (const std::string& f : linked)
        linkArgs += " " + f;
    const GenRun added =
        gen("page-add " + page + " --link" + linkArgs + " " + fixed + " " + none + " " + again);
    ASSERT_EQ(added.status, 0);
    EXPECT_EQ(added.out.rfind("module " + std::to_string(files.size() + 1) + " ", 0), 0u) << added.out;

    // Some modules hidden by the board.
    PageResult<Page> read = readPageFile(page, registry());
    ASSERT_TRUE(read) << read.failure().english;
    for (std::size_t i = 0; i < read->modules.size(); i += 5)
        ASSERT_TRUE(setModuleHidden(*read, i, true));
    ASSERT_TRUE(writePageFile(page, *read));

    const GenRun r = gen("page " + page);
    ASSERT_EQ(r.status, 0);
    const std::vector<Printed> modules = printed(r.out);
    std::vector<std::string> order = files;
    order.insert(order.end(), linked.begin(), linked.end());
    order.insert(order.end(), {fixed, none, again});
    ASSERT_EQ(modules.size(), order.size() - (order.size() + 4) / 5);
    for (const Printed& p : modules) {
        SCOPED_TRACE(order[p.number - 1]);
        const PageModule& m = read->modules[p.number - 1];
        EXPECT_FALSE(m.hidden);
        EXPECT_EQ(p.key, m.key);
        EXPECT_EQ(p.area, areaWord(areasFor(m.key).front()));
        EXPECT_EQ(p.label, description(m.key).caption);
        const std::string alone = gen("run " + order[p.number - 1]).out;
        if (p.number == order.size())
            EXPECT_NE(p.code, alone) << "the second F15 shows the page's copy";
        else
            EXPECT_EQ(p.code, alone);
    }
    EXPECT_NE(modules.back().code.find("'.zfm01lpmb0339239-2'"), std::string::npos);
    const GenRun chained = gen("run - ", "/dev/null", "cat " + fixed + " " + none + " | ");
    EXPECT_NE(chained.out, gen("run " + fixed).out + gen("run " + none).out);
}

// --check: one line per finding naming the file and the module's line, the weights, a summary; status 1
// only when it found an error.
TEST(PageCommand, CheckNamesTheLineAndExitsOneOnAnError) {
    const std::string dir = folder("page-check");
    const std::string page = dir + "/nav.ornavo-page";
    const std::string background = write(dir + "/bg.ornavo", "open F06\npress 按钮_F06一键生成\nprint\n");
    const std::string bar = write(dir + "/bar.ornavo", settingsOf("F07"));
    ASSERT_EQ(gen("page-add " + page + " " + background + " " + bar).status, 0);
    const GenRun r = gen("page " + page + " --check");
    EXPECT_EQ(r.status, 1);
    const std::string line = std::to_string(lineOf(page, "module 1 F06 navigation"));
    EXPECT_EQ(r.out.rfind(
                  page + ":" + line +
                      ": error: module 1 (F06 店铺全屏背景): the navigation style is unfinished (1 \"(\", 1 "
                      "\"{\" still open at its end): it swallows module 2 (F07 店铺导航CSS生成模块)",
                  0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find(page + ":" + std::to_string(lineOf(page, "module 2 F07")) + ": warning: module 2"),
              std::string::npos);
    EXPECT_NE(r.out.find("\nmodule 1 navigation F06: " + std::to_string(gen("run " + background).out.size()) +
                         " bytes, 1 picture, 0 widgets\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\npage: 2 modules shown, 0 hidden; "), std::string::npos);
    EXPECT_NE(r.out.find("; 1 error, 1 warning, 0 notes\n"), std::string::npos);

    const std::string calm = dir + "/calm.ornavo-page";
    ASSERT_EQ(gen("page-add " + calm + " " + bar).status, 0);
    EXPECT_EQ(gen("page " + calm + " --check").status, 0);
}

// --paste-list and --preview.
TEST(PageCommand, ListsWhereCodeGoesAndWritesThePreview) {
    const std::string dir = folder("page-preview");
    const std::string page = dir + "/p.ornavo-page";
    const std::string sign = write(dir + "/sign.ornavo", settingsOf("F09"));
    const std::string grid = write(dir + "/grid.ornavo", settingsOf("F17"));
    ASSERT_EQ(gen("page-add " + page + " " + grid + " " + sign + " " + grid).status, 0);
    const GenRun list = gen("page " + page + " --paste-list");
    EXPECT_EQ(list.status, 0);
    const std::string gridBytes = std::to_string(gen("run " + grid).out.size());
    EXPECT_EQ(list.out, "1\tF17\t自定义内容区 1\tnot-copied\t" + gridBytes + "\t" +
                            description("F17").caption + "\n2\tF09\t店铺招牌\tnot-copied\t" +
                            std::to_string(gen("run " + sign).out.size()) + "\t" +
                            description("F09").caption + "\n3\tF17\t自定义内容区 2\tnot-copied\t" +
                            gridBytes + "\t" + description("F17").caption + "\n");

    const std::string err = dir + "/err";
    const GenRun preview = gen("page " + page + " --preview " + dir + "/out", err);
    EXPECT_EQ(preview.status, 0);
    EXPECT_EQ(preview.out, "");
    EXPECT_EQ(slurp(err), "preview: " + dir + "/out/page.html\n");
    EXPECT_EQ(slurp(dir + "/out/page.html").rfind("  <!DOCTYPE html>", 0), 0u);

    const GenRun blocked = gen("page " + page + " --preview " + grid, err);
    EXPECT_EQ(blocked.status, 3);
    EXPECT_EQ(slurp(err).rfind("preview failed: cannot write the page preview in " + grid, 0), 0u)
        << slurp(err);
}

// Links are kept relative to the page's folder; a linked file changed since is refused until
// page-relink takes it.
TEST(PageCommand, LinksAreTakenAsLinkedUntilRelinked) {
    const std::string dir = folder("page-links");
    std::filesystem::create_directories(dir + "/pages");
    std::filesystem::create_directories(dir + "/parts");
    const std::string page = dir + "/pages/home.ornavo-page";
    const std::string part = write(dir + "/parts/poster.ornavo", settingsOf("F03"));
    ASSERT_EQ(gen("page-add " + page + " --link " + part).status, 0);
    EXPECT_GT(lineOf(page, "link sha256:" + sha256Hex(slurp(part)) + " ../parts/poster.ornavo"), 0)
        << slurp(page);
    EXPECT_EQ(printed(gen("page " + page).out).at(0).code, gen("run " + part).out);

    write(part, settingsOf("F03", [](Form& f) { f.setText("编辑框_海报高度", "321"); }));
    const std::string err = dir + "/err";
    const GenRun changed = gen("page " + page, err);
    EXPECT_EQ(changed.status, 2);
    EXPECT_EQ(changed.out, "");
    EXPECT_EQ(slurp(err),
              "ornavo-gen: " + page + ": line " + std::to_string(lineOf(page, "module 1")) +
                  ": module 1 (F03 全屏海报): the linked settings file ../parts/poster.ornavo changed "
                  "since it was linked; check it, then take it with page-relink\n");
    EXPECT_EQ(gen("page-relink " + page + " 1").status, 0);
    EXPECT_EQ(printed(gen("page " + page).out).at(0).code, gen("run " + part).out);
    EXPECT_NE(gen("run " + part).out.find("321"), std::string::npos);
}

// Bad input: one line on stderr naming what and where, status 2, nothing on stdout, and every file as
// it was (a page that did not exist is not made).
TEST(PageCommand, BadInputWritesNothing) {
    const std::string dir = folder("page-bad");
    const std::string page = dir + "/p.ornavo-page";
    const std::string good = write(dir + "/good.ornavo", settingsOf("F03"));
    ASSERT_EQ(gen("page-add " + page + " " + good).status, 0);
    const std::string before = slurp(page);
    const std::string unknownField = write(dir + "/field.ornavo", "open F03\nset 编辑框_没有 1\nprint\n");
    const std::string noWindow = write(dir + "/none.ornavo", "print\n");
    const std::string unknownKey = write(dir + "/key.ornavo", "open F99\nprint\n");
    const std::string broken = write(dir + "/broken.ornavo-page", "module 1 F03 body\n");
    std::string full = slurp(page);
    for (std::size_t k = 2; k <= kPageModuleLimit; ++k)
        full += "\nmodule " + std::to_string(k) + " F03 body\nsettings\n| open F03\n| print\n";
    const std::string fullPage = write(dir + "/full.ornavo-page", full);
    const std::string huge = write(dir + "/huge.ornavo-page", std::string(kPageSizeLimit + 1, '#'));
    const std::string fresh = dir + "/fresh.ornavo-page";
    struct Case {
        std::string args, message;
    };
    const Case cases[] = {
        {"page-add " + page + " " + good + " " + unknownField,
         unknownField + ": module 3 (F03 全屏海报): settings: the window has no field 编辑框_没有"},
        {"page-add " + page + " " + noWindow, noWindow + ": not a settings file: it opens no module window"},
        {"page-add " + page + " " + unknownKey, unknownKey + ": no module F99"},
        {"page-add " + page + " " + dir + "/missing.ornavo", "cannot read " + dir + "/missing.ornavo: "},
        {"page-add " + page + " --area sign " + good, good + ": the code of F03 cannot stand in sign"},
        {"page-add " + page + " --area roof " + good, "--area takes sign, navigation, body or side"},
        {"page-add " + page, "page-add needs a page file and at least one settings file"},
        {"page-add " + broken + " " + good, broken + ": not an Ornavo page file"},
        {"page-add " + fullPage + " " + good, fullPage + ": a page holds at most 100 modules"},
        {"page-add " + fresh + " " + good + " " + unknownKey, unknownKey + ": no module F99"},
        {"page " + broken, broken + ": not an Ornavo page file"},
        {"page " + huge, huge + ": the page file is larger than 16 MiB"},
        {"page " + dir + "/missing.ornavo-page", "cannot read " + dir + "/missing.ornavo-page: "},
        {"page " + page + " --frobnicate", "page takes one of --check, --paste-list, --preview DIR"},
        {"page " + page + " --preview", "page takes one of --check, --paste-list, --preview DIR"},
        {"page-relink " + page + " 7", "no module 7 on the page"},
        {"page-relink " + page + " 1", page + ": module 1 (F03 全屏海报) holds its settings, it links none"},
    };
    const std::string err = dir + "/err";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const GenRun r = gen(c.args, err);
        const std::string message = slurp(err);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(message.rfind("ornavo-gen: ", 0), 0u) << message;
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
        EXPECT_EQ(slurp(page), before);
    }
    EXPECT_FALSE(pathExists(fresh));
    EXPECT_EQ(slurp(fullPage), full);

    // Output that cannot be written is a failure, as everywhere.
    EXPECT_EQ(gen("page " + page + " > /dev/full").status, 1);
}
