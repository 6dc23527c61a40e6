// Driving the datalogger's modal panels from a test.
#pragma once

#include <QDialog>
#include <functional>

namespace datalog_test {

// Runs `action` once the modal dialog with this object name is shown, inside its own
// event loop (so nested dialogs can be handled by a second call from the action).
void when_shown(const char* dialog_name, std::function<void(QDialog*)> action);

// Calls `open`, which shows the modal dialog `dialog_name` and returns its result; runs
// `steps` in the dialog and then clicks its close button. False when it never showed.
bool within_dialog(const char* dialog_name, const std::function<int()>& open,
                   const std::function<void(QDialog*)>& steps);

// Runs `check` on every pass of the event loop until it returns true.
void poll_until(std::function<bool()> check);

// Every control of the panel has an accessible name (screen readers find it by it).
void expect_named_controls(QWidget* panel);

template <class T>
T* child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(name);
}

}  // namespace datalog_test
