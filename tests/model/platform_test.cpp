// The model's door to the operating system, the same on every system: whole files and the save that
// replaces them, folders, names in Chinese, the private folder, the scratch file, processes, the
// environment and the GBK code page. Built and run on Linux and on Windows (through Wine) alike.

#include "framework/model/platform.h"
#include "framework/model/text.h"
#include "support/process.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace ornavo;
namespace fs = std::filesystem;

namespace {

class Platform : public ::testing::Test {
  protected:
    void SetUp() override {
        base = ornavo::testing::scratchFolder("platform");
        ASSERT_FALSE(base.empty());
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(fs::u8path(base), ignored);
    }
    std::string in(const std::string& name) const { return pathInFolder(base, name); }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& entry : fs::directory_iterator(fs::u8path(base)))
            all.push_back(entry.path().filename().u8string());
        std::sort(all.begin(), all.end());
        return all;
    }
    std::string base;
};

std::string read(const std::string& path) {
    const Result<std::string, ReadFailure> bytes = readFile(path, 1 << 20);
    return bytes ? *bytes : "(" + bytes.failure().english() + ")";
}

} // namespace

// A settings file saved again and again: each save replaces the last one whole, and nothing else is
// left in the folder (the second save used to fail where a rename does not replace).
TEST_F(Platform, SavingTheSameFileAgainReplacesIt) {
    ASSERT_TRUE(makeFolders(in("设置 文件夹")));
    const std::string file = pathInFolder(in("设置 文件夹"), "全屏海报.ornavo");
    for (const std::string text : {"first\r\n", "second, longer\r\n", "", "third\x1A\n"}) {
        const Status saved = writeFile(file, text);
        ASSERT_TRUE(saved) << saved.failure().reason;
        EXPECT_EQ(read(file), text);
    }
    EXPECT_EQ(names(), std::vector<std::string>{"设置 文件夹"});
    int inFolder = 0;
    for (const auto& entry : fs::directory_iterator(fs::u8path(in("设置 文件夹"))))
        inFolder += entry.is_regular_file();
    EXPECT_EQ(inFolder, 1);
}

TEST_F(Platform, ReadingSaysWhyNot) {
    const auto fault = [](const std::string& path, std::size_t limit) {
        const Result<std::string, ReadFailure> r = readFile(path, limit);
        return r ? std::make_pair(ReadFault::Failed, -1)
                 : std::make_pair(r.failure().fault, r.failure().error);
    };
    EXPECT_EQ(fault(in("没有.txt"), 10).first, ReadFault::Missing);
    EXPECT_EQ(fault(base, 10), (std::make_pair(ReadFault::NotAFile, EISDIR)));
    ASSERT_TRUE(writeFile(in("十一.txt"), "0123456789A"));
    EXPECT_EQ(fault(in("十一.txt"), 10), (std::make_pair(ReadFault::TooLarge, EFBIG)));
    EXPECT_EQ(read(in("十一.txt")), "0123456789A");
    EXPECT_EQ((ReadFailure{ReadFault::NotAFile, EISDIR}.english()), "it is a folder");
    EXPECT_EQ((ReadFailure{ReadFault::Missing, ENOENT}.reason()), "文件不存在");
}

TEST_F(Platform, FoldersRenamesAndRemovals) {
    const std::string deep = pathInFolder(pathInFolder(in("一"), "二 三"), "四");
    ASSERT_TRUE(makeFolders(deep));
    EXPECT_TRUE(makeFolders(deep)); // already there
    EXPECT_TRUE(pathExists(deep));
    EXPECT_FALSE(isRegularFile(deep));
    const std::string file = pathInFolder(deep, "文件.txt");
    ASSERT_TRUE(writeFile(file, "甲"));
    EXPECT_TRUE(isRegularFile(file));
    const Status notAFolder = makeFolders(pathInFolder(file, "下面"));
    ASSERT_FALSE(notAFolder);
    EXPECT_EQ(notAFolder.failure().error, ENOTDIR);

    // A rename replaces what has the new name, as the POSIX rename does.
    const std::string other = pathInFolder(deep, "别的.txt");
    ASSERT_TRUE(writeFile(other, "乙"));
    ASSERT_TRUE(renameFile(file, other));
    EXPECT_FALSE(pathExists(file));
    EXPECT_EQ(read(other), "甲");

    EXPECT_TRUE(removeFile(other));
    EXPECT_FALSE(pathExists(other));
    EXPECT_TRUE(removeFile(other)); // not there: no failure
    const Status intoNowhere = writeFile(pathInFolder(in("没有的文件夹"), "x.txt"), "x");
    ASSERT_FALSE(intoNowhere);
    EXPECT_EQ(intoNowhere.failure().error, ENOENT);
    EXPECT_EQ(intoNowhere.failure().reason, "文件或文件夹不存在");
}

