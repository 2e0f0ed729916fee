#pragma once
// The announcement line of the main window: a band (画板2) in which the announcement label (标签2)
// moves one pixel to the left every 10 ms; once the label has left the band at the left it re-enters
// from the right edge.
//
// The line costs little while it runs. The timer (时钟2) shows the steps four at a time, every 40 ms,
// and counts them by the clock, so the speed holds however late a frame comes. The band is a window
// of its own whose picture is a strip twice as wide as the band, the text drawn once into it: on the
// X display a frame only tells the display which part of the strip to show, so most frames draw
// nothing and wait for nothing; the strip is drawn again when the text has moved a band's width. The
// label (its place, its width by the byte rule, its text) is kept by the band, which draws it; it is
// not a widget. Nothing runs while the band is not on screen or has nothing to show.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <QWindow>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QBackingStore;
class QTimer;

namespace ornavo::app {

// Where the label stands inside the band, advanced by tick().
class TickerGeometry {
  public:
    // Width of the label for a text of that many GBK bytes: bytes × width per byte, rounded.
    static int labelWidth(std::size_t gbkBytes, double widthPerByte);

    // Puts the label just outside the band's right edge.
    void reset(int bandWidth, int labelWidth);
    // One step: back to the right edge once the label is wholly out at the left, then one pixel left.
    void tick();
    // The band was resized: the label keeps its place and re-enters at the new right edge.
    void setBandWidth(int bandWidth) { band_ = bandWidth; }

    int left() const { return left_; }
    int width() const { return width_; }
    int bandWidth() const { return band_; }
    // Steps after which the label stands where it stood: across the band and out of it.
    int period() const { return band_ + width_; }

  private:
    int band_ = 0;
    int width_ = 0;
    int left_ = 0;
};

// Counts whole steps of a monotonic clock: how many are due since the last count. A pause longer
// than the catch-up limit (the band was off screen, the program was held up) is not made up for.
class StepClock {
  public:
    using Now = std::function<std::int64_t()>; // milliseconds, never going back

    StepClock(int stepMs, int catchUpSteps, Now now = {});
    // Counting starts now, half a step in, so frames that come a little early or late still count
    // the same number of steps.
    void restart();
    int stepsDue();

  private:
    Now now_;
    int stepMs_;
    int catchUpSteps_;
    std::int64_t last_ = 0;
};

// The announcement laid out for drawing, each character at its place by the byte rule: its GBK byte
// offset times the width per byte. Characters of one byte are drawn in the monospaced face, whose
// Latin letters take one such width; the others in the face the windows use, whose Chinese characters
// are the monospaced face's own (sharing it spares loading those glyphs from a second face). Pieces of
// a few characters each know their place, so a part of a long text is drawn without laying out the
// whole of it.
class TickerText {
  public:
    // Pieces are at most this many characters (grapheme clusters) long.
    static constexpr int kPieceLength = 24;

    struct Faces {
        QFont narrow; // characters of one byte
        QFont wide;   // the others
    };

    void setText(const std::string& utf8, const Faces& faces, double widthPerByte);
    const QString& text() const { return text_; }
    std::size_t bytes() const { return bytes_; }
    std::size_t pieceCount() const { return pieces_.size(); }
    // Draws the label standing at `left` in an area `height` pixels high, as far as it reaches into
    // the columns [from, to).
    void draw(QPainter& painter, qreal left, int height, qreal from, qreal to) const;

  private:
    // Characters of the same byte length, side by side.
    struct Piece {
        int start;    // in the text (UTF-16)
        int length;   // in the text (UTF-16)
        int count;    // characters
        int bytes;    // each character's
        qreal left;   // in the label, from its left edge
        bool natural; // the face's own advances put every character in its place
    };
    QString text_;
    Faces faces_;
    double perByte_ = 0;
    std::size_t bytes_ = 0;
    qreal ascent_ = 0;
    qreal lineHeight_ = 0;
    std::vector<Piece> pieces_;
};

// What the band shows. Its picture is a strip: the band's width plus as much again, the label drawn at
// a place and once more where it re-enters. Where the display shows a window from any part of its
// picture (the X display, and the offscreen one), a frame only picks the part; elsewhere the part is
// copied into a picture of the band's size.
class TickerSurface : public QWindow {
    Q_OBJECT
  public:
    enum class Showing { FromStrip, Copied };
    static Showing showingFor(const QString& platform);

    TickerSurface(const TickerText& text, QColor background, Showing showing);
    ~TickerSurface() override;

    void setColours(QColor foreground, QColor background);
    // Shows the label where the geometry has it.
    void present(const TickerGeometry& geometry);
    // The text or the face changed: the strip is drawn again.
    void invalidate();

    Showing showing() const { return showing_; }
    // How many times the strip has been drawn.
    int stripsDrawn() const { return stripsDrawn_; }
    // Called when the surface comes on screen or leaves it.
    std::function<void(bool exposed)> onExposed;

  protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    int stripColumns() const { return 2 * width(); }
    bool stripShows(const TickerGeometry& geometry, int* offset) const;
    void drawStrip(const TickerGeometry& geometry);

    const TickerText& text_;
    QColor foreground_;
    QColor background_;
    Showing showing_;
    std::unique_ptr<QBackingStore> store_;
    QImage strip_; // the strip, where the band's part is copied from it
    bool stripValid_ = false;
    // The label as it stood when the strip was drawn.
    int stripLeft_ = 0;
    int stripWidth_ = 0;
    int stripPeriod_ = 0;
    qreal stripRatio_ = 0;
    int stripsDrawn_ = 0;
};

class TickerBand : public QWidget {
    Q_OBJECT
  public:
    // The announced speed: one pixel every kStepMs. The timer shows kStepsPerFrame steps at a time,
    // which is the same speed with a fraction of the wake-ups.
    static constexpr int kStepMs = 10;
    static constexpr int kStepsPerFrame = 4;
    static constexpr int kIntervalMs = kStepMs * kStepsPerFrame;
    // A longer pause is not made up for: the label moves on from where it stood.
    static constexpr int kCatchUpSteps = 50;
    static constexpr int kTextPixels = 13; // the label's face; the band's is twice as large

    explicit TickerBand(QWidget* parent = nullptr);
    // The same, showing frames the given way (tests try both) and counting steps by that clock.
    TickerBand(QWidget* parent, TickerSurface::Showing showing, StepClock::Now now = {});
    ~TickerBand() override;

    // Shows the text (always as plain text), sizes the label by the byte rule and starts it at the
    // band's right edge.
    void setAnnouncement(const std::string& utf8);
    // Half the width of "A" in the band's font.
    double widthPerByte() const;

    // One step of kStepMs (one pixel), shown; a test may call it.
    void tick();
    // What the timer does: the steps due by the clock, then one picture.
    void frame();

    QString text() const { return text_.text(); }
    // The faces the label draws in.
    const TickerText::Faces& labelFaces() const { return faces_; }
    // The label (标签2) in the band's coordinates.
    QRect labelRect() const;
    QTimer* timer() const { return timer_; }
    TickerSurface* surface() const { return surface_; }
    const TickerText& layout() const { return text_; }
    const TickerGeometry& geometry() const { return geometry_; }
    QColor background() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void present();
    void updateRunning();

    TickerText::Faces faces_;
    TickerText text_;
    TickerSurface* surface_ = nullptr;
    QWidget* container_ = nullptr;
    QTimer* timer_ = nullptr;
    StepClock clock_;
    TickerGeometry geometry_;
    bool exposed_ = false;
    QWindow* watched_ = nullptr; // the window whose minimising stops the timer
};

} // namespace ornavo::app
