// Saved settings and kept texts: what the window writes reads back into the same window, exactly;
// damaged or foreign files change nothing; writes are whole or not at all; the kept texts reach the
// disk about once a second and survive the program being killed.

#include "support/test_support.h"

#include "framework/model/kept_texts.h"
#include "framework/model/platform.h"
#include "framework/model/recent_settings.h"
#include "framework/model/settings_reader.h"
#include "framework/model/settings_writer.h"
#include "framework/model/text.h"
#include "framework/model/version.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <regex>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace ornavo;
using namespace ornavo::testing;
using namespace std::chrono_literals;

namespace {

const Registry& registry() {
    return moduleRegistry();
}
const ModuleSpec& poster() {
    return *registry().byKey("F03");
}

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void spit(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string scratchFolder() {
    return ornavo::testing::scratchFolder("settings");
}

ino_t inodeOf(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Files in the folder whose name holds `part`.
int filesWith(const std::string& folder, const std::string& part) {
    const std::string listing = folder + "/listing";
    std::system(("ls -a '" + folder + "' > '" + listing + "'").c_str());
    return static_cast<int>(countOf(slurp(listing), part));
}

// The Latin words of a message that are neither a recipe keyword nor quoted from the file: a message
// in the user's language has none.
std::string foreignWords(const std::string& message, const std::string& file) {
    static const std::set<std::string> keywords = {"open", "set", "pick", "choose", "press",   "print",
                                                   "UTF",  "MiB", "GBK",  "ANSI",   "Windows", "Ornavo"};
    std::string foreign;
    const std::regex word(R"(\\(x[0-9A-F]{2}|u[0-9A-F]{4}|[trn])|[A-Za-z]{2,})"); // escapes quote the file
    for (auto it = std::sregex_iterator(message.begin(), message.end(), word); it != std::sregex_iterator();
         ++it)
        if (it->str()[0] != '\\' && !keywords.count(it->str()) && file.find(it->str()) == std::string::npos)
            foreign += it->str() + " ";
    return foreign;
}

} // namespace

// Every registered window: distinct values everywhere, saved, read into a fresh window, which then
// shows the same and generates the same with every generate button; the file names the window.
TEST(SettingsRoundTrip, EveryWindowComesBackAsItWas) {
    for (const ModuleSpec& module : registry().all()) {
        OpenWindow first(module.key);
        fillDistinct(first.form());
        const std::vector<std::string> generators = generateButtons(module);
        ASSERT_FALSE(generators.empty()) << module.key;
        first.press(generators.back());
        const std::string text = settingsText(first.form(), registry());
        EXPECT_EQ(text.rfind("# Ornavo " + std::string(programVersion()) + ", settings format " +
                                 std::to_string(kSettingsFormat) + " — " + module.key + " " + module.caption +
                                 "\nopen " + module.key + "\n",
                             0),
                  0u)
            << module.key;

        const SettingsRead read = readSettings(text, module, registry());
        ASSERT_TRUE(read) << module.key << ": " << read.failure().message;
        OpenWindow second(module.key);
        applySettings(second.form(), *read);
        EXPECT_TRUE(second.form().snapshot() == first.form().snapshot()) << module.key;
        for (const std::string& button : generators)
            EXPECT_EQ(second.press(button), first.press(button)) << module.key << " " << button;
    }
}

// The printed code is what the window showed, also when it is not what its fields generate now; when
// it is, the file regenerates it (and a script may change a field and run it again).
TEST(SettingsRoundTrip, PrintsWhatTheCodeBoxShowed) {
    OpenWindow w("F03");
    Form& form = w.form();
    const std::string codeBox = poster().codeBox.name;
    form.setText("编辑框_海报宽度", "1000");
    form.pickEntry("组合框_店铺类型", "集市店铺"); // takes its offset from the width now
    w.press("按钮_全屏海报一键生成");
    std::string text = settingsText(form, registry());
    EXPECT_EQ(countOf(text, "set " + codeBox), 0u) << text;
    EXPECT_EQ(runRecipe(text).out, form.code());

    const struct {
        const char* what;
        std::function<void()> change;
    } changes[] = {
        {"a field changed after the pick",
         [&] { form.setText("编辑框_海报宽度", "1200"), w.press("按钮_全屏海报一键生成"); }},
        {"a field changed after generating", [&] { form.setText("编辑框_海报高度", "77"); }},
        {"code typed by hand", [&] { form.setText(codeBox, form.code() + "\r\n<p>mine\\</p>\t"); }},
        {"code box emptied", [&] { form.setText(codeBox, ""); }},
    };
    for (const auto& c : changes) {
        c.change();
        text = settingsText(form, registry());
        const RecipeResult run = runRecipe(text);
        EXPECT_EQ(run.status, 0) << c.what << "\n" << run.err;
        EXPECT_EQ(run.out, form.code()) << c.what;
        const SettingsRead read = readSettings(text, poster(), registry());
        ASSERT_TRUE(read) << c.what;
        EXPECT_TRUE(read->snapshot == form.snapshot()) << c.what;
    }
}

// A field that another field's handler sets, standing before that field: set again after it.
TEST(SettingsRoundTrip, DerivedFieldsKeepTheirOwnText) {
    ModuleSpec m;
    m.key = "T02";
    m.caption = "派生";
    m.sections = {
        {"", {line({field("编辑框_派生", "", "d"), withHandler(field("编辑框_来源", "", "s"), [](Form& f) {
                        f.setText("编辑框_派生", f.text("编辑框_来源") + "!");
                    })})}}};
    m.codeBox = codeBox("超级编辑框_代码");
    m.buttons = {generateButton("按钮_生成", "生成", [](const Form& f) { return f.text("编辑框_派生"); })};
    const Registry own({m});
    const ModuleSpec& module = own.all().front();
    WindowVariables vars;
    Unattended nobody;
    Form form(module, vars, nobody, nobody);
    form.setText("编辑框_来源", "x");
    form.setText("编辑框_派生", "typed");
    form.press("按钮_生成");
    const SettingsRead read = readSettings(settingsText(form, own), module, own);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->snapshot == form.snapshot());
    EXPECT_EQ(read->snapshot.texts.at("编辑框_派生"), "typed");
}

// Files the window cannot take: the problem names the line, and a foreign file names its window.
TEST(SettingsReading, RefusesDamagedAndForeignFiles) {
    const std::string good = "# x\nopen F03\nset 编辑框_海报高度 7\npick 组合框_店铺类型 天猫店铺\npress "
                             "按钮_全屏海报一键生成\nprint\n";
    ASSERT_TRUE(readSettings(good, poster(), registry()));
    // Files of earlier versions, whose head line names no format, open as they always did.
    ASSERT_TRUE(readSettings("# Ornavo 2.0.1 — F03 全屏海报\n" + good, poster(), registry()));
    const std::string newer =
        "# Ornavo 9.0.0, settings format " + std::to_string(kSettingsFormat + 1) + " — F03\n";
    const struct {
        const char* what;
        std::string text;
        int line;
        const char* says;
    } cases[] = {
        {"not UTF-8", "# x\nopen F03\nset 编辑框_海报高度 \xB8\xDF\nprint\n", 3, "UTF-8"},
        {"not UTF-8 in a comment", "# \xC8\xAB\xC6\xC1\nopen F03\nset 编辑框_海报高度 7\nprint\n", 1,
         "UTF-8"},
        // Saved as GBK by a Chinese editor: the whole file, with the advice to save it as UTF-8.
        {"GBK", utf8ToGbk(good).value(), 0, "另存为 UTF-8"},
        {"a newer format", newer + good, 0, "较新版本"},
        {"unknown field", "open F03\nset 编辑框_海报高度 7\nset 编辑框_没有 1\nprint\n", 3, "编辑框_没有"},
        {"unknown entry", "open F03\n\npick 组合框_店铺类型 百货店\nprint\n", 3, "百货店"},
        {"cut short", good.substr(0, good.find("print")), 5, "print"},
        {"cut in a character", good.substr(0, good.find("天猫") + 4), 4, "UTF-8"},
        {"another window", "# x\nopen F04\nprint\n", 2, "全屏海报轮播"},
        {"no such window", "open F99\nprint\n", 1, "F99"},
        {"not first", "set 编辑框_海报高度 7\nopen F03\nprint\n", 1, "open"},
        {"a second window", "open F03\nopen F03\nprint\n", 2, "open"},
        {"another action", "open F03\nclose\nprint\n", 2, "close"},
        {"a button that is not generate", "open F03\npress 按钮_全屏海报清空内容\nprint\n", 2, "生成按钮"},
        {"empty", "", 0, "没有设置"},
        {"over 1 MiB", "open F03\nset 编辑框_海报高度 " + std::string(kSettingsSizeLimit, '7') + "\nprint\n",
         0, "1 MiB"},
    };
    for (const auto& c : cases) {
        const SettingsRead read = readSettings(c.text, poster(), registry());
        ASSERT_FALSE(read) << c.what;
        const SettingsProblem& problem = read.failure();
        EXPECT_EQ(problem.line, c.line) << c.what << ": " << problem.message;
        EXPECT_NE(problem.message.find(c.says), std::string::npos) << c.what << ": " << problem.message;
        if (c.line > 0) {
            EXPECT_EQ(problem.message.rfind("第 " + std::to_string(c.line) + " 行", 0), 0u) << c.what;
        }
        EXPECT_EQ(problem.otherKey, std::string(c.what) == "another window" ? "F04" : "") << c.what;
        EXPECT_EQ(foreignWords(problem.message, c.text), "") << c.what << ": " << problem.message;
    }
    // From files: one larger than the limit is refused unread, a missing one said to be missing.
    const std::string folder = scratchFolder();
    std::ofstream(folder + "/big.ornavo").seekp(kSettingsSizeLimit) << "x";
    EXPECT_NE(readSettingsFile(folder + "/big.ornavo", poster(), registry()).failure().message.find("1 MiB"),
              std::string::npos);
    EXPECT_NE(
        readSettingsFile(folder + "/none.ornavo", poster(), registry()).failure().message.find("不存在"),
        std::string::npos);
}

// A failed save leaves the old file as it was and no temporary file beside it.
TEST(SettingsFiles, FailedWritesLeaveTheOldFileIntact) {
    const std::string folder = scratchFolder();
    const std::string path = folder + "/old.ornavo";
    spit(path, "old settings\n");

    // A disk that fills up while the file is written: writes beyond 64 bytes fail (in a child, which
    // reports the reason it got).
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        const Status written = writeFile(path, std::string(4096, 'n'));
        const std::string reason = written ? "" : written.failure().reason;
        (void)!write(report[1], reason.data(), reason.size());
        _exit(0);
    }
    close(report[1]);
    char buffer[256];
    const ssize_t n = read(report[0], buffer, sizeof buffer);
    close(report[0]);
    waitpid(child, nullptr, 0);
    EXPECT_GT(n, 0) << "the write did not fail";
    EXPECT_EQ(slurp(path), "old settings\n");

