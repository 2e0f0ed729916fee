#pragma once
// The one owner of module windows. It makes a module's window, attaches what every module window has
// (the settings keeper, its part in live preview, the browser's warm-up), shows it, and tells when it
// has closed. A settings file of another window, opened in one, closes that window and opens the other
// with the file (the keeper asks for it). The catalogue, `ornavo --module KEY`, `ornavo FILE` and the
// page board all open module windows here. One is open at a time; the window variables of every module
// live here for the whole run.

#include "framework/model/form.h"
#include "framework/model/registry.h"
#include "framework/ui/window_builder.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <string>

namespace ornavo {
class LivePreview;
}

namespace ornavo::ui {
class GeneratorWindow;
}

namespace ornavo::app {

class ModuleWindows : public QObject {
    Q_OBJECT
  public:
    ModuleWindows(const Registry& registry, Prompter& prompter, WindowHost& host, QObject* parent = nullptr);
    ~ModuleWindows() override;

    // What each window gets besides its keeper: its part in live preview (nullptr: none), what is done
    // with it once it is on screen (the browser readied in the background), and how its samples from
    // the maker's site are fetched.
    void setLivePreview(LivePreview* live) { live_ = live; }
    void setOnShown(std::function<void(QWidget* window)> onShown) { onShown_ = std::move(onShown); }
    void setPictureFetch(ui::PictureFetch fetch) { fetch_ = std::move(fetch); }
    // With a page to add to: every window offers "加入页面" (its menu, Ctrl+J), which hands the window
    // to `add`; nullptr: none.
    void setAddToPage(std::function<void(ui::GeneratorWindow& window)> add);

    // Opens the module's window and shows it; with a settings file, the window then opens that file
    // (a file it cannot take leaves the window as it opened, and the user is told why). While a window
    // is open, it is brought to the front instead and returned.
    ui::GeneratorWindow* open(const ModuleSpec& module, const std::string& settingsFile = {});
    // The same with settings handed over as text (`source` names them in a message).
    ui::GeneratorWindow* openWithSettings(const ModuleSpec& module, const std::string& settingsText,
                                          const std::string& source);
    // A window opened for the page: a bar at its top says that "加入页面" adds it to the page.
    ui::GeneratorWindow* openForPage(const ModuleSpec& module, const std::string& pageName);
    // The window that is open, or nullptr.
    ui::GeneratorWindow* window() const;
    Session& session() { return session_; }

  signals:
    // A window is on screen (also one opened in another's place).
    void opened(ornavo::ui::GeneratorWindow* window);
    // The window is closing; its form can still be read.
    void closing(ornavo::ui::GeneratorWindow* window);
    // The open window has closed and no other has opened in its place.
    void allClosed();

  private:
    void finished();
    // The window's "加入页面", when there is a page to add to.
    void offerAddToPage(ui::GeneratorWindow* window);

    const Registry& registry_;
    Prompter& prompter_;
    WindowHost& host_;
    LivePreview* live_ = nullptr;
    std::function<void(QWidget*)> onShown_;
    ui::PictureFetch fetch_;
    std::function<void(ui::GeneratorWindow&)> addToPage_;
    Session session_;
    QPointer<ui::GeneratorWindow> window_;
    // A settings file of another window, to open once the open one has closed.
    struct HandOver {
        std::string key;
        std::string path;
    };
    std::optional<HandOver> handOver_;
};

} // namespace ornavo::app
