#pragma once
// A module window's sample picture in a box: the box has its own size (the sample's, or smaller,
// keeping its shape, when the window needs the room), and the picture is drawn fitted into it, sharp
// on high-density screens (a picture drawn at twice the box's size shows all its pixels). A box with a
// hover picture shows that one while the pointer is over it.

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <future>

namespace ornavo::ui {

class PictureBox : public QLabel {
    Q_OBJECT
  public:
    explicit PictureBox(QSize natural, QWidget* parent = nullptr);

    // The picture (or the hover picture) from its file's bytes; false when they are no picture. It is
    // decoded beside whatever the program does meanwhile (the rest of the window being made), and
    // taken when first needed.
    bool setPicture(const QByteArray& bytes, bool hover);
    bool hasPicture() const;
    bool showsHover() const;
    // The box's own size, and the share of it the box takes now (1: all of it).
    QSize naturalSize() const { return natural_; }
    void setScale(double scale);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap fitted(const QPixmap& picture) const;
    // The pictures decoded by now, waiting for them where need be.
    void takeDecoded() const;

    QSize natural_;
    mutable std::future<QImage> normalDecoding_, hoverDecoding_;
    mutable QPixmap normalPicture_, hoverPicture_; // as read
    QPixmap shown_;                                // as drawn, for the size it was drawn at
    bool shownHover_ = false;
    bool under_ = false;
};

} // namespace ornavo::ui
