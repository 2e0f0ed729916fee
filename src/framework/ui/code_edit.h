#pragma once
// The code box: a plain text editor that wraps its lines at the box's width. Lines are broken at word
// boundaries, as code reads best; but the text layout takes time that grows with the square of a
// word's length when it must break one word again and again, so that a box given a single word of a
// few hundred thousand characters (a long address in a field, pasted code without blanks) would stay
// unpainted for many seconds. While the text holds such a word, lines are broken anywhere instead.

#include <QPlainTextEdit>

namespace ornavo::ui {

class CodeEdit : public QPlainTextEdit {
    Q_OBJECT
  public:
    // Words longer than this many characters are broken anywhere.
    static constexpr int kLongestWord = 2000;

    using QPlainTextEdit::QPlainTextEdit;

    // Replaces the whole text, with the wrapping it needs.
    void showText(const QString& text);
    // Whether the text holds a word (a run without blanks) longer than kLongestWord.
    static bool holdsLongWord(const QString& text);

  protected:
    void insertFromMimeData(const QMimeData* source) override;

  private:
    void wrapFor(const QString& text, bool replacing);
};

} // namespace ornavo::ui
