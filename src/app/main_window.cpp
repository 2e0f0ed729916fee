#include "main_window.h"

#include "about_window.h"
#include "desktop.h"
#include "material_preview_window.h"
#include "ticker.h"
#include "tiles.h"

#include "framework/model/constants.h"
#include "framework/model/version.h"
#include "framework/ui/acting_window.h"
#include "framework/ui/return_presses.h"
#include "net/maker_site.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>

namespace ornavo::app {

const char* const MainWindow::kNoticeCaption = "温馨提示";
const char* const MainWindow::kInDevelopment = "模块开发中！！";
const char* const MainWindow::kMaintenance = "网站维护中……";

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QString u(const char* s) {
    return QString::fromUtf8(s);
}

// A tab page whose controls are placed in the tab control's coordinates, as the window is designed:
// the page itself starts below the tab row, so each control is shifted by the page's own offset.
class DesignedPage : public QWidget {
  public:
    explicit DesignedPage(QTabWidget* tabs) : tabs_(tabs) {}

    template <typename W> W* place(W* widget, const QRect& designed) {
        widget->setParent(this);
        placed_.push_back({widget, designed});
        widget->setGeometry(designed.translated(-offset()));
        return widget;
    }

  protected:
    void moveEvent(QMoveEvent* event) override {
        QWidget::moveEvent(event);
        relayout();
    }
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        relayout();
    }

  private:
    QPoint offset() const {
        return isAncestorOf(tabs_) || !tabs_->isAncestorOf(this) ? QPoint() : mapTo(tabs_, QPoint());
    }
    void relayout() {
        const QPoint shift = offset();
        for (const auto& [widget, designed] : placed_)
            if (widget)
                widget->setGeometry(designed.translated(-shift));
    }

    QTabWidget* tabs_;
    std::vector<std::pair<QPointer<QWidget>, QRect>> placed_;
};

// A tab page that is made when it is first turned to (or otherwise shown): the start makes and styles
// only the page it shows.
class PageLater : public QWidget {
  public:
    PageLater(QTabWidget* tabs, std::function<QWidget*()> make) : make_(std::move(make)) {
        connect(tabs, &QTabWidget::currentChanged, this, [this, tabs](int index) {
            if (tabs->widget(index) == this)
                made();
        });
    }

  protected:
    void showEvent(QShowEvent* event) override {
        made();
        QWidget::showEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (page_)
            page_->setGeometry(rect());
    }

  private:
    void made() {
        if (page_ || !make_)
            return;
        page_ = make_();
        make_ = nullptr;
        page_->setParent(this);
        page_->setGeometry(rect());
        page_->show();
    }

    std::function<QWidget*()> make_;
    QWidget* page_ = nullptr;
};

// An advert picture box: a press of the left mouse button opens the advert's link.
class AdvertSlot : public QLabel {
  public:
    AdvertSlot(int slot, std::function<void(int)> onPress, QWidget* parent)
        : QLabel(parent), slot_(slot), onPress_(std::move(onPress)) {
        setObjectName(QStringLiteral("图片框_广告位%1").arg(slot));
        setAlignment(Qt::AlignCenter);
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && onPress_)
            onPress_(slot_);
        QLabel::mousePressEvent(event);
    }

  private:
    int slot_;
    std::function<void(int)> onPress_;
};

// A single-line field cannot hold a line break: the password is shown without surrounding line ends.
std::string withoutLineEnds(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    std::size_t begin = 0;
    while (begin < text.size() && (text[begin] == '\r' || text[begin] == '\n'))
        ++begin;
    return text.substr(begin);
}

const QColor kSoftwareColour(0x35, 0x6f, 0xb0);
const QColor kMaterialColour(0x3e, 0x8e, 0x6a);
const QColor kContactColour(0xd9, 0x7a, 0x2b);
const QColor kMaintenanceColour(0x7a, 0x86, 0x94);

// The twelve tiles of a download page: four across, three down.
QRect tileRect(int index) {
    const int columns[] = {14, 210, 406, 603};
    return QRect(columns[index % 4], 35 + (index / 4) * 112, 190, 100);
}

} // namespace

QRect MainWindow::catalogueButtonRect(std::size_t index) {
    static const int columns[] = {14, 210, 406, 603};
    static const int rows[] = {35, 70, 105, 141, 178, 215, 252, 289, 326};
    const std::size_t row = index / 4;
    const int top = row < 9 ? rows[row] : rows[8] + static_cast<int>(row - 8) * 37;
    return QRect(columns[index % 4], top, 190, 32);
}

