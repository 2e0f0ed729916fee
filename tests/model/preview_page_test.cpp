// The preview page as written to disk: its bytes, its place, and what ornavo-gen reports.

#include "framework/model/constants.h"
#include "framework/model/preview_page.h"
#include "framework/model/text.h"
#include "support/process.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace ornavo;

namespace {

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

std::string gbk(const std::string& utf8) {
    auto bytes = utf8ToGbk(utf8);
    EXPECT_TRUE(bytes.has_value()) << utf8;
    return bytes.value_or("");
}

std::string head() {
    return std::string(previewPageHead());
}
std::string tail() {
    return std::string(previewPageTail());
}

// A scratch folder of its own for each test, removed afterwards.
class PreviewFile : public ::testing::Test {
  protected:
    void SetUp() override {
        base = ornavo::testing::scratchFolder("preview");
        ASSERT_FALSE(base.empty());
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(base, ignored);
    }
    std::string base;
};

#ifndef _WIN32
mode_t modeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode;
}
#endif

// ornavo-gen run with the recipe on standard input, its temporary folder `temporary`.
ornavo::testing::Finished genWithTemporaryFolder(const std::string& recipe, const std::string& temporary) {
    ornavo::testing::Launch launch;
    launch.args = {"run", "-"};
    launch.input = ornavo::testing::Launch::Input::Pipe;
    launch.inputBytes = recipe;
    launch.environment = ornavo::testing::temporaryFolderIs(temporary);
    return ornavo::testing::runProgram(ORNAVO_GEN, launch);
}

// Where each piece is found, searching onwards from the previous one; npos once one is missing.
void expectInOrder(const std::string& text, const std::vector<std::string>& pieces) {
    std::size_t from = 0;
    for (const std::string& piece : pieces) {
        const std::size_t at = text.find(piece, from);
        ASSERT_NE(at, std::string::npos) << "missing, or out of order: " << piece;
        from = at + piece.size();
    }
}

} // namespace

TEST(PreviewPage, IsHeadCodeTailWithNothingBetween) {
    const std::string code = "<div class=\"J_TWidget\" data-widget-config=\"{'a':1}\">\r\n<b>\"x\"</b></div>";
    EXPECT_EQ(previewPageText(code), head() + code + tail());
    EXPECT_EQ(previewPageBytes(code), gbk(head()) + code + gbk(tail()));
    // An empty code box gives the bare shop page.
    EXPECT_EQ(previewPageBytes(""), gbk(head()) + gbk(tail()));
}

TEST(PreviewPage, FixedPartsBeginAndEndAsTheShopPageDoes) {
    const std::string h = head(), t = tail();
    EXPECT_EQ(h.rfind("  <!DOCTYPE html>\r\n<html>\r\n<head>\r\n<!--mmdlutTest1382364681622-->\r\n", 0), 0u);
    ASSERT_GE(h.size(), 6u);
    EXPECT_EQ(h.substr(h.size() - 6), "<span>");
    EXPECT_EQ(t.rfind("</span>\r\n", 0), 0u);
    ASSERT_GE(t.size(), 16u);
    EXPECT_EQ(t.substr(t.size() - 16), "</body>\r\n</html>");
    // Lines end with CR LF only, and no line end follows the last line.
    for (const std::string* part : {&h, &t}) {
        for (std::size_t i = 0; i < part->size(); ++i) {
            if ((*part)[i] == '\n') {
                ASSERT_TRUE(i > 0 && (*part)[i - 1] == '\r') << "bare LF at " << i;
            }
            if ((*part)[i] == '\r') {
                ASSERT_TRUE(i + 1 < part->size() && (*part)[i + 1] == '\n') << "bare CR at " << i;
            }
        }
    }
    // Roughly the size of a saved shop page.
    const auto lines = [](const std::string& s) { return std::count(s.begin(), s.end(), '\n') + 1; };
    EXPECT_GT(lines(h), 200);
    EXPECT_GT(lines(t), 150);
}

