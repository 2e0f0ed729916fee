#pragma once
// The bar at the top of a module window that offers what the user typed there last time: "恢复上次内容"
// brings it back, "忽略" leaves the window as it opened. Either click takes the bar away.

#include <QFrame>

namespace ornavo::ui {

class RestoreBar : public QFrame {
    Q_OBJECT
  public:
    explicit RestoreBar(QWidget* parent = nullptr);

  signals:
    void restoreClicked();
    void ignoreClicked();
};

} // namespace ornavo::ui
