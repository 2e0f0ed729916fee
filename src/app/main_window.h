#pragma once
// The program's home: the module catalogue on two edition pages, the design-software and material
// pages, the announcement ticker, the four advert slots, the menus and the tray icon. A catalogue
// button hides the main window while the module's window is open and brings it back, restored and
// centred, when that window is closed.

#include "framework/model/form.h"
#include "framework/model/prompter.h"
#include "generators/catalogue.h"

#include <QByteArray>
#include <QMainWindow>
#include <QPointer>
#include <QRect>

#include <array>
#include <functional>
#include <set>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSystemTrayIcon;
class QTabWidget;

namespace ornavo::app {

class TickerBand;

enum class NoticeIcon { None, Error };

// Everything the main window reaches outside itself. An empty member is filled with the desktop's
// own: the HTTP fetch, the default browser, message boxes, a module window, the update check,
// the notification area's presence and the end of the program.
struct ShellServices {
    using TextReceiver = std::function<void(const std::string& text)>;
    using BytesReceiver = std::function<void(const QByteArray& bytes)>;
    // Start reading an address and return; the body (empty on failure) goes to the receiver, at once
    // or later, unless `context` is destroyed first.
    std::function<void(const std::string& address, QObject* context, TextReceiver done)> fetchText;
    std::function<void(const std::string& address, QObject* context, BytesReceiver done)> fetchBytes;
    std::function<void(const std::string& address)> openAddress;
    // A notice with an OK button; an empty caption means the program's own.
    std::function<void(const std::string& caption, const std::string& message, NoticeIcon icon)> notify;
    std::function<Answer(const std::string& question)> ask;
    // Who answers the module windows' questions (and `ask`, when that is empty); nullptr: message boxes.
    Prompter* prompter = nullptr;
    // Opens the module's window and returns at once; `closed` runs once the window has been closed and
    // no other module window opened in its place. Returns the window, or nullptr when there is none.
    std::function<QWidget*(const ModuleSpec& module, std::function<void()> closed)> openModuleWindow;
    // The module window open now, or nullptr.
    std::function<QWidget*()> moduleWindow;
    // The page board: with a new page when asked, else as it is (a new page when none is open).
    std::function<void(bool newPage)> openPageBoard;
    std::function<void()> openColourTable;
    // What a module window's preview button opens.
    std::function<void(const std::string& code)> openPreview;
    // Starts the update check, which runs beside everything else and ends with `context`.
    std::function<void(QObject* context)> checkForUpdate;
    std::function<bool()> trayAvailable;
    std::function<void()> quit;
    // How long after a link went to the default browser a click on it still does nothing, while the
    // browser brings the page up (milliseconds).
    int linkSettleMs = 1500;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kWidth = 815;
    static constexpr int kHeight = 698;
    static constexpr int kTopOnStart = 10;
    static std::string trayTip();            // "OrnavoV2.0.1"
    static const char* const kNoticeCaption; // "温馨提示"
    static const char* const kInDevelopment; // "模块开发中！！", the placeholder buttons' notice
    static const char* const kMaintenance;   // "网站维护中……"

    // The catalogue button at that place of its page, in the tab control's coordinates.
    static QRect catalogueButtonRect(std::size_t index);
    static std::string caption();

    explicit MainWindow(ShellServices services = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window centred across and 10 pixels from the top of the screen.
    void showAtStart();
    // Starts the update check and the fetches of the announcement and the four advert pictures, side by
    // side, and returns at once; each slot is filled when its answer arrives. Runs once, after the
    // window is shown.
    void loadOnlineContent();

    // What a catalogue button does: minimise (and so hide), open the module's window, and once it is
    // closed come back restored and centred. Meanwhile this window takes no input.
    void openCatalogueEntry(const CatalogueEntry& entry);
    void restoreAndCentre();
    // The tray icon's left click: with a module window open, bring that one to the front; else hide a
    // visible main window or bring back a hidden one.
    void toggleFromTray();
    // The menu's "退出": asks first; Yes ends the program.
    void askToQuit();

    TickerBand* ticker() const { return ticker_; }
    QTabWidget* pages() const { return pages_; }
    QSystemTrayIcon* trayIcon() const { return tray_; }
    QMenu* systemMenu() const { return systemMenu_; }
    QMenu* helpMenu() const { return helpMenu_; }
    QMenu* trayMenu() const { return trayMenu_; }
    QPushButton* pageBoardButton() const { return pageBoardButton_; }
    QLabel* advertSlot(int slot) const { return adverts_.at(static_cast<std::size_t>(slot - 1)); }
    bool hidesWhenMinimised() const;

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildTray();
    QWidget* buildCataloguePage(Edition edition, const char* placeholderName, const char* placeholderCaption);
    QWidget* buildSoftwarePage();
    QWidget* buildMaterialPage();
    void buildAdverts(QWidget* central);
    void showAdvert(int slot, const QByteArray& bytes);
    // A link opened by a click: nothing more happens while the same address is still being opened
    // (its link file on the site still being fetched, or the browser still bringing it up).
    void openLink(const std::string& address);
    void openLinkFromSite(const std::string& linkFile);
    void forgetOpeningLater(const std::string& key);
    void openAdvertLink(int slot);
    void openMaterialDownloads();
    void fetchPassword();
    void quitProgram();
    void centre();
    void openModule(const ModuleSpec& module);
    // Brings the open module window to the front; false when none is open.
    bool bringModuleWindowBack();

    ShellServices services_;
    std::vector<CatalogueEntry> professional_, basic_;
    TickerBand* ticker_ = nullptr;
    QTabWidget* pages_ = nullptr;
    std::array<QLabel*, 4> adverts_{};
    QLineEdit* password_ = nullptr;
    QMenu* systemMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    QPushButton* pageBoardButton_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    std::set<std::string> opening_; // links, and link files, on their way to the default browser
    bool moduleOpen_ = false;
    bool onlineLoaded_ = false;
    bool quitting_ = false;
};

} // namespace ornavo::app
