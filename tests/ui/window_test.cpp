// The generic module window under the offscreen platform, driven through its widgets.

#include "framework/model/live_preview.h"
#include "framework/model/markup.h"
#include "framework/ui/acting_window.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/message_boxes.h"
#include "framework/ui/translations.h"
#include "framework/ui/window_placement.h"
#include "support/offscreen_desktop.h"
#include "support/sample_module.h"
#include "support/test_support.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

class PosterWindowUi : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<ui::GeneratorWindow>(*moduleRegistry().byKey("F03"), vars, prompter, host);
        window->show();
        finished = std::make_unique<QSignalSpy>(window.get(), &QDialog::finished);
    }
    template <typename T> T* find(const char* name) {
        T* w = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* button) { find<QPushButton>(button)->click(); }
    void pick(const char* list, const char* entry) {
        auto* combo = find<QComboBox>(list);
        const int index = combo->findText(QString::fromUtf8(entry));
        combo->setCurrentIndex(index);
        emit combo->activated(index); // what a user's choice emits
    }

    WindowVariables vars;
    ScriptedPrompter prompter;
    ui::DesktopHost host;
    std::unique_ptr<ui::GeneratorWindow> window;
    std::unique_ptr<QSignalSpy> finished; // what tells the one who opened the window that it is gone
};

std::size_t framedIn(const std::vector<Item>& items);
std::size_t framedIn(const Section& section) {
    return ((!section.caption.empty() || section.framed) ? 1 : 0) + framedIn(section.items);
}
std::size_t framedIn(const std::vector<Item>& items) {
    std::size_t framed = 0;
    for (const Item& item : items) {
        if (const auto* p = std::get_if<Panels>(&item.content))
            for (const Section& panel : p->panels)
                framed += framedIn(panel);
        if (const auto* t = std::get_if<TabControl>(&item.content))
            for (const TabPage& page : t->pages)
                framed += framedIn(page.items);
    }
    return framed;
}
// The framed areas of a window, small frames inside them included.
std::size_t framedAreas(const ModuleSpec& module) {
    std::size_t framed = 0;
    for (const Section& section : module.sections)
        framed += framedIn(section);
    return framed;
}

QRect inWindow(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// The test-only window, shown.
class SampleWindowUi : public ::testing::Test {
  protected:
    void SetUp() override { w.show(); }

    const ModuleSpec module = sampleModule();
    WindowVariables vars;
    ScriptedPrompter prompter;
    RecordingHost host;
    ui::GeneratorWindow w{module, vars, prompter, host};
};

} // namespace

TEST_F(PosterWindowUi, BuiltFromTheDescription) {
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("全屏海报"));
    EXPECT_EQ(window->size(), QSize(885, 579));
    EXPECT_EQ(find<QLineEdit>("编辑框_海报宽度")->text(), QStringLiteral("1920"));
    EXPECT_EQ(find<QComboBox>("组合框_店铺类型")->currentIndex(), -1);
    EXPECT_EQ(find<QComboBox>("组合框_链接打开方式")->count(), 2);
    EXPECT_TRUE(find<QPlainTextEdit>("超级编辑框_全屏海报代码")->toPlainText().isEmpty());
    for (const Button& b : window->form().module().buttons)
        EXPECT_EQ(find<QPushButton>(b.name.c_str())->text(), QString::fromStdString(b.caption));
}

TEST_F(PosterWindowUi, TypingPickingAndGeneratingReachTheCodeBoxAndClipboard) {
    auto* width = find<QLineEdit>("编辑框_海报宽度");
    width->clear();
    QTest::keyClicks(width, QStringLiteral("1921"));
    pick("组合框_店铺类型", "天猫店铺");
    pick("组合框_链接打开方式", "新窗口");
    click("按钮_全屏海报一键生成");
    const std::string code = window->form().code();
    EXPECT_NE(code.find("padding:0px;left:-960.5px;top:auto;"), std::string::npos);
    EXPECT_NE(code.find("target=\"_blank\""), std::string::npos);
    EXPECT_EQ(find<QPlainTextEdit>("超级编辑框_全屏海报代码")->toPlainText(),
              QString::fromStdString(code).replace("\r\n", "\n"));

    click("按钮_全屏海报复制代码");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), code); // CR LF kept
    EXPECT_EQ(prompter.messages.back(), "复制成功！");
}

