#include "tiles.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ornavo::app {

QPixmap labelledTile(const QSize& size, const QString& title, const QString& subtitle, const QColor& colour,
                     TileState state) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QColor base = colour;
    if (state == TileState::Hover)
        base = colour.lighter(115);
    else if (state == TileState::Pressed)
        base = colour.darker(115);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, base.lighter(108));
    fill.setColorAt(1, base.darker(108));
    QPainterPath outline;
    const qreal radius = std::min<qreal>(8, size.height() / 4.0);
    outline.addRoundedRect(box, radius, radius);
    p.fillPath(outline, fill);
    p.setPen(QPen(base.darker(135), 1));
    p.drawPath(outline);

    const int shift = state == TileState::Pressed ? 1 : 0;
    QRectF text = box.adjusted(6 + shift, 4 + shift, -6 + shift, -4 + shift);
    QFont titleFont = p.font();
    titleFont.setBold(true);
    titleFont.setPixelSize(std::max(11, std::min(22, size.height() / (subtitle.isEmpty() ? 2 : 3))));
    p.setPen(Qt::white);
    p.setFont(titleFont);
    if (subtitle.isEmpty()) {
        p.drawText(text, Qt::AlignCenter, title);
    } else {
        const qreal split = text.top() + text.height() * 0.62;
        p.drawText(QRectF(text.left(), text.top(), text.width(), split - text.top()),
                   Qt::AlignHCenter | Qt::AlignBottom, title);
        QFont small = p.font();
        small.setBold(false);
        small.setPixelSize(std::max(10, titleFont.pixelSize() * 3 / 5));
        p.setFont(small);
        p.setPen(QColor(255, 255, 255, 220));
        p.drawText(QRectF(text.left(), split + 2, text.width(), text.bottom() - split - 2),
                   Qt::AlignHCenter | Qt::AlignTop, subtitle);
    }
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box(0.5, 0.5, side - 1.0, side - 1.0);
        p.setBrush(QColor(0x2f, 0x6f, 0xb3));
        p.setPen(QPen(QColor(0x1d, 0x4a, 0x7a), 1));
        p.drawRoundedRect(box, side / 5.0, side / 5.0);
        p.setPen(QPen(Qt::white, std::max(1.5, side / 9.0)));
        p.setBrush(Qt::NoBrush);
        const qreal r = side * 0.26;
        p.drawEllipse(QPointF(side * 0.44, side * 0.5), r, r);
        p.setPen(QPen(QColor(0xff, 0xc1, 0x4d), std::max(1.0, side / 14.0)));
        p.drawLine(QPointF(side * 0.74, side * 0.70), QPointF(side * 0.86, side * 0.80));
        p.drawLine(QPointF(side * 0.86, side * 0.80), QPointF(side * 0.74, side * 0.90));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap materialPreviewPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(0xf4, 0xf6, 0xf8));
    QPainter p(&pixmap);
    const QColor colours[] = {QColor(0xe5, 0x73, 0x73), QColor(0xf0, 0xa2, 0x3b), QColor(0x6a, 0xb0, 0x4c),
                              QColor(0x3f, 0x9c, 0xc9), QColor(0x7e, 0x6b, 0xc4), QColor(0xc9, 0x5f, 0x9a)};
    const int count = 6, gap = 8;
    const int width = (size.width() - gap * (count + 1)) / count;
    for (int i = 0; i < count; ++i) {
        const QString title = QStringLiteral("素材%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        p.drawPixmap(
            gap + i * (width + gap), gap,
            labelledTile(QSize(width, size.height() - 2 * gap), title, QStringLiteral("样例"), colours[i]));
    }
    return pixmap;
}

PictureButton::PictureButton(const QString& objectName, const QString& title, const QString& subtitle,
                             const QColor& colour, const QRect& geometry, QWidget* parent)
    : QAbstractButton(parent) {
    setObjectName(objectName);
    setText(title);
    setCursor(Qt::PointingHandCursor);
    setGeometry(geometry);
    title_ = title;
    subtitle_ = subtitle;
    colour_ = colour;
    designedSize_ = geometry.size();
}

const QPixmap& PictureButton::picture(TileState state) const {
    QPixmap& picture = pictures_[static_cast<int>(state)];
    // The pictures keep the size the button was made with, as a fixed picture would.
    if (picture.isNull())
        picture = labelledTile(designedSize_, title_, subtitle_, colour_, state);
    return picture;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0,
                 picture(isDown()       ? TileState::Pressed
                         : underMouse() ? TileState::Hover
                                        : TileState::Normal));
}

void PictureButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    update();
}

void PictureButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    update();
}

} // namespace ornavo::app
