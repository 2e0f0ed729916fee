#pragma once
// The one module window: the dialog around a form. It makes its widgets from the module's description
// (window_builder.h), binds them to the form both ways (form_binding.h) and shares its height between
// the settings and the code box (settings_fitter.h); questions go to the prompter, the clipboard,
// preview and colour table to the host.
//
// An ordinary window, modal to nothing: the colour table and the preview stand beside it and in front
// of it as the user likes, and its message boxes belong to it. Whoever opens it keeps the main window
// from being used meanwhile; finished() tells when it is closed.

#include "window_builder.h"

#include "framework/model/form.h"

#include <QDialog>
#include <memory>
#include <vector>

namespace ornavo::ui {

class FormBinding;
class SettingsFitter;

class GeneratorWindow : public QDialog {
    Q_OBJECT
  public:
    // `fetch` brings the samples that come from the maker's site (none without it).
    GeneratorWindow(const ModuleSpec& module, WindowVariables& variables, Prompter& prompter,
                    WindowHost& host, QWidget* parent = nullptr, PictureFetch fetch = {});
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

    // A window taller than the desktop's work area (the screen less its panels) gives up code-box
    // height until its frame fits, and its frame is moved inside that area.
    void fitIntoWorkArea();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

  private:
    static constexpr int kFrameGuess = 30;
    std::unique_ptr<Form> form_;
    FormBinding* binding_ = nullptr;
    SettingsFitter* fitter_ = nullptr;
    bool fitted_ = false;
    std::vector<std::unique_ptr<QObject>> companions_; // after form_: destroyed before it
};

} // namespace ornavo::ui
