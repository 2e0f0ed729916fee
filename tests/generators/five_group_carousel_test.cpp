// The five-group carousel: what the window offers beside its markup (the markup itself is checked as
// data): its areas, the notes on the theme picture sizes and the columns of the group rows.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

TEST(FiveGroupCarousel, AreasNotesAndColumns) {
    OpenWindow w("F14");
    const ModuleSpec& m = w.form().module();
    ASSERT_EQ(m.sections.size(), 2u);
    EXPECT_EQ(m.sections[0].caption, "模块样例");
    EXPECT_EQ(m.sections[1].caption, "模块设置（主图尺寸：402x556px）");
    std::vector<std::string> notes;
    for (const Control* c : allControls(m))
        if (c->kind == ControlKind::Label)
            notes.push_back(c->caption);
    EXPECT_EQ(notes, (std::vector<std::string>{"主题图片1尺寸（129x83px）", "主题图片2尺寸（133x267px）"}));
    const Table& t = std::get<Table>(m.sections[1].items[0].content);
    EXPECT_EQ(t.numberCaption, "图片编号");
    EXPECT_EQ(t.columns, (std::vector<std::string>{"图片地址（左）", "链接地址（左）", "宝贝标题",
                                                   "图片地址（右）", "链接地址（右）"}));
    ASSERT_EQ(t.rows.size(), 5u);
    EXPECT_EQ(t.rows[4].cells[4].name, "编辑框_链接地址右05");
    EXPECT_EQ(w.form().control("编辑框_主题图片01")->caption, "主题图片1：");
    EXPECT_EQ(w.form().control("编辑框_字体颜色")->caption, "字体颜色：");
    EXPECT_FALSE(m.top.has_value());
    EXPECT_FALSE(m.basicButton.has_value());
}

} // namespace
} // namespace ornavo::testing