TEST_F(PosterWindowUi, HandTypedCodeIsWhatCopyCopies) {
    click("按钮_全屏海报复制代码");
    EXPECT_EQ(prompter.messages.back(), "复制失败，请生成代码后再试！");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    auto* code = find<QPlainTextEdit>("超级编辑框_全屏海报代码");
    code->setFocus();
    QTest::keyClicks(code, QStringLiteral("<p>"));
    QTest::keyClick(code, Qt::Key_Return);
    QTest::keyClicks(code, QStringLiteral("x"));
    click("按钮_全屏海报复制代码");
    EXPECT_EQ(prompter.messages.back(), "复制成功！");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "<p>\r\nx");
}

TEST_F(PosterWindowUi, ClearShowsInTheWidgets) {
    pick("组合框_店铺类型", "集市店铺");
    click("按钮_全屏海报一键生成");
    click("按钮_全屏海报清空内容");
    EXPECT_TRUE(find<QLineEdit>("编辑框_海报宽度")->text().isEmpty());
    EXPECT_TRUE(find<QLineEdit>("编辑框_链接地址")->text().isEmpty());
    EXPECT_EQ(find<QComboBox>("组合框_店铺类型")->currentIndex(), -1);
    EXPECT_TRUE(find<QPlainTextEdit>("超级编辑框_全屏海报代码")->toPlainText().isEmpty());
}

