#include "picture_box.h"

#include <QBuffer>
#include <QEnterEvent>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ornavo::ui {

PictureBox::PictureBox(QSize natural, QWidget* parent) : QLabel(parent), natural_(natural) {
    setFixedSize(natural);
    setProperty("role", QStringLiteral("sample"));
}

void PictureBox::setScale(double scale) {
    const QSize box(std::max(1, int(std::lround(natural_.width() * scale))),
                    std::max(1, int(std::lround(natural_.height() * scale))));
    if (box != size() || box != minimumSize())
        setFixedSize(box);
}

QPixmap PictureBox::fitted(const QPixmap& picture) const {
    const qreal ratio = devicePixelRatioF();
    const QSize shown = picture.size().scaled(size() * ratio, Qt::KeepAspectRatio);
    QPixmap scaled = shown == picture.size()
                         ? picture
                         : picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

bool PictureBox::setPicture(const QByteArray& bytes, bool hover) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return false;
    // Read at the size it is shown (a JPEG decodes straight to it, at a fraction of the work).
    const QSize full = reader.size();
    QSize shown;
    if (full.isValid()) {
        shown = full.scaled(natural_ * devicePixelRatioF(), Qt::KeepAspectRatio);
        if (shown.width() >= full.width())
            shown = QSize();
    }
    (hover ? hoverDecoding_ : normalDecoding_) = std::async(std::launch::async, [bytes, shown] {
        QBuffer data;
        data.setData(bytes);
        data.open(QIODevice::ReadOnly);
        QImageReader picture(&data);
        if (shown.isValid())
            picture.setScaledSize(shown);
        return picture.read();
    });
    (hover ? hoverPicture_ : normalPicture_) = QPixmap();
    shown_ = QPixmap();
    update();
    return true;
}

void PictureBox::takeDecoded() const {
    for (auto [decoding, picture] :
         {std::pair(&normalDecoding_, &normalPicture_), std::pair(&hoverDecoding_, &hoverPicture_)})
        if (decoding->valid())
            *picture = QPixmap::fromImage(decoding->get());
}

bool PictureBox::hasPicture() const {
    takeDecoded();
    return !normalPicture_.isNull();
}

bool PictureBox::showsHover() const {
    takeDecoded();
    return under_ && !hoverPicture_.isNull();
}

void PictureBox::enterEvent(QEnterEvent* event) {
    under_ = true;
    update();
    QLabel::enterEvent(event);
}

void PictureBox::leaveEvent(QEvent* event) {
    under_ = false;
    update();
    QLabel::leaveEvent(event);
}

void PictureBox::paintEvent(QPaintEvent*) {
    takeDecoded();
    const bool hover = showsHover();
    const QPixmap& picture = hover ? hoverPicture_ : normalPicture_;
    if (picture.isNull())
        return;
    // Scaled once for each size the box takes, not on every paint.
    const QSize want = picture.size().scaled(size() * devicePixelRatioF(), Qt::KeepAspectRatio);
    if (shown_.isNull() || shownHover_ != hover || shown_.size() != want) {
        shown_ = fitted(picture);
        shownHover_ = hover;
    }
    QPainter painter(this);
    const QSizeF logical = shown_.deviceIndependentSize();
    painter.drawPixmap(QPointF((width() - logical.width()) / 2, (height() - logical.height()) / 2), shown_);
}

} // namespace ornavo::ui
