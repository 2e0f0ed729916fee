#include "ticker.h"

#include "framework/model/text.h"

#include <QBackingStore>
#include <QExposeEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTextBoundaryFinder>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace ornavo::app {

int TickerGeometry::labelWidth(std::size_t gbkBytes, double widthPerByte) {
    return static_cast<int>(std::lround(static_cast<double>(gbkBytes) * widthPerByte));
}

void TickerGeometry::reset(int bandWidth, int labelWidth) {
    band_ = bandWidth;
    width_ = labelWidth;
    left_ = bandWidth;
}

void TickerGeometry::tick() {
    // "<=" rather than "==": a label that became narrower while out at the left must still come back.
    if (left_ + width_ <= 0)
        left_ = band_;
    --left_;
}

StepClock::StepClock(int stepMs, int catchUpSteps, Now now)
    : now_(now ? std::move(now) : Now([] {
          using namespace std::chrono;
          return static_cast<std::int64_t>(
              duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
      })),
      stepMs_(stepMs), catchUpSteps_(catchUpSteps) {
    restart();
}

void StepClock::restart() {
    last_ = now_() - stepMs_ / 2;
}

int StepClock::stepsDue() {
    const std::int64_t steps = (now_() - last_) / stepMs_;
    if (steps > catchUpSteps_) {
        restart();
        return 0;
    }
    last_ += steps * stepMs_;
    return static_cast<int>(steps);
}

namespace {
// Room left and right of a piece's text, for glyphs that reach past their advance.
constexpr int kPad = 3;
} // namespace

void TickerText::setText(const std::string& utf8, const Faces& faces, double widthPerByte) {
    text_ = QString::fromStdString(utf8);
    faces_ = faces;
    perByte_ = widthPerByte;
    bytes_ = 0;
    pieces_.clear();
    if (text_.isEmpty())
        return;
    const QFontMetricsF narrow(faces.narrow);
    ascent_ = narrow.ascent();
    lineHeight_ = narrow.ascent() + narrow.descent();

    // The byte length of each character (code point), in the text's order.
    const std::vector<std::size_t> lengths = gbkLengths(utf8);
    std::size_t codePoint = 0;
    auto bytesOf = [&](int from, int to) {
        std::size_t bytes = 0;
        for (int i = from; i < to; ++i) {
            if (text_.at(i).isLowSurrogate())
                continue;
            bytes += codePoint < lengths.size() ? lengths[codePoint] : (text_.at(i).unicode() < 0x80 ? 1 : 2);
            ++codePoint;
        }
        return static_cast<int>(bytes);
    };

    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text_);
    Piece piece{0, 0, 0, 0, 0, true};
    auto close = [&] {
        if (piece.count == 0)
            return;
        const QFontMetricsF metrics(piece.bytes == 1 ? faces.narrow : faces.wide);
        const qreal wanted = piece.count * piece.bytes * perByte_;
        piece.natural =
            std::abs(metrics.horizontalAdvance(text_.mid(piece.start, piece.length)) - wanted) < 0.05;
        pieces_.push_back(piece);
    };
    int start = 0;
    for (int end = graphemes.toNextBoundary(); end != -1; start = end, end = graphemes.toNextBoundary()) {
        const int bytes = bytesOf(start, end);
        if (piece.count == kPieceLength || (piece.count > 0 && bytes != piece.bytes)) {
            close();
            piece = Piece{start, 0, 0, 0, 0, true};
        }
        if (piece.count == 0) {
            piece.start = start;
            piece.bytes = bytes;
            piece.left = static_cast<qreal>(bytes_) * perByte_;
        }
        piece.length = end - piece.start;
        ++piece.count;
        bytes_ += static_cast<std::size_t>(bytes);
    }
    close();
}

void TickerText::draw(QPainter& painter, qreal left, int height, qreal from, qreal to) const {
    // The pieces that reach into the columns, found by their places rather than by walking the text.
    const qreal first = from - left - kPad;
    const qreal last = to - left + kPad;
    auto piece = std::partition_point(pieces_.begin(), pieces_.end(), [&](const Piece& p) {
        return p.left + p.count * p.bytes * perByte_ <= first;
    });
    const qreal baseline = (height - lineHeight_) / 2 + ascent_;
    for (; piece != pieces_.end() && piece->left < last; ++piece) {
        painter.setFont(piece->bytes == 1 ? faces_.narrow : faces_.wide);
        const QString run = text_.mid(piece->start, piece->length);
        const qreal x = left + piece->left;
        if (piece->natural) {
            painter.drawText(QPointF(x, baseline), run);
            continue;
        }
        // Each character in its own place.
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, run);
        int start = 0;
        for (int end = graphemes.toNextBoundary(), i = 0; end != -1;
             start = end, end = graphemes.toNextBoundary(), ++i)
            painter.drawText(QPointF(x + i * piece->bytes * perByte_, baseline), run.mid(start, end - start));
    }
}

