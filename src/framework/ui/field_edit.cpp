#include "field_edit.h"

namespace ornavo::ui {

void FieldEdit::setPreferredWidth(int width) {
    preferred_ = width;
    updateGeometry();
}

QSize FieldEdit::sizeHint() const {
    QSize hint = QLineEdit::sizeHint();
    if (preferred_ > 0)
        hint.setWidth(preferred_);
    return hint;
}

} // namespace ornavo::ui
