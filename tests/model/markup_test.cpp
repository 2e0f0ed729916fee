#include "framework/model/constants.h"
#include "framework/model/markup.h"
#include "framework/model/tabbed_lines.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <optional>

using namespace ornavo;

TEST(BasicEditionBreakout, Is744SingleByteCharactersOfFourNestedBoxes) {
    const std::string b = markup::kBasicEditionBreakout;
    EXPECT_EQ(b.size(), 744u);
    for (unsigned char c : b)
        EXPECT_LT(c, 0x80);
    EXPECT_EQ(
        b.rfind("<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true "
                ",'contentCls':'taobaoux'}\" data-widget-type=\"Tabs\" "
                "style=\"height:580px;overflow:hidden;\">\r\n"
                "        <div class=\"taobaoux\">\r\n                <div class=\"footer-more-trigger\"",
                0),
        0u);
    EXPECT_NE(b.find("top:auto;border-right:medium none;padding-top:0px;left:50%;\">\r\n" +
                     std::string(24, ' ') + "<div class=\"footer-more-trigger\""),
              std::string::npos);
    EXPECT_EQ(b.substr(b.size() - 14), "left:-375px;\">");
}

TEST(BasicEditionBreakout, WrapsTheProfessionalCode) {
    const std::string code = markup::basicEdition("<p>x</p>");
    EXPECT_EQ(code, std::string(markup::kBasicEditionBreakout) + "<p>x</p></div></div></div></div>");
}

TEST(Addresses, EnvironmentOverridesTheBuiltInValue) {
    const std::string builtIn = compiledDefault(Address::MAKER_SERVER);
    ornavo::testing::setEnvironment("ORNAVO_MAKER_SERVER", std::nullopt);
    EXPECT_EQ(makerServer(), builtIn);
    ornavo::testing::setEnvironment("ORNAVO_MAKER_SERVER", "http://127.0.0.1:9999");
    EXPECT_EQ(makerServer(), "http://127.0.0.1:9999");
    ornavo::testing::setEnvironment("ORNAVO_MAKER_SERVER", std::nullopt);
    EXPECT_EQ(makerServer(), builtIn);
}

TEST(Addresses, EveryNameIsListedOnceWithAValue) {
    const auto all = allAddresses();
    EXPECT_EQ(all.size(), 13u);
    for (Address a : all) {
        EXPECT_FALSE(compiledDefault(a).empty()) << addressName(a);
        EXPECT_STRNE(addressName(a), "");
    }
    EXPECT_EQ(placeholderGif().substr(0, 7), "http://");
    EXPECT_NE(placeholderGif().find("/kissy/1.0.0/build/imglazyload/spaceball.gif"), std::string::npos);
}

TEST(Attribution, TextsCarryTheShopAddress) {
    ornavo::testing::setEnvironment("ORNAVO_MAKER_SHOP_ADDRESS", "shop.example");
    EXPECT_EQ(markup::attributionTitleSoftware(), "软件开发：Tessaly   http://shop.example");
    EXPECT_EQ(markup::attributionTitleOneSlash(), "TessalyOrnavo http:/shop.example");
    EXPECT_EQ(markup::customAreaC("1041992425", "t"),
              "<div data-componentid=\"5003\" data-spm=\"110.0.5003-1041992425\" data-title=\"t\" "
              "data-widgetid=\"1041992425\">");
    ornavo::testing::setEnvironment("ORNAVO_MAKER_SHOP_ADDRESS", std::nullopt);
}

TEST(TabbedLines, EveryLineCountsEvenWhenEmpty) {
    const struct {
        const char* what;
        void (*write)(TabbedLines&);
        const char* expected;
    } cases[] = {
        {"nothing written", [](TabbedLines&) {}, ""},
        {"an empty first line", [](TabbedLines& l) { l.add(0).add(1, "a"); }, "\r\n\ta"},
        {"an empty last line", [](TabbedLines& l) { l.add(2, "a", std::string("b")).add(0); }, "\t\tab\r\n"},
        {"continued before any line", [](TabbedLines& l) { l.extend("a").add(0, "b"); }, "a\r\nb"},
    };
    for (const auto& c : cases) {
        TabbedLines l;
        c.write(l);
        EXPECT_EQ(l.take(), c.expected) << c.what;
    }
}
