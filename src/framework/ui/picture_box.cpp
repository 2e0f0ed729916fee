#include "picture_box.h"

#include <QEnterEvent>

namespace ornavo::ui {

PictureBox::PictureBox(QSize box, QWidget* parent) : QLabel(parent) {
    setFixedSize(box);
    setAlignment(Qt::AlignCenter);
    setProperty("role", QStringLiteral("sample"));
}

QPixmap PictureBox::fitted(const QPixmap& picture) const {
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled = picture.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

bool PictureBox::setPicture(const QByteArray& bytes, bool hover) {
    QPixmap picture;
    if (!picture.loadFromData(bytes))
        return false;
    (hover ? hover_ : normal_) = fitted(picture);
    showCurrent();
    return true;
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
