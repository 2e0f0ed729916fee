#pragma once
// The one module window: built from a ModuleSpec, bound to a Form. Widgets carry the control names
// as object names; what the user does goes to the form, and what the form changes shows up in the
// widgets. Questions go to the prompter, the clipboard, preview and colour table to the host.
//
// An ordinary window, modal to nothing: the colour table and the preview stand beside it and in front
// of it as the user likes, and its message boxes belong to it. Whoever opens it keeps the main window
// from being used meanwhile; finished() tells when it is closed.

#include "framework/form.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>

class QFontMetrics;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace ornavo::ui {

class GeneratorWindow : public QDialog {
    Q_OBJECT
public:
    GeneratorWindow(const ModuleSpec& module, WindowVariables& variables, Prompter& prompter, WindowHost& host,
                    QWidget* parent = nullptr);
    ~GeneratorWindow() override;

    Form& form() { return *form_; }

    // The least width of a field: an address field shows forty characters of an address; a colour
    // or a size a few; any field its default text. The same rules are what the layout checks hold.
    static int fieldWidth(const Control& field, const QFontMetrics& metrics);
    static int addressFieldWidth(const QFontMetrics& metrics);
    // The picture's box: its described size, made smaller (same shape) when the window is narrower.
    static QSize pictureBoxSize(const Control& picture, int windowWidth);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Makes the wide samples smaller (never below 60 %) where the settings would otherwise need
    // scrolling to reach their fields.
    void fitSamplesToSettings();
    QWidget* buildSection(const Section& section);
    void buildItems(QVBoxLayout* layout, const std::vector<Item>& items);
    QWidget* buildLine(const Line& line);
    QWidget* buildTable(const Table& table);
    QWidget* buildTabs(const TabControl& tabs);
    // A control with its caption before it and its unit after it, kept together.
    QWidget* buildUnit(const Control& control);
    QWidget* buildControl(const Control& control);
    QPushButton* buildButton(const Button& button);
    QWidget* buildButtons();
    // The hover picture is the one shown while the pointer is over the picture.
    void loadPicture(QWidget* label, const std::string& path, bool hover);
    void refresh(const std::string& name);
    void codeEdited();

    std::unique_ptr<Form> form_;
    QHash<QString, QWidget*> widgets_;
    QPlainTextEdit* code_ = nullptr;
    QWidget* bottom_ = nullptr; // the code box and the buttons
    int bottomHeight_ = 0;      // its height at the specified size
    bool syncing_ = false;
    bool samplesFitted_ = false;
};

} // namespace ornavo::ui
