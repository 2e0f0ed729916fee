#include "form_binding.h"

#include "acting_window.h"
#include "code_edit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace ornavo::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The code box shows line breaks as the editor does; the form keeps the CR LF the markup carries.
QString forDisplay(const std::string& code) {
    return q(code).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
std::string fromDisplay(const QString& text) {
    QString t = text;
    return t.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

} // namespace

FormBinding::FormBinding(Form& form, const BuiltWindow& built, QWidget* window, std::function<void()> closed)
    : QObject(window), form_(form), widgets_(built.controls), code_(built.code), window_(window),
      closed_(std::move(closed)) {
    for (const auto& [name, widget] : built.controls)
        bindField(name, widget);
    widgets_[form_.module().codeBox.name] = code_;
    connect(built.code, &QPlainTextEdit::textChanged, this, &FormBinding::codeEdited);
    for (const auto& [button, widget] : built.buttons) {
        const std::string name = button->name;
        connect(widget, &QPushButton::clicked, this, [this, name] {
            ActingWindow acting(window_); // its questions and the browser windows it opens belong to it
            form_.press(name);
            if (form_.isClosed() && closed_)
                closed_();
        });
    }
    changes_ = form_.addChangeListener([this](const std::string& name) { refresh(name); });
    // The widgets show the description's defaults; the form may hold more already.
    for (const auto& [name, widget] : widgets_)
        refresh(name);
}

void FormBinding::bindField(const std::string& name, QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // Every change the window did not make itself: typing, and also a text set through the
        // accessibility bridge (a screen reader's or a voice tool's edit emits no textEdited).
        connect(edit, &QLineEdit::textChanged, this, [this, name](const QString& text) {
            if (!syncing_)
                form_.setText(name, text.toStdString());
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this, name](int index) {
            if (!syncing_)
                form_.pick(name, index);
        });
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        // Any toggle the window did not make itself is a choice: a click (also on the chosen one, which
        // runs its handler again), the keyboard, or the accessibility bridge's toggle, which emits no
        // clicked(). The form then puts the button back as it keeps it.
        connect(radio, &QRadioButton::toggled, this, [this, name] {
            if (syncing_)
                return;
            form_.choose(name);
            refresh(name);
        });
    }
}

void FormBinding::refresh(const std::string& name) {
    const auto it = widgets_.find(name);
    if (it == widgets_.end())
        return;
    QWidget* w = it->second;
    syncing_ = true;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QString text = q(form_.text(name));
        if (edit->text() != text) {
            edit->setText(text);
            if (!edit->hasFocus())
                edit->setCursorPosition(0);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(form_.index(name));
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        radio->setChecked(form_.checked(name));
    } else if (auto* code = qobject_cast<QPlainTextEdit*>(w)) {
        const QString text = forDisplay(form_.code());
        if (code->toPlainText() != text) {
            codeShown();
            if (auto* box = qobject_cast<CodeEdit*>(code))
                box->showText(text);
            else
                code->setPlainText(text);
        }
    }
    syncing_ = false;
}

void FormBinding::codeShown() {
    if (code_->property("holdsCode").toBool())
        return;
    // The skin gives the box its monospace face now (see the skin).
    code_->setProperty("holdsCode", true);
    code_->style()->unpolish(code_);
    code_->style()->polish(code_);
}

void FormBinding::codeEdited() {
    if (syncing_)
        return;
    codeShown();
    syncing_ = true; // the form's echo must not rewrite what the user is typing
    form_.setText(form_.module().codeBox.name,
                  fromDisplay(static_cast<QPlainTextEdit*>(code_)->toPlainText()));
    syncing_ = false;
}

} // namespace ornavo::ui
