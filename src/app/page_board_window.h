#pragma once
// The page board: a whole shop page planned in one window. Its modules stand in page order, grouped
// by where they go (shop sign, navigation style, body, side column), each with its label, window, the
// place it is pasted to, its weight, whether its code changed since it was last copied, and a "复制"
// button; the check of the page stands under the list, each line leading to its module.
//
// Modules join the page from a module window ("加入页面"), a settings file, the recent files or the
// catalogue (the module's window opens, and joins when the user presses "加入页面"). A double click or
// Return opens a module's window with its settings; when that window closes, the board takes its
// settings back. Every change can be undone. The page is kept in the state folder after every change,
// and offered back after a crash ("恢复上次内容"). The whole page is previewed in the preview window.
//
// A view of the model (page_board.h): everything it shows is worked out there.

#include "framework/model/page_board.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace ornavo::ui {
class GeneratorWindow;
class RestoreBar;
} // namespace ornavo::ui

namespace ornavo::app {

class ModuleWindows;

// What the board reaches outside itself; empty members do nothing.
struct BoardServices {
    ModuleWindows* windows = nullptr; // module windows, through their one owner
    Prompter* prompter = nullptr;     // questions and notices
    // Asks for a file: saving (true) or opening, starting in `folder`, of the kinds in `filter` (a file
    // dialog's filter); empty when the user cancels.
    std::function<QString(bool saving, const QString& folder, const QString& suggested,
                          const QString& filter)>
        chooseFile;
    std::function<void(const std::string& text)> copy; // to the clipboard
    // The whole page in the preview window, beside the board: the page's file, the board, what a click
    // on a module's slot there selects, and where the live code of a module being edited goes.
    std::function<void(const std::string& pageFile, QWidget* from, std::function<void(int slot)> selected,
                       std::function<void(const std::string& code)> liveCode)>
        showPage;
    // Live preview follows this module window (one opened from the board while the page is shown).
    std::function<void(ui::GeneratorWindow* window)> followLive;
    // One module's slot of the page shown there, with new code; false when no page preview is shown.
    std::function<bool(int slot, const std::string& code)> updateSlot;
    // Whether the preview window still shows the whole page (the user may have closed it or shown a
    // module there since).
    std::function<bool()> pageShown;
    std::string stateFolder; // where the board keeps its page ("" keeps nothing)
    std::string previewFolder;
};

class PageBoardWindow : public QMainWindow {
    Q_OBJECT
  public:
    static const char* const kCaption; // "页面看板"

    explicit PageBoardWindow(BoardServices services, QWidget* parent = nullptr);
    ~PageBoardWindow() override;

    PageBoard& board() { return board_; }
    QTreeWidget* list() const { return list_; }
    QListWidget* report() const { return report_; }
    ui::RestoreBar* restoreBar() const;

    // Whole pages; the ones that replace the page ask first when it has unsaved changes.
    void newPage();
    bool openPage(const std::string& path);
    bool save();
    bool saveAs();

    // Modules joining the page: from a module window's settings, from a settings file (embedded, or
    // linked), or from the catalogue (the window opens; it joins when the user presses "加入页面").
    bool addFromWindow(ui::GeneratorWindow& window);
    bool addFromFile(const std::string& path, bool link);
    void addFromCatalogue(const ModuleSpec& module);

    // What the list's module entries do: edit in its window, copy its code (marking it copied).
    void editModule(std::size_t index);
    void offerLinkUpdate(std::size_t index); // asks before the changed linked file is taken
    void copyModule(std::size_t index);
    void previewPage();
    // Selects the module with that number on the page (a click in the page preview).
    void selectModule(int id);
    // The module selected in the list, if any.
    std::optional<std::size_t> selected() const;
    // Moves the selected module before the one above it in its area, or after the one below.
    void moveSelected(int direction);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void refresh();
    void keepSoon();
    void keepNow();
    void offerKept();
    // Asks whether to save changes first; false when the user wants to keep the page as it is.
    bool settled();
    void moduleWindowClosing(ui::GeneratorWindow* window);
    // Live code of the module being edited, for its slot of the page shown in the preview.
    void liveCode(const std::string& code);
    void dropped(QTreeWidgetItem* item, int areaIndex, int row);
    std::string keptPath() const;
    QString chooseFile(bool saving, const QString& suggested, const QString& filter);

    BoardServices services_;
    PageBoard board_;
    QTreeWidget* list_ = nullptr;
    QListWidget* report_ = nullptr;
    QLabel* summary_ = nullptr;
    QPointer<ui::RestoreBar> bar_;
    QTimer keepTimer_;
    std::optional<Page> keptPage_; // kept after a crash, offered by the bar
    std::string keptFile_;
    // The module whose window is open for editing, by its number on the page.
    QPointer<ui::GeneratorWindow> editing_;
    int editingId_ = 0;
    std::optional<std::string> editingLinkBytes_; // the linked file as the window opened it
    bool pagePreviewShown_ = false;
    std::vector<QAction*> moduleActions_; // the actions that need a selected module
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace ornavo::app