TEST(PreviewPage, HeadHoldsTheShopPageElementsInOrder) {
    // The marketplace's static-content host is the one the placeholder image comes from.
    const std::string gif = compiledDefault(Address::PLACEHOLDER_GIF_URL);
    const std::string host = gif.substr(0, gif.find('/', gif.find("//") + 2));
    const std::string h = head();
    expectInOrder(
        h,
        {
            "<meta name=\"data-spm\" content=\"a1z10\"/>",
            "<meta charset=\"gbk\">",
            "<meta name=\"description\" content=\"淘宝, 店铺, 旺铺, QuilletOrnavo\"/>",
            "<meta name=\"keywords\" content=\"欢迎前来QuilletOrnavo 旺铺，众多商品任你选购\"/>",
            "<meta name=\"microscope-data\"",
            "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\">",
            "rel=\"dns-prefetch\"",
            "<title>QuilletOrnavo-最好的特效代码生成器</title>",
            "window.g_config",
            "\"wangpu\"",
            "window.shop_config",
            "\"/widgetAsync.htm?site_instance_id=101173885\"",
            "hps: 800",
            "\"206531\"",
            "window.shop_config.isView = true;",
            "window.shop_config.isvStat",
            "\"_trackCustom\", \"tpl\", \"new_shop\"",
            "rel=\"shortcut icon\"",
            "href=\"" + host + "/??p/global/1.0/global-min.css?t=20130228.css\"",
            "href=\"" + host +
                "/apps/taesite/platinum/stylesheet/??view/footer-min.css,view/copyright-min.css,view/"
                "layout-min.css,",
            "/common/templates/fengxun/blue/skin-new.css?t=20121031.css\"",
            "src=\"" + host + "/??s/kissy/1.3.0/seed-min.js,p/global/1.0/global-min.js?t=20130228.js\"",
            "src=\"" + host + "/apps/taesite/platinum/scripts/wangpu/init-async-min.js?t=20130524.js\"",
            "#content .design-page {",
            "width: 950px;",
            "margin: 0 auto;",
            "#hd {",
            "repeat",
            "</head>",
            "<body data-spm=\"1\">",
            "TB.Global.writeLoginInfo",
            "<div id=\"content\" class=\"eshop head-expand tb-shop\">",
            "<div id=\"hd\">",
            "layout grid-m ",
            "data-componentid=\"5001\"",
            "data-title=\"店铺招牌\"",
            "height:120px;",
            "<img ",
            "QuilletOrnavo",
            "旺铺专业版基础版特效代码生成器",
            "data-componentid=\"5002\"",
            "data-title=\"导航\"",
            "<div id=\"bd\">",
            "<div class=\"layout grid-m0 J_TLayout\" data-widgetid=\"4191063689\" data-componentid=\"231\" "
            "data-context=\"bd\" data-prototypeid=\"231\" data-id=\"4191063689\" data-sitecategory=\"\">",
            "<div class=\"main-wrap J_TRegion\" data-modules=\"main\" style=\"overflow:visible;\" "
            "data-width=\"b950\">",
            "<div class=\"J_TModule\" data-widgetid=\"4257007198\"  id=\"shop4257007198\"  "
            "data-componentid=\"5003\"  "
            "data-spm='110.0.5003-4257007198'  microscope-data='5003-4257007198' data-title=\"自定义内容区\" "
            " >",
            "<!-- cache-info:",
            "<div class=\"skin-box tb-module tshop-pbsm tshop-pbsm-shop-self-defined\">",
            "<s class=\"skin-box-tp\"><b></b></s>",
            "<div class=\"skin-box-bd clear-fix\">",
        });
    std::size_t prefetches = 0;
    for (std::size_t at = h.find("rel=\"dns-prefetch\""); at != std::string::npos;
         at = h.find("rel=\"dns-prefetch\"", at + 1))
        ++prefetches;
    EXPECT_EQ(prefetches, 7u);
}

TEST(PreviewPage, TailClosesTheModuleAndCarriesFooterAndLinkGuard) {
    expectInOrder(tail(), {
                              "</span>",
                              "</div>",
                              "<s class=\"skin-box-bt\"><b></b></s>",
                              "if(window.TShop && window.TShop.ModUtil)\r\n"
                              "TShop.ModUtil.initMod(document.getElementById(\"shop4257007198\"), 1);",
                              "<!-- 自定义区 -->",
                              "<div id=\"ft\">",
                              "layout grid-m ",
                              "data-componentid=\"33\"",
                              "data-width=\"f950\"",
                              "<div id=\"copyright\">",
                              ".g_foot {",
                              ".g_foot-ali {",
                              ".g_foot-nav {",
                              ".g_foot-toy {",
                              ".g_foot-line {",
                              ".footer-more {",
                              ".footer-more-trigger {",
                              ".footer-more-panel {",
                              "<div id=\"footer\">",
                              "id=\"server-num\"",
                              "LineZing",
                              "getElementById(\"content\") || document",
                              "\"#\"",
                              "</body>",
                              "</html>",
                          });
}

