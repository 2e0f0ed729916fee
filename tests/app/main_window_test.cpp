// The main window: its frame and controls, the online content fetched after it is shown, the advert
// and download-page actions, hiding and coming back around a module window, the tray and the menus,
// and the exit question.

#include "app_test_support.h"

#include "app/about_window.h"
#include "app/material_preview_window.h"
#include "app/ticker.h"
#include "app/tiles.h"
#include "framework/model/settings_writer.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/settings_keeper.h"
#include "net/http_fetch.h"
#include "net/loopback_server.h"
#include "support/test_support.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

using namespace ornavo;
using namespace ornavo::testing;
using app::MainWindow;

namespace {

QByteArray pngOf(const QSize& size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

std::vector<std::string> itemsOf(const QMenu* menu) {
    std::vector<std::string> items;
    for (const QAction* a : menu->actions())
        items.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return items;
}

QAction* item(const QMenu* menu, const char* text) {
    for (QAction* a : menu->actions())
        if (a->text() == QString::fromUtf8(text))
            return a;
    ADD_FAILURE() << "no menu item " << text;
    return nullptr;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { window = std::make_unique<MainWindow>(shell.services()); }
    void TearDown() override { window.reset(); }
    template <typename T> T* find(const char* name) {
        T* w = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void clickOnPage(int page, const char* name) {
        window->pages()->setCurrentIndex(page);
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }

    FakeShell shell;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(MainWindowTest, FrameAndControlsAsDesigned) {
    window->show();
    EXPECT_EQ(window->windowTitle().toStdString(), "Ornavo V2.0.1     Quillet工作室   " + makerServer());
    EXPECT_EQ(window->size(), QSize(815, 698));
    EXPECT_EQ(find<QLabel>("标签_最新公告")->text(), QString::fromUtf8(" 最新公告："));
    EXPECT_EQ(find<QLabel>("标签_最新公告")->geometry(), QRect(0, 6, 64, 24));
    EXPECT_EQ(find<QWidget>("画板2")->geometry(), QRect(65, 8, 736, 24));
    EXPECT_EQ(window->pages()->objectName(), QStringLiteral("选择夹1"));
    EXPECT_EQ(window->pages()->geometry(), QRect(1, 33, 806, 479));
    const char* const tabs[] = {"专业版旺铺装修", "基础版店铺装修", "设计软件下载", "设计素材下载"};
    ASSERT_EQ(window->pages()->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window->pages()->tabText(i), QString::fromUtf8(tabs[i]));
    auto* group = find<QGroupBox>("分组框1");
    EXPECT_EQ(group->title(), QString::fromUtf8("友情链接"));
    EXPECT_EQ(group->geometry(), QRect(2, 515, 806, 128));
    for (int slot = 1; slot <= 4; ++slot) {
        QLabel* box = window->advertSlot(slot);
        EXPECT_EQ(box->objectName(), QStringLiteral("图片框_广告位%1").arg(slot));
        EXPECT_EQ(box->parentWidget(), group);
        EXPECT_EQ(box->geometry(), QRect(2 + 200 * (slot - 1), 18, 200, 100));
    }
    // The label stands in the band, as high as the band.
    EXPECT_EQ(window->ticker()->labelRect().height(), 24);
}

TEST_F(MainWindowTest, NothingIsFetchedUntilTheWindowIsShownAndAsked) {
    window->showAtStart();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->frameGeometry().top(),
              QGuiApplication::primaryScreen()->availableGeometry().top() + 10);
    EXPECT_TRUE(shell.fetched.empty());
    EXPECT_EQ(window->ticker()->text(), QString());
}

TEST_F(MainWindowTest, OnlineContentFillsTickerAndAdvertSlots) {
    const std::string notice = "新店开张，全场<b>八折</b>！";
    shell.texts[site("/Tessaly/gg/zxzhushou/gonggao.txt")] = gbk(notice);
    shell.bytes[site("/Tessaly/upload/guanggaowei/ggw1.gif")] = pngOf(QSize(200, 100), Qt::red);
    shell.bytes[site("/Tessaly/upload/guanggaowei/ggw2.gif")] = QByteArray("GIF89a not really a picture");
    // ggw3.gif: the fetch fails (empty body)
    shell.bytes[site("/Tessaly/upload/guanggaowei/ggw4.gif")] = pngOf(QSize(400, 200), Qt::blue);
    window->show();
    window->loadOnlineContent();

    // All six are asked for at once; here each answer comes at once too.
    const std::vector<std::string> order = {"(update check)",
                                            site("/Tessaly/gg/zxzhushou/gonggao.txt"),
                                            site("/Tessaly/upload/guanggaowei/ggw1.gif"),
                                            site("/Tessaly/upload/guanggaowei/ggw2.gif"),
                                            site("/Tessaly/upload/guanggaowei/ggw3.gif"),
                                            site("/Tessaly/upload/guanggaowei/ggw4.gif")};
    EXPECT_EQ(shell.fetched, order);

    EXPECT_EQ(window->ticker()->text().toStdString(), notice);
    const QRect label = window->ticker()->labelRect();
    EXPECT_EQ(label.width(),
              static_cast<int>(std::lround(gbkLength(notice) * window->ticker()->widthPerByte())));
    EXPECT_EQ(label.x(), 736);

    EXPECT_EQ(window->advertSlot(1)->pixmap().size(), QSize(200, 100));
    EXPECT_TRUE(window->advertSlot(2)->pixmap().isNull());
    EXPECT_TRUE(window->advertSlot(3)->pixmap().isNull());
    EXPECT_EQ(window->advertSlot(4)->pixmap().size(), QSize(200, 100)); // scaled into the slot

    window->loadOnlineContent(); // once only
    EXPECT_EQ(shell.fetched.size(), order.size());
}

TEST_F(MainWindowTest, EachSlotFillsWhenItsAnswerArrives) {
    shell.holdAnswers = true;
    shell.texts[site("/Tessaly/gg/zxzhushou/gonggao.txt")] = gbk("公告");
    for (int slot = 1; slot <= 4; ++slot)
        shell.bytes[site(net::advertPicturePath(slot))] = pngOf(QSize(200, 100), Qt::green);
    window->show();
    window->loadOnlineContent();
    // Every fetch was started and none has answered: the window is already usable.
    EXPECT_EQ(shell.fetched.size(), 6u);
    EXPECT_EQ(shell.held.size(), 5u);
    EXPECT_EQ(window->ticker()->text(), QString());
    clickOnPage(0, "按钮_模块开发"); // the interface answers meanwhile
    EXPECT_EQ(shell.notices.size(), 1u);

    // Answers in their own order, each filling its own place.
    ASSERT_TRUE(shell.release(site(net::advertPicturePath(3))));
    EXPECT_FALSE(window->advertSlot(3)->pixmap().isNull());
    for (int slot : {1, 2, 4})
        EXPECT_TRUE(window->advertSlot(slot)->pixmap().isNull()) << slot;
    EXPECT_EQ(window->ticker()->text(), QString());
    ASSERT_TRUE(shell.release(site("/Tessaly/gg/zxzhushou/gonggao.txt")));
    EXPECT_EQ(window->ticker()->text(), QString::fromUtf8("公告"));
    ASSERT_TRUE(shell.release(site(net::advertPicturePath(1))));
    EXPECT_FALSE(window->advertSlot(1)->pixmap().isNull());

    // Answers that arrive after the window is gone go nowhere.
    window.reset();
    EXPECT_TRUE(shell.release(site(net::advertPicturePath(2))));
    EXPECT_TRUE(shell.release(site(net::advertPicturePath(4))));
}

TEST_F(MainWindowTest, AdvertSlotOpensItsLinkAndNothingThatIsNotAWebAddress) {
    shell.texts[site("/Tessaly/upload/guanggaowei/ggw2.txt")] = "http://shop.example.test/sale\r\n";
    shell.texts[site("/Tessaly/upload/guanggaowei/ggw3.txt")] = "file:///etc/passwd";
    window->show();
    QTest::mouseClick(window->advertSlot(2), Qt::LeftButton);
    QTest::mouseClick(window->advertSlot(3), Qt::LeftButton);
    QTest::mouseClick(window->advertSlot(4), Qt::LeftButton);  // failed fetch
    QTest::mouseClick(window->advertSlot(1), Qt::RightButton); // not the left button: no fetch
    EXPECT_EQ(shell.fetched, (std::vector<std::string>{site("/Tessaly/upload/guanggaowei/ggw2.txt"),
                                                       site("/Tessaly/upload/guanggaowei/ggw3.txt"),
                                                       site("/Tessaly/upload/guanggaowei/ggw4.txt")}));
    EXPECT_EQ(shell.opened, std::vector<std::string>{"http://shop.example.test/sale"});
}

// A click on a link while the same address is still on its way to the browser does nothing more:
// while its link file is being fetched from the site, and for a moment after it went to the browser.
TEST_F(MainWindowTest, ALinkStillBeingOpenedIsNotOpenedAgain) {
    const std::string advert = site("/Tessaly/upload/guanggaowei/ggw1.txt");
    const std::string material = site("/Tessaly/upload/baidupan/mm/dz.txt");
    shell.texts[advert] = "http://shop.example.test/sale";
    shell.texts[material] = "https://pan.example.test/s/abc";
    shell.holdAnswers = true;
    shell.linkSettleMs = 300;
    window = std::make_unique<MainWindow>(shell.services());
    window->show();
    struct Case {
        int page;                         // -1: the advert slot
        std::vector<const char*> buttons; // clicked in turn, several times
        std::string linkFile;             // empty: the address is opened at once
        std::string opened;
    };
    const std::vector<Case> cases = {
        {-1, {}, advert, "http://shop.example.test/sale"},
        {3, {"图形按钮_素材01", "图形按钮_素材07"}, material, "https://pan.example.test/s/abc"},
        {2, {"图形按钮_ps3", "图形按钮_dr8"}, "", address(Address::SOFTWARE_SHARE_URL)},
        {2, {"图形按钮_联系我们"}, "", address(Address::IM_CONTACT_URL)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opened);
        shell.fetched.clear();
        shell.opened.clear();
        auto clickAll = [&] {
            for (int round = 0; round < 3; ++round) {
                if (c.page < 0)
                    QTest::mouseClick(window->advertSlot(1), Qt::LeftButton);
                for (const char* name : c.buttons)
                    clickOnPage(c.page, name);
            }
        };
        clickAll();
        if (!c.linkFile.empty()) {
            EXPECT_EQ(shell.fetched, std::vector<std::string>{c.linkFile});
            EXPECT_TRUE(shell.opened.empty());
            ASSERT_TRUE(shell.release(c.linkFile));
        }
        EXPECT_EQ(shell.opened, std::vector<std::string>{c.opened});
        clickAll(); // the browser is still bringing it up
        EXPECT_EQ(shell.opened.size(), 1u);
        QTest::qWait(400);
        clickAll();
        if (!c.linkFile.empty()) {
            ASSERT_TRUE(shell.release(c.linkFile));
        }
        EXPECT_EQ(shell.opened, std::vector<std::string>(2, c.opened)) << "a later click opens it again";
        QTest::qWait(400);
    }
}

TEST_F(MainWindowTest, MaterialPage) {
    shell.texts[site("/Tessaly/upload/baidupan/mm/dz.txt")] = "https://pan.example.test/s/abc";
    shell.texts[site("/Tessaly/upload/baidupan/mm/mm.txt")] = gbk("密码x9k2") + "\r\n";
    window->show();
    window->pages()->setCurrentIndex(3);
    for (int i = 1; i <= 12; ++i) {
        const std::string name = (i < 10 ? "图形按钮_素材0" : "图形按钮_素材") + std::to_string(i);
        QTest::mouseClick(find<QAbstractButton>(name.c_str()), Qt::LeftButton);
    }
    EXPECT_EQ(shell.opened, std::vector<std::string>(12, "https://pan.example.test/s/abc"));

    auto* password = find<QLineEdit>("编辑框_提取密码");
    auto* fetch = find<QPushButton>("按钮_提取密码");
    auto* preview = find<QPushButton>("按钮_素材预览");
    EXPECT_EQ(fetch->text(), QString::fromUtf8("提取密码"));
    EXPECT_EQ(password->accessibleName(), fetch->text()); // what a screen reader calls the field
    EXPECT_EQ(preview->text(), QString::fromUtf8("素材预览"));
    EXPECT_EQ(inTabs(preview, window->pages()), QRect(589, 446, 60, 24));
    EXPECT_EQ(inTabs(fetch, window->pages()), QRect(652, 446, 60, 24));
    EXPECT_EQ(inTabs(password, window->pages()), QRect(717, 446, 60, 24));
    QTest::mouseClick(fetch, Qt::LeftButton);
    EXPECT_EQ(password->text(), QString::fromUtf8("密码x9k2"));
    shell.texts.erase(site("/Tessaly/upload/baidupan/mm/mm.txt"));
    QTest::mouseClick(fetch, Qt::LeftButton); // a failed fetch empties the field
    EXPECT_EQ(password->text(), QString());

    shell.opened.clear();
    QTest::mouseClick(find<QAbstractButton>("图形按钮_联系我们2"), Qt::LeftButton);
    EXPECT_EQ(shell.opened, std::vector<std::string>{address(Address::IM_CONTACT_URL)});
    QTest::mouseClick(find<QAbstractButton>("图形按钮_素材资源中心"), Qt::LeftButton);
    ASSERT_EQ(shell.notices.size(), 1u);
    EXPECT_EQ(shell.notices[0].message, "网站维护中……");
    EXPECT_EQ(shell.notices[0].icon, app::NoticeIcon::Error);

    QTest::mouseClick(preview, Qt::LeftButton);
    app::MaterialPreviewWindow* shown = app::MaterialPreviewWindow::instance();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->windowTitle(), QString::fromUtf8("素材区预览"));
    EXPECT_EQ(shown->size(), QSize(895, 237));
    auto* picture = shown->findChild<QLabel*>(QStringLiteral("图片框_素材预览"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), QSize(888, 208));
    EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_FALSE(window->isHidden()); // an ordinary window beside the main window
    shown->showMinimized();
    QTest::mouseClick(preview, Qt::LeftButton); // the open one comes back, no second one
    EXPECT_EQ(app::MaterialPreviewWindow::instance(), shown);
    EXPECT_FALSE(shown->isMinimized());
    delete shown;
}

TEST_F(MainWindowTest, SoftwarePage) {
    window->show();
    // Made when first turned to.
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("图形按钮_ps3")), nullptr);
    window->pages()->setCurrentIndex(2);
    const char* const programs[] = {"ps3", "ps4", "ps5", "ps6", "fr3", "fr5",
                                    "fr6", "dr3", "dr5", "dr8", "lt",  "II"};
    for (const char* p : programs) {
        auto* button = find<app::PictureButton>((std::string("图形按钮_") + p).c_str());
        EXPECT_FALSE(button->picture(app::TileState::Normal).isNull());
        EXPECT_NE(button->picture(app::TileState::Normal).toImage(),
                  button->picture(app::TileState::Pressed).toImage());
        clickOnPage(2, (std::string("图形按钮_") + p).c_str());
    }
    EXPECT_EQ(shell.opened, std::vector<std::string>(12, address(Address::SOFTWARE_SHARE_URL)));
    clickOnPage(2, "图形按钮_联系我们");
    EXPECT_EQ(shell.opened.back(), address(Address::IM_CONTACT_URL));
    clickOnPage(2, "图形按钮2");
    ASSERT_EQ(shell.notices.size(), 1u);
    EXPECT_EQ(shell.notices[0].message, "网站维护中……");
    EXPECT_EQ(shell.notices[0].icon, app::NoticeIcon::Error);
    EXPECT_TRUE(shell.fetched.empty());
}

