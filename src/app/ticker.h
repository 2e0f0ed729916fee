#pragma once
// The announcement line of the main window: a band (画板2) with the announcement label (标签2) that a
// 10 ms timer (时钟2) moves one pixel to the left per tick; once the label has left the band at the
// left it re-enters from the right edge.

#include <QWidget>

#include <cstddef>
#include <string>

class QLabel;
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

class TickerBand : public QWidget {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 10;
    static constexpr int kTextPixels = 13; // the label's face; the band's is twice as large

    explicit TickerBand(QWidget* parent = nullptr);

    // Shows the text (always as plain text), sizes the label by the byte rule and starts it at the
    // band's right edge.
    void setAnnouncement(const std::string& utf8);
    // Half the width of "A" in the band's font.
    double widthPerByte() const;

    // One timer step; the timer calls it, and so may a test.
    void tick();

    QLabel* label() const { return label_; }
    QTimer* timer() const { return timer_; }
    const TickerGeometry& geometry() const { return geometry_; }
    QColor background() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    QLabel* label_ = nullptr;
    QTimer* timer_ = nullptr;
    TickerGeometry geometry_;
};

} // namespace ornavo::app
