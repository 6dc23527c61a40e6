// Driving the program's modal Qt dialogs from a test: the action runs once the next
// modal dialog has opened, inside its own event loop.
#pragma once

#include <QWidget>
#include <functional>

namespace ui_test {

void on_next_dialog(std::function<void(QWidget*)> action);
// Clicks the push button called `name` in the dialog.
void click(QWidget* dialog, const char* name);

}  // namespace ui_test
