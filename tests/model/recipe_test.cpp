// Reading a recipe as editors write it (byte-order mark, any line end, blank lines), one line at a
// time; rejecting text that is not UTF-8 and input that cannot be read; error messages that stay short
// and harmless; a run that is checked before anything is written and then streams its output; and the
// statuses of failed previews and failed writes.

#include "support/test_support.h"

#include "framework/model/recipe.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <system_error>
#include <vector>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

RecipeResult runFrom(std::istream& in, RecipeRunner::PreviewWriter writer = nullptr,
                     Session* session = nullptr) {
    Session ownSession;
    RecipeRunner runner(moduleRegistry(), session ? *session : ownSession);
    runner.setPreviewWriter(std::move(writer));
    std::ostringstream out, err;
    RecipeResult r;
    r.status = runner.run(in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

RecipeResult runWithWriter(const std::string& recipe, RecipeRunner::PreviewWriter writer) {
    std::istringstream in(recipe);
    return runFrom(in, std::move(writer));
}

// A recipe as a pipe gives it: read once, no going back. After `failAfter` bytes a read fails the way a
// file stream's does, with an exception that carries the system's error.
class OneWayInput : public std::streambuf {
  public:
    explicit OneWayInput(std::string text, std::size_t failAfter = std::string::npos)
        : text_(std::move(text)), failAfter_(failAfter) {}

  protected:
    int_type underflow() override {
        if (pos_ == failAfter_)
            throw std::ios_base::failure("read failed", std::error_code(EIO, std::system_category()));
        if (pos_ == text_.size())
            return traits_type::eof();
        current_ = text_[pos_++];
        setg(&current_, &current_, &current_ + 1);
        return traits_type::to_int_type(current_);
    }

  private:
    std::string text_;
    std::size_t failAfter_;
    std::size_t pos_ = 0;
    char current_ = 0;
};

// Output that takes `room` bytes and then fails, as a full disk does.
class FullOutput : public std::streambuf {
  public:
    explicit FullOutput(std::size_t room) : room_(room) {}
    std::string written;

  protected:
    int_type overflow(int_type c) override {
        if (written.size() == room_)
            return traits_type::eof();
        written += traits_type::to_char_type(c);
        return c;
    }

  private:
    std::size_t room_;
};

} // namespace

TEST(RecipeReading, ByteOrderMarkAndEveryLineEnd) {
    const std::string lines[] = {"# poster",
                                 "open F03",
                                 "",
                                 "  ",
                                 "\t \t",
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

TEST(RecipeReading, OneLineAtATimeWithItsNumber) {
    struct Case {
        std::string text;
        std::vector<std::pair<int, std::string>> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\n\r\n \t\n# note\n", {}},
        {"\xEF\xBB\xBFopen F03", {{1, "open F03"}}},
        {"a\rb\r\n\r\nc\n\nd", {{1, "a"}, {2, "b"}, {4, "c"}, {6, "d"}}},
        {" print\n\tx \n#\n #x", {{1, " print"}, {2, "\tx "}, {4, " #x"}}},
        {"x\n\xEF\xBB\xBFy\r\r", {{1, "x"}, {2, "\xEF\xBB\xBFy"}}},
    };
    for (const Case& c : cases) {
        OneWayInput buffer(c.text);
        std::istream in(&buffer);
        RecipeLineReader reader(in);
        std::ostringstream copy;
        reader.copyTo(&copy);
        std::vector<std::pair<int, std::string>> lines;
        for (std::string line; reader.next(line);)
            lines.emplace_back(reader.lineNumber(), line);
        EXPECT_EQ(lines, c.lines) << c.text;
        EXPECT_EQ(copy.str(), c.text); // every byte, as it stands
    }
}

TEST(RecipeReading, AFailedReadOrAnOverlongLineStopsTheRun) {
    const std::string recipe = "open F03\nshow 编辑框_海报高度\nshow 编辑框_海报高度\n";
    for (const std::size_t failAfter : {std::size_t(0), std::size_t(12), recipe.size()}) {
        OneWayInput buffer(recipe, failAfter);
        std::istream in(&buffer);
        const RecipeResult r = runFrom(in);
        EXPECT_EQ(r.status, RecipeRunner::kRecipeError);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err,
                  "cannot read the recipe: " + std::error_code(EIO, std::system_category()).message() + "\n");
    }
    std::istringstream overlong("open F03\nset 编辑框_海报高度 " +
                                std::string(RecipeLineReader::kMaxLineBytes, 'x'));
    const RecipeResult r = runFrom(overlong);
    EXPECT_EQ(r.status, RecipeRunner::kRecipeError);
    EXPECT_EQ(r.err, "recipe line 2: longer than 16 MiB\n");
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
    const RecipeResult failed =
        runWithWriter(recipe, [](const std::string&) -> Result<std::string, PreviewFailure> {
            return PreviewFailure{"/nowhere", "cannot write the preview page in /nowhere", 13};
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
    const RecipeResult both =
        runWithWriter(recipe + "frobnicate\n", [](const std::string&) -> Result<std::string, PreviewFailure> {
            return PreviewFailure{"/nowhere", "no room", 28};
        });
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.out, "");
}

// The check comes first: a recipe that fails at its last line has written nothing, shown each message
// once, written no preview page and left the session's window variables as they were.
TEST(RecipeRun, AFailingRecipeDoesNothing) {
    const std::string recipe = "open F03\npick 组合框_链接打开方式 新窗口\npress 按钮_全屏海报复制代码\n"
                               "press 按钮_全屏海报在线预览\nprint\n";
    int previews = 0;
    const auto writer = [&previews](const std::string&) {
        ++previews;
        return std::string("/tmp/x/test.html");
    };
    Session session;
    std::istringstream failing(recipe + "frobnicate\n");
    const RecipeResult failed = runFrom(failing, writer, &session);
    EXPECT_EQ(failed.status, RecipeRunner::kRecipeError);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err,
              "message: 复制失败，请生成代码后再试！\nrecipe line 6: unknown action frobnicate\n");
    EXPECT_EQ(previews, 0);
    EXPECT_TRUE(session.variables("F03").empty());

    std::istringstream good(recipe);
    const RecipeResult ran = runFrom(good, writer, &session);
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.err, "message: 复制失败，请生成代码后再试！\npreview: /tmp/x/test.html\n");
    EXPECT_EQ(previews, 1);
    EXPECT_FALSE(session.variables("F03").empty());
}

// Output is written as the lines ask for it, not gathered until the end: when the preview page is
// written, the print before it has already gone out.
TEST(RecipeRun, OutputGoesOutLineByLine) {
    Session session;
    RecipeRunner runner(moduleRegistry(), session);
    std::ostringstream out, err;
    std::vector<std::string> seenAtPreview;
    runner.setPreviewWriter([&](const std::string&) {
        seenAtPreview.push_back(out.str());
        return std::string("page");
    });
    std::istringstream recipe(
        "open F03\nshow 编辑框_海报高度\npress 按钮_全屏海报在线预览\nshow 编辑框_海报宽度\n");
    EXPECT_EQ(runner.run(recipe, out, err), 0);
    EXPECT_EQ(seenAtPreview, std::vector<std::string>{"500\n"});
    EXPECT_EQ(out.str(), "500\n1920\n");
}

// A recipe that can be read only once (a pipe) gives what the same recipe from a file gives.
TEST(RecipeRun, ARecipeReadOnceRunsAsFromAFile) {
    const std::string recipes[] = {
        "open F03\r\npick 组合框_店铺类型 集市店铺\r\npress 按钮_全屏海报一键生成\r\nprint\r\nclipboard\r\n",
        "\xEF\xBB\xBFopen F03\nanswer no\nclose\nshow 编辑框_海报高度\nclose\nprint\n",
        "open F03\nset 编辑框_海报高度 " + std::string(100000, '7') + "\nshow 编辑框_海报高度",
        "open F03\nprint\nclose\nprint\n",
    };
    for (const std::string& recipe : recipes) {
        const RecipeResult fromFile = runRecipe(recipe);
        OneWayInput buffer(recipe);
        std::istream pipe(&buffer);
        const RecipeResult fromPipe = runFrom(pipe);
        EXPECT_EQ(fromPipe.status, fromFile.status) << recipe;
        EXPECT_EQ(fromPipe.out, fromFile.out) << recipe;
        EXPECT_EQ(fromPipe.err, fromFile.err) << recipe;
    }
}

// A write that fails ends the run at once: nothing after it happens, and the status says so.
TEST(RecipeRun, AFailedWriteEndsTheRun) {
    for (const std::size_t room : {std::size_t(0), std::size_t(3), std::size_t(4)}) {
        Session session;
        RecipeRunner runner(moduleRegistry(), session);
        int previews = 0;
        runner.setPreviewWriter([&previews](const std::string&) {
            ++previews;
            return std::string("page");
        });
        FullOutput sink(room);
        std::ostream out(&sink);
        std::ostringstream err;
        std::istringstream recipe(
            "open F03\nshow 编辑框_海报高度\npress 按钮_全屏海报在线预览\nshow 编辑框_海报宽度\n");
        EXPECT_EQ(runner.run(recipe, out, err), RecipeRunner::kOutputFailed) << room;
        const std::string said = err.str();
        EXPECT_EQ(said.substr(said.find("cannot write")), "cannot write the output: write error\n") << said;
        EXPECT_EQ(previews, room == 4 ? 1 : 0) << room;
        EXPECT_EQ(sink.written, std::string("500\n").substr(0, room));
    }
}
