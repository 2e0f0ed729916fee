// The announcement line: the label's width rule, its one-pixel steps with re-entry at the right, the
// clock that counts the steps, what the band shows on screen frame after frame, and when it runs.

#include "app/ticker.h"
#include "framework/model/text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

using ornavo::app::StepClock;
using ornavo::app::TickerBand;
using ornavo::app::TickerGeometry;
using ornavo::app::TickerSurface;

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
    EXPECT_EQ(g.period(), 771);
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

// However the frames come (early, late, unevenly), the steps add up to one per 10 ms of the clock;
// frames that come near their time each show the same number of steps; a long pause is not made up.
TEST(StepClock, OneStepPerTenMillisecondsHoweverTheFramesCome) {
    std::int64_t now = 1'000'000;
    StepClock clock(10, 50, [&] { return now; });
    clock.restart();
    const std::int64_t start = now;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> gap(1, 120);
    long long steps = 0;
    for (int frame = 0; frame < 2000; ++frame) {
        now += gap(random);
        steps += clock.stepsDue();
        // Counted from half a step in: never ahead of the clock, never more than one step behind.
        ASSERT_EQ(steps, (now - start + 5) / 10) << "frame " << frame;
    }

    clock.restart();
    const std::int64_t due = now;
    for (int frame = 1; frame <= 200; ++frame) {
        now = due + 40 * frame + (frame % 9) - 4; // a timer a few milliseconds off either way
        ASSERT_EQ(clock.stepsDue(), 4) << "frame " << frame;
    }

    now += 5000; // held up for five seconds
    EXPECT_EQ(clock.stepsDue(), 0);
    now += 40;
    EXPECT_EQ(clock.stepsDue(), 4);
}

namespace {

// A band on screen in a window of its own, its steps counted by a clock the test moves.
struct ShownBand {
    explicit ShownBand(TickerSurface::Showing showing) : band(&window, showing, [this] { return now; }) {
        window.resize(815, 60);
        band.setGeometry(65, 8, 736, 24);
        window.show();
    }
    bool exposed() {
        return QTest::qWaitForWindowExposed(&window) &&
               QTest::qWaitFor([this] { return band.surface()->isExposed(); }, 5000);
    }
    void nextFrame() {
        now += TickerBand::kIntervalMs;
        band.frame();
    }
    // The band as the screen shows it.
    QImage onScreen() const {
        return QGuiApplication::primaryScreen()
            ->grabWindow(band.surface()->winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // The band with the whole text drawn at once where the label stands.
    QImage expected() const {
        const QRect label = band.labelRect();
        QPixmap picture(band.size() * band.devicePixelRatioF());
        picture.setDevicePixelRatio(band.devicePixelRatioF());
        picture.fill(band.background());
        QPainter painter(&picture);
        painter.setClipRect(label & band.rect());
        painter.setFont(band.labelFaces().narrow);
        painter.setPen(band.palette().color(QPalette::WindowText));
        painter.drawText(QRectF(label), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, band.text());
        painter.end();
        return picture.toImage().convertToFormat(QImage::Format_RGB32);
    }

    std::int64_t now = 0;
    QWidget window;
    TickerBand band;
};

// Pixels that differ by more than the glyphs' anti-aliasing: a piece out of place or missing makes
// whole glyph strokes differ.
int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return a.width() * a.height() + 1;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            differing += std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                   std::abs(p.blue() - q.blue())}) > 64;
        }
    return differing;
}

class TickerOnScreen : public ::testing::TestWithParam<TickerSurface::Showing> {};

} // namespace