TEST(PlatformPaths, FolderAndNameOfAPath) {
    EXPECT_EQ(folderOf("/a/b/c.txt"), "/a/b");
    EXPECT_EQ(fileNameOf("/a/b/c.txt"), "c.txt");
    EXPECT_EQ(folderOf("/c.txt"), "/");
    EXPECT_EQ(folderOf("c.txt"), ".");
    EXPECT_EQ(fileNameOf("c.txt"), "c.txt");
    EXPECT_EQ(pathInFolder("文件夹", "名字"), std::string("文件夹") + kPathSeparator + "名字");
#ifdef _WIN32
    EXPECT_EQ(folderOf("C:\\用户\\设置.ornavo"), "C:\\用户");
    EXPECT_EQ(fileNameOf("C:\\用户\\设置.ornavo"), "设置.ornavo");
    EXPECT_EQ(folderOf("C:\\设置.ornavo"), "C:\\");
    EXPECT_EQ(folderOf("C:/a\\b/c"), "C:/a\\b");
    EXPECT_EQ(folderOf("\\\\server\\share\\x"), "\\\\server\\share");
    EXPECT_EQ(folderOf("D:x"), "D:");
    EXPECT_EQ(fileNameOf("D:x"), "x");
#endif
}

TEST(PlatformEnvironment, VariablesInAnyScriptAndTheProgramsFolders) {
    using ornavo::testing::setEnvironment;
    const std::optional<std::string> before = setEnvironment("ORNAVO_TEST_VALUE", "店铺 €");
    EXPECT_EQ(environmentVariable("ORNAVO_TEST_VALUE"), std::optional<std::string>("店铺 €"));
    setEnvironment("ORNAVO_TEST_VALUE", std::nullopt);
    EXPECT_EQ(environmentVariable("ORNAVO_TEST_VALUE"), std::nullopt);
    setEnvironment("ORNAVO_TEST_VALUE", before);

#ifdef _WIN32
    const char* const stateVariable = "LOCALAPPDATA";
    const std::string state = "C:\\用户\\本地";
    const std::string expected = "C:\\用户\\本地\\Ornavo";
    const std::string fallback = "\\AppData\\Local\\Ornavo"; // in the user's profile
#else
    const char* const stateVariable = "XDG_STATE_HOME";
    const std::string state = "/用户/状态";
    const std::string expected = "/用户/状态/ornavo";
    const std::string fallback = "/.local/state/ornavo"; // in the home folder
#endif
    const std::optional<std::string> saved = setEnvironment(stateVariable, state);
    EXPECT_EQ(stateFolder(), expected);
    setEnvironment(stateVariable, "relative"); // not a place of its own: not used
    const std::string folder = stateFolder();
    ASSERT_GT(folder.size(), fallback.size());
    EXPECT_EQ(folder.substr(folder.size() - fallback.size()), fallback);
    setEnvironment(stateVariable, saved);
}

// The private folder: files made new only, identified until replaced, renamed over, listed.
TEST_F(Platform, PrivateFolderMakesListsAndReplaces) {
    Result<PrivateFolder> opened = PrivateFolder::open(in("私有"));
    ASSERT_TRUE(opened) << opened.failure().reason;
    PrivateFolder& folder = *opened;
    const Result<FileIdentity> first = folder.createFile("甲.html", "one");
    ASSERT_TRUE(first) << first.failure().reason;
    EXPECT_EQ(first->size, 3u);
    const Result<FileIdentity> again = folder.createFile("甲.html", "two");
    ASSERT_FALSE(again);
    EXPECT_EQ(again.failure().error, EEXIST);
    EXPECT_EQ(read(pathInFolder(in("私有"), "甲.html")), "one");

    const Result<std::optional<FileIdentity>> same = folder.identity("甲.html");
    ASSERT_TRUE(same && *same);
    EXPECT_TRUE(**same == *first);
    const Result<std::optional<FileIdentity>> none = folder.identity("乙.html");
    ASSERT_TRUE(none);
    EXPECT_FALSE(*none);

    const Result<FileIdentity> second = folder.createFile("乙.html", "two!");
    ASSERT_TRUE(second);
    ASSERT_TRUE(folder.rename("乙.html", "甲.html")); // replaces
    EXPECT_EQ(read(pathInFolder(in("私有"), "甲.html")), "two!");
    const Result<std::optional<FileIdentity>> replaced = folder.identity("甲.html");
    ASSERT_TRUE(replaced && *replaced);
    EXPECT_FALSE(**replaced == *first);
    EXPECT_TRUE(**replaced == *second);

    ASSERT_TRUE(makeFolders(pathInFolder(in("私有"), "子")));
    const std::vector<PrivateFolder::Entry> entries = folder.entries();
    ASSERT_EQ(entries.size(), 2u);
    for (const PrivateFolder::Entry& e : entries) {
        EXPECT_EQ(e.regular, e.name == "甲.html") << e.name;
        EXPECT_LE(e.ageSeconds, 60) << e.name;
        EXPECT_GE(e.ageSeconds, -5) << e.name;
    }
    folder.remove("甲.html");
    EXPECT_FALSE(pathExists(pathInFolder(in("私有"), "甲.html")));

    // A plain file where the folder should be is refused, and so is a missing one not to be made.
    ASSERT_TRUE(writeFile(in("文件"), "x"));
    EXPECT_FALSE(PrivateFolder::open(in("文件")));
    const Result<PrivateFolder> missing = PrivateFolder::open(in("没有"), false);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure().error, ENOENT);
}

