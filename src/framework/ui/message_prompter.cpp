#include "message_prompter.h"

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