    // A folder where the file should go, and a place nobody may write to.
    EXPECT_FALSE(writeFile(folder, "x"));
    EXPECT_FALSE(writeFile("/proc/ornavo-settings.ornavo", "x"));
    if (geteuid() != 0) { // root writes into any folder
        const std::string locked = folder + "/locked";
        mkdir(locked.c_str(), 0500);
        EXPECT_FALSE(writeFile(locked + "/s.ornavo", "x"));
    }
    EXPECT_EQ(filesWith(folder, ".tmp-"), 0);

    EXPECT_TRUE(writeFile(path, "new\n"));
    EXPECT_EQ(slurp(path), "new\n");
}

// The kept texts by the clock: the first change at once, then at most one write a second, nothing
// when nothing changed, everything on flush; the next window finds them, damaged ones set aside.
TEST(KeptTexts, WritesAboutOnceASecondAndOnlyChanges) {
    const std::string folder = scratchFolder() + "/state/kept"; // made on the first write
    auto now = std::chrono::steady_clock::time_point();
    const auto clock = [&now] { return now; };
    OpenWindow w("F03");
    KeptTexts kept(w.form(), registry(), folder, clock);
    const Subscription changes = w.form().addChangeListener([&](const std::string&) { kept.changed(); });
    EXPECT_FALSE(kept.readEarlier().settings);
    EXPECT_FALSE(kept.due());
    EXPECT_TRUE(kept.poll());
    EXPECT_EQ(inodeOf(kept.path()), 0u);

    w.form().setText("编辑框_链接地址", "a");
    EXPECT_EQ(kept.due(), 0ms);
    EXPECT_TRUE(kept.poll());
    const ino_t firstWrite = inodeOf(kept.path());
    ASSERT_NE(firstWrite, 0u);
    EXPECT_NE(slurp(kept.path()).find("set 编辑框_链接地址 a\n"), std::string::npos);

    now += 300ms;
    w.form().setText("编辑框_链接地址", "ab");
    EXPECT_EQ(kept.due(), 700ms);
    now += 600ms;
    EXPECT_TRUE(kept.poll());
    EXPECT_EQ(inodeOf(kept.path()), firstWrite);
    now += 100ms;
    EXPECT_TRUE(kept.poll());
    EXPECT_NE(slurp(kept.path()).find("set 编辑框_链接地址 ab\n"), std::string::npos);
    const ino_t secondWrite = inodeOf(kept.path());
    EXPECT_NE(secondWrite, firstWrite);

    // Changed and changed back: nothing new to write.
    now += 5s;
    w.form().setText("编辑框_链接地址", "abc");
    w.form().setText("编辑框_链接地址", "ab");
    EXPECT_TRUE(kept.poll());
    EXPECT_EQ(inodeOf(kept.path()), secondWrite);
    EXPECT_FALSE(kept.due());

    // Closing writes at once, and lets the file go; nothing is written after that.
    now += 10ms;
    w.form().pickEntry("组合框_店铺类型", "天猫店铺");
    EXPECT_TRUE(kept.finish());
    const std::string closed = slurp(kept.path());
    EXPECT_NE(closed.find("pick 组合框_店铺类型 天猫店铺\n"), std::string::npos);
    w.form().setText("编辑框_链接地址", "after closing");
    EXPECT_FALSE(kept.due());
    EXPECT_TRUE(kept.flush());
    EXPECT_EQ(slurp(kept.path()), closed);

    // The next window of F03 is offered them; they restore the same window.
    KeptTexts::Earlier earlier;
    {
        OpenWindow next("F03");
        KeptTexts again(next.form(), registry(), folder, clock);
        EXPECT_EQ(again.path(), kept.path());
        earlier = again.readEarlier();
        ASSERT_TRUE(earlier.settings);
        EXPECT_FALSE(earlier.problem);
        applySettings(next.form(), *earlier.settings);
        w.form().setText("编辑框_链接地址", "ab");
        EXPECT_TRUE(next.form().snapshot() == w.form().snapshot());
    }

    // Kept texts that show nothing but the defaults are not offered.
    OpenWindow plain("F03");
    spit(kept.path(), settingsText(plain.form(), registry()));
    EXPECT_FALSE(KeptTexts(plain.form(), registry(), folder).readEarlier().settings);

    // A damaged file is set aside, never read into the window; a second one does not replace the first.
    for (const char* aside : {".damaged", ".damaged-2"}) {
        spit(kept.path(), "open F03\nset 编辑框_链接地址 cut");
        OpenWindow fresh("F03");
        earlier = KeptTexts(fresh.form(), registry(), folder).readEarlier();
        EXPECT_FALSE(earlier.settings);
        ASSERT_TRUE(earlier.problem);
        EXPECT_EQ(earlier.problem->line, 2);
        EXPECT_EQ(earlier.setAside, kept.path() + aside);
        EXPECT_EQ(slurp(earlier.setAside), "open F03\nset 编辑框_链接地址 cut");
        EXPECT_EQ(inodeOf(kept.path()), 0u);
    }
}

