#include "ticker.h"

#include "framework/text.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QTimer>

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

TickerBand::TickerBand(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("画板2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The label is as wide as the text's bytes times half an "A" of the band's face. The label draws
    // in a monospaced face half that size, whose Latin characters take exactly one such half and
    // whose Chinese characters take two: so the label is exactly as wide as its whole text.
    QFont face = font();
    face.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Sans Mono CJK TC"),
                      QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("monospace")});
    face.setStyleHint(QFont::TypeWriter);
    face.setPixelSize(2 * kTextPixels);
    setFont(face);

    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("标签2"));
    label_->setTextFormat(Qt::PlainText); // text from the network is never read as markup
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label_->setWordWrap(false);
    face.setPixelSize(kTextPixels);
    label_->setFont(face);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("时钟2"));
    timer_->setInterval(kIntervalMs);
    connect(timer_, &QTimer::timeout, this, &TickerBand::tick);

    geometry_.reset(width(), 0);
    place();
    timer_->start();
}

QColor TickerBand::background() const { return QColor(0xff, 0xf7, 0xe0); }

double TickerBand::widthPerByte() const {
    return QFontMetricsF(font()).horizontalAdvance(QLatin1Char('A')) / 2.0;
}

void TickerBand::setAnnouncement(const std::string& utf8) {
    label_->setText(QString::fromStdString(utf8));
    geometry_.reset(width(), TickerGeometry::labelWidth(gbkLength(utf8), widthPerByte()));
    place();
}

void TickerBand::tick() {
    geometry_.tick();
    place();
}

void TickerBand::place() { label_->setGeometry(geometry_.left(), 0, geometry_.width(), height()); }

void TickerBand::resizeEvent(QResizeEvent*) {
    geometry_.setBandWidth(width());
    place();
}

void TickerBand::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background());
}

} // namespace ornavo::app
