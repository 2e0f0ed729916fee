#pragma once
// A small module description for the framework's own tests: two groups on the pages of a tab control,
// each page with its numbered table, a pinned field, a colour-picker and a group clear; a field at the
// right of the tab headers; a list that sets a window variable; small framed cells in a grid and a
// table with a setting at its right; a professional/basic pair of generate buttons.

#include "framework/model/form.h"
#include "framework/model/module_description.h"

namespace ornavo::testing {

inline ModuleSpec sampleModule() {
    auto page = [](int group, const char* caption) {
        const std::string g = std::to_string(group);
        return TabPage{
            caption,
            {table(numberedTable("编号",
                                 {{"图片地址", "编辑框_" + g + "组图片", sameText("p" + g)},
                                  {"链接地址", "编辑框_" + g + "组链接", rowTexts({"a", "b"})}},
                                 2)),
             line({field("编辑框_" + g + "组标题", "标题：", "T" + g),
                   colourButton(group == 1 ? "按钮_选色器" : "按钮_选色器" + std::to_string(group - 1)),
                   groupClearButton("按钮_清除" + g + "组内容", group,
                                    {"编辑框_" + g + "组标题", "编辑框_" + g + "组图片01",
                                     "编辑框_" + g + "组图片02", "编辑框_" + g + "组链接01",
                                     "编辑框_" + g + "组链接02"})})}};
    };
    auto professional = [](const Form& f) {
        std::string out = "<" + f.var("effect") + ">";
        for (const char* g : {"1", "2"})
            out += f.text(std::string("编辑框_") + g + "组标题") + ":" +
                   f.text(std::string("编辑框_") + g + "组图片01") + "," +
                   f.text(std::string("编辑框_") + g + "组链接02") + ";";
        return out + f.text("编辑框_宽度");
    };
    auto [pro, basic] = editionButtons("按钮_T01专业版代码", "按钮_T01基础版代码", professional);

    ModuleSpec m;
    m.key = "T01";
    m.caption = "框架测试";
    m.width = 700;
    m.height = 560;
    m.sections = {
        {"模块样例", {line({label("标签1", "样例")})}},
        {"模块设置",
         {
             line({pinnedField("编辑框_宽度", "宽度：", "950", "px;"),
                   choiceList("组合框_轮播效果", "轮播效果：", {{"左右", "scrollx"}, {"渐变", "fade"}},
                              "effect")}),
             tabs("选择夹1", {page(1, "第一组"), page(2, "第二组")},
                  {field("编辑框_背景颜色", "背景颜色：", "#fff")}),
         }},
        {"分格",
         {
             panels({{"01", {line({field("编辑框_格子01", "图片地址：", "g1")})}},
                     {"02", {line({field("编辑框_格子02", "图片地址：", "g2")})}},
                     {"03", {line({field("编辑框_格子03", "图片地址：", "g3")})}}},
                    2),
             panels({{"", {table(numberedTable("", {{"宝贝标题", "编辑框_标题", sameText("t")}}, 2))}},
                     {"", {line({field("编辑框_边框数值", "边框数值：", "1", "px;")})}}}),
         }},
    };
    m.codeBox = codeBox("超级编辑框_T01代码");
    m.buttons = {pro,
                 basic,
                 copyButton("按钮_T01复制代码"),
                 clearButton("按钮_T01清空内容", "清空内容",
                             {"编辑框_1组标题", "编辑框_2组标题", "组合框_轮播效果", "超级编辑框_T01代码"}),
                 previewButton("按钮_T01预览"),
                 exitButton("按钮_T01退出")};
    return m;
}

} // namespace ornavo::testing
