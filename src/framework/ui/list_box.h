#pragma once
// A module window's drop-down list. A screen reader says its caption as its name and the picked entry
// as its value: the combo box's own accessible interface on Linux reports the picked entry as the name
// too, so that once an entry is picked the list's caption is never heard again.

#include <QComboBox>

namespace ornavo::ui {

class ListBox : public QComboBox {
    Q_OBJECT
  public:
    explicit ListBox(QWidget* parent = nullptr);
};

} // namespace ornavo::ui