// The program killed while the user types: what was typed more than two seconds before is on disk,
// and the file is whole.
TEST(KeptTexts, SurviveAKillWhileTyping) {
    const std::string folder = scratchFolder();
    int typed[2];
    ASSERT_EQ(pipe(typed), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(typed[0]);
        OpenWindow w("F03");
        KeptTexts kept(w.form(), registry(), folder);
        const Subscription changes = w.form().addChangeListener([&](const std::string&) { kept.changed(); });
        std::string text;
        for (int k = 0;; ++k) { // a key every 20 ms, the window's timer polling in between
            text += static_cast<char>('a' + k % 26);
            w.form().setText("编辑框_链接地址", text);
            (void)!write(typed[1], "k", 1);
            for (int i = 0; i < 4; ++i) {
                (void)kept.poll();
                std::this_thread::sleep_for(5ms);
            }
        }
    }
    close(typed[1]);
    fcntl(typed[0], F_SETFL, O_NONBLOCK);
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::chrono::steady_clock::time_point> keys;
    while (std::chrono::steady_clock::now() - start < 3500ms) {
        char buffer[64];
        const ssize_t n = read(typed[0], buffer, sizeof buffer);
        for (ssize_t i = 0; i < n; ++i)
            keys.push_back(std::chrono::steady_clock::now());
        std::this_thread::sleep_for(2ms);
    }
    kill(child, SIGKILL);
    const auto killed = std::chrono::steady_clock::now();
    waitpid(child, nullptr, 0);
    close(typed[0]);
    std::size_t before = 0; // keys typed more than two seconds before the kill
    while (before < keys.size() && keys[before] < killed - 2s)
        ++before;
    ASSERT_GT(before, 20u);

    OpenWindow restored("F03");
    const SettingsRead read = readSettingsFile(folder + "/F03.ornavo", poster(), registry());
    ASSERT_TRUE(read) << read.failure().message;
    applySettings(restored.form(), *read);
    EXPECT_GE(restored.form().text("编辑框_链接地址").size(), before);
    EXPECT_EQ(filesWith(folder, ".tmp-"), 0);
}

TEST(RecentSettings, KeepsTheNewestEightAndTheirFolder) {
    const std::string folder = scratchFolder();
    const std::string list = folder + "/state/recent";
    RecentSettings recent(list);
    EXPECT_TRUE(recent.files().empty());
    EXPECT_EQ(recent.folder(), "");
    std::vector<std::string> files;
    for (int k = 0; k < 10; ++k) {
        files.push_back(folder + "/设置 " + std::to_string(k) + "\t.ornavo");
        spit(files.back(), "x");
        EXPECT_TRUE(recent.remember(files.back()));
    }
    EXPECT_TRUE(recent.remember(files[5])); // again: moves to the front
    unlink(files[9].c_str());               // gone: left out
    const RecentSettings reread(list);
    EXPECT_EQ(reread.folder(), folder);
    EXPECT_EQ(reread.files(), (std::vector<std::string>{files[5], files[8], files[7], files[6], files[4],
                                                        files[3], files[2]}));
}