TEST_F(PosterWindowUi, FrameCloseAnsweredNoKeepsTheWindowAndItsContents) {
    find<QLineEdit>("编辑框_海报高度")->setText(QStringLiteral("7"));
    prompter.answers = {Answer::No};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(find<QLineEdit>("编辑框_海报高度")->text(), QStringLiteral("7"));
    EXPECT_EQ(prompter.messages.back(), "是否要退出？");
    EXPECT_EQ(finished->count(), 0);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(finished->count(), 1); // whoever opened it learns it is gone
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(PosterWindowUi, ExitButtonClosesAfterYesAndTheStateLivesOn) {
    pick("组合框_链接打开方式", "本窗口");
    prompter.answers = {Answer::No};
    click("按钮_全屏海报退出");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(finished->count(), 0);
    click("按钮_全屏海报退出");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(finished->count(), 1);

    ui::GeneratorWindow again(*moduleRegistry().byKey("F03"), vars, prompter, host);
    again.findChild<QPushButton*>(QString::fromUtf8("按钮_全屏海报一键生成"))->click();
    EXPECT_NE(again.form().code().find("target=\"_self\""), std::string::npos);
}

// Tab leaves the code box as it leaves any field (no TAB typed into the code, no hand edit that would
// stop live preview), and Return presses the button that has the keyboard.
TEST_F(PosterWindowUi, TheKeyboardMovesOnAndReturnPresses) {
    LivePreview live("");
    live.setLive(true);
    LiveWindow link(window->form(), live);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* generate = window->findChild<QPushButton*>(QStringLiteral("按钮_全屏海报一键生成"));
    generate->setFocus();
    QTest::keyClick(generate, Qt::Key_Return);
    const std::string generated = window->form().code();
    ASSERT_FALSE(generated.empty()) << "Return did not press 一键生成";

    auto* code = window->findChild<QPlainTextEdit*>(QStringLiteral("超级编辑框_全屏海报代码"));
    code->setFocus();
    QTest::keyClick(code, Qt::Key_Tab);
    EXPECT_FALSE(code->hasFocus()) << "Tab stays in the code box";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(code->hasFocus()) << "Shift+Tab does not come back";
    EXPECT_EQ(window->form().code(), generated) << "moving through the code box changed the code";
    EXPECT_FALSE(link.stoppedByHandEdit()) << "moving through the code box counted as a hand edit";
    // Return in a field presses nothing.
    auto* link_ = window->findChild<QLineEdit*>(QStringLiteral("编辑框_链接地址"));
    window->form().setText("超级编辑框_全屏海报代码", "");
    QTest::keyClick(link_, Qt::Key_Return);
    EXPECT_EQ(window->form().code(), "");
}

TEST(EveryWindowUi, BuildsWithEveryControlFoundByName) {
    for (const ModuleSpec& module : moduleRegistry().all()) {
        WindowVariables vars;
        ScriptedPrompter prompter;
        ui::DesktopHost host;
        ui::GeneratorWindow w(module, vars, prompter, host);
        EXPECT_EQ(w.size(), QSize(module.width, module.height)) << module.key;
        for (const Control* c : allControls(module))
            EXPECT_NE(w.findChild<QWidget*>(QString::fromStdString(c->name)), nullptr)
                << module.key << " " << c->name;
        EXPECT_EQ(w.findChildren<QGroupBox*>().size(), static_cast<qsizetype>(framedAreas(module)))
            << module.key;
        if (module.top) {
            EXPECT_EQ(w.pos().y(), *module.top) << module.key;
        }
    }
}

// What assistive tools do reaches the form as typing and clicking do: a field's text set through the
// accessibility bridge, and a radio button toggled there (neither emits the signals of a user's edit).
TEST(EveryWindowUi, EditsThroughTheAccessibilityBridgeReachTheForm) {
    int radios = 0;
    for (const ModuleSpec& module : moduleRegistry().all()) {
        WindowVariables vars;
        ScriptedPrompter prompter;
        ui::DesktopHost host;
        ui::GeneratorWindow w(module, vars, prompter, host);
        for (const Control* c : allControls(module)) {
            const QString name = QString::fromStdString(c->name);
            if (c->kind == ControlKind::Field) {
                QAccessibleInterface* field =
                    QAccessible::queryAccessibleInterface(w.findChild<QLineEdit*>(name));
                ASSERT_TRUE(field && field->editableTextInterface()) << module.key << " " << c->name;
                const std::string before = w.form().text(c->name);
                field->editableTextInterface()->insertText(0, QStringLiteral("读"));
                const std::string expected = c->pinned ? before : "读" + before; // a pinned text comes back
                EXPECT_EQ(w.form().text(c->name), expected) << module.key << " " << c->name;
                EXPECT_EQ(w.findChild<QLineEdit*>(name)->text().toStdString(), expected)
                    << module.key << " " << c->name;
            } else if (c->kind == ControlKind::Radio) {
                ++radios;
                auto* button = w.findChild<QRadioButton*>(name);
                QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(button);
                ASSERT_TRUE(radio && radio->actionInterface()) << module.key << " " << c->name;
                // Toggled on when not chosen, and again when chosen: chosen both times, as a click.
                for (int i = 0; i < 2; ++i) {
                    radio->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
                    EXPECT_TRUE(w.form().checked(c->name)) << module.key << " " << c->name;
                    EXPECT_TRUE(button->isChecked()) << module.key << " " << c->name;
                }
            }
        }
    }
    EXPECT_GT(radios, 0);
}

// The test-only window: tab pages hold their fields and buttons, and everything on them works.
TEST_F(SampleWindowUi, TabPagesHoldTheirFieldsAndButtons) {
    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("选择夹1"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("第二组"));
    auto* title2 = w.findChild<QLineEdit*>(QStringLiteral("编辑框_2组标题"));
    auto* clear2 = w.findChild<QPushButton*>(QStringLiteral("按钮_清除2组内容"));
    ASSERT_TRUE(title2 && clear2);
    EXPECT_TRUE(tabs->widget(1)->isAncestorOf(title2));
    EXPECT_TRUE(tabs->widget(1)->isAncestorOf(clear2));
    EXPECT_TRUE(tabs->widget(0)->isAncestorOf(w.findChild<QPushButton*>(QStringLiteral("按钮_选色器"))));

    tabs->setCurrentIndex(1);
    clear2->click();
    EXPECT_EQ(prompter.messages.back(), "是否要清空第二组内容？");
    EXPECT_TRUE(title2->text().isEmpty());
    EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("编辑框_1组标题"))->text(), QStringLiteral("T1"));
    w.findChild<QPushButton*>(QStringLiteral("按钮_选色器1"))->click();
    EXPECT_EQ(host.colourTables, 1);

    // The pinned field shows its text again after the user types.
    auto* width = w.findChild<QLineEdit*>(QStringLiteral("编辑框_宽度"));
    width->setFocus();
    QTest::keyClick(width, Qt::Key_Backspace);
    EXPECT_EQ(width->text(), QStringLiteral("950"));

    // Choosing the entry already shown runs the list's handler again.
    auto* effect = w.findChild<QComboBox*>(QStringLiteral("组合框_轮播效果"));
    effect->setCurrentIndex(1);
    emit effect->activated(1);
    vars["effect"] = "stale";
    emit effect->activated(1);
    EXPECT_EQ(vars["effect"], "fade");

    w.findChild<QPushButton*>(QStringLiteral("按钮_T01基础版代码"))->click();
    const std::string code = w.form().code();
    EXPECT_EQ(code.compare(0, 744, markup::kBasicEditionBreakout), 0);
    EXPECT_EQ(
        w.findChild<QPlainTextEdit*>(QStringLiteral("超级编辑框_T01代码"))->toPlainText().toStdString(),
        QString::fromStdString(code).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString());
}

