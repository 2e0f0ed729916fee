#pragma once
// The one module window: built from a ModuleSpec, bound to a Form. Widgets carry the control names
// as object names; what the user does goes to the form, and what the form changes shows up in the
// widgets.

#include "framework/form.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>

class QPlainTextEdit;

namespace ornavo::ui {

class GeneratorWindow : public QDialog, public WindowHost {
    Q_OBJECT
public:
    GeneratorWindow(const ModuleSpec& module, WindowVariables& variables, Prompter& prompter,
                    QWidget* parent = nullptr);
    ~GeneratorWindow() override;

    Form& form() { return *form_; }

    // What the preview and colour-picker buttons open; set once by the program.
    using PreviewHandler = std::function<void(const std::string& code)>;
    using ColourTableHandler = std::function<void()>;
    static void setPreviewHandler(PreviewHandler handler);
    static void setColourTableHandler(ColourTableHandler handler);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    void putOnClipboard(const std::string& text) override;
    void showPreview(const std::string& code) override;
    void openColourTable() override;

private:

    QWidget* buildSection(const Section& section);
    QWidget* buildControl(const Control& control);
    QWidget* buildButtons();
    void loadPicture(QWidget* label, const std::string& path);
    void refresh(const std::string& name);
    void codeEdited();

    std::unique_ptr<Form> form_;
    QHash<QString, QWidget*> widgets_;
    QPlainTextEdit* code_ = nullptr;
    bool syncing_ = false;
};

} // namespace ornavo::ui
