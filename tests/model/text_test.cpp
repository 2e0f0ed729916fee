#include "framework/model/text.h"

#include <gtest/gtest.h>

using namespace ornavo;

TEST(TextToInteger, ReadsSignsBlanksAndStopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(textToInteger("1920"), 1920);
    EXPECT_EQ(textToInteger("  -485px"), -485);
    EXPECT_EQ(textToInteger("+12.9"), 12);
    EXPECT_EQ(textToInteger("\t 7 8"), 7);
    EXPECT_EQ(textToInteger("- 5"), 0);
}

TEST(TextToInteger, TextWithoutLeadingDigitsGivesZero) {
    EXPECT_EQ(textToInteger(""), 0);
    EXPECT_EQ(textToInteger("px"), 0);
    EXPECT_EQ(textToInteger("宽1920"), 0);
    EXPECT_EQ(textToInteger("-"), 0);
}

TEST(TextToInteger, FullWidthFormsAndIdeographicSpaceReadAsPlain) {
    EXPECT_EQ(textToInteger("１９２０"), 1920);
    EXPECT_EQ(textToInteger("　－１６８１ｐｘ"), -1681);
    EXPECT_EQ(textToInteger("＋４２"), 42);
    EXPECT_EQ(foldFullWidth("ＡＢｃ　１"), "ABc 1");
    EXPECT_EQ(foldFullWidth("中文"), "中文");
}

// The C library's reading: the same rules on plain characters only.
TEST(PlainTextToInteger, ReadsOnlyPlainDigitsSignsAndBlanks) {
    EXPECT_EQ(plainTextToInteger(" \t-450px"), -450);
    EXPECT_EQ(plainTextToInteger("450"), 450);
    EXPECT_EQ(plainTextToInteger(""), 0);
    EXPECT_EQ(plainTextToInteger("１９２０"), 0);
    EXPECT_EQ(plainTextToInteger("　12"), 0);
    EXPECT_EQ(plainTextToInteger("4５0"), 4);
    EXPECT_EQ(plainTextToInteger("99999999999999999999999"), INT64_MAX);
}

TEST(TextToInteger, HugeNumbersSaturateInsteadOfWrapping) {
    EXPECT_EQ(textToInteger("99999999999999999999999"), INT64_MAX);
    EXPECT_EQ(textToInteger("-99999999999999999999999"), -INT64_MAX);
}

TEST(TextToDecimal, ReadsAFractionalPart) {
    EXPECT_DOUBLE_EQ(textToDecimal("500"), 500.0);
    EXPECT_DOUBLE_EQ(textToDecimal(" -12.5px"), -12.5);
    EXPECT_DOUBLE_EQ(textToDecimal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(textToDecimal("１２．２５"), 12.25);
    EXPECT_DOUBLE_EQ(textToDecimal("abc"), 0.0);
    EXPECT_DOUBLE_EQ(textToDecimal("."), 0.0);
    EXPECT_DOUBLE_EQ(textToDecimal("1e3"), 1.0); // no exponent form in a pixel field
    EXPECT_DOUBLE_EQ(textToDecimal("0x10"), 0.0);
}

TEST(NumberToText, WholeNumbersPlainFractionsWithoutTrailingZeros) {
    EXPECT_EQ(numberToText(-960.0), "-960");
    EXPECT_EQ(numberToText(-840.5), "-840.5");
    EXPECT_EQ(numberToText(470.0), "470");
    EXPECT_EQ(numberToText(0.25), "0.25");
    EXPECT_EQ(numberToText(-0.0), "0");
    EXPECT_EQ(numberToText(0.0 / -2.0), "0");
    EXPECT_EQ(numberToText(1e15), "1000000000000000");
    EXPECT_EQ(numberToText(0.000125), "0.000125");
}

TEST(NumberToText, AtMostThirteenSignificantDigits) {
    EXPECT_EQ(numberToText(1.0 / 3.0), "0.3333333333333");
    EXPECT_EQ(numberToText(-2.0 / 3.0 * 1000), "-666.6666666667");
    EXPECT_EQ(numberToText(123456789012345.0), "123456789012300");
    EXPECT_EQ(integerToText(-485), "-485");
}

TEST(Gbk, RoundTripAndByteLengths) {
    const std::string text = "全屏海报 1920px；“引号”";
    const auto gbk = utf8ToGbk(text);
    ASSERT_TRUE(gbk.has_value());
    EXPECT_EQ(gbk->size(), gbkLength(text));
    EXPECT_EQ(gbkLength("全屏海报"), 8u);
    EXPECT_EQ(gbkLength("abc"), 3u);
    EXPECT_EQ(std::string(gbk->substr(0, 2)), std::string("\xC8\xAB")); // 全
    EXPECT_EQ(gbkToUtf8(*gbk), text);
}

TEST(Gbk, CharactersGbkLacks) {
    const std::string withEmoji = "好\xF0\x9F\x98\x80!";
    EXPECT_FALSE(utf8ToGbk(withEmoji).has_value());
    EXPECT_EQ(utf8ToGbk(withEmoji, Unencodable::NumericReference), std::string("\xBA\xC3&#128512;!"));
    EXPECT_EQ(gbkLength(withEmoji), 4u);
    // Character by character, as the announcement line places them; a stray byte is one character.
    EXPECT_EQ(gbkLengths(withEmoji), (std::vector<std::size_t>{2, 1, 1}));
    EXPECT_EQ(gbkLengths("a\xFF“①α"), (std::vector<std::size_t>{1, 1, 2, 2, 2}));
    EXPECT_FALSE(utf8ToGbk("\xFF\xFE").has_value());
    EXPECT_FALSE(gbkToUtf8("\x81").has_value());
}
