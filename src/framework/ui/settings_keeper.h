#pragma once
// What a module window keeps for its user, attached from outside so that the window itself stays a
// view of its form:
//   - "保存设置" (Ctrl+S: to the file the window was opened from or saved to last, asking for a name
//     only when there is none), "另存设置…" (Ctrl+Shift+S), "打开设置…" (Ctrl+O) and "最近的设置" in
//     the window's context menu (also in the fields' own menus), with the last folder and the recent
//     files kept in the state folder;
//   - the kept texts: while the user types, the window's settings go to the state folder about once
//     a second and when the window closes; when earlier ones exist, a bar at the top offers them
//     ("恢复上次内容"; "忽略" discards them). Opening a settings file takes the bar away.
// A settings file of another window can be opened there: the keeper asks for that window instead
// (handOverRequested), and whoever owns the module windows closes this one and opens that one with the
// file. Messages go through the window's prompter.

#include "framework/model/kept_texts.h"
#include "framework/model/recent_settings.h"
#include "restore_bar.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace ornavo::ui {

class GeneratorWindow;

class SettingsKeeper : public QObject {
    Q_OBJECT
  public:
    // Attaches to the window (GeneratorWindow::attach keeps it for the window's life).
    SettingsKeeper(GeneratorWindow& window, const Registry& registry);
    ~SettingsKeeper() override;

    // Asks for a file name: saving (true) or opening; empty when the user cancels. The file dialog
    // unless set otherwise.
    using FileChooser = std::function<QString(bool saving, const QString& folder, const QString& suggested)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // The actions of the menu; false when nothing was saved or opened (a message has said why).
    bool save();
    bool saveAs();
    bool open();
    bool saveTo(const std::string& path);
    bool openFrom(const std::string& path);
    // Settings handed over as text (a module of a page): shown like a file's, but the window gets no
    // file of its own. `source` names them in a message.
    bool openText(const std::string& text, const std::string& source);

    // One more entry at the end of the window's menu (the action belongs to the caller; its shortcut
    // works in the window too).
    void addAction(QAction* action);

    // The menu with the three entries, as the window's context menu shows it.
    QMenu* makeMenu(QWidget* parent);
    // The bar offering the earlier texts; nullptr when there were none or it was answered.
    RestoreBar* restoreBar() const { return bar_; }
    const std::string& keptPath() const { return kept_.path(); }
    // The file the window was opened from or saved to last ("" when none).
    const std::string& file() const { return file_; }

  signals:
    // The user chose to open a settings file of another window in that window.
    void handOverRequested(const QString& key, const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void offerEarlier(LoadedSettings earlier);
    void restoreEarlier();
    void ignoreEarlier();
    void dismissBar();
    void schedule();
    void keep(const Status& written);
    void tellNotices();

    GeneratorWindow& window_;
    const Registry& registry_;
    KeptTexts kept_;
    RecentSettings recent_;
    QTimer timer_;
    QPointer<RestoreBar> bar_;
    std::optional<LoadedSettings> earlier_;
    FileChooser chooseFile_;
    bool failureShown_ = false;
    std::vector<std::string> notices_; // told once the window is on screen
    std::string file_;
    std::vector<QAction*> extra_;
    Subscription changes_;
};

} // namespace ornavo::ui