// The module window on screen, if one is open.
ui::GeneratorWindow* openModuleWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* module = qobject_cast<ui::GeneratorWindow*>(w); module && module->isVisible())
            return module;
    return nullptr;
}

TEST_F(MainWindowTest, ModuleWindowHidesTheMainWindowAndClosingItBringsItBackCentred) {
    // The real module window, left through its exit button after the exit question.
    ScriptedPrompter prompter;
    app::ShellServices services = shell.services();
    services.prompter = &prompter;
    services.openModuleWindow = nullptr; // the desktop's own GeneratorWindow
    window = std::make_unique<MainWindow>(services);
    window->showAtStart();
    window->move(5, 5);

    clickOnPage(0, "按钮_F03全屏海报");
    QPointer<ui::GeneratorWindow> module = openModuleWindow();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->windowTitle(), QString::fromUtf8("全屏海报"));
    EXPECT_EQ(module->parentWidget(), nullptr);
    EXPECT_TRUE(window->isMinimized());
    EXPECT_TRUE(window->isHidden());
    // It blocks the main window only (which takes no input meanwhile), no other window; a second
    // catalogue press (the window brought back through the tray) opens nothing.
    EXPECT_EQ(module->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(window->isEnabled());
    window->openCatalogueEntry(cataloguePage(Edition::Professional).front());
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        open += qobject_cast<ui::GeneratorWindow*>(w) && w->isVisible();
    EXPECT_EQ(open, 1);

    module->findChild<QPushButton*>(QStringLiteral("按钮_全屏海报退出"))->click();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"是否要退出？"});
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(centredOnScreen(*window));
    EXPECT_TRUE(QTest::qWaitFor([&] { return module.isNull(); })) << "the closed window stays in memory";

    // From the basic page, closed through the frame: No keeps it open, Yes closes it.
    prompter.messages.clear();
    prompter.answers = {Answer::No, Answer::Yes};
    window->move(5, 5);
    clickOnPage(1, "按钮_F01基础全屏海报轮播方点导航");
    module = openModuleWindow();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->windowTitle(), QString::fromUtf8("全屏海报轮播(方点导航)"));
    EXPECT_TRUE(window->isHidden());
    EXPECT_FALSE(module->close());
    EXPECT_TRUE(module->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(module->close());
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(centredOnScreen(*window));

    // Still open when the main window goes (the program is quitting): it goes first.
    clickOnPage(0, "按钮_F03全屏海报");
    module = openModuleWindow();
    ASSERT_NE(module, nullptr);
    window.reset();
    EXPECT_TRUE(module.isNull());
}