TickerSurface::Showing TickerSurface::showingFor(const QString& platform) {
    // These two show a window from any part of a larger picture (the offset of a flush).
    return platform == QLatin1String("xcb") || platform == QLatin1String("offscreen") ? Showing::FromStrip
                                                                                      : Showing::Copied;
}

TickerSurface::TickerSurface(const TickerText& text, QColor background, Showing showing)
    : text_(text), background_(background), showing_(showing), store_(std::make_unique<QBackingStore>(this)) {
    setSurfaceType(QSurface::RasterSurface);
    // A picture only: clicks and the keyboard stay with the main window.
    setFlags(flags() | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
}

TickerSurface::~TickerSurface() = default;

void TickerSurface::setColours(QColor foreground, QColor background) {
    foreground_ = foreground;
    background_ = background;
    invalidate();
}

void TickerSurface::invalidate() {
    stripValid_ = false;
}

bool TickerSurface::stripShows(const TickerGeometry& geometry, int* offset) const {
    if (!stripValid_ || geometry.width() != stripWidth_ || geometry.period() != stripPeriod_ ||
        devicePixelRatio() != stripRatio_)
        return false;
    // The label has moved left since the strip was drawn, or has re-entered since.
    int moved = stripLeft_ - geometry.left();
    if (moved < 0)
        moved += geometry.period();
    if (moved < 0 || moved > stripColumns() - width())
        return false;
    *offset = moved;
    return true;
}

void TickerSurface::present(const TickerGeometry& geometry) {
    if (!isExposed() || width() <= 0 || height() <= 0)
        return;
    int offset = 0;
    if (!stripShows(geometry, &offset))
        drawStrip(geometry);
    const QRect view(QPoint(), size());
    if (showing_ == Showing::FromStrip) {
        store_->flush(view, this, QPoint(offset, 0));
        return;
    }
    if (store_->size() != size())
        store_->resize(size());
    store_->beginPaint(view);
    {
        QPainter painter(store_->paintDevice());
        painter.drawImage(QPointF(-offset, 0), strip_);
    }
    store_->endPaint();
    store_->flush(view);
}

void TickerSurface::drawStrip(const TickerGeometry& geometry) {
    const QSize size(stripColumns(), height());
    QPaintDevice* device = nullptr;
    if (showing_ == Showing::FromStrip) {
        if (store_->size() != size)
            store_->resize(size);
        store_->beginPaint(QRect(QPoint(), size));
        device = store_->paintDevice();
    } else {
        const qreal ratio = devicePixelRatio();
        if (strip_.devicePixelRatio() != ratio || strip_.size() != size * ratio) {
            strip_ = QImage(size * ratio, QImage::Format_RGB32);
            strip_.setDevicePixelRatio(ratio);
        }
        device = &strip_;
    }
    {
        QPainter painter(device);
        painter.fillRect(QRect(QPoint(), size), background_);
        painter.setPen(foreground_);
        // The label where it stands, and again where it comes back in after leaving at the left.
        const int period = geometry.period();
        for (int at = geometry.left(); period > 0 && at < size.width(); at += period) {
            const int from = std::max(at, 0);
            const int to = std::min(at + geometry.width(), size.width());
            if (from >= to)
                continue;
            painter.setClipRect(QRect(from, 0, to - from, size.height())); // the label's own room
            text_.draw(painter, at, size.height(), from, to);
        }
    }
    if (showing_ == Showing::FromStrip)
        store_->endPaint();
    stripValid_ = true;
    stripLeft_ = geometry.left();
    stripWidth_ = geometry.width();
    stripPeriod_ = geometry.period();
    stripRatio_ = devicePixelRatio();
    ++stripsDrawn_;
}

void TickerSurface::exposeEvent(QExposeEvent*) {
    if (onExposed)
        onExposed(isExposed());
}

void TickerSurface::resizeEvent(QResizeEvent*) {
    invalidate();
}

TickerBand::TickerBand(QWidget* parent)
    : TickerBand(parent, TickerSurface::showingFor(QGuiApplication::platformName())) {}

TickerBand::TickerBand(QWidget* parent, TickerSurface::Showing showing, StepClock::Now now)
    : QWidget(parent), clock_(kStepMs, kCatchUpSteps, std::move(now)) {
    setObjectName(QStringLiteral("画板2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The label is as wide as the text's bytes times half an "A" of the band's face. The label draws
    // in a monospaced face half that size, whose Latin characters take exactly one such half and
    // whose Chinese characters take two: so the label is exactly as wide as its whole text.
    QFont face = font();
    face.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Sans Mono CJK TC"),
                      QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("NSimSun"),
                      QStringLiteral("monospace")});
    face.setStyleHint(QFont::TypeWriter);
    // Latin and Chinese need no OpenType shaping (nor the face's tables for it), as in the skin.
    face.setStyleStrategy(QFont::StyleStrategy(face.styleStrategy() | QFont::PreferNoShaping));
    face.setPixelSize(2 * kTextPixels);
    setFont(face);
    faces_.narrow = face;
    faces_.narrow.setPixelSize(kTextPixels);
    // The windows' face (the skin's) for the rest: its Chinese characters are the monospaced face's.
    faces_.wide = face;
    faces_.wide.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC"),
                             QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans Mono CJK SC"),
                             QStringLiteral("WenQuanYi Zen Hei Mono")});
    faces_.wide.setStyleHint(QFont::SansSerif, face.styleStrategy());
    faces_.wide.setPixelSize(kTextPixels);

    surface_ = new TickerSurface(text_, background(), showing);
    surface_->setColours(palette().color(QPalette::WindowText), background());
    surface_->onExposed = [this](bool exposed) {
        exposed_ = exposed;
        if (exposed)
            present();
        updateRunning();
    };
    container_ = QWidget::createWindowContainer(surface_, this);
    container_->setGeometry(rect());

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("时钟2"));
    timer_->setInterval(kIntervalMs);
    timer_->setTimerType(Qt::PreciseTimer); // frames evenly spaced, so each shows the same steps
    connect(timer_, &QTimer::timeout, this, &TickerBand::frame);

    geometry_.reset(width(), 0);
}

