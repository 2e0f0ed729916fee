#include "message_boxes.h"

#include "acting_window.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace ornavo::ui {

namespace {

// A box is as wide as its label's least width, which the skin sets for the short messages: a line
// longer than that would be cut. Such a label takes the width of its longest line instead (within
// most of the screen's width).
void fitLongLines(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    box.ensurePolished(); // the skin's least width is on the label from here on
    int room = 1000;
    if (const QScreen* screen = box.screen())
        room = screen->availableGeometry().width() * 4 / 5;
    const int needed = std::min(label->sizeHint().width(), room);
    if (needed > label->minimumWidth())
        label->setMinimumWidth(needed);
}

} // namespace

bool showMessage(const Message& message) {
    // Owned by the window it speaks for, so that every window manager keeps it in front of that window.
    QMessageBox box(ActingWindow::visibleOwner());
    box.setWindowTitle(message.caption.empty() ? QApplication::applicationName()
                                               : QString::fromStdString(message.caption));
    box.setIcon(message.icon == MessageIcon::Error      ? QMessageBox::Critical
                : message.icon == MessageIcon::Question ? QMessageBox::Question
                                                        : QMessageBox::NoIcon);
    box.setText(QString::fromStdString(message.text));
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(message.buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                           : message.buttons == MessageButtons::OkCancel
                               ? QMessageBox::Ok | QMessageBox::Cancel
                               : QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    fitLongLines(box);
    const int answer = box.exec();
    // A question with OK and Cancel goes ahead on OK only (not on a box closed some other way); one
    // with Yes and No on anything but No.
    if (message.buttons == MessageButtons::OkCancel)
        return answer == QMessageBox::Ok;
    return answer != QMessageBox::No;
}

void MessageBoxPrompter::notify(const std::string& message) {
    showMessage({message, MessageButtons::Ok, MessageIcon::None, {}});
}

Answer MessageBoxPrompter::ask(const std::string& question) {
    return showMessage({question, MessageButtons::YesNo, MessageIcon::None, {}}) ? Answer::Yes : Answer::No;
}

} // namespace ornavo::ui
