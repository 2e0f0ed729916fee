// Saved settings and kept texts: what the window writes reads back into the same window, exactly;
// damaged or foreign files change nothing; writes are whole or not at all; the kept texts reach the
// disk about once a second and survive the program being killed.

#include "support/test_support.h"

#include "framework/model/kept_texts.h"
#include "framework/model/platform.h"
#include "framework/model/recent_settings.h"
#include "framework/model/recipe_text.h"
#include "framework/model/settings_reader.h"
#include "framework/model/settings_writer.h"
#include "framework/model/text.h"
#include "framework/model/version.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

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
    std::ifstream f(std::filesystem::u8path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void spit(const std::string& path, const std::string& bytes) {
    std::ofstream(std::filesystem::u8path(path), std::ios::binary) << bytes;
}

std::string scratchFolder() {
    return ornavo::testing::scratchFolder("settings");
}

std::uint64_t inodeOf(const std::string& path) {
    return ornavo::testing::fileNumber(path);
}

// Files in the folder whose name holds `part`.
int filesWith(const std::string& folder, const std::string& part) {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::u8path(folder)))
        n += entry.path().filename().u8string().find(part) != std::string::npos;
    return n;
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

#ifndef _WIN32
// A failed save leaves the old file as it was and no temporary file beside it. (A file-size limit
// and a child process: POSIX by nature, built only there.)
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
#endif

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
    const std::uint64_t firstWrite = inodeOf(kept.path());
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
    const std::uint64_t secondWrite = inodeOf(kept.path());
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

#ifndef _WIN32
// The program killed while the user types: what was typed more than two seconds before is on disk,
// and the file is whole. (A child process killed: POSIX by nature, built only there.)
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

    // The next run's window finds them, and no temporary of the killed write stays beside them.
    OpenWindow restored("F03");
    KeptTexts next(restored.form(), registry(), folder);
    EXPECT_EQ(next.path(), folder + "/F03.ornavo"); // the killed copy's lock went with it
    const KeptTexts::Earlier earlier = next.readEarlier();
    ASSERT_TRUE(earlier.settings) << (earlier.problem ? earlier.problem->message : "");
    applySettings(restored.form(), *earlier.settings);
    EXPECT_GE(restored.form().text("编辑框_链接地址").size(), before);
    EXPECT_EQ(filesWith(folder, ".tmp-"), 0);
}
#endif

