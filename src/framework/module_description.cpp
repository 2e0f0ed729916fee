#include "module_description.h"

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

Control picture(std::string name, std::string path) {
    Control c;
    c.kind = ControlKind::Picture;
    c.name = std::move(name);
    c.text = std::move(path);
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

Item line(std::vector<Control> controls) {
    Item item;
    item.line = Line{std::move(controls)};
    return item;
}

Item table(Table t) {
    Item item;
    item.table = std::move(t);
    return item;
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

Button previewButton(std::string name, std::string caption) {
    return makeButton(std::move(name), std::move(caption), Action::Preview);
}

Button colourButton(std::string name, std::string caption) {
    return makeButton(std::move(name), std::move(caption), Action::ColourPicker);
}

Button exitButton(std::string name, std::string caption) {
    return makeButton(std::move(name), std::move(caption), Action::Exit);
}

std::vector<const Control*> allControls(const ModuleSpec& module) {
    std::vector<const Control*> out;
    for (const Section& section : module.sections) {
        for (const Item& item : section.items) {
            if (item.line)
                for (const Control& c : item.line->controls)
                    out.push_back(&c);
            if (item.table)
                for (const TableRow& row : item.table->rows)
                    for (const Control& c : row.cells)
                        out.push_back(&c);
        }
    }
    out.push_back(&module.codeBox);
    return out;
}

} // namespace ornavo