// While a module window is open the tray still answers: its menu can be used (the main window takes no
// input then, its menus none either), and a left click brings the module window back to the front
// rather than a main window that cannot be used.
TEST_F(MainWindowTest, TheTrayReachesTheOpenModuleWindow) {
    ScriptedPrompter prompter;
    app::ShellServices services = shell.services();
    services.prompter = &prompter;
    services.openModuleWindow = nullptr;
    services.moduleWindow = nullptr;
    window = std::make_unique<MainWindow>(services);
    window->showAtStart();
    clickOnPage(0, "按钮_F03全屏海报");
    QPointer<ui::GeneratorWindow> module = openModuleWindow();
    ASSERT_NE(module, nullptr);
    ASSERT_FALSE(window->isEnabled());

    QMenu* menu = window->trayIcon()->contextMenu();
    EXPECT_TRUE(menu->isEnabled());
    menu->popup(QPoint(10, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
    EXPECT_TRUE(item(menu, "退出")->isEnabled());
    menu->hide();

    module->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return module->isMinimized(); }, 2000));
    emit window->trayIcon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(module->isMinimized());
    EXPECT_TRUE(module->isVisible());
    EXPECT_FALSE(window->isVisible()) << "the main window came back while it cannot be used";
    item(menu, "显示")->trigger(); // the same from the menu
    EXPECT_FALSE(window->isVisible());

    module->findChild<QPushButton*>(QStringLiteral("按钮_全屏海报退出"))->click();
    EXPECT_TRUE(window->isVisible());
    emit window->trayIcon()->activated(QSystemTrayIcon::Trigger); // no module window: hides as before
    EXPECT_FALSE(window->isVisible());
}