TEST(TickerBand, AnnouncementIsPlainTextSizedByItsGbkBytes) {
    TickerBand band;
    band.setGeometry(65, 8, 736, 24);
    const std::string text = "<b>新品</b>上架 <a href='x'>link</a>";
    band.setAnnouncement(text);
    EXPECT_EQ(band.objectName(), QStringLiteral("画板2"));
    EXPECT_EQ(band.text(), QString::fromStdString(text));

    const double perByte = QFontMetricsF(band.font()).horizontalAdvance(QLatin1Char('A')) / 2.0;
    EXPECT_DOUBLE_EQ(band.widthPerByte(), perByte);
    const std::size_t bytes = ornavo::gbkLength(text);
    EXPECT_EQ(bytes, 36u); // four Chinese characters of two bytes, 28 ASCII bytes
    EXPECT_EQ(band.labelRect(), QRect(736, 0, static_cast<int>(std::lround(bytes * perByte)), 24));

    // One step at a time, re-entering at the right.
    const int width = band.labelRect().width();
    for (int i = 0; i < 736 + width; ++i)
        band.tick();
    EXPECT_EQ(band.labelRect().x(), -width);
    band.tick();
    EXPECT_EQ(band.labelRect().x(), 735);
}

TEST(TickerBand, LabelIsExactlyAsWideAsItsWholeText) {
    TickerBand band;
    if (!QFontInfo(band.labelFaces().narrow).family().contains(QStringLiteral("Mono CJK")))
        GTEST_SKIP() << "no monospaced CJK face installed";
    const std::string text = "欢迎使用 Ornavo V2.0.1 店铺装修助手！";
    band.setAnnouncement(text);
    const double drawn =
        QFontMetricsF(band.labelFaces().narrow).horizontalAdvance(QString::fromStdString(text));
    EXPECT_LE(std::abs(band.labelRect().width() - drawn), 1.0);
}

// Every character stands in the cells of its GBK bytes, also where the face would draw it narrower
// (Greek letters are two bytes in GBK and half as wide in the monospaced face).
TEST(TickerBand, EachCharacterStandsInItsByteCells) {
    ShownBand shown(TickerSurface::Showing::FromStrip);
    ASSERT_TRUE(shown.exposed());
    shown.band.setAnnouncement("\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4"
                               "ab"); // αβγδab: 10 bytes
    EXPECT_EQ(shown.band.layout().bytes(), 10u);
    while (shown.band.labelRect().right() >= 736 - 1)
        shown.nextFrame();
    const QRect label = shown.band.labelRect();
    const QImage screen = shown.onScreen();
    auto inked = [&](int from, int to) { // columns of the band
        for (int x = std::max(from, 0); x < std::min(to, screen.width()); ++x)
            for (int y = 0; y < screen.height(); ++y)
                if (screen.pixelColor(x, y) != shown.band.background())
                    return true;
        return false;
    };
    const double cell = shown.band.widthPerByte();
    for (int i = 0; i < 4; ++i) // each Greek letter in its own two cells
        EXPECT_TRUE(inked(label.x() + std::lround(2 * i * cell), label.x() + std::lround((2 * i + 2) * cell)))
            << "letter " << i;
    EXPECT_TRUE(inked(label.x() + std::lround(8 * cell), label.right() + 1)); // "ab" at the end
    EXPECT_FALSE(inked(label.right() + 2, 736));
}

