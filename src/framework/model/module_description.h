#pragma once
// Declarative description of one module window: caption and size, the framed areas with their
// controls (names, captions, default texts, handlers), tab pages, the buttons that stand inside an
// area and those in the column beside the code box. The generic window and the headless form are both
// built from it; a module adds no window code.

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <variant>
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
    int columns = 0;                  // width of a short field in characters (0: as its content);
                                      // addresses and texts take the room their line leaves
    std::string colour;               // text colour of a radio's or label's caption ("#d00000"), if any
    bool pinned = false;              // a field that puts its default text back after every change
    std::string hover;                // picture: the picture shown while the pointer is over it, if any
    int boxWidth = 0;                 // picture: the size of its box in the window, pixels
    int boxHeight = 0;
    std::string variable; // a choice list's or radio's: the window variable its pick sets
};

enum class Action { Generate, Copy, Clear, Preview, ColourPicker, Exit };

struct Button {
    std::string name;
    std::string caption;
    Action action = Action::Generate;
    Generator generate;               // Generate: the markup that replaces the code box
    std::string basicOf;              // Generate: the professional button whose markup this one wraps
    std::string question;             // Clear: the confirmation asked first
    std::vector<std::string> targets; // Clear: fields, lists or the code box, emptied in this order
};

// A row of controls and buttons side by side.
using Element = std::variant<Control, Button>;
struct Line {
    std::vector<Element> elements;
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

struct Item;
struct TabPage {
    std::string caption;
    std::vector<Item> items;
};
// A tab control (`选择夹1`) whose pages hold lines, tables and buttons of their own; `corner` holds
// the controls that stand at the right of its tab headers, on their line.
struct TabControl {
    std::string name;
    std::vector<TabPage> pages;
    std::vector<Element> corner;
};

// A framed area ("模块样例", "模块设置", …); an empty caption gives an unframed area unless `framed`.
struct Section {
    std::string caption;
    std::vector<Item> items;
    bool framed = false; // draw the frame even without a caption
};

// Areas side by side within an area: a table with its settings at its right, or small framed areas
// in a grid of `perRow` to a row (0: all on one row).
struct Panels {
    std::vector<Section> panels;
    int perRow = 0;
};

// One entry of an area or a tab page: exactly one of a line, a table, a tab control or panels.
struct Item {
    std::variant<Line, Table, TabControl, Panels> content;
};

// A button of the main window's catalogue that opens the module's window.
struct CatalogueButton {
    std::string name;    // e.g. 按钮_F03全屏海报
    std::string caption; // e.g. "F03-全屏海报"; the number in it orders the page
};

struct ModuleSpec {
    std::string key;     // catalogue number on the professional page, "F01".."F35" (set by the catalogue)
    std::string caption; // window caption
    CatalogueButton professionalButton;         // set by the catalogue
    std::optional<CatalogueButton> basicButton; // absent: the basic page does not offer the window
    int width = 0;
    int height = 0;
    std::optional<int> top; // moved to this top position when created
    std::vector<Section> sections;
    Control codeBox;             // kind CodeBox
    std::vector<Button> buttons; // the column beside the code box
    // The window variables that handlers of the window's own set (choice lists and radio buttons name
    // theirs themselves; see windowVariables).
    std::vector<std::string> variables;
};

// Messages every window shares.
inline constexpr const char* kCopyDone = "复制成功！";
inline constexpr const char* kCopyFailed = "复制失败，请生成代码后再试！";
inline constexpr const char* kAskClearAll = "是否要清空所有内容？";
inline constexpr const char* kAskExit = "是否要退出？";
// Question of a group clear, groups 1 to 5.
std::string groupClearQuestion(int group);

// ---- Builders that keep the descriptions short ----

Control field(std::string name, std::string caption, std::string defaultText, std::string suffix = {});
// A field that shows a fixed text: whatever the user types, the text goes back at once.
Control pinnedField(std::string name, std::string caption, std::string fixedText, std::string suffix = {});
Control list(std::string name, std::string caption, std::vector<std::string> entries, Handler onPick);
Control radio(std::string name, std::string caption, Handler onChoose, std::string group = "colour");
Control label(std::string name, std::string text);
// A sample picture in a box of that size (the picture is fitted into it).
Control picture(std::string name, std::string path, int boxWidth, int boxHeight);
Control codeBox(std::string name);
Control withHandler(Control control, Handler onChange);
Control inColour(Control control, std::string colour);
// A picture that shows another picture while the pointer is over it (a sample of a flip effect).
Control withHover(Control picture, std::string hoverPath);

// Entry (or radio) → the text a window variable takes when it is picked.
struct Choice {
    std::string entry;
    std::string value;
};
// A list whose pick sets `variable` to the value paired with the entry; the variable keeps its value
// when the list is emptied.
Control choiceList(std::string name, std::string caption, std::vector<Choice> choices, std::string variable);
// A radio button whose choice sets `variable` to `value`.
Control choiceRadio(std::string name, std::string caption, std::string variable, std::string value,
                    std::string group = "colour");

// "01", "02", … (at least `width` digits).
std::string twoDigits(int k, int width = 2);
// prefix + "01" … for k = first … last; descending when first > last.
std::vector<std::string> numberedNames(const std::string& prefix, int first, int last);
// The numbered names of several columns (first … last as above), as clear orders list them: column by
// column (every number of the first prefix, then of the next), or row by row (every prefix of the
// first number, then of the next).
std::vector<std::string> namesByColumn(std::initializer_list<const char*> prefixes, int first, int last);
std::vector<std::string> namesByRow(std::initializer_list<const char*> prefixes, int first, int last);

// The fields of a numbered table, named once for generators that read them row after row:
// at(column, k) is the name in row k (1 … rows) of the column whose prefix stands at that place.
class NumberedFields {
  public:
    NumberedFields(std::initializer_list<const char*> prefixes, int rows);
    const std::string& at(std::size_t column, int k) const {
        return names_[column][static_cast<std::size_t>(k - 1)];
    }

