#include "code_edit.h"

#include <QMimeData>

namespace ornavo::ui {

bool CodeEdit::holdsLongWord(const QString& text) {
    if (text.size() <= kLongestWord)
        return false;
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWord)
            return true;
    }
    return false;
}

void CodeEdit::wrapFor(const QString& text, bool replacing) {
    // Set before the text arrives: the layout breaks its lines as it takes it in.
    if (holdsLongWord(text))
        setWordWrapMode(QTextOption::WrapAnywhere);
    else if (replacing)
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void CodeEdit::showText(const QString& text) {
    wrapFor(text, true);
    setPlainText(text);
}

void CodeEdit::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText())
        wrapFor(source->text(), false);
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace ornavo::ui