TEST(PreviewPage, WritesGbkAndReferencesWhatGbkLacks) {
    // 宝 B1A6, 贝 B1B4 in GBK; the emoji U+1F600 has no GBK form.
    const std::string bytes = previewPageBytes("<p>宝贝😀</p>").value();
    EXPECT_NE(bytes.find("<p>\xB1\xA6\xB1\xB4&#128512;</p>"), std::string::npos);
    // The page's own Chinese text is GBK too: 最好的 is D7EE BAC3 B5C4.
    EXPECT_NE(bytes.find("QuilletOrnavo-\xD7\xEE\xBA\xC3\xB5\xC4"), std::string::npos);
    EXPECT_EQ(bytes.find("\xEF\xBB\xBF"), std::string::npos); // no byte-order mark, no UTF-8 left
}

TEST_F(PreviewFile, PageGoesIntoAPrivateFolderAsTestHtml) {
    const std::string folder = base + "/ornavo";
    const std::string path = writePreviewPage("<i>一</i>", folder).value();
    EXPECT_EQ(path, pathInFolder(folder, "test.html"));
#ifndef _WIN32
    EXPECT_EQ(modeOf(folder) & 07777, 0700u);
    EXPECT_TRUE(S_ISREG(modeOf(path)));
#endif
    EXPECT_EQ(slurp(path), previewPageBytes("<i>一</i>").value());

    // A second write replaces the page and leaves nothing else behind.
    ASSERT_TRUE(writePreviewPage("second", folder));
    EXPECT_EQ(slurp(path), gbk(head()) + "second" + gbk(tail()));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"test.html"});

    EXPECT_TRUE(removePreviewPage(folder));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(removePreviewPage(folder)); // already gone is fine
}

#ifndef _WIN32
// Modes, links and another user's folder: POSIX by nature, built only there.
TEST_F(PreviewFile, OpenFolderIsClosedAndLinksAreNotFollowed) {
    // A folder of the user's own that others can read is made private.
    const std::string folder = base + "/open";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    ASSERT_TRUE(ensurePrivateFolder(folder));
    EXPECT_EQ(modeOf(folder) & 07777, 0700u);

    // A link planted under the page's name is replaced, and what it pointed at stays untouched.
    const std::string victim = base + "/victim.txt";
    std::ofstream(victim) << "keep me";
    ASSERT_EQ(::symlink(victim.c_str(), (folder + "/test.html").c_str()), 0);
    const std::string path = writePreviewPage("x", folder).value();
    EXPECT_EQ(slurp(victim), "keep me");
    EXPECT_TRUE(S_ISREG(modeOf(path)));

    // A folder that is itself a link is refused.
    const std::string linked = base + "/linked";
    ASSERT_EQ(::symlink(folder.c_str(), linked.c_str()), 0);
    EXPECT_FALSE(writePreviewPage("x", linked));
    EXPECT_FALSE(ensurePrivateFolder(linked));
}

TEST_F(PreviewFile, FolderOfAnotherUserIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to hand a folder to another user";
    const std::string folder = base + "/foreign";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    const auto written = writePreviewPage("x", folder);
    ASSERT_FALSE(written) << "wrote into another user's folder";
    EXPECT_EQ(written.failure().folder, folder);
    EXPECT_FALSE(fs::exists(folder + "/test.html"));
}
#endif

TEST_F(PreviewFile, FailedWriteNamesTheFolder) {
    const std::string folder = base + "/missing/parent/ornavo";
    const auto written = writePreviewPage("x", folder);
    ASSERT_FALSE(written) << "no error";
    EXPECT_EQ(written.failure().folder, folder);
    EXPECT_NE(written.failure().english.find(folder), std::string::npos) << written.failure().english;
    // Code that is not UTF-8 text cannot be encoded; that is reported, not written half.
    EXPECT_FALSE(writePreviewPage("\xFF\xFE", base + "/ornavo"));
    EXPECT_FALSE(fs::exists(base + "/ornavo/test.html"));
}

