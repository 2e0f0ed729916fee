#include "message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace ornavo::ui {

bool showMessage(const Message& message) {
    QMessageBox box;
    box.setWindowTitle(message.caption.empty() ? QApplication::applicationDisplayName()
                                               : QString::fromStdString(message.caption));
    box.setIcon(message.icon == MessageIcon::Error      ? QMessageBox::Critical
                : message.icon == MessageIcon::Question ? QMessageBox::Question
                                                        : QMessageBox::NoIcon);
    box.setText(QString::fromStdString(message.text));
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(message.buttons == MessageButtons::YesNo      ? QMessageBox::Yes | QMessageBox::No
                           : message.buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                                         : QMessageBox::Ok);
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Ok, "确定"}, {QMessageBox::Cancel, "取消"}, {QMessageBox::Yes, "是(&Y)"}, {QMessageBox::No, "否(&N)"}};
    for (const auto& [which, text] : texts)
        if (QAbstractButton* button = box.button(which))
            button->setText(QString::fromUtf8(text));
    box.setWindowModality(Qt::ApplicationModal);
    const int answer = box.exec();
    return answer != QMessageBox::No && answer != QMessageBox::Cancel;
}

void MessageBoxPrompter::notify(const std::string& message) { showMessage({message, MessageButtons::Ok, MessageIcon::None, {}}); }

Answer MessageBoxPrompter::ask(const std::string& question) {
    return showMessage({question, MessageButtons::YesNo, MessageIcon::None, {}}) ? Answer::Yes : Answer::No;
}

} // namespace ornavo::ui