// A settings file of another module's window, opened in a module window and answered yes: that window
// closes and the other one opens with the file's texts; the main window comes back only after it.
TEST_F(MainWindowTest, ASettingsFileOfAnotherWindowOpensItInItsPlace) {
    ScriptedPrompter prompter;
    app::ShellServices services = shell.services();
    services.prompter = &prompter;
    services.openModuleWindow = nullptr;
    window = std::make_unique<MainWindow>(services);
    window->showAtStart();

    OpenWindow other("F04");
    other.form().setText("编辑框_图片地址01", "handed over");
    const std::string file = (QDir::tempPath() + QStringLiteral("/ornavo-hand-over.ornavo")).toStdString();
    {
        std::ofstream out(file, std::ios::binary);
        out << settingsText(other.form(), moduleRegistry());
    }
    clickOnPage(0, "按钮_F03全屏海报");
    QPointer<ui::GeneratorWindow> first = openModuleWindow();
    ASSERT_NE(first, nullptr);
    auto* keeper = first->companion<ui::SettingsKeeper>();
    ASSERT_NE(keeper, nullptr);
    keeper->openFrom(file); // the question is answered yes
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }));
    QPointer<ui::GeneratorWindow> second = openModuleWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->form().module().key, "F04");
    EXPECT_EQ(second->form().text("编辑框_图片地址01"), "handed over");
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isEnabled());

    second->findChild<QPushButton*>(QStringLiteral("按钮_F04退出"))->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
    std::remove(file.c_str());
}