// "Ornavo V2.0.1     Quillet工作室   " followed by the maker's web address.
std::string MainWindow::caption() {
    return std::string("Ornavo V") + programVersion() + "     Quillet工作室   " + makerServer();
}
std::string MainWindow::trayTip() {
    return std::string("OrnavoV") + programVersion();
}

MainWindow::MainWindow(ShellServices services, QWidget* parent)
    : QMainWindow(parent), services_(withDesktopDefaults(std::move(services))),
      professional_(cataloguePage(Edition::Professional)), basic_(cataloguePage(Edition::Basic)) {
    // The program ends through the exit question only, not when its last visible window closes
    // (the main window is often hidden while other windows are open).
    QApplication::setQuitOnLastWindowClosed(false);

    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(q(caption()));
    setWindowIcon(programIcon());
    setFixedSize(kWidth, kHeight);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("MainArea"));
    setCentralWidget(central);

    // The label owns its 64 pixels; its face (set by the skin) keeps the whole text in them, so the
    // ticker band beside it never takes the colon.
    auto* notice = new QLabel(u(" 最新公告："), central);
    notice->setObjectName(QStringLiteral("标签_最新公告"));
    notice->setProperty("role", QStringLiteral("notice"));
    notice->setGeometry(0, 6, 64, 24);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    ticker_ = new TickerBand(central);
    ticker_->setGeometry(65, 8, 736, 24);
    ticker_->setAnnouncement({});

    pages_ = new QTabWidget(central);
    pages_->setObjectName(QStringLiteral("选择夹1"));
    pages_->setGeometry(1, 33, 806, 479);
    pages_->addTab(buildCataloguePage(Edition::Professional, "按钮_模块开发", "更多模块开发中……"),
                   u("专业版旺铺装修"));
    pages_->addTab(
        new PageLater(
            pages_, [this] { return buildCataloguePage(Edition::Basic, "按钮_模块开发1", "模块开发中……"); }),
        u("基础版店铺装修"));
    pages_->addTab(new PageLater(pages_, [this] { return buildSoftwarePage(); }), u("设计软件下载"));
    pages_->addTab(new PageLater(pages_, [this] { return buildMaterialPage(); }), u("设计素材下载"));
    // The page board's button stands at the right of the tab headers, clear of the catalogue's buttons.
    pageBoardButton_ = new QPushButton(u("页面看板"));
    pageBoardButton_->setObjectName(QStringLiteral("按钮_页面看板"));
    pageBoardButton_->setProperty("role", QStringLiteral("small"));
    pageBoardButton_->setToolTip(u("把多个模块排成一整页：预览整页、检查冲突、逐个复制粘贴"));
    pageBoardButton_->setAutoDefault(false);
    ui::pressOnReturn(pageBoardButton_);
    pages_->setCornerWidget(pageBoardButton_, Qt::TopRightCorner);
    connect(pageBoardButton_, &QPushButton::clicked, this, [this] {
        if (services_.openPageBoard)
            services_.openPageBoard(false);
    });

    buildAdverts(central);
    buildMenus();
    buildTray();
}

MainWindow::~MainWindow() {
    if (tray_)
        tray_->hide();
    delete trayMenu_;
}

QWidget* MainWindow::buildCataloguePage(Edition edition, const char* placeholderName,
                                        const char* placeholderCaption) {
    auto* page = new DesignedPage(pages_);
    page->setObjectName(edition == Edition::Professional ? QStringLiteral("专业版旺铺装修")
                                                         : QStringLiteral("基础版店铺装修"));
    // Captions run to seventeen characters: the skin gives catalogue buttons a tighter face and padding
    // than the module windows' buttons.
    const std::vector<CatalogueEntry>& entries = edition == Edition::Professional ? professional_ : basic_;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CatalogueEntry& entry = entries[i];
        auto* button = new QPushButton(q(entry.button.caption));
        button->setObjectName(q(entry.button.name));
        button->setProperty("module", q(entry.key));
        button->setProperty("role", QStringLiteral("catalogue"));
        button->setAutoDefault(false);
        ui::pressOnReturn(button);
        page->place(button, catalogueButtonRect(i));
        connect(button, &QPushButton::clicked, this, [this, &entry] { openCatalogueEntry(entry); });
    }
    auto* placeholder = new QPushButton(u(placeholderCaption));
    placeholder->setObjectName(u(placeholderName));
    placeholder->setProperty("role", QStringLiteral("catalogue"));
    placeholder->setAutoDefault(false);
    ui::pressOnReturn(placeholder);
    page->place(placeholder, catalogueButtonRect(entries.size()));
    connect(placeholder, &QPushButton::clicked, this,
            [this] { services_.notify(kNoticeCaption, kInDevelopment, NoticeIcon::None); });
    return page;
}

