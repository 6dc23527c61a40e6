#include "tests/datalog/panel_helpers.h"

#include <QApplication>
#include <QTimer>

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
