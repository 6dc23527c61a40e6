#include "ui/qt/accessible_names.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QWidget>

#include "ui/qt/value_displays.h"

namespace ui {

namespace {

QString caption(QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.replace(QStringLiteral("&&"), QStringLiteral("&")).simplified();
}

void name_if_unnamed(QWidget* widget, const QString& name) {
    if (widget && widget->accessibleName().isEmpty() && !name.isEmpty())
        widget->setAccessibleName(name);
}

}  // namespace

void name_controls_for_accessibility(QWidget* root) {
    install_value_displays();
    if (!root) return;
    // Labels first: the caption beside a control is what the operator reads as its name.
    for (QLabel* label : root->findChildren<QLabel*>())
        name_if_unnamed(label->buddy(), caption(label->text()));
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        name_if_unnamed(button, caption(button->text()));
    for (QGroupBox* group : root->findChildren<QGroupBox*>()) {
        name_if_unnamed(group, caption(group->title()));
        auto controls = group->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QWidget* only = nullptr;
        int count = 0;
        for (QWidget* w : controls)
            if (w->focusPolicy() != Qt::NoFocus) only = w, ++count;
        if (count == 1) name_if_unnamed(only, caption(group->title()));
    }
    // The text field inside an editable choice is what the operator types into.
    for (QComboBox* combo : root->findChildren<QComboBox*>())
        if (combo->lineEdit()) name_if_unnamed(combo->lineEdit(), combo->accessibleName());
}

}  // namespace ui
