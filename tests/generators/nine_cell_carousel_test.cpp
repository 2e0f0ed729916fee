// The right nine-cell carousel: the attribution attributes carry the shop address in effect in capital
// letters, and the window shows its rows and shared settings as the user expects them.

#include "framework/model/constants.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <optional>

namespace ornavo::testing {
namespace {

TEST(NineCellCarousel, AttributionCapitalisesTheShopAddressInEffect) {
    const char* const variable = "ORNAVO_MAKER_SHOP_ADDRESS";
    const std::optional<std::string> before = setEnvironment(variable, "Shop-7.example.com/店");
    OpenWindow w("F12");
    const std::string html = w.press("按钮_F12一键生成");
    setEnvironment(variable, before);

    // ASCII letters only; the rest of the address is kept.
    EXPECT_EQ(countOf(html, "Tessaly（SHOP-7.EXAMPLE.COM/店"), 3u);
    EXPECT_EQ(countOf(html, "[{'type':'innerHTML','desc':''Tessaly（SHOP-7.EXAMPLE.COM/店'}]"), 1u);
    EXPECT_EQ(countOf(html, "[{'type':'href','desc':''Tessaly（SHOP-7.EXAMPLE.COM/店 '}]"), 1u);
    EXPECT_EQ(countOf(html, "[{'type':'href','desc':'Tessaly（SHOP-7.EXAMPLE.COM/店 '}]"), 1u);
}

TEST(NineCellCarousel, RowsAndSharedSettings) {
    OpenWindow w("F12");
    const ModuleSpec& m = w.form().module();
    ASSERT_EQ(m.sections.size(), 2u);
    EXPECT_EQ(m.sections[0].caption, "模块样例");
    EXPECT_EQ(m.sections[1].caption, "模块设置（图片尺寸：420x420px）");
    // The products' table, with the three shared settings and the colour picker at its right.
    const Panels& sides = std::get<Panels>(m.sections[1].items[0].content);
    ASSERT_EQ(sides.panels.size(), 2u);
    const Table& t = std::get<Table>(sides.panels[0].items[0].content);
    std::vector<std::string> right;
    for (const Item& item : sides.panels[1].items)
        for (const Element& e : std::get<Line>(item.content).elements)
            right.push_back(std::holds_alternative<Control>(e) ? std::get<Control>(e).name
                                                               : std::get<Button>(e).name);
    EXPECT_EQ(right, (std::vector<std::string>{"编辑框_边框数值", "编辑框_边框颜色", "编辑框_背景颜色",
                                               "按钮_选色器"}));
    EXPECT_EQ(t.numberCaption, "图片编号");
    EXPECT_EQ(t.columns, (std::vector<std::string>{"图片地址", "链接地址", "宝贝标题", "宝贝价格"}));
    ASSERT_EQ(t.rows.size(), 9u);
    EXPECT_EQ(t.rows[8].cells[3].name, "编辑框_宝贝价格09");
    EXPECT_EQ(w.form().text("编辑框_图片地址09"),
              makerServer() + "/Tessaly/upload/images/131104/f12/sc9.jpg");
    const Control* width = w.form().control("编辑框_边框数值");
    EXPECT_EQ(width->caption, "边框数值：");
    EXPECT_EQ(width->suffix, "px;");
    EXPECT_EQ(m.top, 0);
    w.press("按钮_选色器");
    EXPECT_EQ(w.host.colourTables, 1);
}

} // namespace
} // namespace ornavo::testing