#ifdef _WIN32
TEST_F(PreviewFile, DefaultFolderIsInTheUsersTemporaryFolder) {
    const std::optional<std::string> tmp = ornavo::testing::setEnvironment("TMP", base + "\\临时");
    EXPECT_EQ(defaultPreviewFolder(), base + "\\临时\\ornavo");
    ornavo::testing::setEnvironment("TMP", tmp);
}
#else
TEST_F(PreviewFile, DefaultFolderPrefersTheRuntimeFolder) {
    using ornavo::testing::setEnvironment;
    const std::optional<std::string> runtime = setEnvironment("XDG_RUNTIME_DIR", base);
    const std::optional<std::string> tmp = setEnvironment("TMPDIR", std::nullopt);
    EXPECT_EQ(defaultPreviewFolder(), base + "/ornavo");
    setEnvironment("XDG_RUNTIME_DIR", base + "/nowhere"); // set but missing: not used
    setEnvironment("TMPDIR", base);
    EXPECT_EQ(defaultPreviewFolder(), base + "/ornavo-" + std::to_string(::geteuid()));
    setEnvironment("XDG_RUNTIME_DIR", std::nullopt);
    setEnvironment("TMPDIR", std::nullopt);
    EXPECT_EQ(defaultPreviewFolder(), "/tmp/ornavo-" + std::to_string(::geteuid()));
    setEnvironment("XDG_RUNTIME_DIR", runtime);
    setEnvironment("TMPDIR", tmp);
}
#endif

TEST_F(PreviewFile, OrnavoGenPressOfPreviewWritesThePage) {
    const ornavo::testing::Finished r = genWithTemporaryFolder("open F03\n"
                                                               "set 超级编辑框_全屏海报代码 <p>宝贝😀</p>\n"
                                                               "press 按钮_全屏海报在线预览\n"
                                                               "print\n",
                                                               base);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "<p>宝贝😀</p>");

    const std::string path = pathInFolder(pathInFolder(base, "ornavo"), "test.html");
    EXPECT_EQ(r.err, "preview: " + path + "\n");
    EXPECT_EQ(slurp(path), gbk(head()) + "<p>\xB1\xA6\xB1\xB4&#128512;</p>" + gbk(tail()));
}

// Two running copies share the folder: each removes only the page it wrote itself.
TEST_F(PreviewFile, AnotherCopysPageStays) {
    const std::string folder = pathInFolder(base, "ornavo");
    const std::string page = pathInFolder(folder, "test.html");
    ASSERT_TRUE(writePreviewPage("mine", folder));
    // Another copy (ornavo-gen, a process of its own) writes its page over this one's.
    ASSERT_EQ(genWithTemporaryFolder("open F03\nset 超级编辑框_全屏海报代码 theirs\n"
                                     "press 按钮_全屏海报在线预览\n",
                                     base)
                  .status,
              0);
    const std::string theirs = gbk(head()) + "theirs" + gbk(tail());
    ASSERT_EQ(slurp(page), theirs);
    // Closing this copy's preview leaves the other copy's page alone.
    EXPECT_TRUE(removePreviewPage(folder));
    EXPECT_EQ(slurp(page), theirs);

    // This copy's own page goes when its preview closes, once only.
    ASSERT_TRUE(writePreviewPage("mine again", folder));
    EXPECT_TRUE(removePreviewPage(folder));
    EXPECT_FALSE(fs::exists(page));
    std::ofstream(page) << "a third copy's page";
    EXPECT_TRUE(removePreviewPage(folder));
    EXPECT_TRUE(fs::exists(page));
}

#ifndef _WIN32
// What a write killed half-way left behind is cleared by the next write, unless its process still runs
// (a child that has ended and the parent that runs: POSIX by nature, built only there).
TEST_F(PreviewFile, LeftoversOfEndedWritersGo) {
    const std::string folder = base + "/ornavo";
    ASSERT_TRUE(ensurePrivateFolder(folder));
    auto names = [&] {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    };
    auto leave = [&](const std::string& name) { std::ofstream(folder + "/" + name) << "half a page"; };

    // A process that has ended, a running one (this test's parent), an unrelated file.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_GT(ended, 0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const std::string dead = ".test.html." + std::to_string(ended) + ".1";
    const std::string live = ".test.html." + std::to_string(::getppid()) + ".2";
    const std::string liveButOld = ".test.html." + std::to_string(::getppid()) + ".3";
    for (const std::string& name :
         {dead, live, liveButOld, std::string(".test.html.x.1"), std::string("notes.txt")})
        leave(name);
    const struct timespec twoHoursAgo[2] = {{::time(nullptr) - 7200, 0}, {::time(nullptr) - 7200, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (folder + "/" + liveButOld).c_str(), twoHoursAgo, 0), 0);

    ASSERT_TRUE(writePreviewPage("mine", folder));
    EXPECT_EQ(names(), (std::vector<std::string>{live, ".test.html.x.1", "notes.txt", "test.html"}));
}
#endif