// Controls at the right of the tab headers, small frames in a grid, a setting beside a table; every
// field named for a screen reader; every field's whole text in its tip.
TEST_F(SampleWindowUi, CornerFramesNamesAndTips) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto find = [this](const char* name) {
        auto* edit = w.findChild<QLineEdit*>(QString::fromUtf8(name));
        EXPECT_NE(edit, nullptr) << name;
        return edit;
    };
    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("选择夹1"));
    ASSERT_NE(tabs, nullptr);
    const QRect headers = inWindow(tabs->tabBar());
    const QRect corner = inWindow(find("编辑框_背景颜色"));
    EXPECT_GT(corner.left(), headers.right());
    EXPECT_TRUE(corner.top() < headers.bottom() && corner.bottom() > headers.top());

    const QRect cell1 = inWindow(find("编辑框_格子01")), cell2 = inWindow(find("编辑框_格子02")),
                cell3 = inWindow(find("编辑框_格子03"));
    EXPECT_LT(cell1.right(), cell2.left());
    EXPECT_EQ(cell1.top(), cell2.top());
    EXPECT_GT(cell3.top(), cell1.bottom());
    EXPECT_EQ(cell3.left(), cell1.left());
    const QRect setting = inWindow(find("编辑框_边框数值"));
    EXPECT_GT(setting.left(), inWindow(find("编辑框_标题01")).right());
    EXPECT_LT(setting.top(), inWindow(find("编辑框_标题02")).top());

    EXPECT_EQ(find("编辑框_格子02")->accessibleName(), QStringLiteral("图片地址 02"));
    EXPECT_EQ(find("编辑框_标题02")->accessibleName(), QStringLiteral("宝贝标题 02"));
    EXPECT_EQ(find("编辑框_2组链接01")->accessibleName(), QStringLiteral("链接地址 01"));
    EXPECT_EQ(find("编辑框_宽度")->accessibleName(), QStringLiteral("宽度"));
    EXPECT_EQ(w.findChild<QComboBox*>(QStringLiteral("组合框_轮播效果"))->accessibleName(),
              QStringLiteral("轮播效果"));
    EXPECT_FALSE(
        w.findChild<QPlainTextEdit*>(QStringLiteral("超级编辑框_T01代码"))->accessibleName().isEmpty());

    QLineEdit* cell = find("编辑框_格子01");
    EXPECT_EQ(cell->toolTip(), QStringLiteral("g1"));
    cell->setFocus();
    QTest::keyClick(cell, Qt::Key_End);
    QTest::keyClicks(cell, QStringLiteral("/a.jpg"));
    EXPECT_EQ(cell->toolTip(), QStringLiteral("g1/a.jpg"));
    w.form().setText("编辑框_格子01", "http://img.example/long/path/picture.jpg");
    EXPECT_EQ(cell->toolTip(), QStringLiteral("http://img.example/long/path/picture.jpg"));
}

