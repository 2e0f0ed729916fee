#pragma once
// A module window's sample picture in a box of a fixed size: the picture is fitted into the box and
// kept sharp on high-density screens (a picture drawn at twice the box's size shows all its pixels).
// A box with a hover picture shows that one while the pointer is over it.

#include <QLabel>
#include <QPixmap>

namespace ornavo::ui {

class PictureBox : public QLabel {
public:
    explicit PictureBox(QSize box, QWidget* parent = nullptr);

    // The picture (or the hover picture) from its file's bytes; false when they are no picture.
    bool setPicture(const QByteArray& bytes, bool hover);
    bool showsHover() const { return under_ && !hover_.isNull(); }
    // A smaller (or larger) box: the pictures are fitted into it again.
    void setBoxSize(QSize box);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void showCurrent();
    QPixmap fitted(const QPixmap& picture) const;

    QPixmap normalPicture_, hoverPicture_; // as read
    QPixmap normal_, hover_;               // as shown
    bool under_ = false;
};

} // namespace ornavo::ui
