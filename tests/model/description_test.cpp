// The description format itself, on a small test-only window: tab pages, buttons inside pages, numbered
// tables, a pinned field, a list that sets a window variable and an edition pair; driven through the
// form and through the recipe runner.

#include "framework/model/markup.h"
#include "support/sample_module.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

struct SampleWindow {
    ModuleSpec module = sampleModule();
    WindowVariables vars;
    ScriptedPrompter prompter;
    RecordingHost host;
    Form form{module, vars, prompter, host};
};

const PlacedControl& placeOf(const std::vector<PlacedControl>& all, const std::string& name) {
    for (const PlacedControl& p : all)
        if (p.control->name == name)
            return p;
    throw std::out_of_range(name);
}

} // namespace

TEST(Description, PlacesEveryControlAndButtonInItsAreaPageAndRow) {
    const ModuleSpec m = sampleModule();
    const auto controls = placedControls(m);
    const PlacedControl& link = placeOf(controls, "编辑框_2组链接02");
    EXPECT_EQ(link.at.area, "模块设置");
    EXPECT_EQ(link.at.tabControl, "选择夹1");
    EXPECT_EQ(link.at.page, "第二组");
    EXPECT_EQ(link.at.row, 3); // caption row, row 01, row 02
    EXPECT_EQ(placeOf(controls, "编辑框_1组标题").at.row, 4);
    EXPECT_EQ(placeOf(controls, "编辑框_宽度").at.page, "");
    EXPECT_EQ(placeOf(controls, "超级编辑框_T01代码").at.area, "代码");

    std::map<std::string, Placement> buttons;
    for (const PlacedButton& b : placedButtons(m))
        buttons[b.button->name] = b.at;
    EXPECT_EQ(buttons.size(), 10u);
    EXPECT_EQ(buttons["按钮_清除2组内容"].page, "第二组");
    EXPECT_EQ(buttons["按钮_选色器1"].row, 4);
    EXPECT_EQ(buttons["按钮_T01退出"].area, "按钮");
    ASSERT_EQ(allTabControls(m).size(), 1u);
    EXPECT_EQ(allTabControls(m)[0]->pages[1].caption, "第二组");
}

TEST(Description, NumberedTablesNameRowsAndTakeTheirDefaults) {
    SampleWindow w;
    EXPECT_EQ(w.form.text("编辑框_1组图片01"), "p1");
    EXPECT_EQ(w.form.text("编辑框_2组图片02"), "p2");
    EXPECT_EQ(w.form.text("编辑框_2组链接01"), "a");
    EXPECT_EQ(w.form.text("编辑框_2组链接02"), "b");
    EXPECT_EQ(numberedNames("编辑框_售后", 3, 1),
              (std::vector<std::string>{"编辑框_售后03", "编辑框_售后02", "编辑框_售后01"}));
    EXPECT_EQ(twoDigits(7), "07");
    EXPECT_EQ(twoDigits(12), "12");
    // Clear orders over several columns: column by column, or row by row, either way up.
    using Names = std::vector<std::string>;
    EXPECT_EQ(namesByColumn({"a", "b"}, 2, 1), (Names{"a02", "a01", "b02", "b01"}));
    EXPECT_EQ(namesByRow({"a", "b"}, 1, 2), (Names{"a01", "b01", "a02", "b02"}));
    EXPECT_EQ(namesByRow({"a", "b"}, 2, 1), (Names{"a02", "b02", "a01", "b01"}));
    const NumberedFields fields({"a", "b"}, 3);
    EXPECT_EQ(fields.at(1, 3), "b03");
    EXPECT_EQ(fields.at(0, 1), "a01");
}

