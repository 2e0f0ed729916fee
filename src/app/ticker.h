#pragma once
// The announcement line of the main window: a band (画板2) with the announcement label (标签2) that
// moves one pixel to the left every 10 ms; once the label has left the band at the left it re-enters
// from the right edge. The timer (时钟2) shows four such steps every 40 ms: the same speed and the
// same places, at a quarter of the wake-ups, which is what keeps an idle main window near 0 % CPU.
//
// A frame costs the same whatever the announcement's length: the label is opaque, so moving it shifts
// what is already on screen and only the newly uncovered columns are painted, and the label paints
// from pictures of short pieces of its text, made when a piece comes into view, never from the whole
// text.

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <cstddef>
#include <list>
#include <string>
#include <vector>

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

  private:
    int band_ = 0;
    int width_ = 0;
    int left_ = 0;
};

// 标签2: the announcement, drawn piece by piece on the band's colour.
class TickerLabel : public QLabel {
    Q_OBJECT
  public:
    // Pieces are this many characters (grapheme clusters) long; at most kCachedPieces of their
    // pictures are kept.
    static constexpr int kPieceLength = 24;
    static constexpr std::size_t kCachedPieces = 8;

    TickerLabel(const QColor& background, QWidget* parent);
    void setAnnouncement(const QString& text);

    // How many piece pictures have been made in all, how many pieces there are, how many are kept.
    int picturesMade() const { return picturesMade_; }
    std::size_t pieceCount() const { return pieces_.size(); }
    std::size_t cachedPictures() const { return cache_.size(); }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Piece {
        int start;
        int length;
        qreal left; // in the label, from its left edge
        qreal width;
    };
    struct Picture {
        std::size_t piece;
        QPixmap pixmap;
    };
    const QPixmap& pictureOf(std::size_t piece);
    void forgetPictures();

    QColor background_;
    std::vector<Piece> pieces_;
    std::list<Picture> cache_; // most recently used first
    int picturesMade_ = 0;
};

class TickerBand : public QWidget {
    Q_OBJECT
  public:
    // The announced speed: one pixel every kStepMs. The timer shows kStepsPerFrame steps at a time,
    // which is the same speed with a fraction of the wake-ups and repaints.
    static constexpr int kStepMs = 10;
    static constexpr int kStepsPerFrame = 4;
    static constexpr int kIntervalMs = kStepMs * kStepsPerFrame;
    static constexpr int kTextPixels = 13; // the label's face; the band's is twice as large

    explicit TickerBand(QWidget* parent = nullptr);

    // Shows the text (always as plain text), sizes the label by the byte rule and starts it at the
    // band's right edge.
    void setAnnouncement(const std::string& utf8);
    // Half the width of "A" in the band's font.
    double widthPerByte() const;

    // One step of kStepMs (one pixel); a test may call it.
    void tick();
    // What the timer does: kStepsPerFrame steps, then the label is placed once.
    void frame();

    TickerLabel* label() const { return label_; }
    QTimer* timer() const { return timer_; }
    const TickerGeometry& geometry() const { return geometry_; }
    QColor background() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void place();

    TickerLabel* label_ = nullptr;
    QTimer* timer_ = nullptr;
    TickerGeometry geometry_;
};

} // namespace ornavo::app