QWidget* MainWindow::buildSoftwarePage() {
    auto* page = new DesignedPage(pages_);
    page->setObjectName(QStringLiteral("设计软件下载"));
    static const char* const programs[][2] = {
        {"ps3", "PS 3"}, {"ps4", "PS 4"}, {"ps5", "PS 5"}, {"ps6", "PS 6"}, {"fr3", "FR 3"}, {"fr5", "FR 5"},
        {"fr6", "FR 6"}, {"dr3", "DR 3"}, {"dr5", "DR 5"}, {"dr8", "DR 8"}, {"lt", "LT"},    {"II", "II"}};
    for (int i = 0; i < 12; ++i) {
        const QRect rect = tileRect(i);
        auto* button =
            new PictureButton(u("图形按钮_") + u(programs[i][0]), u(programs[i][1]), u("设计软件下载"),
                              kSoftwareColour, QRect(QPoint(), rect.size()), nullptr);
        page->place(button, rect);
        connect(button, &QAbstractButton::clicked, this,
                [this] { openLink(address(Address::SOFTWARE_SHARE_URL)); });
    }
    auto* contact = new PictureButton(u("图形按钮_联系我们"), u("联系我们"), u("有问题请留言"),
                                      kContactColour, QRect(0, 0, 386, 56), nullptr);
    page->place(contact, QRect(14, 380, 386, 56));
    connect(contact, &QAbstractButton::clicked, this, [this] { openLink(address(Address::IM_CONTACT_URL)); });
    auto* more = new PictureButton(u("图形按钮2"), u("更多软件"), u("软件资源中心"), kMaintenanceColour,
                                   QRect(0, 0, 387, 56), nullptr);
    page->place(more, QRect(406, 380, 387, 56));
    connect(more, &QAbstractButton::clicked, this,
            [this] { services_.notify({}, kMaintenance, NoticeIcon::Error); });
    return page;
}

QWidget* MainWindow::buildMaterialPage() {
    auto* page = new DesignedPage(pages_);
    page->setObjectName(QStringLiteral("设计素材下载"));
    for (int i = 0; i < 12; ++i) {
        const QRect rect = tileRect(i);
        const QString number = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        auto* button = new PictureButton(u("图形按钮_素材") + number, u("素材") + number, u("设计素材下载"),
                                         kMaterialColour, QRect(QPoint(), rect.size()), nullptr);
        page->place(button, rect);
        connect(button, &QAbstractButton::clicked, this, [this] { openMaterialDownloads(); });
    }
    auto* contact = new PictureButton(u("图形按钮_联系我们2"), u("联系我们"), u("有问题请留言"),
                                      kContactColour, QRect(0, 0, 190, 56), nullptr);
    page->place(contact, QRect(14, 380, 190, 56));
    connect(contact, &QAbstractButton::clicked, this, [this] { openLink(address(Address::IM_CONTACT_URL)); });
    auto* centre = new PictureButton(u("图形按钮_素材资源中心"), u("素材资源中心"), u("更多设计素材"),
                                     kMaintenanceColour, QRect(0, 0, 190, 56), nullptr);
    page->place(centre, QRect(210, 380, 190, 56));
    connect(centre, &QAbstractButton::clicked, this,
            [this] { services_.notify({}, kMaintenance, NoticeIcon::Error); });

    auto* preview = new QPushButton(u("素材预览"));
    preview->setObjectName(QStringLiteral("按钮_素材预览"));
    preview->setProperty("role", QStringLiteral("small"));
    page->place(preview, QRect(589, 446, 60, 24));
    connect(preview, &QPushButton::clicked, this, [] { MaterialPreviewWindow::present(); });

    auto* fetch = new QPushButton(u("提取密码"));
    fetch->setObjectName(QStringLiteral("按钮_提取密码"));
    fetch->setProperty("role", QStringLiteral("small"));
    page->place(fetch, QRect(652, 446, 60, 24));
    connect(fetch, &QPushButton::clicked, this, [this] { fetchPassword(); });

    password_ = new QLineEdit;
    password_->setObjectName(QStringLiteral("编辑框_提取密码"));
    password_->setProperty("role", QStringLiteral("small"));
    password_->setAccessibleName(u("提取密码")); // it has no caption: the button beside it names it
    page->place(password_, QRect(717, 446, 60, 24));
    return page;
}