TEST(Description, ButtonsOnTabPagesWorkAndAGroupClearKeepsTheRest) {
    SampleWindow w;
    w.form.press("按钮_选色器1");
    EXPECT_EQ(w.host.colourTables, 1);

    w.form.setText("超级编辑框_T01代码", "code");
    w.prompter.answers = {Answer::No};
    w.form.press("按钮_清除2组内容");
    EXPECT_EQ(w.form.text("编辑框_2组标题"), "T2");
    w.form.press("按钮_清除2组内容");
    EXPECT_EQ(w.prompter.messages,
              (std::vector<std::string>{"是否要清空第二组内容？", "是否要清空第二组内容？"}));
    for (const char* name : {"编辑框_2组标题", "编辑框_2组图片01", "编辑框_2组链接02"})
        EXPECT_EQ(w.form.text(name), "") << name;
    EXPECT_EQ(w.form.text("编辑框_1组标题"), "T1");
    EXPECT_EQ(w.form.text("编辑框_1组链接02"), "b");
    EXPECT_EQ(w.form.code(), "code");
}

TEST(Description, PinnedFieldComesBackAfterTypingAndClearing) {
    SampleWindow w;
    std::vector<std::string> changes;
    const Subscription told =
        w.form.addChangeListener([&changes](const std::string& name) { changes.push_back(name); });
    w.form.setText("编辑框_宽度", "8");
    EXPECT_EQ(w.form.text("编辑框_宽度"), "950");
    // The typed text, then the fixed text: the window shows both changes and ends on the fixed one.
    EXPECT_EQ(changes, (std::vector<std::string>{"编辑框_宽度", "编辑框_宽度"}));
}

TEST(Description, ChoiceListSetsItsVariableOnEveryPickAndKeepsItWhenEmptied) {
    SampleWindow w;
    EXPECT_EQ(w.form.var("effect"), "");
    w.form.pickEntry("组合框_轮播效果", "渐变");
    EXPECT_EQ(w.form.var("effect"), "fade");
    w.form.setVar("effect", "changed elsewhere");
    w.form.pickEntry("组合框_轮播效果", "渐变"); // the entry already shown, picked again
    EXPECT_EQ(w.form.var("effect"), "fade");
    w.form.press("按钮_T01清空内容");
    EXPECT_EQ(w.form.index("组合框_轮播效果"), -1);
    EXPECT_EQ(w.form.var("effect"), "fade");
}

TEST(Description, BasicButtonWrapsWhatTheProfessionalButtonWrites) {
    SampleWindow w;
    w.form.pickEntry("组合框_轮播效果", "左右");
    const std::string pro = (w.form.press("按钮_T01专业版代码"), w.form.code());
    EXPECT_EQ(pro, "<scrollx>T1:p1,b;T2:p2,b;950");
    w.form.press("按钮_T01基础版代码");
    EXPECT_EQ(w.form.code(), std::string(markup::kBasicEditionBreakout) + pro + "</div></div></div></div>");
    EXPECT_EQ(w.form.button("按钮_T01基础版代码")->basicOf, "按钮_T01专业版代码");
}

TEST(Description, NamesMustBeUniqueAcrossPagesAndTheButtonColumn) {
    ModuleSpec m = sampleModule();
    m.buttons.push_back(colourButton("按钮_选色器1")); // also on the second page
    WindowVariables vars;
    ScriptedPrompter prompter;
    RecordingHost host;
    EXPECT_THROW(Form(m, vars, prompter, host), std::logic_error);
    m = sampleModule();
    std::get<TabControl>(m.sections[1].items[1].content)
        .pages[1]
        .items.push_back(line({field("编辑框_1组标题", "", "")}));
    EXPECT_THROW(Form(m, vars, prompter, host), std::logic_error);
}

