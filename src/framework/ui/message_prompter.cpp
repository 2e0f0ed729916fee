#include "message_prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace ornavo::ui {

namespace {
int showBox(const std::string& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box;
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(buttons);
    // The desktop's own button texts in the program's language, whatever translations are installed.
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Ok, "确定"}, {QMessageBox::Yes, "是(&Y)"}, {QMessageBox::No, "否(&N)"}};
    for (const auto& [which, text] : texts)
        if (QAbstractButton* button = box.button(which))
            button->setText(QString::fromUtf8(text));
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
}

Prompter* current = nullptr;
} // namespace

void MessageBoxPrompter::notify(const std::string& message) { showBox(message, QMessageBox::Ok); }

Answer MessageBoxPrompter::ask(const std::string& question) {
    return showBox(question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::No ? Answer::No : Answer::Yes;
}

Prompter& sharedPrompter() {
    static MessageBoxPrompter boxes;
    return current ? *current : boxes;
}

void setSharedPrompter(Prompter* prompter) { current = prompter; }

} // namespace ornavo::ui
