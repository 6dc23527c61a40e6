#include "ui/qt/operator_actions.h"

#include <QAbstractSpinBox>
#include <QPointer>
#include <QTimer>

#include "ui/ui.h"

namespace ui {

void run_when_free(QObject* context, std::function<void()> action) {
    if (!in_pause()) {
        action();
        return;
    }
    // A zero timer fires at the next chance the event loop gets; when that is the next
    // pause of the same exchange, the action waits once more.
    QTimer::singleShot(0, context, [context = QPointer<QObject>(context), action] {
        if (context) run_when_free(context, action);
    });
}

void commit_typed_values(QWidget* window) {
    for (QAbstractSpinBox* spin : window->findChildren<QAbstractSpinBox*>()) spin->interpretText();
}

}  // namespace ui