void MainWindow::buildAdverts(QWidget* central) {
    auto* group = new QGroupBox(u("友情链接"), central);
    group->setObjectName(QStringLiteral("分组框1"));
    group->setGeometry(2, 515, 806, 128);
    for (int slot = 1; slot <= 4; ++slot) {
        auto* box = new AdvertSlot(
            slot, [this](int s) { openAdvertLink(s); }, group);
        box->setGeometry(2 + (slot - 1) * 200, 18, 200, 100);
        adverts_[static_cast<std::size_t>(slot - 1)] = box;
    }
}

void MainWindow::buildMenus() {
    auto* show = new QAction(u("显示"), this);
    show->setObjectName(QStringLiteral("显示"));
    connect(show, &QAction::triggered, this, [this] {
        if (!bringModuleWindowBack())
            restoreAndCentre();
    });
    auto* hideAction = new QAction(u("隐藏"), this);
    hideAction->setObjectName(QStringLiteral("隐藏"));
    connect(hideAction, &QAction::triggered, this, &QWidget::hide);
    // Hidden, the window comes back only through the tray icon: without a notification area there is
    // no hiding.
    hideAction->setVisible(services_.trayAvailable());
    auto* exit = new QAction(u("退出"), this);
    exit->setObjectName(QStringLiteral("退出"));
    connect(exit, &QAction::triggered, this, &MainWindow::askToQuit);

    // The page board, which plans a whole shop page: as it is, or with a new page.
    auto* board = new QAction(u("页面看板"), this);
    board->setObjectName(QStringLiteral("页面看板"));
    connect(board, &QAction::triggered, this, [this] {
        if (services_.openPageBoard)
            services_.openPageBoard(false);
    });
    auto* newPage = new QAction(u("新建页面"), this);
    newPage->setObjectName(QStringLiteral("新建页面"));
    newPage->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    connect(newPage, &QAction::triggered, this, [this] {
        if (services_.openPageBoard)
            services_.openPageBoard(true);
    });
    addAction(newPage); // the key works anywhere in the window

    auto fillSystemMenu = [&](QMenu* menu) {
        menu->addAction(show);
        menu->addAction(hideAction);
        menu->addSeparator();
        menu->addAction(board);
        menu->addAction(newPage);
        menu->addSeparator();
        menu->addAction(exit);
    };
    systemMenu_ = menuBar()->addMenu(u("系统菜单"));
    systemMenu_->setObjectName(QStringLiteral("系统菜单"));
    fillSystemMenu(systemMenu_);
    // The tray's pop-up is the same menu with the same items, as a menu of its own. It belongs to no
    // window: while a module window is open the main window takes no input, and a menu inside it would
    // take none either.
    trayMenu_ = new QMenu(u("系统菜单"));
    trayMenu_->setObjectName(QStringLiteral("托盘菜单"));
    fillSystemMenu(trayMenu_);

    helpMenu_ = menuBar()->addMenu(u("帮助"));
    helpMenu_->setObjectName(QStringLiteral("帮助"));
    QAction* tutorial = helpMenu_->addAction(u("使用教程")); // no action
    tutorial->setObjectName(QStringLiteral("使用教程"));
    QAction* colours = helpMenu_->addAction(u("颜色对照表"));
    colours->setObjectName(QStringLiteral("颜色对照表"));
    connect(colours, &QAction::triggered, this, [this] { services_.openColourTable(); });
    helpMenu_->addSeparator();
    QAction* about = helpMenu_->addAction(u("关于"));
    about->setObjectName(QStringLiteral("关于"));
    connect(about, &QAction::triggered, this, [this] {
        AboutWindow window([this](const std::string& link) { openLink(link); });
        window.exec();
    });
}

void MainWindow::buildTray() {
    tray_ = new QSystemTrayIcon(programIcon(), this);
    tray_->setToolTip(q(trayTip()));
    tray_->setContextMenu(trayMenu_); // right click
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            toggleFromTray();
    });
    if (services_.trayAvailable())
        tray_->show();
}

bool MainWindow::hidesWhenMinimised() const {
    return services_.trayAvailable();
}

void MainWindow::showAtStart() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        move(area.center().x() - frameGeometry().width() / 2, area.top() + kTopOnStart);
    }
    show();
}

void MainWindow::loadOnlineContent() {
    if (onlineLoaded_)
        return;
    onlineLoaded_ = true;
    // Nothing here waits: each answer fills its place when it arrives, in whatever order; an answer
    // that arrives after the window is gone is dropped with it.
    services_.checkForUpdate(this);
    services_.fetchText(net::makerFile(net::kAnnouncementPath), this,
                        [this](const std::string& announcement) {
                            if (!quitting_)
                                ticker_->setAnnouncement(net::siteTextToUtf8(announcement));
                        });
    for (int slot = 1; slot <= 4; ++slot)
        services_.fetchBytes(net::makerFile(net::advertPicturePath(slot)), this,
                             [this, slot](const QByteArray& bytes) { showAdvert(slot, bytes); });
}