// The real message boxes: no icon, the program's caption, the question's text, Chinese button texts;
// only No cancels.
TEST(MessageBoxes, AskAndNotifyAsTheUserSeesThem) {
    QApplication::setApplicationName(QStringLiteral("Ornavo"));
    ASSERT_TRUE(ui::installChineseTranslations())
        << "Qt's Chinese translations are missing (qt6-translations-l10n)";
    ui::MessageBoxPrompter boxes;
    struct Seen {
        QString title, text, buttons;
        QMessageBox::Icon icon = QMessageBox::Warning;
    } seen;
    auto answerWith = [&seen](QMessageBox::StandardButton press) {
        QTimer::singleShot(0, [&seen, press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons.clear();
            for (QAbstractButton* b : box->buttons())
                seen.buttons += b->text() + QLatin1Char('|');
            box->button(press)->click();
        });
    };
    answerWith(QMessageBox::No);
    EXPECT_EQ(boxes.ask("是否要退出？"), Answer::No);
    EXPECT_EQ(seen.title, QStringLiteral("Ornavo"));
    EXPECT_EQ(seen.text, QString::fromUtf8("是否要退出？"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_TRUE(seen.buttons.contains(QString::fromUtf8("是(&Y)")) &&
                seen.buttons.contains(QString::fromUtf8("否(&N)")))
        << seen.buttons.toStdString();
    answerWith(QMessageBox::Yes);
    EXPECT_EQ(boxes.ask("是否要清空所有内容？"), Answer::Yes);
    answerWith(QMessageBox::Ok);
    boxes.notify("复制成功！");
    EXPECT_EQ(seen.text, QString::fromUtf8("复制成功！"));
    EXPECT_EQ(seen.buttons, QString::fromUtf8("确定|"));
    // The update question: OK and Cancel, in Chinese too; only OK agrees.
    answerWith(QMessageBox::Cancel);
    EXPECT_FALSE(ui::showMessage(
        {"你的软件不是最新版本是否要更新！", ui::MessageButtons::OkCancel, ui::MessageIcon::Question, {}}));
    EXPECT_TRUE(seen.buttons.contains(QString::fromUtf8("确定")) &&
                seen.buttons.contains(QString::fromUtf8("取消")))
        << seen.buttons.toStdString();
    EXPECT_EQ(seen.icon, QMessageBox::Question);
}

// A box belongs to the window the program acts for, when that window is on screen: a window manager
// keeps it in front of that window. A hidden or minimised window would take the box out of sight with
// it, so then the box has no owner.
TEST(MessageBoxes, OwnedByTheWindowTheyAreFor) {
    QWidget shown, hidden, minimised;
    shown.show();
    minimised.showMinimized();
    struct Case {
        QWidget* actingFor;
        QWidget* owner;
    };
    const Case cases[] = {{&shown, &shown}, {&hidden, nullptr}, {&minimised, nullptr}, {nullptr, nullptr}};
    for (const Case& c : cases) {
        QWidget* owner = &hidden; // anything but what is expected
        QTimer::singleShot(0, [&owner] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            owner = box->parentWidget();
            box->done(QMessageBox::Ok);
        });
        std::optional<ui::ActingWindow> acting;
        if (c.actingFor)
            acting.emplace(c.actingFor);
        ui::showMessage({"复制成功！", ui::MessageButtons::Ok, ui::MessageIcon::None, {}});
        EXPECT_EQ(owner, c.owner) << (c.actingFor ? c.actingFor->objectName().toStdString() : "none");
    }
    // Scopes nest: the innermost window acts, and the outer one again once it is over.
    QWidget other;
    ui::ActingWindow outer(&shown);
    {
        ui::ActingWindow inner(&other);
        EXPECT_EQ(ui::ActingWindow::current(), &other);
    }
    EXPECT_EQ(ui::ActingWindow::current(), &shown);
}

// A window opened from another stands beside it where the screen has room, clear of a window already
// standing there; where no side has room, it covers as little of the other window as it can.
TEST(WindowPlacement, BesideTheOwnerWhereTheScreenAllows) {
    const QRect screen(0, 0, 1920, 1080);
    struct Case {
        QRect owner;
        QSize size;
        std::vector<QRect> others;
        QPoint expected;
    };
    const Case cases[] = {
        {{0, 0, 900, 600}, {970, 520}, {}, {904, 0}},                      // right
        {{1000, 100, 900, 600}, {970, 520}, {}, {26, 100}},                // left
        {{500, 0, 900, 500}, {970, 520}, {}, {500, 504}},                  // below, kept inside the screen
        {{500, 560, 900, 500}, {970, 520}, {}, {500, 36}},                 // above
        {{0, 0, 900, 600}, {1000, 500}, {{904, 0, 970, 520}}, {904, 524}}, // right, under the other window
        {{460, 200, 1000, 800}, {970, 520}, {}, {950, 0}},                 // no room: the least covered
        {{0, 0, 800, 600}, {2000, 1200}, {}, {0, 0}}, // larger than the screen: its corner
    };
    for (const Case& c : cases) {
        const QPoint at = ui::besideFrame(c.owner, c.size, screen, c.others);
        EXPECT_EQ(at, c.expected) << c.owner.x() << "," << c.owner.y() << " " << c.size.width();
        EXPECT_TRUE(screen.contains(QRect(at, c.size)) || c.size.width() > screen.width());
    }
}

int main(int argc, char** argv) {
    ornavo::testing::useOffscreenDesktop();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
