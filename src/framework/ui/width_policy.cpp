#include "width_policy.h"

#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace ornavo::ui::width {

int shareOf(const Control& c) {
    if (c.kind != ControlKind::Field)
        return 0;
    switch (contentOf(c)) {
    case FieldContent::Address:
        return kAddressShare;
    case FieldContent::Text:
        return kTextShare;
    case FieldContent::Short:
        break;
    }
    return 0;
}

bool grows(const QWidget* widget) {
    const auto all = widget->findChildren<QWidget*>();
    return std::any_of(all.begin(), all.end(),
                       [](const QWidget* w) { return w->sizePolicy().horizontalStretch() > 0; });
}

int fieldFrame(const QLineEdit* edit) {
    return edit->QLineEdit::sizeHint().width() - 17 * edit->fontMetrics().horizontalAdvance(QLatin1Char('x'));
}

QSize pictureBoxSize(const Control& picture, int windowWidth) {
    QSize box(picture.boxWidth > 0 ? picture.boxWidth : windowWidth - kSideRoom,
              picture.boxHeight > 0 ? picture.boxHeight : 110);
    const int room = windowWidth - kSideRoom;
    if (box.width() > room)
        box = QSize(room, box.height() * room / box.width());
    return box;
}

} // namespace ornavo::ui::width
