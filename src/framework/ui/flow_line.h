#pragma once
// A row of controls that wraps: each item keeps at least its minimum width (a caption with its field,
// a list, a button), items go left to right and start a new row when the next one does not fit, and
// the width a row has left over goes to the items with a horizontal stretch (addresses and texts), by
// their stretch, none beyond its maximum width. So a line of fields fills the window's width, and a
// line too long for it breaks instead of pushing the window into scrolling sideways.

#include <QLayout>
#include <QList>

namespace ornavo::ui {

class FlowLine : public QLayout {
  public:
    explicit FlowLine(QWidget* parent = nullptr);
    ~FlowLine() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

  private:
    // Places the items in the rectangle (or only measures); returns the height used.
    int arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
};

} // namespace ornavo::ui
