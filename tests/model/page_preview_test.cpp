// The page preview file: the shop page with the page's sign, its navigation styles in one style
// sheet, and one slot per shown module in page order, each module's code carried as a script string
// that gives back exactly the page's copy.

#include "support/page_support.h"

#include "framework/model/page_preview.h"
#include "framework/model/platform.h"
#include "framework/model/preview_page.h"
#include "framework/model/text.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

// Reads a JavaScript string literal (double quotes; \" \\ \n \uXXXX with surrogate pairs) at `at`,
// as a browser would, into UTF-8; moves `at` past it.
std::string readScriptString(const std::string& text, std::size_t& at) {
    std::string out;
    EXPECT_EQ(text[at], '"');
    for (++at; at < text.size() && text[at] != '"'; ++at) {
        if (text[at] != '\\') {
            out += text[at];
            continue;
        }
        const char e = text[++at];
        if (e != 'u') {
            out += e == 'n' ? '\n' : e;
            continue;
        }
        char32_t unit = static_cast<char32_t>(std::stoul(text.substr(at + 1, 4), nullptr, 16));
        at += 4;
        if (unit >= 0xD800 && unit < 0xDC00 && text.compare(at + 1, 2, "\\u") == 0) {
            const char32_t low = static_cast<char32_t>(std::stoul(text.substr(at + 3, 4), nullptr, 16));
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            at += 6;
        }
        appendUtf8(out, unit);
    }
    ++at;
    return out;
}

// Every slot's number and the code its script fills in, in the order they stand in the page.
std::vector<std::pair<std::string, std::string>> slotsIn(const std::string& page) {
    std::vector<std::pair<std::string, std::string>> slots;
    const std::string mark = "data-ornavo-slot=\"";
    for (std::size_t at = page.find(mark); at != std::string::npos; at = page.find(mark, at)) {
        at += mark.size();
        const std::string slot = page.substr(at, page.find('"', at) - at);
        std::size_t fill = page.find("ornavoFill(\"", at);
        EXPECT_NE(fill, std::string::npos);
        fill += std::string("ornavoFill(").size();
        slots.emplace_back(slot, readScriptString(page, fill));
    }
    return slots;
}

bool isAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

TEST(PagePreview, SlotsHoldEachShownModuleInPageOrder) {
    Page page = pageOf({"F23", "F03", "F09", "F06", "F15", "F15", "F07", "F17", "F23"});
    ASSERT_TRUE(setModuleHidden(page, 7, true));
    ASSERT_TRUE(setModuleArea(page, 8, PageArea::Body));
    const std::vector<RenderedModule> modules = render(page);
    const std::string text = pagePreviewText(page, modules);

    const std::string head(previewPageHead());
    EXPECT_EQ(text.compare(0, head.find("</head>"), head, 0, head.find("</head>")), 0);
    EXPECT_NE(text.find("本店铺特效代码由"), std::string::npos) << "the saved page's footer";

    const auto slots = slotsIn(text);
    std::vector<std::string> order;
    for (const auto& [slot, code] : slots)
        order.push_back(slot);
    EXPECT_EQ(order, (std::vector<std::string>{"navigation", "3", "1", "2", "5", "6", "9"}));
    for (const auto& [slot, code] : slots) {
        if (slot == "navigation") {
            EXPECT_EQ(code, modules[3].pageCode + modules[6].pageCode);
            EXPECT_EQ(code, navigationStyleText(page, modules));
        } else {
            const std::size_t index = *moduleIndexById(page, std::stoi(slot));
            EXPECT_EQ(code, modules[index].pageCode) << slot;
        }
    }
    EXPECT_NE(modules[5].pageCode, modules[5].windowCode) << "the second F15 is the page's copy";

    // Where they stand: the sign in the header instead of the saved page's, the side-column module in
    // a side column, the others in the 950-pixel column, the style sheet in the head.
    const std::size_t body = text.find("<div id=\"bd\">");
    EXPECT_LT(text.find("data-ornavo-slot=\"3\""), body);
    EXPECT_EQ(countOf(text, "<div class=\"banner-title\">"), 0u) << "the saved page's sign is replaced";
    EXPECT_LT(text.find("data-ornavo-slot=\"navigation\""), text.find("</head>"));
    const std::size_t side = text.find("class=\"col-sub");
    EXPECT_LT(body, side);
    EXPECT_LT(side, text.find("data-ornavo-slot=\"1\""));
    EXPECT_LT(text.find("data-ornavo-slot=\"1\""), text.find("class=\"layout grid-m0", side));
    EXPECT_EQ(countOf(text, "class=\"layout grid-m0 J_TLayout\""), 4u) << "one for each shown body module";
    EXPECT_EQ(countOf(text, "class=\"layout grid-s5m0 J_TLayout\""), 1u);

    // The modules' code is in the page only as ASCII script strings.
    const std::string f15 = modules[4].pageCode;
    EXPECT_EQ(text.find(f15.substr(0, 200)), std::string::npos);
    EXPECT_EQ(text.find("已售"), std::string::npos);

    // Without a sign module the saved page's sign stays.
    Page noSign = pageOf({"F03"});
    const std::string plain = pagePreviewText(noSign, render(noSign));
    EXPECT_EQ(countOf(plain, "<div class=\"banner-title\">QuilletOrnavo"), 1u);
    EXPECT_EQ(slotsIn(plain).size(), 2u);
}

TEST(PagePreview, ScriptStringsAreAsciiAndGiveTheTextBack) {
    const std::string text = "a\"'\\</script><!-- & >\r\n\t\x01中😀\xE2\x80\xA8";
    const std::string literal = asciiScriptString(text);
    EXPECT_TRUE(isAscii(literal));
    EXPECT_EQ(literal.find("</"), std::string::npos);
    EXPECT_EQ(literal.find("<!--"), std::string::npos);
    std::size_t at = 0;
    EXPECT_EQ(readScriptString(literal, at), text);
    EXPECT_EQ(at, literal.size());
}

TEST(PagePreview, IsWrittenAsGbkIntoTheFolderAsked) {
    const Page page = pageOf({"F09", "F17"});
    const std::vector<RenderedModule> modules = render(page);
    const std::string folder = scratchFolder("page-preview");
    ASSERT_FALSE(folder.empty());
    const Result<std::string, PreviewFailure> written =
        writePagePreview(page, modules, folder + "/new/deeper");
    ASSERT_TRUE(written) << written.failure().english;
    EXPECT_EQ(*written, folder + "/new/deeper/" + kPagePreviewFileName);
    std::ifstream in(*written, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes.rfind("  <!DOCTYPE html>", 0), 0u);
    EXPECT_EQ(gbkToUtf8(bytes), pagePreviewText(page, modules));

    std::ofstream(folder + "/file") << "in the way";
    const Result<std::string, PreviewFailure> refused = writePagePreview(page, modules, folder + "/file");
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.failure().english.find("cannot write the page preview in " + folder + "/file"),
              std::string::npos);
}
