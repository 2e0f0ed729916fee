// The main window's announcement line with the program's skin (applied by this program's main):
// " 最新公告：" stands whole in the 64 pixels it owns, and the ticker band beside it, whatever its
// text, never reaches into them.

#include "app/app_test_support.h"
#include "app/ticker.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace ornavo;
using namespace ornavo::testing;

TEST(SkinnedMainWindow, TheNoticeLabelKeepsItsWholeTextLeftOfTheTicker) {
    FakeShell shell;
    app::MainWindow window(shell.services());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* notice = window.findChild<QLabel*>(QStringLiteral("标签_最新公告"));
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->geometry(), QRect(0, 6, 64, 24));
    // The text, its leading blank and its colon, within the label's own room.
    const QRect room = notice->contentsRect();
    EXPECT_LE(notice->fontMetrics().horizontalAdvance(notice->text()), room.width());
    EXPECT_GE(QFontInfo(notice->font()).pixelSize(), 12);

    // The band (and the text moving through it) starts right of the label.
    window.ticker()->setAnnouncement("欢迎光临本店，全场包邮！");
    for (int step = 0; step < 400; ++step) {
        window.ticker()->tick();
        const QRect label = window.ticker()->labelRect();
        const QRect text(window.ticker()->mapTo(&window, label.topLeft()), label.size());
        const QRect band(window.ticker()->mapTo(&window, QPoint(0, 0)), window.ticker()->size());
        const QRect room(notice->mapTo(&window, QPoint(0, 0)), notice->size());
        ASSERT_FALSE(room.intersects(band & text)) << step;
    }
    EXPECT_GT(window.ticker()->mapTo(&window, QPoint(0, 0)).x(),
              notice->mapTo(&window, QPoint(notice->width() - 1, 0)).x());
}
