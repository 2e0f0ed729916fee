#pragma once
// The one module window: built from a ModuleSpec, bound to a Form. Widgets carry the control names
// as object names; what the user does goes to the form, and what the form changes shows up in the
// widgets. Questions go to the prompter, the clipboard, preview and colour table to the host.
//
// An ordinary window, modal to nothing: the colour table and the preview stand beside it and in front
// of it as the user likes, and its message boxes belong to it. Whoever opens it keeps the main window
// from being used meanwhile; finished() tells when it is closed.
//
// At the window's own size everything shows at once: fields share a line's width by what they hold
// (short values as wide as their content, addresses the larger share of the rest), and whenever the
// room changes, the code box and then the samples (keeping their shape) give up height for the settings.

#include "framework/model/form.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace ornavo::ui {

class PictureBox;
class SettingsFitter;

class GeneratorWindow : public QDialog {
    Q_OBJECT
  public:
    GeneratorWindow(const ModuleSpec& module, WindowVariables& variables, Prompter& prompter,
                    WindowHost& host, QWidget* parent = nullptr);
    ~GeneratorWindow() override;

    Form& form() { return *form_; }
    // Keeps an object that works on this window's form (its settings keeper) for as long as the window
    // lives; it goes before the form does.
    void attach(std::unique_ptr<QObject> companion) { companions_.push_back(std::move(companion)); }
    // The attached object of that type, if any.
    template <typename T> T* companion() const {
        for (const auto& c : companions_)
            if (auto* found = qobject_cast<T*>(c.get()))
                return found;
        return nullptr;
    }

    // The picture's box: its described size, made smaller (same shape) when the window is narrower.
    static QSize pictureBoxSize(const Control& picture, int windowWidth);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

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
    QLineEdit* buildField(QWidget* parent, const Control& control);
    QPushButton* buildButton(QWidget* parent, const Button& button);
    QWidget* buildButtons(QWidget* parent);
    // The hover picture is the one shown while the pointer is over the picture.
    void loadPicture(PictureBox* box, const std::string& path, bool hover);
    void refresh(const std::string& name);
    void codeEdited();
    // The code box holds code from now on.
    void codeShown();

    std::unique_ptr<Form> form_;
    QHash<QString, QWidget*> widgets_;
    QPlainTextEdit* code_ = nullptr;
    QWidget* bottom_ = nullptr; // the code box and the buttons
    bool syncing_ = false;
    std::vector<QWidget*> tabOrder_;   // what the tab key visits, in reading order
    std::vector<PictureBox*> samples_; // the sample pictures, which make room when the settings need it
    std::string frameLabel_;           // while a small frame is built: its caption, said after its fields
    SettingsFitter* fitter_ = nullptr;
    std::vector<std::unique_ptr<QObject>> companions_; // after form_: destroyed before it
};

} // namespace ornavo::ui