// The poster's offset is taken from the width when the shop kind is picked. Saved after the width
// changed, the window reopens (here in a run where the other shop kind was picked before) to the same
// code on every later press, clears included; a file of format 1, which carries no variables, opens
// as it always did: its choices set them anew.
TEST(SettingsRoundTrip, WindowVariablesComeBackWithTheFile) {
    OpenWindow w("F03");
    w.form().pickEntry("组合框_店铺类型", "集市店铺"); // at the default width, 1920
    w.form().setText("编辑框_海报宽度", "1000");
    const std::string code = w.press("按钮_全屏海报一键生成");
    ASSERT_NE(code.find("left:-960px"), std::string::npos);
    const std::string text = settingsText(w.form(), registry());
    EXPECT_NE(text.find("\nvar inner style = left:-960px;top:auto;border:none;padding:0;\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("var box class"), std::string::npos) << "only what the choices do not give back";
    EXPECT_EQ(runRecipe(text).out, code);

    WindowVariables earlierRun;
    OpenWindow before("F03", &earlierRun);
    before.form().pickEntry("组合框_店铺类型", "天猫店铺");
    OpenWindow reopened("F03", &earlierRun);
    const SettingsRead read = readSettings(text, poster(), registry());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->wholeVariables);
    applySettings(reopened.form(), *read);
    EXPECT_EQ(reopened.press("按钮_全屏海报一键生成"), code);
    EXPECT_EQ(reopened.form().variables(), w.form().variables());
    w.press("按钮_全屏海报清空内容");
    reopened.press("按钮_全屏海报清空内容");
    EXPECT_EQ(reopened.press("按钮_全屏海报一键生成"), w.press("按钮_全屏海报一键生成"));

    // Variables the saved window never had are emptied: a window that never picked a shop kind.
    OpenWindow plain("F03");
    plain.press("按钮_全屏海报一键生成");
    const SettingsRead none = readSettings(settingsText(plain.form(), registry()), poster(), registry());
    ASSERT_TRUE(none);
    OpenWindow third("F03", &earlierRun);
    applySettings(third.form(), *none);
    EXPECT_EQ(third.press("按钮_全屏海报一键生成"), plain.form().code());

    // Format 1, as Ornavo 2.0.1 wrote it: the pick takes its offset from the width set before it.
    std::string older = text;
    older.replace(older.find("settings format 2"), 17, "settings format 1");
    older.erase(older.find("var inner style"), older.find("press") - older.find("var inner style"));
    const SettingsRead old = readSettings(older, poster(), registry());
    ASSERT_TRUE(old);
    EXPECT_FALSE(old->wholeVariables);
    OpenWindow fourth("F03", &earlierRun);
    applySettings(fourth.form(), *old);
    EXPECT_NE(fourth.press("按钮_全屏海报一键生成").find("left:-500px"), std::string::npos);
}

// Every window filled in, then its fields typed again after the lists were picked and the radio
// buttons chosen (so that what the handlers took from the fields is not what the fields end with):
// saved and reopened, it holds the same variables and gives the same code with every generate button.
TEST(SettingsRoundTrip, FieldsTypedAfterTheChoicesComeBackAsTheyWere) {
    for (const ModuleSpec& module : registry().all()) {
        OpenWindow first(module.key);
        fillDistinct(first.form());
        int k = 0;
        for (const Control* c : allControls(module))
            if (c->kind == ControlKind::Field)
                first.form().setText(c->name, std::to_string(640 + 2 * ++k));
        const std::vector<std::string> generators = generateButtons(module);
        first.press(generators.front());
        const std::string text = settingsText(first.form(), registry());
        const SettingsRead read = readSettings(text, module, registry());
        ASSERT_TRUE(read) << module.key << ": " << read.failure().message;
        OpenWindow second(module.key);
        applySettings(second.form(), *read);
        for (const std::string& name : windowVariables(module))
            EXPECT_EQ(second.form().var(name), first.form().var(name)) << module.key << " " << name;
        for (const std::string& button : generators)
            EXPECT_EQ(second.press(button), first.press(button)) << module.key << " " << button;
    }
}

// Control characters, the line and paragraph separators and the byte-order mark are written escaped:
// the file's only line ends are its LFs, whatever an editor or a script takes for one. The texts come
// back exactly; a backslash that looks like an escape is written as two.
TEST(SettingsText, ControlCharactersAndSeparatorsAreWrittenEscaped) {
    std::string awkward;
    for (int c = 0; c < 0x20; ++c)
        awkward += static_cast<char>(c);
    awkward += "\x7F|\xC2\x85|\xC2\x9B|\xE2\x80\xA8|\xE2\x80\xA9|\xEF\xBB\xBF|\\x41\\u2028\\\\|宝贝";
    OpenWindow w("F03");
    w.form().setText("编辑框_链接地址", awkward);
    w.form().setText("编辑框_图片地址", "\xE2\x80\xA8");
    w.press("按钮_全屏海报一键生成");
    const std::string text = settingsText(w.form(), registry());
    for (const unsigned char c : text)
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c != 0x7F)) << "raw byte " << int(c);
    for (const char* raw : {"\xC2\x85", "\xC2\x9B", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xEF\xBB\xBF"})
        EXPECT_EQ(text.find(raw), std::string::npos) << recipeExcerpt(raw);
    EXPECT_NE(text.find("\\x00\\x01"), std::string::npos) << text;
    EXPECT_NE(text.find("|\\u0085|\\u009B|\\u2028|\\u2029|\\uFEFF|\\\\x41\\\\u2028\\\\\\\\|宝贝"),
              std::string::npos)
        << text;

    const SettingsRead read = readSettings(text, poster(), registry());
    ASSERT_TRUE(read) << read.failure().message;
    EXPECT_EQ(read->snapshot.texts.at("编辑框_链接地址"), awkward);
    EXPECT_TRUE(read->snapshot == w.form().snapshot());
    EXPECT_EQ(runRecipe(text).out, w.form().code());

    // The new escapes mean something only where the head line names format 2: written by hand or by
    // Ornavo 2.0.1, "\x41" is those four characters, as it always was.
    for (const char* head :
         {"", "# Ornavo 2.0.1 — F03 全屏海报\n", "# Ornavo 2.0.1, settings format 1 — F03\n"}) {
        const RecipeResult plain = runRecipe(
            std::string(head) + "open F03\nset 编辑框_海报高度 \\x41\\u2028\\t\nshow 编辑框_海报高度\n");
        EXPECT_EQ(plain.out, "\\x41\\u2028\t\n") << head;
    }
    const RecipeResult full = runRecipe("# Ornavo 2.0.2, settings format 2 — F03\nopen F03\nset "
                                        "编辑框_海报高度 \\x41\\u2028\\xZZ\\uD800\nshow 编辑框_海报高度\n");
    EXPECT_EQ(full.out, "A\xE2\x80\xA8\\xZZ\\uD800\n");
}

// var NAME = TEXT sets a window variable the window names; anything else on a var line stops the run.
TEST(SettingsText, VarLinesSetNamedVariablesOnly) {
    const RecipeResult set = runRecipe("open F03\nvar box class = my\\tclass\nvar inner style =\n"
                                       "press 按钮_全屏海报一键生成\nprint\n");
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out.find("<div class=\"my\tclass\"\r\nstyle=\""), set.out.find("<div class=\""));
    const struct {
        const char* line;
        const char* says;
    } bad[] = {
        {"var no such thing = x", "recipe line 2: the window has no variable no such thing"},
        {"var box class x", "recipe line 2: the window has no variable box class x"},
        {"var box class=x", "recipe line 2: the window has no variable box class=x"},
    };
    for (const auto& b : bad) {
        const RecipeResult r = runRecipe(std::string("open F03\n") + b.line + "\nprint\n");
        EXPECT_EQ(r.status, RecipeRunner::kRecipeError) << b.line;
        EXPECT_NE(r.err.find(b.says), std::string::npos) << r.err;
        const SettingsRead read =
            readSettings(std::string("open F03\n") + b.line + "\nprint\n", poster(), registry());
        ASSERT_FALSE(read) << b.line;
        EXPECT_EQ(read.failure().line, 2);
        EXPECT_NE(read.failure().message.find("窗口里没有变量"), std::string::npos) << read.failure().message;
    }
}