  private:
    std::vector<std::vector<std::string>> names_;
};

// A column of a numbered table: its caption, the field name before the row number and the default
// text of row k (1-based).
struct Column {
    std::string caption;
    std::string prefix;
    std::function<std::string(int row)> defaultText;
    Handler onChange = nullptr;
};
// Default texts of a column: the same text in every row, or one per row.
std::function<std::string(int)> sameText(std::string text);
std::function<std::string(int)> rowTexts(std::vector<std::string> texts);
// Rows "01" … count of fields named prefix + row number.
Table numberedTable(std::string numberCaption, const std::vector<Column>& columns, int count);

Item line(std::vector<Element> elements);
Item table(Table t);
Item tabs(std::string name, std::vector<TabPage> pages, std::vector<Element> corner = {});
// Areas side by side, left to right; with `perRow`, a grid of that many to a row.
Item panels(std::vector<Section> areas, int perRow = 0);

Button generateButton(std::string name, std::string caption, Generator generate);
// The professional/basic pair: "专业版代码" writes the markup, "基础版代码" the same markup inside the
// basic edition's breakout wrapper and its four closing tags.
std::pair<Button, Button> editionButtons(std::string professionalName, std::string basicName,
                                         Generator professional);
Button copyButton(std::string name, std::string caption = "复制代码");
Button clearButton(std::string name, std::string caption, std::vector<std::string> targets,
                   std::string question = kAskClearAll);
// "清除本组内容": empties one numbered group after that group's own question.
Button groupClearButton(std::string name, int group, std::vector<std::string> targets,
                        std::string caption = "清除本组内容");
Button previewButton(std::string name, std::string caption = "预览");
Button colourButton(std::string name, std::string caption = "选色器");
Button exitButton(std::string name, std::string caption = "退出");

// What a field holds, which decides its share of a line's width: an address (a picture or a link,
// told by an http or https default text or by its name: …地址…, …链接…, …网址…, …背景图) takes the
// larger share; a short value (a size, distance, speed, count, price or colour, told by its name or by
// a default text that is a number or a colour) stays about as wide as its content; a text takes the rest.
enum class FieldContent { Address, Text, Short };
FieldContent contentOf(const Control& field);

// The name a screen reader says for a field, a list or the code box: its caption, else its column's
// caption, else the role in its control name (编辑框_大图高 → 大图高); followed by the label of its row
// or of the small frame it stands in ("图片地址 01"). Colons and blanks around captions are left out.
std::string spokenName(const Control& control, const std::string& column = {}, const std::string& row = {});

// ---- Walking a description ----

// Where a control or button sits: its area's caption (or "区域N" for an uncaptioned one, N from 1),
// the tab control and page caption when on a tab page, and the row within the area or page (from 1);
// buttons of the column beside the code box sit in area "按钮", the code box in "代码".
struct Placement {
    std::string area;
    std::string tabControl;
    std::string page;
    int row = 0;
};
struct PlacedControl {
    const Control* control;
    Placement at;
};
struct PlacedButton {
    const Button* button;
    Placement at;
};
std::vector<PlacedControl> placedControls(const ModuleSpec& module);
std::vector<PlacedButton> placedButtons(const ModuleSpec& module);
// Every control of the description (areas in order, then the code box).
std::vector<const Control*> allControls(const ModuleSpec& module);
// Every button: those inside areas in order, then the column beside the code box.
std::vector<const Button*> allButtons(const ModuleSpec& module);
// Every tab control.
std::vector<const TabControl*> allTabControls(const ModuleSpec& module);
// Every window variable the window's handlers may set: its own list, then those of its choice lists
// and radio buttons in their order.
std::vector<std::string> windowVariables(const ModuleSpec& module);

} // namespace ornavo