// Frame after frame, through the label's re-entry, the screen shows the label where it stands, drawn
// from its pieces as the whole text drawn at once; and the text is drawn anew only once it has moved
// about a band's width.
TEST_P(TickerOnScreen, ShowsTheLabelWhereItStandsFrameAfterFrame) {
    ShownBand shown(GetParam());
    ASSERT_TRUE(shown.exposed());
    EXPECT_EQ(shown.band.surface()->showing(), GetParam());
    shown.band.setAnnouncement("欢迎使用 Ornavo 店铺装修助手！新品上架，全场八折，Welcome!");
    ASSERT_GT(shown.band.layout().pieceCount(), 1u); // the seams between pieces are in the picture
    const int period = shown.band.geometry().period();
    const int drawnBefore = shown.band.surface()->stripsDrawn();
    int lastLeft = shown.band.labelRect().x();
    bool reentered = false;
    for (int frame = 0; frame * TickerBand::kStepsPerFrame < period + 200; ++frame) {
        shown.nextFrame();
        const int left = shown.band.labelRect().x();
        ASSERT_EQ((lastLeft - left + period) % period, TickerBand::kStepsPerFrame) << "frame " << frame;
        reentered |= left > lastLeft;
        lastLeft = left;
        ASSERT_EQ(differingPixels(shown.onScreen(), shown.expected()), 0)
            << "frame " << frame << ", left " << left;
    }
    EXPECT_TRUE(reentered);
    const int moved = (period + 200) / 736 + 1;
    if (GetParam() == TickerSurface::Showing::FromStrip) {
        EXPECT_LE(shown.band.surface()->stripsDrawn() - drawnBefore, moved + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(BothWays, TickerOnScreen,
                         ::testing::Values(TickerSurface::Showing::FromStrip, TickerSurface::Showing::Copied),
                         [](const auto& info) {
                             return info.param == TickerSurface::Showing::FromStrip ? std::string("FromStrip")
                                                                                    : std::string("Copied");
                         });

// A 220 KB announcement costs a frame what a line costs: the strip is drawn as seldom, and from the
// few pieces in its reach.
TEST(TickerFrames, ALongAnnouncementIsDrawnAsSeldomAsAShortOne) {
    std::string longText;
    while (longText.size() < 220 * 1024)
        longText += "店铺公告：新品上架，全场八折，欢迎选购！Shop notice: new arrivals. ";
    for (const std::string& text : {std::string("新店开张，全场八折！"), longText}) {
        ShownBand shown(TickerSurface::Showing::FromStrip);
        ASSERT_TRUE(shown.exposed());
        shown.band.setAnnouncement(text);
        const int drawnBefore = shown.band.surface()->stripsDrawn();
        QElapsedTimer elapsed;
        elapsed.start();
        for (int frame = 0; frame < 150; ++frame) // 600 pixels, less than one period of either
            shown.nextFrame();
        EXPECT_LE(shown.band.surface()->stripsDrawn() - drawnBefore, 1);
        EXPECT_EQ(differingPixels(shown.onScreen(), shown.expected()), 0);
        EXPECT_LT(elapsed.elapsed(), 3000);
    }
}

// The timer runs while the band is on screen with something to show, and rests otherwise.
TEST(TickerTimer, RunsOnlyWhileThereIsSomethingToSee) {
    ShownBand shown(TickerSurface::showingFor(QGuiApplication::platformName()));
    ASSERT_TRUE(shown.exposed());
    QTimer* timer = shown.band.timer();
    EXPECT_EQ(timer->objectName(), QStringLiteral("时钟2"));
    EXPECT_EQ(timer->interval(), TickerBand::kStepMs * TickerBand::kStepsPerFrame);
    EXPECT_FALSE(timer->isActive()); // no text yet
    shown.band.setAnnouncement("新店开张");
    EXPECT_TRUE(timer->isActive());
    shown.window.hide();
    EXPECT_FALSE(timer->isActive());
    const int left = shown.band.labelRect().x();
    shown.window.show();
    ASSERT_TRUE(shown.exposed());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(shown.band.labelRect().x(), left); // it goes on from where it stood
    shown.window.showMinimized();                // left on screen where no notification area takes it away
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 5000));
    shown.window.showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return timer->isActive(); }, 5000));
    shown.band.setAnnouncement("");
    EXPECT_FALSE(timer->isActive());
}

// With the real clock and timer: one pixel per 10 ms, measured when a frame has just been shown.
TEST(TickerTimer, MovesOnePixelPerTenMilliseconds) {
    QWidget window;
    window.resize(815, 60);
    TickerBand band(&window);
    band.setGeometry(65, 8, 736, 24);
    band.setAnnouncement(std::string(300, 'x')); // wider than the band: no re-entry meanwhile
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return band.timer()->isActive(); }, 5000));
    QElapsedTimer elapsed;
    elapsed.start();
    const int start = band.labelRect().x();
    QTest::qWait(800);
    const int before = band.labelRect().x();
    ASSERT_TRUE(QTest::qWaitFor([&] { return band.labelRect().x() != before; }, 1000)); // a fresh frame
    const qint64 ms = elapsed.elapsed();
    const int steps = start - band.labelRect().x();
    EXPECT_LE(steps, ms / TickerBand::kStepMs + 2) << ms << " ms";
    EXPECT_GE(steps, (ms - 60) / TickerBand::kStepMs) << ms << " ms";
}
