#include "picture_box.h"

#include <QBuffer>
#include <QEnterEvent>
#include <QImageReader>

namespace ornavo::ui {

PictureBox::PictureBox(QSize box, QWidget* parent) : QLabel(parent) {
    setFixedSize(box);
    setAlignment(Qt::AlignCenter);
    setProperty("role", QStringLiteral("sample"));
}

QPixmap PictureBox::fitted(const QPixmap& picture) const {
    const qreal ratio = devicePixelRatioF();
    const QSize shown = picture.size().scaled(size() * ratio, Qt::KeepAspectRatio);
    QPixmap scaled =
        shown == picture.size() ? picture : picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

bool PictureBox::setPicture(const QByteArray& bytes, bool hover) {
    // Read at the size it is shown (a JPEG decodes straight to it, at a fraction of the work).
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize full = reader.size();
    const qreal ratio = devicePixelRatioF();
    if (full.isValid()) {
        const QSize shown = full.scaled(size() * ratio, Qt::KeepAspectRatio);
        if (shown.width() < full.width())
            reader.setScaledSize(shown);
    }
    const QImage picture = reader.read();
    if (picture.isNull())
        return false;
    (hover ? hoverPicture_ : normalPicture_) = QPixmap::fromImage(picture);
    (hover ? hover_ : normal_) = fitted(hover ? hoverPicture_ : normalPicture_);
    showCurrent();
    return true;
}

void PictureBox::setBoxSize(QSize box) {
    setFixedSize(box);
    if (!normalPicture_.isNull())
        normal_ = fitted(normalPicture_);
    if (!hoverPicture_.isNull())
        hover_ = fitted(hoverPicture_);
    showCurrent();
}

void PictureBox::enterEvent(QEnterEvent* event) {
    under_ = true;
    showCurrent();
    QLabel::enterEvent(event);
}

void PictureBox::leaveEvent(QEvent* event) {
    under_ = false;
    showCurrent();
    QLabel::leaveEvent(event);
}

void PictureBox::showCurrent() { setPixmap(showsHover() ? hover_ : normal_); }

} // namespace ornavo::ui
