#include "list_box.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace ornavo::ui {

namespace {

// The list as assistive technology sees it: its caption, the picked entry as its value, and the
// actions of a combo box (open the entries, or press).
class ListAccessible : public QAccessibleWidget {
  public:
    explicit ListAccessible(ListBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return list()->accessibleName();
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    ListBox* list() const { return static_cast<ListBox*>(widget()); }
};

QAccessibleInterface* listAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ornavo::ui::ListBox") && object && object->isWidgetType())
        return new ListAccessible(static_cast<ListBox*>(object));
    return nullptr;
}

} // namespace

ListBox::ListBox(QWidget* parent) : QComboBox(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(listAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace ornavo::ui
