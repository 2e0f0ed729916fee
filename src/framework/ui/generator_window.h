#pragma once
// The one module window: built from a ModuleSpec, bound to a Form. Widgets carry the control names
// as object names; what the user does goes to the form, and what the form changes shows up in the
// widgets. Questions go to the prompter, the clipboard, preview and colour table to the host.

#include "framework/form.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>

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

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QWidget* buildSection(const Section& section);
    void buildItems(QVBoxLayout* layout, const std::vector<Item>& items);
    void buildLine(QVBoxLayout* layout, const Line& line);
    void buildTable(QVBoxLayout* layout, const Table& table);
    QWidget* buildTabs(const TabControl& tabs);
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
    bool syncing_ = false;
};

} // namespace ornavo::ui
