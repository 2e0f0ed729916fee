#pragma once
// Makes a module window's widgets from its description: the settings (areas, lines, tables, tab pages,
// panels, sample pictures) in a column that scrolls up and down if it must, and below them the code box
// with the buttons. Widgets carry the control names as object names and show the description's default
// texts; the builder makes no connection to any form (see form_binding.h).

#include "framework/model/module_description.h"

#include <QByteArray>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QDialog;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class QWidget;

namespace ornavo::ui {

class PictureBox;

// Fetches a picture from an address and hands its bytes (empty on failure) to `done`, at once or later,
// unless `context` is gone first. Module windows use it for samples that come from the maker's site.
using PictureFetch = std::function<void(const std::string& address, QObject* context,
                                        std::function<void(const QByteArray& bytes)> done)>;

// What the builder made, for whoever binds it and lays it out.
struct BuiltWindow {
    QScrollArea* settingsArea = nullptr;
    QWidget* bottom = nullptr; // the code box and the buttons
    int bottomLeast = 0;       // the least height of `bottom`
    QPlainTextEdit* code = nullptr;
    std::map<std::string, QWidget*> controls; // fields, lists, radio buttons, labels, pictures by name
    std::vector<std::pair<const Button*, QPushButton*>> buttons;
    std::vector<QWidget*> tabOrder;   // what the tab key visits, in reading order
    std::vector<PictureBox*> samples; // the sample pictures, which make room when the settings need it
};

class WindowBuilder {
  public:
    // `fetch` brings the samples marked remote from the maker's site (none fetched without it).
    WindowBuilder(const ModuleSpec& module, PictureFetch fetch = {});

    // Fills the window (which has no layout yet) and sets its tab order.
    BuiltWindow build(QDialog* window);

  private:
    // Each widget is made in the place it keeps (its parent given), so that the skin styles it once:
    // moving a styled widget into another makes it and all inside it be styled anew.
    QWidget* buildSection(QWidget* parent, const Section& section, bool nested = false);
    void buildItems(QVBoxLayout* layout, const std::vector<Item>& items);
    QWidget* buildLine(QWidget* parent, const std::vector<Element>& elements, bool wraps = true);
    QWidget* buildTable(QWidget* parent, const Table& table);
    QWidget* buildTabs(QWidget* parent, const TabControl& tabs);
    QWidget* buildPanels(QWidget* parent, const Panels& panels);
    // A control with its caption before it and its unit after it, kept together; `spoken` is the name
    // a screen reader says for a field or list.
    QWidget* buildUnit(QWidget* parent, const Control& control, const std::string& spoken,
                       bool captioned = true);
    QWidget* buildControl(QWidget* parent, const Control& control, const std::string& spoken);
    QWidget* buildField(QWidget* parent, const Control& control);
    QPushButton* buildButton(QWidget* parent, const Button& button);
    QWidget* buildButtons(QWidget* parent);
    // The hover picture is the one shown while the pointer is over the picture.
    void loadPicture(PictureBox* box, const std::string& path, bool hover);

    const ModuleSpec& module_;
    PictureFetch fetch_;
    BuiltWindow built_;
    std::string frameLabel_; // while a small frame is built: its caption, said after its fields
};

} // namespace ornavo::ui
