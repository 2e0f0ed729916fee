#pragma once
// The program's own pictures, painted when first needed: labelled tiles for the picture buttons of
// the download pages, the program icon (window and tray) and the material preview strip.

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>

namespace ornavo::app {

enum class TileState { Normal, Hover, Pressed };

// A rounded tile in the colour, with a title and an optional smaller line below it; hover lightens
// it, pressed darkens it and shifts the text by a pixel.
QPixmap labelledTile(const QSize& size, const QString& title, const QString& subtitle, const QColor& colour,
                     TileState state = TileState::Normal);

// The program's icon: a rounded square with an "O" and a small code mark.
QIcon programIcon();

// The picture of the material preview window: a strip of sample material tiles.
QPixmap materialPreviewPicture(const QSize& size);

// A button drawn entirely from three pictures: normal, under the mouse and pressed. Each picture is
// painted the first time it is needed, so buttons on a page never opened cost no painting.
class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    PictureButton(const QString& objectName, const QString& title, const QString& subtitle,
                  const QColor& colour, const QRect& geometry, QWidget* parent);
    const QPixmap& picture(TileState state) const;
    QSize sizeHint() const override { return size(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QString title_, subtitle_;
    QColor colour_;
    QSize designedSize_;
    mutable QPixmap pictures_[3]; // by TileState; null until first needed
};

} // namespace ornavo::app