#ifndef _WIN32 // named pipes and devices among files
// Nothing but a regular file is read, and nothing waits: a pipe that nobody writes to (set free after
// five seconds, should anything wait for it), a device that never ends, a folder are refused at once,
// each with its reason in Chinese.
TEST(SettingsFiles, NothingButRegularFilesIsReadAndNothingWaits) {
    const std::string folder = scratchFolder();
    NamedPipe pipe(folder + "/pipe.ornavo");
    ASSERT_TRUE(pipe.made());
    const struct {
        std::string path;
        const char* says;
    } cases[] = {
        {pipe.path(), "那不是普通文件（是管道、设备或套接字）"},
        {"/dev/zero", "那不是普通文件（是管道、设备或套接字）"},
        {folder, "那是一个文件夹，不是文件"},
    };
    for (const auto& c : cases) {
        const SettingsRead read = readSettingsFile(c.path, poster(), registry());
        ASSERT_FALSE(read) << c.path;
        EXPECT_EQ(read.failure().message, c.says) << c.path;
        EXPECT_EQ(foreignWords(read.failure().message, ""), "") << read.failure().message;
    }
    EXPECT_FALSE(pipe.rescued());

    // Found where the window's kept texts are: set aside at once, with the same reason.
    NamedPipe kept(folder + "/F03.ornavo");
    OpenWindow w("F03");
    const KeptTexts::Earlier earlier = KeptTexts(w.form(), registry(), folder).readEarlier();
    EXPECT_FALSE(kept.rescued());
    ASSERT_TRUE(earlier.problem);
    EXPECT_EQ(earlier.problem->message, "那不是普通文件（是管道、设备或套接字）");
    EXPECT_EQ(earlier.setAside, folder + "/F03.ornavo.damaged");
}