TEST_F(MainWindowTest, WithoutANotificationAreaMinimisingOnlyMinimises) {
    shell.tray = false;
    window = std::make_unique<MainWindow>(shell.services());
    window->show();
    bool visibleWhileOpen = false;
    shell.whileModuleOpen = [&](const ModuleSpec&) {
        visibleWhileOpen = window->isVisible() && window->isMinimized();
    };
    clickOnPage(0, "按钮_F03全屏海报");
    EXPECT_TRUE(visibleWhileOpen);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(window->trayIcon()->isVisible());
    // Nothing offers to hide it, since nothing could bring it back.
    for (QAction* a : window->systemMenu()->actions())
        EXPECT_FALSE(a->isVisible() && a->text() == QStringLiteral("隐藏"));
}

TEST_F(MainWindowTest, MinimisedByTheUserItHidesItself) {
    window->show();
    window->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(window->isHidden());
}

TEST_F(MainWindowTest, TrayIconTogglesTheWindowAndOffersTheSystemMenu) {
    QSystemTrayIcon* tray = window->trayIcon();
    EXPECT_EQ(tray->toolTip(), QStringLiteral("OrnavoV2.0.1"));
    EXPECT_FALSE(tray->icon().isNull());
    ASSERT_EQ(tray->contextMenu(), window->trayMenu());
    EXPECT_EQ(itemsOf(tray->contextMenu()),
              (std::vector<std::string>{"显示", "隐藏", "-", "页面看板", "新建页面", "-", "退出"}));

    window->show();
    window->move(3, 3);
    emit tray->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(window->isHidden());
    emit tray->activated(QSystemTrayIcon::Context); // right click: the menu, no toggle
    EXPECT_TRUE(window->isHidden());
    emit tray->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(centredOnScreen(*window));
}