void MainWindow::showAdvert(int slot, const QByteArray& bytes) {
    if (quitting_)
        return;
    QLabel* box = advertSlot(slot);
    QPixmap picture;
    if (!bytes.isEmpty() && picture.loadFromData(bytes)) {
        if (picture.width() > box->width() || picture.height() > box->height())
            picture = picture.scaled(box->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        box->setPixmap(picture);
    } else {
        box->clear();
    }
}

void MainWindow::openCatalogueEntry(const CatalogueEntry& entry) {
    if (moduleOpen_)
        return;
    setWindowState(windowState() |
                   Qt::WindowMinimized); // hides the window where a tray icon can bring it back
    // Only one module window at a time: brought back meanwhile (through the tray), this window takes no
    // input until the module window is closed; the colour table and the preview stay usable.
    setEnabled(false);
    openModule(entry.module());
}

void MainWindow::openModule(const ModuleSpec& module) {
    moduleOpen_ = true;
    // A window that closes to open a settings file of another module's window in its place counts as
    // one: the main window comes back once the last of them has closed.
    services_.openModuleWindow(module, [self = QPointer<MainWindow>(this)] {
        if (!self)
            return;
        self->moduleOpen_ = false;
        self->setEnabled(true);
        if (!self->quitting_)
            self->restoreAndCentre();
    });
}

void MainWindow::centre() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::restoreAndCentre() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    centre();
    raise();
    activateWindow();
}

bool MainWindow::bringModuleWindowBack() {
    QWidget* module = moduleOpen_ && services_.moduleWindow ? services_.moduleWindow() : nullptr;
    if (!module)
        return false;
    module->setWindowState(module->windowState() & ~Qt::WindowMinimized);
    module->show();
    module->raise();
    module->activateWindow();
    return true;
}

void MainWindow::toggleFromTray() {
    // While a module window is open, that is the window the user works in: it comes to the front.
    if (bringModuleWindowBack())
        return;
    if (isVisible())
        hide();
    else
        restoreAndCentre();
}

void MainWindow::askToQuit() {
    if (services_.ask(kAskExit) == Answer::No)
        return;
    quitProgram();
}

void MainWindow::quitProgram() {
    quitting_ = true;
    ticker_->timer()->stop();
    tray_->hide();
    hide();
    services_.quit();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Minimised (by the user or by a catalogue button), the window leaves the screen and the task bar
    // and stays reachable through the tray icon. Without a notification area it stays minimised only.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && isVisible() && hidesWhenMinimised())
        hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (quitting_) {
        event->accept();
        return;
    }
    ui::ActingWindow acting(this); // the question stands in front of this window, whichever is active
    if (services_.ask(kAskExit) == Answer::No) {
        event->ignore();
        return;
    }
    event->accept();
    quitProgram();
}

void MainWindow::openLink(const std::string& address) {
    if (!opening_.insert(address).second)
        return;
    services_.openAddress(address);
    forgetOpeningLater(address);
}

void MainWindow::openLinkFromSite(const std::string& linkFile) {
    // The file's address stands for the link until it has been fetched and opened.
    if (!opening_.insert(linkFile).second)
        return;
    services_.fetchText(linkFile, this, [this, linkFile](const std::string& fetched) {
        if (const std::optional<std::string> link = net::browsableAddress(fetched); link && !quitting_)
            services_.openAddress(*link);
        forgetOpeningLater(linkFile);
    });
}

void MainWindow::forgetOpeningLater(const std::string& key) {
    if (services_.linkSettleMs <= 0)
        opening_.erase(key);
    else
        QTimer::singleShot(services_.linkSettleMs, this, [this, key] { opening_.erase(key); });
}

void MainWindow::openAdvertLink(int slot) {
    openLinkFromSite(net::makerFile(net::advertLinkPath(slot)));
}

void MainWindow::openMaterialDownloads() {
    openLinkFromSite(net::makerFile(net::kMaterialAddressPath));
}

void MainWindow::fetchPassword() {
    services_.fetchText(net::makerFile(net::kMaterialPasswordPath), password_,
                        [this](const std::string& fetched) {
                            password_->setText(q(withoutLineEnds(net::siteTextToUtf8(fetched))));
                        });
}

} // namespace ornavo::app