// A lock is held by one holder at a time (a second take in the same process is refused too) and is
// free again once its holder lets go; temporaries that a killed write of a file left behind go with the
// next write of that file, and the program's own files are never read through a link.
TEST_F(Platform, LocksLeftoversAndTheProgramsOwnFiles) {
    const std::string lockName = in("全屏海报.ornavo.lock");
    Result<std::optional<FileLock>> first = FileLock::take(lockName);
    ASSERT_TRUE(first) << first.failure().reason;
    ASSERT_TRUE(first->has_value());
    Result<std::optional<FileLock>> second = FileLock::take(lockName);
    ASSERT_TRUE(second);
    EXPECT_FALSE(second->has_value()) << "a second holder took the lock";
    first->reset();
    Result<std::optional<FileLock>> again = FileLock::take(lockName);
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->has_value()) << "the lock stays taken after its holder let go";

    // A write killed half-way, by a process that no longer runs (its number is far beyond any running).
    const std::string file = in("设置.ornavo");
    ASSERT_TRUE(writeFile(file, "old\n"));
    const std::string leftover = file + ".tmp-999999998-000001";
    std::ofstream(fs::u8path(leftover), std::ios::binary) << "half a file";
    ASSERT_TRUE(fs::exists(fs::u8path(leftover)));
    ASSERT_TRUE(writeFile(file, "new\n", Links::Refuse));
    EXPECT_FALSE(fs::exists(fs::u8path(leftover))) << "the leftover of a killed write stays";
    EXPECT_EQ(read(file), "new\n");
    const Result<std::string, ReadFailure> own = readFile(file, 1024, Links::Refuse);
    ASSERT_TRUE(own);
    EXPECT_EQ(*own, "new\n");
}

TEST(PlatformProcesses, ARunningProcessAndOneThatEnded) {
    EXPECT_TRUE(processRunning(processId()));
    ornavo::testing::Launch launch;
    launch.args = {"--version"};
    const ornavo::testing::Finished ended = ornavo::testing::runProgram(ORNAVO_GEN, launch);
    ASSERT_EQ(ended.status, 0);
    ASSERT_GT(ended.pid, 0);
    EXPECT_FALSE(processRunning(ended.pid));
}

// The scratch file takes more than its buffers hold and gives it back from the start.
TEST(PlatformScratch, WrittenThenReadFromTheStart) {
    Result<std::unique_ptr<std::iostream>> scratch = openScratchFile();
    ASSERT_TRUE(scratch) << scratch.failure().reason;
    std::iostream& s = **scratch;
    std::string written;
    for (int i = 0; i < 20000; ++i)
        written += "line " + std::to_string(i) + "\r\n\x1A";
    ASSERT_TRUE(s.write(written.data(), static_cast<std::streamsize>(written.size())));
    ASSERT_TRUE(s.flush());
    s.seekg(0);
    ASSERT_TRUE(s);
    const std::string back((std::istreambuf_iterator<char>(s)), {});
    EXPECT_EQ(back.size(), written.size());
    EXPECT_TRUE(back == written);
}

// GBK as the standard has it, on every system: the euro at 0x80, the middle dot and the em dash, and
// nothing for the user-defined areas (which Windows's code page 936 maps to private-use characters).
TEST(PlatformGbk, TheSameCodePageEverywhere) {
    EXPECT_EQ(utf8ToGbk("€·—店"), std::optional<std::string>("\x80\xA1\xA4\xA1\xAA\xB5\xEA"));
    EXPECT_EQ(gbkToUtf8("\x80\xA1\xA4\xA1\xAA\xB5\xEA"), std::optional<std::string>("€·—店"));
    for (const char* userDefined : {"\xAA\xA1", "\xF8\xFE", "\xA1\x40", "\xFE\xFE"})
        EXPECT_EQ(gbkToUtf8(userDefined), std::nullopt) << userDefined;
    EXPECT_EQ(utf8ToGbk("\xEE\x80\x80"), std::nullopt); // U+E000
    EXPECT_EQ(utf8ToGbk("a\xEE\x80\x80", Unencodable::NumericReference),
              std::optional<std::string>("a&#57344;"));
    EXPECT_EQ(gbkLength("\xEE\x80\x80店"), 3u);
    EXPECT_EQ(gbkToUtf8("\x81"), std::nullopt); // a lead byte alone
    EXPECT_EQ(gbkToUtf8("\xFF"), std::nullopt); // never a GBK byte
    EXPECT_EQ(gbkToUtf8(std::string("a\0b", 3)), std::optional<std::string>(std::string("a\0b", 3)));
    EXPECT_EQ(gbkToUtf8(""), std::optional<std::string>(""));
}