TEST_F(MainWindowTest, MenuItems) {
    std::vector<std::string> bar;
    for (QAction* a : window->menuBar()->actions())
        bar.push_back(a->text().toStdString());
    EXPECT_EQ(bar, (std::vector<std::string>{"系统菜单", "帮助"}));
    EXPECT_EQ(itemsOf(window->systemMenu()),
              (std::vector<std::string>{"显示", "隐藏", "-", "页面看板", "新建页面", "-", "退出"}));
    EXPECT_EQ(itemsOf(window->helpMenu()), (std::vector<std::string>{"使用教程", "颜色对照表", "-", "关于"}));

    window->show();
    item(window->systemMenu(), "隐藏")->trigger();
    EXPECT_TRUE(window->isHidden());
    window->setWindowState(Qt::WindowMinimized);
    item(window->trayMenu(), "显示")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(centredOnScreen(*window));

    item(window->helpMenu(), "使用教程")->trigger();
    EXPECT_TRUE(shell.questions.empty() && shell.notices.empty() && shell.opened.empty());
    EXPECT_EQ(shell.colourTables, 0);
    item(window->helpMenu(), "颜色对照表")->trigger();
    EXPECT_EQ(shell.colourTables, 1);
}

TEST_F(MainWindowTest, AboutWindow) {
    window->show();
    bool checked = false;
    whenModalOpens([&](QWidget* modal) {
        auto* about = qobject_cast<app::AboutWindow*>(modal);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), QString::fromUtf8("关于软件"));
        EXPECT_EQ(about->size(), QSize(360, 257));
        EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("标签1"))->text(),
                  QStringLiteral("Ornavo V2.0.1"));
        for (const char* name : {"标签2", "标签3", "标签4"})
            EXPECT_FALSE(about->findChild<QLabel*>(QString::fromUtf8(name))->text().isEmpty()) << name;
        auto* contact = about->findChild<QLabel*>(QStringLiteral("标签5"));
        EXPECT_EQ(contact->text(), QString::fromUtf8("联系我们"));
        QTest::mouseClick(contact, Qt::LeftButton);
        EXPECT_EQ(shell.opened, std::vector<std::string>{address(Address::IM_CONTACT_URL)});
        checked = true;
        auto* ok = about->findChild<QPushButton*>(QStringLiteral("按钮_关于软件确定"));
        EXPECT_EQ(ok->text(), QString::fromUtf8("确定"));
        ok->click();
    });
    item(window->helpMenu(), "关于")->trigger();
    EXPECT_TRUE(checked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, ExitFromTheMenuAsksFirst) {
    window->show();
    shell.answers = {Answer::No};
    item(window->systemMenu(), "退出")->trigger();
    EXPECT_EQ(shell.questions, std::vector<std::string>{"是否要退出？"});
    EXPECT_EQ(shell.quits, 0);
    EXPECT_TRUE(window->isVisible());

    shell.answers = {Answer::Yes};
    item(window->trayMenu(), "退出")->trigger();
    EXPECT_EQ(shell.questions.size(), 2u);
    EXPECT_EQ(shell.quits, 1);
    EXPECT_FALSE(window->ticker()->timer()->isActive());
    EXPECT_FALSE(window->trayIcon()->isVisible());
}

