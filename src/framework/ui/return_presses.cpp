#include "return_presses.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace ornavo::ui {

namespace {

class ReturnPresses : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat())
            return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        if (button->isEnabled())
            button->click();
        return true;
    }
};

} // namespace

void pressOnReturn(QAbstractButton* button) {
    static ReturnPresses* filter = new ReturnPresses; // one for every button, for the whole run
    button->installEventFilter(filter);
}

} // namespace ornavo::ui
