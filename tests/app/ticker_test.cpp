// The announcement line: the label's width rule, its one-pixel steps with re-entry at the right, its
// timer frames, and how it draws.

#include "app/ticker.h"
#include "framework/model/text.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using ornavo::app::TickerBand;
using ornavo::app::TickerGeometry;
using ornavo::app::TickerLabel;

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

TEST_F(TickerBandTest, TimerShowsTenMillisecondStepsFourAtATime) {
    EXPECT_EQ(band.timer()->objectName(), QStringLiteral("时钟2"));
    EXPECT_TRUE(band.timer()->isActive());
    // One pixel every 10 ms, shown four steps at a time: the interval is four steps long.
    EXPECT_EQ(TickerBand::kStepMs, 10);
    EXPECT_EQ(band.timer()->interval(), TickerBand::kStepMs * TickerBand::kStepsPerFrame);

    band.timer()->stop(); // the test drives the steps
    band.setAnnouncement("0123456789");
    const int width = band.label()->width();
    for (int i = 0; i < 736 + width; ++i)
        band.tick();
    EXPECT_EQ(band.label()->x(), -width);
    band.tick();
    EXPECT_EQ(band.label()->x(), 735);
    EXPECT_EQ(band.label()->width(), width);

    // A timer frame lands where as many single steps land, re-entry included.
    TickerGeometry steps;
    steps.reset(736, width);
    band.setAnnouncement("0123456789");
    for (int frame = 0; frame < 400; ++frame) {
        QMetaObject::invokeMethod(band.timer(), "timeout", Qt::DirectConnection); // as when it fires
        for (int i = 0; i < TickerBand::kStepsPerFrame; ++i)
            steps.tick();
        ASSERT_EQ(band.label()->x(), steps.left()) << "frame " << frame;
    }
}

TEST_F(TickerBandTest, LabelIsExactlyAsWideAsItsWholeText) {
    if (!QFontInfo(band.label()->font()).family().contains(QStringLiteral("Mono CJK")))
        GTEST_SKIP() << "no monospaced CJK face installed";
    const std::string text = "欢迎使用 Ornavo V2.0.1 店铺装修助手！";
    band.setAnnouncement(text);
    const double drawn = QFontMetricsF(band.label()->font()).horizontalAdvance(QString::fromStdString(text));
    EXPECT_LE(std::abs(band.label()->width() - drawn), 1.0);
}

// The announcement drawn from its pieces looks as the whole text drawn at once.
TEST_F(TickerBandTest, PiecesDrawTheWholeText) {
    const std::string text =
        "欢迎使用 Ornavo V2.0.1 店铺装修助手！新品上架，全场八折，欢迎选购。Welcome to the shop.";
    band.setAnnouncement(text);
    TickerLabel* label = band.label();
    ASSERT_GT(label->pieceCount(), 2u); // several pieces, so their seams are in the picture
    const QImage drawn = label->grab().toImage();

    QPixmap whole(label->size() * label->devicePixelRatioF());
    whole.setDevicePixelRatio(label->devicePixelRatioF());
    whole.fill(band.background());
    QPainter painter(&whole);
    painter.setFont(label->font());
    painter.setPen(label->palette().color(label->foregroundRole()));
    painter.drawText(QRectF(QPointF(), label->size()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     label->text());
    painter.end();
    const QImage expected = whole.toImage().convertToFormat(drawn.format());
    ASSERT_EQ(drawn.size(), expected.size());
    // Alike up to the glyphs' anti-aliasing (pieces are blended onto the band); a piece out of place
    // or missing makes whole glyph strokes differ.
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor a = drawn.pixelColor(x, y), b = expected.pixelColor(x, y);
            differing += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                   std::abs(a.blue() - b.blue())}) > 64;
        }
    EXPECT_EQ(differing, 0);
}

// Records what the band and its label are asked to paint, in the band's coordinates.
struct PaintWatch : QObject {
    explicit PaintWatch(TickerBand& band) : band_(band) {
        band.installEventFilter(this);
        band.label()->installEventFilter(this);
    }
    std::vector<QRect> painted;
    int paintedWidth() const {
        int width = 0;
        for (const QRect& r : painted)
            width += r.width();
        return width;
    }
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QRect r = static_cast<QPaintEvent*>(event)->rect();
            painted.push_back(target == &band_ ? r : r.translated(band_.label()->pos()));
        }
        return false;
    }

  private:
    TickerBand& band_;
};

// A frame paints only the columns it uncovers, from a few small pictures, whether the announcement
// is a line or 220 KB: its cost does not grow with the text.
TEST(TickerFrames, ALongAnnouncementCostsAFrameWhatAShortOneCosts) {
    std::string longText;
    while (longText.size() < 220 * 1024)
        longText += "店铺公告：新品上架，全场八折，欢迎选购！Shop notice: new arrivals. ";
    for (const std::string& text : {std::string("新店开张，全场八折！"), longText}) {
        QWidget window;
        // The skin's rule for labels, which takes away a label's opaque painting unless it insists.
        window.setStyleSheet(QStringLiteral("QLabel { background: transparent; }"));
        window.resize(815, 60);
        TickerBand band(&window);
        band.setGeometry(65, 8, 736, 24);
        band.timer()->stop();
        band.setAnnouncement(text);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // Bring the text into the band.
        for (int i = 0; i < 200; ++i)
            band.tick();
        QTest::qWait(50); // the pending paints
        TickerLabel* label = band.label();
        PaintWatch watch(band);
        const int madeBefore = label->picturesMade();
        for (int frame = 0; frame < 150; ++frame) {
            watch.painted.clear();
            band.frame();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !watch.painted.empty(); }, 5000)) << "frame " << frame;
            // What moved is shifted on screen; only the uncovered columns are painted.
            ASSERT_EQ(watch.paintedWidth(), TickerBand::kStepsPerFrame) << "frame " << frame;
        }
        // 600 pixels moved: a few new pieces came into view, each drawn once.
        EXPECT_LE(label->picturesMade() - madeBefore, 600 / 40 + 2);
        EXPECT_LE(label->cachedPictures(), TickerLabel::kCachedPieces);
    }
}
