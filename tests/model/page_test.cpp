// Page files: what is written reads back as the same page and the same bytes; broken files are named
// by their line; every module is replayed alone; the board's changes keep numbers and copies apart;
// linked files are taken only with the hash they were linked with.

#include "support/page_support.h"

#include "framework/model/page.h"
#include "framework/model/page_check.h"
#include "framework/model/platform.h"
#include "framework/model/sha256.h"
#include "framework/model/version.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void spit(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string head() {
    return std::string("# Ornavo ") + programVersion() + ", page format 1\n";
}

} // namespace

// Standard vectors, and lengths on both sides of the padding's block boundaries.
TEST(Sha256, MatchesTheStandardVectors) {
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(sha256Hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    const std::pair<std::size_t, const char*> lengths[] = {
        {55, "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {56, "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
        {63, "7d3e74a05d7db15bce4ad9ec0658ea98e3f06eeecf16b4c6fff2da457ddc2f34"},
        {64, "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        {119, "31eba51c313a5c08226adf18d4a359cfdfd8d2e816b13f4af952f7ea6584dcfb"},
        {120, "2f3d335432c70b580af0e8e1b3674a7c020d683aa5f73aaaedfdc55af904c21c"},
    };
    for (const auto& [n, digest] : lengths)
        EXPECT_EQ(sha256Hex(std::string(n, 'a')), digest) << n;
    EXPECT_EQ(sha256Hex("页面"), "452c7b10d57a86a7b4960c44fb21521bd4b1b57bab2bc310f1595af9a2718011");
    EXPECT_TRUE(isSha256Hex(sha256Hex("x")));
    EXPECT_FALSE(isSha256Hex(std::string(64, 'G')));
    EXPECT_FALSE(isSha256Hex(std::string(63, 'a')));
}

// Everything a page holds survives writing and reading: settings lines that look like the file's own
// statements, labels with line breaks, links, hidden modules, copies; the text written again is the
// same bytes.
TEST(PageFile, WritingAndReadingGiveTheSamePageAndTheSameBytes) {
    Page page;
    page.name = "夏季首页\t\\n 两行\n第二行";
    page.edition = PageEdition::Basic;
    const std::string sign = settingsOf("F09");
    // A settings text as an editor may leave it: byte-order mark, CR LF, lines that begin with the
    // page file's own marks, empty lines and blanks.
    const std::string odd =
        "\xEF\xBB\xBF# made by hand\r\nopen F03\r\n\r\n|set\r\n| \r\n  \r\nset 编辑框_海报高度 "
        "12\r\npress 按钮_全屏海报一键生成\r\nprint";
    ASSERT_TRUE(insertModule(page, 0, embeddedModule(description("F09"), sign)));
    ASSERT_TRUE(insertModule(page, 1, embeddedModule(description("F03"), odd)));
    ASSERT_TRUE(
        insertModule(page, 2, linkedModule(description("F15"), "settings dir/f15 #1.ornavo", "bytes")));
    ASSERT_TRUE(setModuleHidden(page, 2, true));
    ASSERT_TRUE(setModuleLabel(page, 1, " 海报\t\\\r\n下一行 "));
    ASSERT_TRUE(setModuleLabel(page, 0, ""));
    ASSERT_TRUE(markModuleCopied(page, 1, "<div>"));
    ASSERT_TRUE(setModuleArea(page, 2, PageArea::Body));
    EXPECT_EQ(page.modules[1].settings, "# made by hand\nopen F03\n\n|set\n| \n  \nset 编辑框_海报高度 "
                                        "12\npress 按钮_全屏海报一键生成\nprint\n");

    const std::string text = pageText(page);
    EXPECT_EQ(text.rfind(head(), 0), 0u) << text;
    PageResult<Page> read = parsePage(text, registry());
    ASSERT_TRUE(read) << read.failure().english;
    EXPECT_TRUE(read->sameAs(page));
    EXPECT_EQ(pageText(*read), text);
    EXPECT_EQ(read->modules[1].line, 8 + static_cast<int>(linesIn(sign)));
    EXPECT_EQ(read->modules[1].settingsLine, read->modules[1].line + 4);

    // Through a file, written whole.
    const std::string folder = scratchFolder("page-file");
    ASSERT_FALSE(folder.empty());
    const std::string path = folder + "/home" + kPageSuffix;
    ASSERT_TRUE(writePageFile(path, page));
    EXPECT_EQ(slurp(path), text);
    PageResult<Page> fromFile = readPageFile(path, registry());
    ASSERT_TRUE(fromFile) << fromFile.failure().english;
    EXPECT_TRUE(fromFile->sameAs(page));

    // A hand-edited file with CR LF, comments and blank lines reads as the same page.
    std::string edited;
    for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
        end = text.find('\n', at);
        const std::string line = text.substr(at, end - at);
        edited += line + "\r\n";
        if (line.rfind("edition", 0) == 0)
            edited += "# a comment\r\n   \r\n";
    }
    PageResult<Page> fromEdited = parsePage(edited, registry());
    ASSERT_TRUE(fromEdited) << fromEdited.failure().english;
    EXPECT_TRUE(fromEdited->sameAs(page));
    EXPECT_EQ(pageText(*fromEdited), text);
}

// A file that is not a sound page is refused with the line and the reason, in Chinese for the window
// and in English for ornavo-gen.
TEST(PageFile, ABrokenFileNamesItsLine) {
    const std::string hash = std::string(64, 'a');
    const std::string module = "module 1 F03 body\nsettings\n| open F03\n| print\n";
    std::string tooMany = head();
    for (std::size_t k = 1; k <= kPageModuleLimit + 1; ++k)
        tooMany += "module " + std::to_string(k) + " F03 body\nsettings\n| print\n";
    struct Case {
        std::string text;
        int line;
        std::string chinese, english;
    };
    const Case cases[] = {
        {"module 1 F03 body\n", 0, "不是 Ornavo 的页面文件", "not an Ornavo page file"},
        {"# Ornavo 9.0, page format 2\n", 0, "页面格式 2", "page format 2"},
        {head() + "name a\nfrobnicate\n", 3, "不认识的一行“frobnicate”", "unknown statement frobnicate"},
        {head() + "label x\n", 2, "前面没有 module 行", "before any module"},
        {head() + "module one F03 body\n", 2, "module 编号 窗口 位置", "module NUMBER KEY AREA"},
        {head() + "module 01 F03 body\n", 2, "module 编号 窗口 位置", "module NUMBER KEY AREA"},
        {head() + "module 1 F99 body\n", 2, "没有窗口“F99”", "no module F99"},
        {head() + "module 1 F03 footer\n", 2, "不认识的位置“footer”", "unknown area footer"},
        {head() + "module 1 F09 body\n", 2, "只能放在：店铺招牌", "only in: sign"},
        {head() + "module 1 F23 navigation\n", 2, "只能放在：侧栏、主体", "only in: side, body"},
        {head() + module + "\nmodule 1 F03 body\n", 7, "编号 1 已经用过", "the number 1 is used twice"},
        {head() + "module 1 F03 body\nlabel a\nlabel b\n", 4, "“label”写了两次", "a second \"label\""},
        {head() + module + "link sha256:" + hash + " x.ornavo\n", 6, "只能有一份设置", "holds one settings"},
        {head() + "module 1 F03 body\nlabel a\n\nmodule 2 F03 body\n", 2, "模块 1 没有设置",
         "module 1 has no settings"},
        {head() + "module 1 F03 body\nsettings\nlabel a\n", 3, "settings 下面没有设置行",
         "no settings lines"},
        {head() + "| open F03\n", 2, "只能紧跟在 settings 之后", "follows no \"settings\""},
        {head() + "module 1 F03 body\nlink sha256:abc x\n", 3, "link sha256:", "64 hexadecimal digits"},
        {head() + "module 1 F03 body\nlink sha256:" + hash + "\n", 3, "link sha256:", "PATH"},
        {head() + "module 1 F03 body\ncopied xyz\n", 3, "SHA-256", "SHA-256"},
        {head() + module + "name late\n", 6, "应写在第一个模块之前", "before the first module"},
        {head() + "edition deluxe\n", 2, "professional 或 basic", "professional or basic"},
        {head() + "name \xB0\xA1\n", 0, "不是 UTF-8", "not UTF-8"},
        {head() + "module 1 F03 body\nhidden yes\n", 3, "hidden 后面不能有别的", "nothing may follow"},
        {tooMany, 2 + 3 * static_cast<int>(kPageModuleLimit), "最多 100 个模块", "at most 100 modules"},
        {head() + "name " + std::string(kPageSizeLimit, 'x') + "\n", 0, "超过 16 MiB", "larger than 16 MiB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 120));
        PageResult<Page> read = parsePage(c.text, registry());
        ASSERT_FALSE(read);
        EXPECT_EQ(read.failure().line, c.line);
        EXPECT_NE(read.failure().chinese.find(c.chinese), std::string::npos) << read.failure().chinese;
        EXPECT_NE(read.failure().english.find(c.english), std::string::npos) << read.failure().english;
        if (c.line > 0) {
            EXPECT_EQ(read.failure().chinese.rfind("第 " + std::to_string(c.line) + " 行：", 0), 0u);
            EXPECT_EQ(read.failure().english.rfind("line " + std::to_string(c.line) + ": ", 0), 0u);
        }
    }
    // What a page cannot be is refused before it is written, leaving the old file.
    const std::string folder = scratchFolder("page-refused");
    const std::string path = folder + "/big" + kPageSuffix;
    spit(path, "old");
    Page big;
    big.name = std::string(kPageSizeLimit, 'x');
    EXPECT_FALSE(writePageFile(path, big));
    EXPECT_EQ(slurp(path), "old");
    EXPECT_FALSE(readPageFile(folder + "/missing" + kPageSuffix, registry()));
}

// The board's changes: numbers stay with their modules, a duplicate gets its own number and no copy
// record, nothing happens beyond the page's ends, areas only where the module's code may stand.
TEST(PageFile, TheBoardsChangesKeepNumbersAndRecords) {
    Page page;
    const std::string poster = settingsOf("F03");
    for (const char* key : {"F03", "F15", "F23"})
        ASSERT_TRUE(
            insertModule(page, page.modules.size(), embeddedModule(description(key), settingsOf(key))));
    EXPECT_EQ(page.modules[2].area, PageArea::Side);
    EXPECT_EQ(page.modules[1].label, description("F15").caption);
    ASSERT_TRUE(markModuleCopied(page, 1, "copied"));
    ASSERT_TRUE(duplicateModule(page, 1));
    ASSERT_EQ(page.modules.size(), 4u);
    EXPECT_EQ(page.modules[2].id, 4);
    EXPECT_EQ(page.modules[2].settings, page.modules[1].settings);
    EXPECT_TRUE(page.modules[2].copiedHash.empty());
    EXPECT_EQ(page.modules[1].copiedHash, sha256Hex("copied"));

    ASSERT_TRUE(moveModule(page, 0, 3));
    std::vector<int> ids;
    for (const PageModule& m : page.modules)
        ids.push_back(m.id);
    EXPECT_EQ(ids, (std::vector<int>{2, 4, 3, 1}));
    EXPECT_EQ(moduleIndexById(page, 1), std::optional<std::size_t>(3));
    EXPECT_FALSE(moduleIndexById(page, 9));

    // A module with a number the page has takes the next free one.
    PageModule again = page.modules[0];
    ASSERT_TRUE(insertModule(page, 0, again));
    EXPECT_EQ(page.modules[0].id, 5);
    ASSERT_TRUE(removeModule(page, 0));
    ASSERT_TRUE(removeModule(page, 3));
    ASSERT_TRUE(insertModule(page, 1, embeddedModule(description("F03"), poster)));
    EXPECT_EQ(page.modules[1].id, 5);

    EXPECT_FALSE(setModuleArea(page, 0, PageArea::Sign));
    EXPECT_TRUE(setModuleArea(page, 3, PageArea::Body));
    EXPECT_EQ(page.modules[3].area, PageArea::Body);
    const Page before = page;
    const std::size_t beyond = page.modules.size();
    EXPECT_FALSE(insertModule(page, beyond + 1, embeddedModule(description("F03"), poster)));
    EXPECT_FALSE(moveModule(page, 0, beyond));
    EXPECT_FALSE(duplicateModule(page, beyond));
    EXPECT_FALSE(removeModule(page, beyond));
    EXPECT_FALSE(setModuleHidden(page, beyond, true));
    EXPECT_FALSE(setModuleLabel(page, beyond, "x"));
    EXPECT_FALSE(markModuleCopied(page, beyond, "x"));
    EXPECT_FALSE(acceptLinkedFile(page, 0, "x")); // embedded, nothing to accept
    EXPECT_TRUE(page.sameAs(before));

    Page full;
    for (std::size_t k = 0; k < kPageModuleLimit; ++k)
        ASSERT_TRUE(insertModule(full, 0, embeddedModule(description("F03"), poster)));
    EXPECT_FALSE(insertModule(full, 0, embeddedModule(description("F03"), poster)));
    EXPECT_FALSE(duplicateModule(full, 0));
}

// Each module is replayed in a run of its own: the second of two background settings shows what it
// shows alone, although run after the first in one recipe it shows the first one's rule ending. (Every
// window's settings on one page: tests/cli/page_cli_test.cpp.)
TEST(PageReplay, EveryModuleIsReplayedAlone) {
    const std::string fixed = "open F06\nchoose 单选框_悬浮固定\npress 按钮_F06一键生成\nprint\n";
    const std::string none = "open F06\nset 编辑框_图片链接 b.jpg\npress 按钮_F06一键生成\nprint\n";
    const RecipeResult chained = runRecipe(fixed + none);
    const std::string alone = runRecipe(none).out;
    ASSERT_EQ(alone, "body{background-image:url(b.jpg");
    ASSERT_NE(chained.out.substr(runRecipe(fixed).out.size()), alone);

    Page page;
    ASSERT_TRUE(insertModule(page, 0, embeddedModule(description("F06"), fixed)));
    ASSERT_TRUE(insertModule(page, 1, embeddedModule(description("F06"), none)));
    const std::vector<RenderedModule> modules = render(page);
    EXPECT_EQ(modules[0].pageCode, runRecipe(fixed).out);
    EXPECT_EQ(modules[1].pageCode, alone);

    // A module without settings still makes a file that reads; replaying it names the module.
    Page empty;
    ASSERT_TRUE(insertModule(empty, 0, embeddedModule(description("F03"), "")));
    PageResult<Page> read = parsePage(pageText(empty), registry());
    ASSERT_TRUE(read) << read.failure().english;
    PageResult<std::vector<RenderedModule>> unset = replayPage(*read, registry(), ".");
    ASSERT_FALSE(unset);
    EXPECT_EQ(unset.failure().line, read->modules[0].line);
    EXPECT_NE(unset.failure().english.find("module 1 (F03 全屏海报): settings: "), std::string::npos);
}

// A module's settings that cannot run name the page line they are on, what they concern and why.
TEST(PageReplay, BadSettingsNameThePageLine) {
    Page page;
    ASSERT_TRUE(insertModule(page, 0, embeddedModule(description("F03"), settingsOf("F03"))));
    ASSERT_TRUE(
        insertModule(page, 1, embeddedModule(description("F15"), "open F15\nset 编辑框_没有 1\nprint\n")));
    PageResult<Page> read = parsePage(pageText(page), registry());
    ASSERT_TRUE(read);
    PageResult<std::vector<RenderedModule>> replayed = renderPage(*read, registry(), ".");
    ASSERT_FALSE(replayed);
    const int line = read->modules[1].settingsLine + 1;
    EXPECT_EQ(replayed.failure().line, line);
    EXPECT_EQ(replayed.failure().english,
              "line " + std::to_string(line) +
                  ": module 2 (F15 宝贝特效展示（正反换图）): settings: the window has no field 编辑框_没有");
    EXPECT_NE(
        replayed.failure().chinese.find("模块 2（F15 宝贝特效展示（正反换图））的设置：窗口里没有输入框"),
        std::string::npos)
        << replayed.failure().chinese;

    struct Case {
        std::string key, settings, english;
    };
    const Case cases[] = {
        {"F15", "open F03\npress 按钮_全屏海报一键生成\nprint\n", "these are the settings of module F03"},
        {"F03", "open F03\npress 按钮_全屏海报一键生成\n", "not a settings file of this module"},
        {"F03", "open F03\nclose\nprint\n", "not a settings file of this module"},
        {"F03", "open F03\npick 组合框_店铺类型 外星店铺\nprint\n",
         "list 组合框_店铺类型 has no entry 外星店铺"},
    };
    for (const Case& c : cases) {
        Page one;
        ASSERT_TRUE(insertModule(one, 0, embeddedModule(description(c.key), c.settings)));
        PageResult<std::vector<RenderedModule>> r = replayPage(one, registry(), ".");
        ASSERT_FALSE(r) << c.settings;
        EXPECT_NE(r.failure().english.find(c.english), std::string::npos) << r.failure().english;
    }
}

// A linked settings file is read beside the page and taken only as it was when linked; a change is
// named until the user takes it.
TEST(PageReplay, LinkedFilesAreTakenOnlyWithTheirHash) {
    const std::string folder = scratchFolder("page-links");
    ASSERT_FALSE(folder.empty());
    ASSERT_TRUE(makeFolders(folder + "/parts"));
    const std::string first = settingsOf("F03");
    spit(folder + "/parts/poster.ornavo", first);
    Page page;
    ASSERT_TRUE(insertModule(page, 0, linkedModule(description("F03"), "parts/poster.ornavo", first)));
    PageResult<std::vector<RenderedModule>> ok = renderPage(page, registry(), folder);
    ASSERT_TRUE(ok) << ok.failure().english;
    EXPECT_EQ(ok->at(0).windowCode, runRecipe(first).out);

    EXPECT_FALSE(renderPage(page, registry(), folder + "/parts")); // read beside the page only

    const std::string second = settingsOf("F03", [](Form& f) { f.setText("编辑框_海报高度", "77"); });
    spit(folder + "/parts/poster.ornavo", second);
    PageResult<std::vector<RenderedModule>> changed = renderPage(page, registry(), folder);
    ASSERT_FALSE(changed);
    EXPECT_NE(changed.failure().english.find("changed since it was linked"), std::string::npos);
    EXPECT_NE(changed.failure().chinese.find("在链接之后被改过"), std::string::npos);
    ASSERT_TRUE(acceptLinkedFile(page, 0, second));
    PageResult<std::vector<RenderedModule>> taken = renderPage(page, registry(), folder);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->at(0).windowCode, runRecipe(second).out);

    std::remove((folder + "/parts/poster.ornavo").c_str());
    PageResult<std::vector<RenderedModule>> missing = renderPage(page, registry(), folder);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.failure().english.find("cannot read the linked settings file parts/poster.ornavo"),
              std::string::npos);
    EXPECT_EQ(linkedPath("/abs/x.ornavo", folder), "/abs/x.ornavo");
}

// What the user pastes, where, and whether it changed since it was last copied.
TEST(PasteList, SaysWhereEachModuleGoesAndWhatChanged) {
    Page page;
    const std::pair<const char*, bool> keys[] = {{"F23", false}, {"F03", false}, {"F09", false},
                                                 {"F07", false}, {"F15", true},  {"F23", false},
                                                 {"F17", false}, {"F06", false}};
    for (const auto& [key, hidden] : keys) {
        ASSERT_TRUE(
            insertModule(page, page.modules.size(), embeddedModule(description(key), settingsOf(key))));
        ASSERT_TRUE(setModuleHidden(page, page.modules.size() - 1, hidden));
    }
    ASSERT_TRUE(setModuleArea(page, 5, PageArea::Body));
    std::vector<RenderedModule> modules = render(page);
    std::vector<PasteEntry> list = pasteList(page, modules);
    std::vector<std::string> where;
    for (const PasteEntry& e : list)
        where.push_back(std::to_string(e.module) + " " + e.destination);
    EXPECT_EQ(where, (std::vector<std::string>{"0 侧栏自定义内容区 1", "1 自定义内容区 1", "2 店铺招牌",
                                               "3 导航 → 显示设置", "5 自定义内容区 2", "6 自定义内容区 3",
                                               "7 导航 → 显示设置"}));
    for (const PasteEntry& e : list) {
        EXPECT_EQ(e.state, CopyState::NeverCopied);
        EXPECT_EQ(e.code, modules[e.module].pageCode);
    }
    ASSERT_TRUE(markModuleCopied(page, 1, list[1].code));
    EXPECT_EQ(pasteList(page, modules)[1].state, CopyState::Unchanged);
    page.modules[1].settings = settingsOf("F03", [](Form& f) { f.setText("编辑框_海报高度", "9"); });
    modules = render(page);
    EXPECT_EQ(pasteList(page, modules)[1].state, CopyState::Changed);
}
