#include "ticker.h"

#include "framework/model/text.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTextBoundaryFinder>
#include <QTimer>

#include <algorithm>
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

namespace {
// Room left and right of a piece's text in its picture, for glyphs that reach past their advance.
constexpr int kPad = 3;
} // namespace

TickerLabel::TickerLabel(const QColor& background, QWidget* parent)
    : QLabel(parent), background_(background) {
    setObjectName(QStringLiteral("标签2"));
    setTextFormat(Qt::PlainText); // text from the network is never read as markup
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setWordWrap(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool TickerLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    // Paints every pixel it is asked for, so a move only shifts the pixels already on screen. A style
    // sheet's polish takes the attribute away from a label with a background rule: it is set again
    // once the style has had its say.
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange)
        setAttribute(Qt::WA_OpaquePaintEvent);
    return handled;
}

void TickerLabel::setAnnouncement(const QString& text) {
    setText(text);
    forgetPictures();
    pieces_.clear();
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(font());
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    int start = 0;
    int clusters = 0;
    qreal left = 0;
    for (int end = graphemes.toNextBoundary(); end != -1; end = graphemes.toNextBoundary()) {
        if (++clusters < kPieceLength && end < text.size())
            continue;
        const qreal width = metrics.horizontalAdvance(text.mid(start, end - start));
        pieces_.push_back({start, end - start, left, width});
        left += width;
        start = end;
        clusters = 0;
    }
}

void TickerLabel::forgetPictures() {
    cache_.clear();
}

const QPixmap& TickerLabel::pictureOf(std::size_t index) {
    for (auto it = cache_.begin(); it != cache_.end(); ++it)
        if (it->piece == index) {
            cache_.splice(cache_.begin(), cache_, it);
            return cache_.front().pixmap;
        }
    const Piece& piece = pieces_[index];
    const qreal offset = piece.left - std::floor(piece.left);
    const QSize size(static_cast<int>(std::ceil(offset + piece.width)) + 2 * kPad, height());
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setFont(font());
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(QRectF(kPad + offset, 0, size.width(), size.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                         text().mid(piece.start, piece.length));
    }
    ++picturesMade_;
    cache_.push_front({index, std::move(pixmap)});
    if (cache_.size() > kCachedPieces)
        cache_.pop_back();
    return cache_.front().pixmap;
}

void TickerLabel::paintEvent(QPaintEvent* event) {
    const QRect area = event->rect();
    QPainter painter(this);
    painter.fillRect(area, background_);
    // The pieces that reach into the area, found by their places rather than by walking the text.
    const qreal from = area.left() - kPad;
    const qreal to = area.right() + 1 + kPad;
    auto piece = std::partition_point(pieces_.begin(), pieces_.end(),
                                      [from](const Piece& p) { return p.left + p.width <= from; });
    for (; piece != pieces_.end() && piece->left < to; ++piece) {
        const auto index = static_cast<std::size_t>(piece - pieces_.begin());
        painter.drawPixmap(QPointF(std::floor(piece->left) - kPad, 0), pictureOf(index));
    }
}

void TickerLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        setAnnouncement(text()); // the pieces' widths change with the face
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        forgetPictures();
        break;
    default:
        break;
    }
}

void TickerLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (event->size().height() != event->oldSize().height())
        forgetPictures(); // the pictures are as high as the label
}

TickerBand::TickerBand(QWidget* parent) : QWidget(parent) {
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
    face.setPixelSize(2 * kTextPixels);
    setFont(face);

    label_ = new TickerLabel(background(), this);
    face.setPixelSize(kTextPixels);
    label_->setFont(face);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("时钟2"));
    timer_->setInterval(kIntervalMs);
    connect(timer_, &QTimer::timeout, this, &TickerBand::frame);

    geometry_.reset(width(), 0);
    place();
    timer_->start();
}

QColor TickerBand::background() const {
    return QColor(0xff, 0xf7, 0xe0);
}

double TickerBand::widthPerByte() const {
    return QFontMetricsF(font()).horizontalAdvance(QLatin1Char('A')) / 2.0;
}

void TickerBand::setAnnouncement(const std::string& utf8) {
    label_->setAnnouncement(QString::fromStdString(utf8));
    // An empty text is 0 wide whatever the face: its metrics (and so the face's file) wait until there
    // is something to show.
    const std::size_t bytes = gbkLength(utf8);
    geometry_.reset(width(), bytes == 0 ? 0 : TickerGeometry::labelWidth(bytes, widthPerByte()));
    place();
}

void TickerBand::tick() {
    geometry_.tick();
    place();
}

void TickerBand::frame() {
    for (int step = 0; step < kStepsPerFrame; ++step)
        geometry_.tick();
    place();
}

void TickerBand::place() {
    label_->setGeometry(geometry_.left(), 0, geometry_.width(), height());
}

void TickerBand::resizeEvent(QResizeEvent*) {
    geometry_.setBandWidth(width());
    place();
}

void TickerBand::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background());
}

} // namespace ornavo::app