TEST_F(MainWindowTest, ClosingTheFrameAsksFirst) {
    window->show();
    shell.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shell.quits, 0);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(shell.quits, 1);
    EXPECT_EQ(shell.questions, (std::vector<std::string>{"是否要退出？", "是否要退出？"}));
}

// With the bundled site served on loopback (scripts/maker-site start), the real fetch fills the window.
TEST(MainWindowOnSite, AnnouncementAndAdvertsFromTheBundledSite) {
    {
        QTcpSocket probe;
        const QUrl server(QString::fromStdString(makerServer()));
        probe.connectToHost(server.host(), static_cast<quint16>(server.port(80)));
        if (server.host() != QStringLiteral("127.0.0.1") || !probe.waitForConnected(500))
            GTEST_SKIP() << "the maker site is not served on loopback";
    }
    FakeShell shell;
    app::ShellServices services = shell.services();
    services.fetchText = nullptr; // the real fetch
    services.fetchBytes = nullptr;
    MainWindow window(services);
    window.show();
    window.loadOnlineContent();
    std::optional<std::string> expected;
    net::fetchText(site("/Tessaly/gg/zxzhushou/gonggao.txt"), nullptr,
                   [&](const std::string& text) { expected = net::siteTextToUtf8(text); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return expected.has_value(); }, 5000));
    ASSERT_FALSE(expected->empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.ticker()->text().toStdString() == *expected; }, 5000));
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.advertSlot(slot)->pixmap().isNull(); }, 5000))
            << slot;
}

// Against a site that takes every request and never answers: the window is usable at once, and
// leaving the program does not wait for the site.
TEST(MainWindowOnSilentSite, QuittingWithFetchesPendingEndsTheLoopAtOnce) {
    net::testing::LoopbackServer server;
    server.silent();
    ::setenv("ORNAVO_MAKER_SERVER", server.origin().c_str(), 1);
    FakeShell shell;
    app::ShellServices services = shell.services();
    services.fetchText = nullptr; // the real fetch and update check
    services.fetchBytes = nullptr;
    services.checkForUpdate = nullptr;
    services.quit = nullptr; // the desktop's own end of the program
    auto window = std::make_unique<MainWindow>(services);
    window->show();
    QElapsedTimer clock;
    clock.start();
    window->loadOnlineContent();
    EXPECT_LT(clock.elapsed(), 200);
    // The update check and the five other fetches all wait on the site together.
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.requests.size() == 6; }, 3000)) << server.requests.size();
    EXPECT_EQ(net::pendingFetches(), 6);

    QTimer::singleShot(0, [&] {
        clock.restart();
        window->askToQuit(); // answered Yes
    });
    const int status = QApplication::exec();
    EXPECT_EQ(status, 0);
    EXPECT_LT(clock.elapsed(), 500);
    window.reset();
    ::unsetenv("ORNAVO_MAKER_SERVER");
    EXPECT_EQ(net::pendingFetches(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.open == 0; }, 2000)); // every connection let go
    EXPECT_EQ(shell.questions, std::vector<std::string>{"是否要退出？"});
}
