#pragma once
// A single-line field that can ask its layout for a width of its own choosing (the width of the
// texts it is meant for) rather than the fixed number of characters a line edit asks for.

#include <QLineEdit>

namespace ornavo::ui {

class FieldEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

    // The width asked for; 0 asks for what any line edit asks for.
    void setPreferredWidth(int width);
    QSize sizeHint() const override;

  private:
    int preferred_ = 0;
};

} // namespace ornavo::ui
