// The window skin on the offscreen platform: what it changes, and that a missing theme changes nothing.

#include "app/skin.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/message_boxes.h"
#include "framework/web/browser_loader.h"
#include "framework/web/sandbox_check.h"
#include "support/offscreen_desktop.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

using namespace ornavo;

namespace {

QColor pixel(QWidget* w, int x, int y) {
    return w->grab().toImage().pixelColor(x, y);
}

// Colours compared loosely: anti-aliasing and rounding shift a channel by a few steps.
void expectColour(const QColor& actual, const QColor& expected) {
    EXPECT_LE(std::abs(actual.red() - expected.red()) + std::abs(actual.green() - expected.green()) +
                  std::abs(actual.blue() - expected.blue()),
              12)
        << actual.name().toStdString() << " instead of " << expected.name().toStdString();
}

} // namespace

// Runs before the skin is applied (declaration order within this program).
TEST(Skin, MissingThemeLeavesTheStandardLook) {
    const QString style = QApplication::style()->name();
    const QPalette palette = QApplication::palette();
    const QFont font = QApplication::font();
    EXPECT_FALSE(app::applySkin(*qApp, QStringLiteral(":/ornavo/skin/missing.qss")));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(QApplication::style()->name(), style);
    EXPECT_EQ(QApplication::palette(), palette);
    EXPECT_EQ(QApplication::font(), font);
}

TEST(Skin, ReachesModuleWindowsAndMessageBoxes) {
    ASSERT_TRUE(app::applySkin(*qApp));
    EXPECT_TRUE(QFontInfo(QApplication::font()).family().contains(QStringLiteral("CJK")))
        << QFontInfo(QApplication::font()).family().toStdString();

    ornavo::testing::ScriptedPrompter prompter;
    WindowVariables vars;
    ui::DesktopHost host;
    ui::GeneratorWindow window(*moduleRegistry().byKey("F03"), vars, prompter, host);
    window.show();
    auto* generate = window.findChild<QPushButton*>(QStringLiteral("按钮_全屏海报一键生成"));
    auto* copy = window.findChild<QPushButton*>(QStringLiteral("按钮_全屏海报复制代码"));
    ASSERT_TRUE(generate && copy);
    // The generate button has a colour of its own; the other actions stay plain.
    expectColour(pixel(generate, 6, generate->height() / 2), QColor(0xd8, 0x60, 0x2a));
    expectColour(pixel(copy, 6, copy->height() / 2), Qt::white);
    expectColour(pixel(&window, 2, 2), QColor(0xf3, 0xf5, 0xf7));

    auto* code = window.findChild<QPlainTextEdit*>(QStringLiteral("超级编辑框_全屏海报代码"));
    ASSERT_NE(code, nullptr);
    // Monospace once it holds code: narrow and wide letters take the same room.
    generate->click();
    const QFontMetrics metrics(code->font());
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')))
        << QFontInfo(code->font()).family().toStdString();
    const QFontMetrics fieldMetrics(window.findChild<QWidget*>(QStringLiteral("编辑框_图片地址"))->font());
    EXPECT_NE(fieldMetrics.horizontalAdvance(QLatin1Char('i')),
              fieldMetrics.horizontalAdvance(QLatin1Char('W')));

    QMessageBox box;
    box.setText(QStringLiteral("复制成功！"));
    box.setStandardButtons(QMessageBox::Ok);
    box.show();
    expectColour(pixel(&box, 2, 2), QColor(0xf3, 0xf5, 0xf7));
    EXPECT_STREQ(box.style()->metaObject()->className(), "QStyleSheetStyle");
}

// Every message the program shows stands whole in its box with the skin: no character is cut or
// pushed onto a line the box has no room for.
TEST(Skin, MessagesStandWholeInTheirBoxes) {
    ASSERT_TRUE(app::applySkin(*qApp));
    std::vector<ui::Message> messages;
    for (const char* text : {kCopyDone, kCopyFailed, kAskClearAll, kAskExit, "模块开发中！！"})
        messages.push_back({text, ui::MessageButtons::YesNo, ui::MessageIcon::None, {}});
    for (int group = 1; group <= 5; ++group)
        messages.push_back({groupClearQuestion(group), ui::MessageButtons::YesNo, ui::MessageIcon::None, {}});
    messages.push_back(
        {"你的软件不是最新版本是否要更新！", ui::MessageButtons::OkCancel, ui::MessageIcon::Question, {}});
    messages.push_back({"网站维护中……", ui::MessageButtons::Ok, ui::MessageIcon::Error, "温馨提示"});
    // The browser's: when its sandbox cannot run, and when it cannot be loaded (a reason on a line of
    // its own).
    for (const web::SandboxFacts& facts :
         {web::SandboxFacts{true, true, false}, web::SandboxFacts{false, false, false}})
        messages.push_back({web::withoutSandboxQuestion(*web::sandboxObstacle(facts)),
                            ui::MessageButtons::YesNo,
                            ui::MessageIcon::None,
                            {}});
    messages.push_back(
        {std::string(web::kPreviewUnavailable) + "\nornavo-browser.so not found in: /usr/lib/ornavo",
         ui::MessageButtons::Ok,
         ui::MessageIcon::None,
         {}});
    for (const ui::Message& message : messages) {
        bool looked = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(label, nullptr);
            const QRect room = label->contentsRect();
            const int needed =
                label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            EXPECT_GE(label->height(), needed) << message.text;
            for (const QString& line : label->text().split(QLatin1Char('\n')))
                EXPECT_GE(room.width(), label->fontMetrics().horizontalAdvance(line)) << line.toStdString();
            looked = true;
            box->done(QMessageBox::Cancel);
        });
        ui::showMessage(message);
        EXPECT_TRUE(looked) << message.text;
    }
}

// The main window's catalogue buttons and the material page's small controls take a tighter face and
// padding from the skin itself (rules keyed on their role, not a style sheet on each page).
TEST(Skin, CompactControlsOfTheMainWindow) {
    ASSERT_TRUE(app::applySkin(*qApp));
    QWidget page;
    auto* plain = new QPushButton(QStringLiteral("按钮"), &page);
    auto* catalogue = new QPushButton(QStringLiteral("按钮"), &page);
    catalogue->setProperty("role", QStringLiteral("catalogue"));
    auto* small = new QPushButton(QStringLiteral("按钮"), &page);
    small->setProperty("role", QStringLiteral("small"));
    auto* field = new QLineEdit(&page);
    field->setProperty("role", QStringLiteral("small"));
    auto* plainField = new QLineEdit(&page);
    page.ensurePolished();
    for (QWidget* compact : std::initializer_list<QWidget*>{catalogue, small, field})
        EXPECT_EQ(compact->font().pixelSize(), 12) << compact->property("role").toString().toStdString();
    EXPECT_NE(plain->font().pixelSize(), 12);
    EXPECT_LT(catalogue->sizeHint().height(), plain->sizeHint().height());
    EXPECT_LT(small->sizeHint().height(), plain->sizeHint().height());
    EXPECT_LT(field->sizeHint().height(), plainField->sizeHint().height());
}

int main(int argc, char** argv) {
    ornavo::testing::useOffscreenDesktop();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
