// The announcement line: the label's width rule and its one-pixel steps with re-entry at the right.

#include "app/ticker.h"
#include "framework/text.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

using ornavo::app::TickerBand;
using ornavo::app::TickerGeometry;

TEST(TickerGeometry, WidthIsBytesTimesHalfAnA) {
    EXPECT_EQ(TickerGeometry::labelWidth(10, 7 / 2.0), 35);
    EXPECT_EQ(TickerGeometry::labelWidth(0, 3.5), 0);
    EXPECT_EQ(TickerGeometry::labelWidth(3, 3.5), 11); // 10.5 rounds to a whole pixel
    EXPECT_EQ(TickerGeometry::labelWidth(150, 4), 600);
}

TEST(TickerGeometry, MovesOnePixelPerTickAndReentersOnceWhollyOut) {
    TickerGeometry g;
    g.reset(736, 35);
    EXPECT_EQ(g.left(), 736);
    g.tick();
    EXPECT_EQ(g.left(), 735);
    // 736 + 35 steps bring the label's right edge to the band's left edge.
    for (int i = 1; i < 736 + 35; ++i)
        g.tick();
    EXPECT_EQ(g.left(), -35);
    g.tick();
    EXPECT_EQ(g.left(), 735);

    // A few thousand ticks later it is still cycling through the same 771 places.
    int lowest = 1000, highest = -1000;
    for (int i = 0; i < 5000; ++i) {
        g.tick();
        lowest = std::min(lowest, g.left());
        highest = std::max(highest, g.left());
    }
    EXPECT_EQ(lowest, -35);
    EXPECT_EQ(highest, 735);
    EXPECT_EQ(g.left(), 735 - (5000 % 771));
}

TEST(TickerGeometry, EmptyTextCyclesThroughTheBand) {
    TickerGeometry g;
    g.reset(736, 0);
    for (int i = 0; i < 736; ++i)
        g.tick();
    EXPECT_EQ(g.left(), 0);
    g.tick();
    EXPECT_EQ(g.left(), 735);
}

TEST(TickerGeometry, ResizedBandKeepsThePlaceAndReentersAtTheNewEdge) {
    TickerGeometry g;
    g.reset(736, 20);
    for (int i = 0; i < 100; ++i)
        g.tick();
    g.setBandWidth(500);
    EXPECT_EQ(g.left(), 636);
    for (int i = 0; i < 656; ++i)
        g.tick();
    EXPECT_EQ(g.left(), -20);
    g.tick();
    EXPECT_EQ(g.left(), 499);
}

class TickerBandTest : public ::testing::Test {
protected:
    void SetUp() override { band.setGeometry(65, 8, 736, 24); }
    TickerBand band;
};

TEST_F(TickerBandTest, AnnouncementIsPlainTextSizedByItsGbkBytes) {
    const std::string text = "<b>新品</b>上架 <a href='x'>link</a>";
    band.setAnnouncement(text);
    QLabel* label = band.label();
    EXPECT_EQ(label->objectName(), QStringLiteral("标签2"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), QString::fromStdString(text));

    const double perByte = QFontMetricsF(band.font()).horizontalAdvance(QLatin1Char('A')) / 2.0;
    EXPECT_DOUBLE_EQ(band.widthPerByte(), perByte);
    const std::size_t bytes = ornavo::gbkLength(text);
    EXPECT_EQ(bytes, 36u); // four Chinese characters of two bytes, 28 ASCII bytes
    EXPECT_EQ(label->width(), static_cast<int>(std::lround(bytes * perByte)));
    EXPECT_EQ(label->x(), 736);
    EXPECT_EQ(label->height(), 24);
}

TEST_F(TickerBandTest, TimerTicksEveryTenMillisecondsAndTicksMoveTheLabel) {
    EXPECT_EQ(band.timer()->objectName(), QStringLiteral("时钟2"));
    EXPECT_EQ(band.timer()->interval(), 10);
    EXPECT_TRUE(band.timer()->isActive());

    band.timer()->stop(); // the test drives the ticks
    band.setAnnouncement("0123456789");
    const int width = band.label()->width();
    for (int i = 0; i < 736 + width; ++i)
        band.tick();
    EXPECT_EQ(band.label()->x(), -width);
    band.tick();
    EXPECT_EQ(band.label()->x(), 735);
    EXPECT_EQ(band.label()->width(), width);
}

TEST_F(TickerBandTest, LabelIsExactlyAsWideAsItsWholeText) {
    if (!QFontInfo(band.label()->font()).family().contains(QStringLiteral("Mono CJK")))
        GTEST_SKIP() << "no monospaced CJK face installed";
    const std::string text = "欢迎使用 Ornavo V2.0.1 店铺装修助手！";
    band.setAnnouncement(text);
    const double drawn = QFontMetricsF(band.label()->font()).horizontalAdvance(QString::fromStdString(text));
    EXPECT_LE(std::abs(band.label()->width() - drawn), 1.0);
}