#endif

// One size for settings files in both programs: what would be refused when read is not written.
TEST(SettingsFiles, WhatWouldBeRefusedIsNotWritten) {
    const std::string folder = scratchFolder();
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"an 8 MiB field", std::string(8 << 20, 'x')},
        // Fits as it is, but not once its TABs are escaped.
        {"a field of TABs", std::string(kSettingsSizeLimit * 3 / 4, '\t')},
    };
    for (const auto& c : cases) {
        OpenWindow w("F03");
        KeptTexts kept(w.form(), registry(), folder);
        const Subscription changes = w.form().addChangeListener([&](const std::string&) { kept.changed(); });
        w.form().setText("编辑框_链接地址", c.text);
        const std::string text = settingsText(w.form(), registry());
        EXPECT_FALSE(fitsSettingsFile(text)) << c.what;
        EXPECT_FALSE(readSettings(text, poster(), registry())) << c.what;
        const Status written = kept.flush();
        ASSERT_FALSE(written) << c.what;
        EXPECT_NE(written.failure().reason.find("超过了设置文件的上限 1 MiB"), std::string::npos)
            << written.failure().reason;
        EXPECT_FALSE(pathExists(kept.path())) << c.what;
    }
}

#ifndef _WIN32 // symbolic links, and other running copies made with fork()
// The kept file is the program's own: a link found under its name is never read or written through
// (the user's file it points to stays as it was), a dangling one no less; typing then goes to a
// regular file of its own.
TEST(KeptTexts, LinksAreNeitherReadNorWrittenThrough) {
    const std::string folder = scratchFolder();
    const std::string users = folder + "/mine.ornavo";
    OpenWindow saved("F03");
    saved.form().setText("编辑框_链接地址", "the user's own");
    spit(users, settingsText(saved.form(), registry()));
    const std::string before = slurp(users);
    for (const std::string& target : {users, folder + "/gone.ornavo"}) {
        SCOPED_TRACE(target);
        ASSERT_EQ(::symlink(target.c_str(), (folder + "/F03.ornavo").c_str()), 0);
        OpenWindow w("F03");
        KeptTexts kept(w.form(), registry(), folder);
        const KeptTexts::Earlier earlier = kept.readEarlier();
        EXPECT_FALSE(earlier.settings);
        ASSERT_TRUE(earlier.problem);
        EXPECT_EQ(earlier.problem->message, "那是一个符号链接，不是普通文件");
        const Subscription changes = w.form().addChangeListener([&](const std::string&) { kept.changed(); });
        w.form().setText("编辑框_链接地址", "typed here");
        EXPECT_TRUE(kept.flush());
        struct stat st;
        ASSERT_EQ(::lstat(kept.path().c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_NE(slurp(kept.path()).find("typed here"), std::string::npos);
        EXPECT_EQ(slurp(users), before);
        EXPECT_FALSE(pathExists(folder + "/gone.ornavo"));
        ::unlink(kept.path().c_str());
        ::unlink(earlier.setAside.c_str());
    }
}

// Kept texts belong to one running copy: a second copy with the same window open (in this process or
// another) keeps its typing under a name of its own and knows it; once the first has gone, whether it
// closed the window or was killed, the usual name is free again.
TEST(KeptTexts, BelongToOneRunningCopyAtATime) {
    const std::string folder = scratchFolder();
    OpenWindow a("F03"), b("F03");
    auto first = std::make_unique<KeptTexts>(a.form(), registry(), folder);
    KeptTexts second(b.form(), registry(), folder);
    EXPECT_EQ(first->path(), folder + "/F03.ornavo");
    EXPECT_FALSE(first->besideAnotherCopy());
    EXPECT_EQ(second.path(), folder + "/F03-2.ornavo");
    EXPECT_TRUE(second.besideAnotherCopy());
    a.form().setText("编辑框_链接地址", "typed in the first");
    first->changed();
    b.form().setText("编辑框_链接地址", "typed in the second");
    second.changed();
    EXPECT_TRUE(first->flush());
    EXPECT_TRUE(second.flush());
    EXPECT_NE(slurp(folder + "/F03.ornavo").find("typed in the first"), std::string::npos);
    EXPECT_NE(slurp(folder + "/F03-2.ornavo").find("typed in the second"), std::string::npos);
    EXPECT_TRUE(first->finish());
    OpenWindow c("F03");
    EXPECT_EQ(KeptTexts(c.form(), registry(), folder).path(), folder + "/F03.ornavo");
    first.reset();

    // Another process: its lock goes when it is killed.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        OpenWindow mine("F04");
        KeptTexts held(mine.form(), registry(), folder);
        (void)!write(ready[1], held.besideAnotherCopy() ? "2" : "1", 1);
        for (;;)
            pause();
    }
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    EXPECT_EQ(answer, '1');
    OpenWindow d("F04");
    EXPECT_EQ(KeptTexts(d.form(), registry(), folder).path(), folder + "/F04-2.ornavo");
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(KeptTexts(d.form(), registry(), folder).path(), folder + "/F04.ornavo");
    close(ready[0]);
    close(ready[1]);
}

// Temporaries of writes that were killed half-way go: those of processes that no longer run, and any
// older than ten minutes; those of a write still going on stay. Beside the kept texts when the next
// window opens, beside any file the next time it is written.
TEST(SettingsFiles, LeftoversOfInterruptedWritesAreRemoved) {
    const std::string folder = scratchFolder();
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const pid_t running = fork();
    if (running == 0) {
        for (;;)
            pause();
    }
    for (const std::string& file : {folder + "/F03.ornavo", folder + "/mine.ornavo"}) {
        SCOPED_TRACE(file);
        const std::string dead = file + ".tmp-" + std::to_string(gone) + "-a1B2c3";
        const std::string old = file + ".tmp-Zx9y8W";
        const std::string busy = file + ".tmp-" + std::to_string(running) + "-q7R8s9";
        const std::string mine = file + ".tmp-" + std::to_string(getpid()) + "-t0U1v2";
        const std::string other = file + ".bak";
        for (const std::string& f : {dead, old, busy, mine, other})
            spit(f, "part");
        const timespec hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, old.c_str(), hourAgo, 0), 0);
        if (file == folder + "/F03.ornavo") {
            OpenWindow w("F03");
            KeptTexts kept(w.form(), registry(), folder);
        } else {
            EXPECT_TRUE(writeFile(file, "whole"));
        }
        EXPECT_FALSE(pathExists(dead));
        EXPECT_FALSE(pathExists(old));
        EXPECT_TRUE(pathExists(busy));
        EXPECT_TRUE(pathExists(mine));
        EXPECT_TRUE(pathExists(other));
    }
    kill(running, SIGKILL);
    waitpid(running, nullptr, 0);
}

#endif

TEST(RecentSettings, KeepsTheNewestEightAndTheirFolder) {
    const std::string folder = scratchFolder();
    const std::string list = folder + "/state/recent";
    RecentSettings recent(list);
    EXPECT_TRUE(recent.files().empty());
    EXPECT_EQ(recent.folder(), "");
    std::vector<std::string> files;
    for (int k = 0; k < 10; ++k) {
#ifdef _WIN32
        files.push_back(
            pathInFolder(folder, "设置 " + std::to_string(k) + " .ornavo")); // no TAB in names there
#else
        files.push_back(folder + "/设置 " + std::to_string(k) + "\t.ornavo");
#endif
        spit(files.back(), "x");
        EXPECT_TRUE(recent.remember(files.back()));
    }
    EXPECT_TRUE(recent.remember(files[5]));                     // again: moves to the front
    std::filesystem::remove(std::filesystem::u8path(files[9])); // gone: left out
    const RecentSettings reread(list);
    EXPECT_EQ(reread.folder(), folder);
    EXPECT_EQ(reread.files(), (std::vector<std::string>{files[5], files[8], files[7], files[6], files[4],
                                                        files[3], files[2]}));
}