TEST(Description, RecipesReachControlsAndButtonsOnTabPages) {
    const Registry registry({sampleModule()});
    Session session;
    RecipeRunner runner(registry, session);
    std::istringstream recipe("open T01\n"
                              "pick 组合框_轮播效果 渐变\n"
                              "set 编辑框_2组图片01 <img src='x'>\n"
                              "set 编辑框_宽度 12\n"
                              "press 按钮_清除1组内容\n"
                              "press 按钮_T01专业版代码\n"
                              "print\n"
                              "show 编辑框_宽度\n");
    std::ostringstream out, err;
    ASSERT_EQ(runner.run(recipe, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "<fade>:,;T2:<img src='x'>,b;950950\n");
    EXPECT_EQ(err.str(), "message: 是否要清空第一组内容？\n");
}

TEST(Description, TabCornerAndPanelsArePlacedInReadingOrder) {
    const ModuleSpec m = sampleModule();
    const auto controls = placedControls(m);
    // At the right of the tab headers: the tab control's own row, on no page.
    const Placement& corner = placeOf(controls, "编辑框_背景颜色").at;
    EXPECT_EQ(corner.area, "模块设置");
    EXPECT_EQ(corner.row, 2);
    EXPECT_EQ(corner.page, "");
    // Panels read one after the other, their rows counted on: three cells, then a table (its caption
    // row and two rows) and the setting beside it.
    std::vector<std::pair<std::string, int>> rows;
    for (const PlacedControl& p : controls)
        if (p.at.area == "分格")
            rows.emplace_back(p.control->name, p.at.row);
    EXPECT_EQ(rows, (std::vector<std::pair<std::string, int>>{{"编辑框_格子01", 1},
                                                              {"编辑框_格子02", 2},
                                                              {"编辑框_格子03", 3},
                                                              {"编辑框_标题01", 5},
                                                              {"编辑框_标题02", 6},
                                                              {"编辑框_边框数值", 7}}));
}

// What a screen reader says for a field: its caption, else its column's, else the role in its name;
// then its row (or small frame). Colons and blanks around captions are left out.
TEST(Description, SpokenNames) {
    struct Case {
        Control control;
        std::string column, row, spoken;
    };
    const std::vector<Case> cases = {
        {field("编辑框_宽度", "宽度：", ""), "", "", "宽度"},
        {field("编辑框_公告", "\xe3\x80\x80公告文字 : ", ""), "", "", "公告文字"},
        {field("编辑框_图片地址01", "", ""), "图片地址", "01", "图片地址 01"},
        {field("编辑框_1组图片地址01", "图片地址：", ""), "", "01", "图片地址 01"},
        {field("编辑框_滚动公告宽", "", ""), "导航文字区域宽", "滚动公告：", "导航文字区域宽 滚动公告"},
        {field("编辑框_放大高03", "", ""), "", "03", "放大高 03"},
        {field("编辑框_大图高", "", "355", "px;"), "", "", "大图高"},
        {list("组合框_轮播方式", "轮播方式：", {"渐变"}, nullptr), "", "", "轮播方式"},
        {codeBox("超级编辑框_F12代码生成"), "", "", "F12代码生成"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spokenName(c.control, c.column, c.row), c.spoken) << c.control.name;
}

// What a field holds decides its share of a line: addresses, texts, short values.
TEST(Description, FieldContentByNameAndDefaultText) {
    struct Case {
        Control control;
        FieldContent content;
    };
    const std::vector<Case> cases = {
        {field("编辑框_图片地址01", "", "http://x/1.jpg"), FieldContent::Address},
        {field("编辑框_店招图片", "", "https://x/1.jpg"), FieldContent::Address},
        {field("编辑框_链接地址01", "", ""), FieldContent::Address},
        {field("编辑框_一级下拉菜单背景图", "", ""), FieldContent::Address},
        {field("编辑框_边框颜色", "", "#000000"), FieldContent::Short},
        {field("编辑框_1组背景", "", "#CA0000"), FieldContent::Short},
        {field("编辑框_宝贝价格01", "", "49.00"), FieldContent::Short},
        {field("编辑框_价格01", "", "RMB:100"), FieldContent::Short},
        {field("编辑框_图片宽", "", "1920"), FieldContent::Short},
        {field("编辑框_居中调整", "", "-485"), FieldContent::Short},
        {field("编辑框_A滚动速度", "", ""), FieldContent::Short},
        {field("编辑框_销量01", "", "108"), FieldContent::Short},
        {field("编辑框_宝贝标题01", "", "QuilletOrnavo"), FieldContent::Text},
        {field("编辑框_促销标题01", "", "新品促销198件"), FieldContent::Text},
        {field("编辑框_售前01", "", "tessaly"), FieldContent::Text},
        {field("编辑框_1组标题", "", "Ornavo1"), FieldContent::Text},
    };
    for (const Case& c : cases)
        EXPECT_EQ(contentOf(c.control), c.content) << c.control.name;
}
