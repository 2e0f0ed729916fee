// The promotion carousel: what the window offers beside its markup (the markup itself is checked as
// data): its areas and columns, and both catalogue pages open it.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

TEST(PromotionCarousel, AreasColumnsAndCatalogueButtons) {
    OpenWindow w("F13");
    const ModuleSpec& m = w.form().module();
    ASSERT_EQ(m.sections.size(), 2u);
    EXPECT_EQ(m.sections[0].caption, "模块样式");
    EXPECT_EQ(m.sections[1].caption, "模块设置（图片尺寸：318x318px）");
    const Table& t = std::get<Table>(m.sections[1].items[0].content);
    EXPECT_EQ(t.numberCaption, "图片编号");
    EXPECT_EQ(t.columns, (std::vector<std::string>{"图片地址", "宝贝标题", "链接地址", "原价", "现价",
                                                   "活动1名称", "活动2名称", "活动3名称"}));
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.rows[2].cells[7].name, "编辑框_活动3名称03");
    EXPECT_EQ(w.form().control("编辑框_背景颜色")->caption, "背景颜色：");
    ASSERT_TRUE(m.basicButton.has_value());
    EXPECT_EQ(m.basicButton->name, "按钮_F09基础宝贝轮播展示促销活动");
    w.press("按钮_选色器");
    EXPECT_EQ(w.host.colourTables, 1);
}

} // namespace
} // namespace ornavo::testing
