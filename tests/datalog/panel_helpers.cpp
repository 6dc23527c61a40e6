#include "tests/datalog/panel_helpers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace datalog_test {

void when_shown(const char* dialog_name, std::function<void(QDialog*)> action) {
    QString name = QString::fromUtf8(dialog_name);
    poll_until([name, action = std::move(action)] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (!dialog || dialog->objectName() != name || !dialog->isVisible() ||
                QApplication::activeModalWidget() != dialog)
                continue;
            action(dialog);
            return true;
        }
        return false;
    });
}

bool within_dialog(const char* dialog_name, const std::function<int()>& open,
                   const std::function<void(QDialog*)>& steps) {
    bool ran = false;
    when_shown(dialog_name, [&](QDialog* dialog) {
        steps(dialog);
        ran = true;
        if (auto* close = dialog->findChild<QPushButton*>("closeButton")) close->click();
    });
    EXPECT_EQ(open(), 0);
    return ran;
}

void expect_named_controls(QWidget* panel) {
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        // Parts of a control (the line edit of a spin box, the header of a list) have no
        // object name of ours.
        bool part = w->objectName().isEmpty() ||
                    qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
                    qobject_cast<QComboBox*>(w->parentWidget());
        bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                       qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                       qobject_cast<QAbstractItemView*>(w) || qobject_cast<QProgressBar*>(w) ||
                       w->objectName() == "plot";
        if (control && !part) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
}

void poll_until(std::function<bool()> check) {
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, check = std::move(check)] {
        // Stopped first: the check may open a dialog of its own.
        timer->stop();
        if (check())
            timer->deleteLater();
        else
            timer->start();
    });
    timer->start();
}

}  // namespace datalog_test
