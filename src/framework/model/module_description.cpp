#include "module_description.h"

#include "form.h"
#include "markup.h"

#include <algorithm>
#include <stdexcept>

namespace ornavo {

std::string groupClearQuestion(int group) {
    static const char* const numbers[] = {"一", "二", "三", "四", "五"};
    if (group < 1 || group > 5)
        throw std::out_of_range("group clear: groups are numbered 1 to 5");
    return std::string("是否要清空第") + numbers[group - 1] + "组内容？";
}

Control field(std::string name, std::string caption, std::string defaultText, std::string suffix) {
    Control c;
    c.kind = ControlKind::Field;
    c.name = std::move(name);
    c.caption = std::move(caption);
    c.text = std::move(defaultText);
    c.suffix = std::move(suffix);
    return c;
}

Control pinnedField(std::string name, std::string caption, std::string fixedText, std::string suffix) {
    Control c = field(std::move(name), std::move(caption), fixedText, std::move(suffix));
    c.pinned = true;
    // Putting the text back is itself a change; the form stops there because the text no longer
    // differs from what it holds.
    c.onChange = [name = c.name, fixedText](Form& form) { form.setText(name, fixedText); };
    return c;
}

Control list(std::string name, std::string caption, std::vector<std::string> entries, Handler onPick) {
    Control c;
    c.kind = ControlKind::List;
    c.name = std::move(name);
    c.caption = std::move(caption);
    c.entries = std::move(entries);
    c.onChange = std::move(onPick);
    return c;
}

Control radio(std::string name, std::string caption, Handler onChoose, std::string group) {
    Control c;
    c.kind = ControlKind::Radio;
    c.name = std::move(name);
    c.caption = std::move(caption);
    c.onChange = std::move(onChoose);
    c.group = std::move(group);
    return c;
}

Control label(std::string name, std::string text) {
    Control c;
    c.kind = ControlKind::Label;
    c.name = std::move(name);
    c.caption = std::move(text);
    return c;
}

Control picture(std::string name, std::string path, int boxWidth, int boxHeight) {
    Control c;
    c.kind = ControlKind::Picture;
    c.name = std::move(name);
    c.text = std::move(path);
    c.boxWidth = boxWidth;
    c.boxHeight = boxHeight;
    return c;
}

Control codeBox(std::string name) {
    Control c;
    c.kind = ControlKind::CodeBox;
    c.name = std::move(name);
    return c;
}

Control withHandler(Control control, Handler onChange) {
    control.onChange = std::move(onChange);
    return control;
}

Control inColour(Control control, std::string colour) {
    control.colour = std::move(colour);
    return control;
}

Control withHover(Control picture, std::string hoverPath) {
    picture.hover = std::move(hoverPath);
    return picture;
}

Control choiceList(std::string name, std::string caption, std::vector<Choice> choices, std::string variable) {
    std::vector<std::string> entries;
    for (const Choice& c : choices)
        entries.push_back(c.entry);
    Handler onPick = [name, choices = std::move(choices), variable](Form& form) {
        const int picked = form.index(name);
        if (picked >= 0)
            form.setVar(variable, choices[static_cast<std::size_t>(picked)].value);
    };
    Control c = list(std::move(name), std::move(caption), std::move(entries), std::move(onPick));
    c.variable = std::move(variable);
    return c;
}

Control choiceRadio(std::string name, std::string caption, std::string variable, std::string value,
                    std::string group) {
    Handler onChoose = [variable, value = std::move(value)](Form& form) { form.setVar(variable, value); };
    Control c = radio(std::move(name), std::move(caption), std::move(onChoose), std::move(group));
    c.variable = std::move(variable);
    return c;
}

std::string twoDigits(int k, int width) {
    std::string digits = std::to_string(k);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

std::vector<std::string> numberedNames(const std::string& prefix, int first, int last) {
    std::vector<std::string> names;
    const int step = first <= last ? 1 : -1;
    for (int k = first;; k += step) {
        names.push_back(prefix + twoDigits(k));
        if (k == last)
            break;
    }
    return names;
}

std::vector<std::string> namesByColumn(std::initializer_list<const char*> prefixes, int first, int last) {
    std::vector<std::string> names;
    for (const char* prefix : prefixes)
        for (std::string& name : numberedNames(prefix, first, last))
            names.push_back(std::move(name));
    return names;
}

std::vector<std::string> namesByRow(std::initializer_list<const char*> prefixes, int first, int last) {
    std::vector<std::string> names;
    const int step = first <= last ? 1 : -1;
    for (int k = first;; k += step) {
        for (const char* prefix : prefixes)
            names.push_back(prefix + twoDigits(k));
        if (k == last)
            break;
    }
    return names;
}

NumberedFields::NumberedFields(std::initializer_list<const char*> prefixes, int rows) {
    for (const char* prefix : prefixes)
        names_.push_back(numberedNames(prefix, 1, rows));
}

std::function<std::string(int)> sameText(std::string text) {
    return [text = std::move(text)](int) { return text; };
}

std::function<std::string(int)> rowTexts(std::vector<std::string> texts) {
    return [texts = std::move(texts)](int row) {
        if (row < 1 || row > static_cast<int>(texts.size()))
            throw std::out_of_range("no default text for row " + std::to_string(row));
        return texts[static_cast<std::size_t>(row - 1)];
    };
}

Table numberedTable(std::string numberCaption, const std::vector<Column>& columns, int count) {
    Table t;
    t.numberCaption = std::move(numberCaption);
    for (const Column& c : columns)
        t.columns.push_back(c.caption);
    for (int k = 1; k <= count; ++k) {
        TableRow row{twoDigits(k), {}};
        for (const Column& c : columns) {
            Control cell =
                field(c.prefix + twoDigits(k), "", c.defaultText ? c.defaultText(k) : std::string());
            cell.onChange = c.onChange;
            row.cells.push_back(std::move(cell));
        }
        t.rows.push_back(std::move(row));
    }
    return t;
}

Item line(std::vector<Element> elements) {
    return Item{Line{std::move(elements)}};
}
Item table(Table t) {
    return Item{std::move(t)};
}
Item tabs(std::string name, std::vector<TabPage> pages, std::vector<Element> corner) {
    return Item{TabControl{std::move(name), std::move(pages), std::move(corner)}};
}
Item panels(std::vector<Section> areas, int perRow) {
    return Item{Panels{std::move(areas), perRow}};
}

namespace {
Button makeButton(std::string name, std::string caption, Action action) {
    Button b;
    b.name = std::move(name);
    b.caption = std::move(caption);
    b.action = action;
    return b;
}
} // namespace

Button generateButton(std::string name, std::string caption, Generator generate) {
    Button b = makeButton(std::move(name), std::move(caption), Action::Generate);
    b.generate = std::move(generate);
    return b;
}

std::pair<Button, Button> editionButtons(std::string professionalName, std::string basicName,
                                         Generator professional) {
    Button basic = generateButton(std::move(basicName), "基础版代码", [professional](const Form& form) {
        return markup::basicEdition(professional(form));
    });
    basic.basicOf = professionalName;
    return {generateButton(std::move(professionalName), "专业版代码", std::move(professional)),
            std::move(basic)};
}

Button copyButton(std::string name, std::string caption) {
    return makeButton(std::move(name), std::move(caption), Action::Copy);
}

Button clearButton(std::string name, std::string caption, std::vector<std::string> targets,
                   std::string question) {
    Button b = makeButton(std::move(name), std::move(caption), Action::Clear);
    b.targets = std::move(targets);
    b.question = std::move(question);
    return b;
}

Button groupClearButton(std::string name, int group, std::vector<std::string> targets, std::string caption) {
    return clearButton(std::move(name), std::move(caption), std::move(targets), groupClearQuestion(group));
}

Button previewButton(std::string name, std::string caption) {
    return makeButton(std::move(name), std::move(caption), Action::Preview);
}

Button colourButton(std::string name, std::string caption) {
    return makeButton(std::move(name), std::move(caption), Action::ColourPicker);
}

Button exitButton(std::string name, std::string caption) {
    return makeButton(std::move(name), std::move(caption), Action::Exit);
}

namespace {

// A number ("49.00", "-485") or a colour ("#ff3200").
bool numberOrColour(const std::string& text) {
    if (text.empty() || text.size() > 10)
        return false;
    if (text[0] == '#')
        return text.size() >= 4 && text.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos;
    const std::size_t digits = text[0] == '-' ? 1 : 0;
    return text.size() > digits && text.find_first_not_of("0123456789.", digits) == std::string::npos;
}

} // namespace

FieldContent contentOf(const Control& field) {
    if (field.kind != ControlKind::Field)
        return FieldContent::Text;
    const std::string& name = field.name;
    auto has = [&name](const char* part) { return name.find(part) != std::string::npos; };
    for (const char* part : {"颜色", "宽", "高", "尺寸", "大小", "速度", "距", "间隔", "数量", "数值", "价",
                             "销量", "销售量", "收藏", "边框", "占位", "调整", "群号"})
        if (has(part))
            return FieldContent::Short;
    const std::string tail = "背景图";
    if (field.text.rfind("http://", 0) == 0 || field.text.rfind("https://", 0) == 0 || has("地址") ||
        has("链接") || has("网址") ||
        (name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0))
        return FieldContent::Address;
    return numberOrColour(field.text) ? FieldContent::Short : FieldContent::Text;
}

namespace {

// The text without blanks (plain or ideographic) around it and without a colon at its end.
std::string trimmedCaption(std::string text) {
    static const std::string kIdeographicSpace = "\xe3\x80\x80", kFullColon = "\xef\xbc\x9a";
    auto endsWith = [&text](const std::string& tail) {
        return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    };
    for (bool changed = true; changed && !text.empty();) {
        changed = true;
        if (text.back() == ' ' || text.back() == ':')
            text.pop_back();
        else if (endsWith(kIdeographicSpace) || endsWith(kFullColon))
            text.resize(text.size() - 3);
        else if (text.front() == ' ')
            text.erase(0, 1);
        else if (text.rfind(kIdeographicSpace, 0) == 0)
            text.erase(0, 3);
        else
            changed = false;
    }
    return text;
}

} // namespace

std::string spokenName(const Control& control, const std::string& column, const std::string& row) {
    std::string name = trimmedCaption(control.caption);
    if (name.empty())
        name = trimmedCaption(column);
    const std::string label = trimmedCaption(row);
    if (name.empty()) {
        name = control.name.substr(control.name.find('_') + 1);
        // The row's number is said once, after the name.
        if (!label.empty() && name.size() > label.size() &&
            name.compare(name.size() - label.size(), label.size(), label) == 0)
            name.resize(name.size() - label.size());
    }
    return label.empty() ? name : name + " " + label;
}

namespace {

// Walks the layout in reading order and reports every control and button with its place.
struct Walker {
    std::vector<PlacedControl>* controls = nullptr;
    std::vector<PlacedButton>* buttons = nullptr;
    std::vector<const TabControl*>* tabControls = nullptr;

    void elements(const std::vector<Element>& list, const Placement& at) {
        for (const Element& e : list) {
            if (const auto* c = std::get_if<Control>(&e)) {
                if (controls)
                    controls->push_back({c, at});
            } else if (buttons) {
                buttons->push_back({&std::get<Button>(e), at});
            }
        }
    }

    // Returns the last row used.
    int items(const std::vector<Item>& list, Placement at) {
        for (const Item& item : list) {
            ++at.row;
            if (const auto* l = std::get_if<Line>(&item.content)) {
                elements(l->elements, at);
            } else if (const auto* t = std::get_if<Table>(&item.content)) {
                // The caption row comes first; each numbered row is a row of its own.
                for (const TableRow& row : t->rows) {
                    ++at.row;
                    for (const Control& c : row.cells)
                        if (controls)
                            controls->push_back({&c, at});
                }
            } else if (const auto* p = std::get_if<Panels>(&item.content)) {
                // Panels read one after the other, their rows counted on from here.
                --at.row;
                for (const Section& panel : p->panels)
                    at.row = items(panel.items, at);
            } else {
                const auto& tc = std::get<TabControl>(item.content);
                if (tabControls)
                    tabControls->push_back(&tc);
                elements(tc.corner, at);
                for (const TabPage& page : tc.pages) {
                    Placement inPage = at;
                    inPage.tabControl = tc.name;
                    inPage.page = page.caption;
                    inPage.row = 0;
                    items(page.items, inPage);
                }
            }
        }
        return at.row;
    }

    void module(const ModuleSpec& m) {
        int unnamed = 0;
        for (const Section& s : m.sections) {
            Placement at;
            at.area = s.caption.empty() ? "区域" + std::to_string(++unnamed) : s.caption;
            items(s.items, at);
        }
        if (controls)
            controls->push_back({&m.codeBox, Placement{"代码", "", "", 1}});
        if (buttons) {
            int row = 0;
            for (const Button& b : m.buttons)
                buttons->push_back({&b, Placement{"按钮", "", "", ++row}});
        }
    }
};

} // namespace

std::vector<PlacedControl> placedControls(const ModuleSpec& module) {
    std::vector<PlacedControl> out;
    Walker w;
    w.controls = &out;
    w.module(module);
    return out;
}

std::vector<PlacedButton> placedButtons(const ModuleSpec& module) {
    std::vector<PlacedButton> out;
    Walker w;
    w.buttons = &out;
    w.module(module);
    return out;
}

std::vector<const Control*> allControls(const ModuleSpec& module) {
    std::vector<const Control*> out;
    for (const PlacedControl& p : placedControls(module))
        out.push_back(p.control);
    return out;
}

std::vector<std::string> windowVariables(const ModuleSpec& module) {
    std::vector<std::string> names = module.variables;
    for (const Control* c : allControls(module))
        if (!c->variable.empty() && std::find(names.begin(), names.end(), c->variable) == names.end())
            names.push_back(c->variable);
    return names;
}

std::vector<const Button*> allButtons(const ModuleSpec& module) {
    std::vector<const Button*> out;
    for (const PlacedButton& p : placedButtons(module))
        out.push_back(p.button);
    return out;
}

std::vector<const TabControl*> allTabControls(const ModuleSpec& module) {
    std::vector<const TabControl*> out;
    Walker w;
    w.tabControls = &out;
    w.module(module);
    return out;
}

} // namespace ornavo
