#pragma once
// Declarative description of one module window: caption and size, the framed areas with their
// controls (names, captions, default texts, handlers), the code box and the action buttons. The
// generic window and the headless form are both built from it; a module adds no window code.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ornavo {

class Form;

// Runs when a field's text changes, a list entry is picked or a radio button is chosen.
using Handler = std::function<void(Form&)>;
// Builds the markup from the window's current state.
using Generator = std::function<std::string(const Form&)>;

enum class ControlKind { Field, List, Radio, Label, Picture, CodeBox };

struct Control {
    ControlKind kind = ControlKind::Field;
    std::string name;                 // object name, also the key in the form
    std::string caption;              // text before a field or list; a radio's or label's own text
    std::string suffix;               // unit after a field, e.g. "px;"
    std::string text;                 // default text of a field; picture: path of the sample picture
    std::vector<std::string> entries; // list entries
    Handler onChange;                 // field change, list pick, radio choice
    std::string group;                // radio group; radios of one group exclude each other
    int columns = 0;                  // preferred width of a field in characters (0: take the room)
    std::string colour;               // text colour of a radio's or label's caption ("#d00000"), if any
};

// One row of controls side by side.
struct Line {
    std::vector<Control> controls;
};

// A table of numbered rows: a number column, then one field per column caption.
struct TableRow {
    std::string label; // "01", "02", … or a caption such as "滚动公告："
    std::vector<Control> cells;
};
struct Table {
    std::string numberCaption;        // caption above the number column
    std::vector<std::string> columns; // captions above the field columns
    std::vector<TableRow> rows;
};

struct Item {
    std::optional<Line> line;
    std::optional<Table> table;
};

// A framed area ("模块样例", "模块设置", …); an empty caption gives an unframed area unless `framed`.
struct Section {
    std::string caption;
    std::vector<Item> items;
    bool framed = false; // draw the frame even without a caption
};

enum class Action { Generate, Copy, Clear, Preview, ColourPicker, Exit };

struct Button {
    std::string name;
    std::string caption;
    Action action = Action::Generate;
    Generator generate;               // Generate: the markup that replaces the code box
    std::string question;             // Clear: the confirmation asked first
    std::vector<std::string> targets; // Clear: fields, lists or the code box, emptied in this order
};

// A button of the main window's catalogue that opens the module's window.
struct CatalogueButton {
    std::string name;    // e.g. 按钮_F03全屏海报
    std::string caption; // e.g. "F03-全屏海报"; the number in it orders the page
};

struct ModuleSpec {
    std::string key;     // catalogue number on the professional page, "F01".."F35"
    std::string caption; // window caption
    CatalogueButton professionalButton;
    std::optional<CatalogueButton> basicButton; // absent: the basic page does not offer the window
    int width = 0;
    int height = 0;
    std::optional<int> top; // moved to this top position when created
    std::vector<Section> sections;
    Control codeBox; // kind CodeBox
    std::vector<Button> buttons;
};

// Messages every window shares.
inline constexpr const char* kCopyDone = "复制成功！";
inline constexpr const char* kCopyFailed = "复制失败，请生成代码后再试！";
inline constexpr const char* kAskClearAll = "是否要清空所有内容？";
inline constexpr const char* kAskExit = "是否要退出？";
// Question of a group clear, groups 1 to 5.
std::string groupClearQuestion(int group);

// Builders that keep the descriptions short.
Control field(std::string name, std::string caption, std::string defaultText, std::string suffix = {});
Control list(std::string name, std::string caption, std::vector<std::string> entries, Handler onPick);
Control radio(std::string name, std::string caption, Handler onChoose, std::string group = "colour");
Control label(std::string name, std::string text);
Control picture(std::string name, std::string path);
Control codeBox(std::string name);
Control withHandler(Control control, Handler onChange);
Control inColour(Control control, std::string colour);

Item line(std::vector<Control> controls);
Item table(Table t);

Button generateButton(std::string name, std::string caption, Generator generate);
Button copyButton(std::string name, std::string caption = "复制代码");
Button clearButton(std::string name, std::string caption, std::vector<std::string> targets,
                   std::string question = kAskClearAll);
Button previewButton(std::string name, std::string caption = "预览");
Button colourButton(std::string name, std::string caption = "选色器");
Button exitButton(std::string name, std::string caption = "退出");

// Every control of the description with its name (sections in order, then the code box).
std::vector<const Control*> allControls(const ModuleSpec& module);

} // namespace ornavo
