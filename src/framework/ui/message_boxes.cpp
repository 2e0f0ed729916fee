#include "message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace ornavo::ui {

bool showMessage(const Message& message) {
    QMessageBox box;
    box.setWindowTitle(message.caption.empty() ? QApplication::applicationName()
                                               : QString::fromStdString(message.caption));
    box.setIcon(message.icon == MessageIcon::Error      ? QMessageBox::Critical
                : message.icon == MessageIcon::Question ? QMessageBox::Question
                                                        : QMessageBox::NoIcon);
    box.setText(QString::fromStdString(message.text));
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(message.buttons == MessageButtons::YesNo      ? QMessageBox::Yes | QMessageBox::No
                           : message.buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                                         : QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    const int answer = box.exec();
    // A question with OK and Cancel goes ahead on OK only (not on a box closed some other way); one
    // with Yes and No on anything but No.
    if (message.buttons == MessageButtons::OkCancel)
        return answer == QMessageBox::Ok;
    return answer != QMessageBox::No;
}

void MessageBoxPrompter::notify(const std::string& message) { showMessage({message, MessageButtons::Ok, MessageIcon::None, {}}); }

Answer MessageBoxPrompter::ask(const std::string& question) {
    return showMessage({question, MessageButtons::YesNo, MessageIcon::None, {}}) ? Answer::Yes : Answer::No;
}

} // namespace ornavo::ui