TickerBand::~TickerBand() {
    delete container_; // with the surface, which draws from this band's text
}

QColor TickerBand::background() const {
    return QColor(0xff, 0xf7, 0xe0);
}

double TickerBand::widthPerByte() const {
    return QFontMetricsF(font()).horizontalAdvance(QLatin1Char('A')) / 2.0;
}

QRect TickerBand::labelRect() const {
    return QRect(geometry_.left(), 0, geometry_.width(), height());
}

void TickerBand::setAnnouncement(const std::string& utf8) {
    // An empty text is 0 wide whatever the face: the faces (and their files) wait until there is
    // something to show.
    const double perByte = utf8.empty() ? 0 : widthPerByte();
    text_.setText(utf8, faces_, perByte);
    setAccessibleDescription(text_.text()); // what the band shows, for screen readers
    geometry_.reset(width(), utf8.empty() ? 0 : TickerGeometry::labelWidth(text_.bytes(), perByte));
    surface_->invalidate();
    present();
    update();
    updateRunning();
}

void TickerBand::tick() {
    geometry_.tick();
    present();
}

void TickerBand::frame() {
    const int steps = clock_.stepsDue();
    for (int step = 0; step < steps; ++step)
        geometry_.tick();
    if (steps > 0)
        present();
}

void TickerBand::present() {
    surface_->present(geometry_);
}

void TickerBand::updateRunning() {
    // Nothing to move, or nobody to see it move (the band or its window hidden, or the window
    // minimised, which on a desktop without a notification area leaves it shown): the timer rests.
    const QWindow* frame = window()->windowHandle();
    const bool minimised = frame && frame->visibility() == QWindow::Minimized;
    const bool run = isVisible() && exposed_ && !minimised && !text_.text().isEmpty();
    if (run == timer_->isActive())
        return;
    if (run) {
        clock_.restart();
        timer_->start();
    } else {
        timer_->stop();
    }
}

void TickerBand::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* frame = window()->windowHandle(); frame && frame != watched_) {
        watched_ = frame;
        connect(frame, &QWindow::visibilityChanged, this, [this] { updateRunning(); });
    }
    updateRunning();
}

void TickerBand::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    updateRunning();
}

void TickerBand::resizeEvent(QResizeEvent*) {
    geometry_.setBandWidth(width());
    container_->setGeometry(rect());
    surface_->invalidate();
    present();
}

void TickerBand::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        surface_->setColours(palette().color(QPalette::WindowText), background());
}

// On screen the surface covers the band; this picture is what a grab or a render of the window shows.
void TickerBand::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), background());
    const QRect label = labelRect() & event->rect();
    if (label.isEmpty())
        return;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setClipRect(label);
    text_.draw(painter, geometry_.left(), height(), label.left(), label.right() + 1);
}

} // namespace ornavo::app
