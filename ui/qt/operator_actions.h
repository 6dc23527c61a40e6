// The operator's actions on controls. A click or a key is never taken during a pause
// between instrument commands (the pause excludes operator input), but assistive
// technology acts through the accessibility bus: its calls arrive as ordinary events and
// would run in the middle of the exchange. Every reaction to an operator control is
// connected through here, so it runs at once, or, when it arrives during a pause, as soon
// as the event loop is free again — never inside another callback's exchange.
//
// Controls are connected to the signals that every way of acting raises: `toggled` for
// switches (a click, the space bar and the "Toggle" action of assistive technology),
// `currentIndexChanged` for choices, `valueChanged` for spin boxes, which commit only on
// Enter, on leaving the field, on an arrow step or on a value set through the
// accessibility interface (their keyboard tracking is off). Changes the program makes
// itself go through the set_ and show_ functions of record_controls, which raise no
// signal.
#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QWidget>
#include <functional>
#include <type_traits>

namespace ui {

// Runs `action` now, or after the pause in progress; not at all once `context` is gone.
void run_when_free(QObject* context, std::function<void()> action);

// Takes what the operator typed into the spin boxes of `window` and has not committed
// yet. A mouse click on a button commits it by taking the focus; a press through
// assistive technology or a shortcut does not, and the typed value must not be lost.
void commit_typed_values(QWidget* window);

// Connects `signal` of an operator control to `action`, which takes the signal's
// arguments or none.
template <class Control, class Signal, class Action>
QMetaObject::Connection on_operator(Control* control, Signal signal, QObject* context,
                                    Action action) {
    return QObject::connect(control, signal, context, [control, context, action](auto... args) {
        // Assistive technology still sees a hidden control and can act on it; what is
        // not shown takes no action.
        if constexpr (std::is_base_of_v<QWidget, Control>)
            if (!control->isVisibleTo(control->window())) return;
        run_when_free(context, [control, action, args...] {
            if constexpr (std::is_base_of_v<QAbstractButton, Control>)
                commit_typed_values(control->window());
            if constexpr (std::is_invocable_v<const Action&>)
                action();
            else
                action(args...);
        });
    });
}

template <class Control, class Signal, class Receiver, class... Args>
QMetaObject::Connection on_operator(Control* control, Signal signal, Receiver* receiver,
                                    void (Receiver::*slot)(Args...)) {
    return on_operator(control, signal, receiver,
                       [receiver, slot](Args... args) { (receiver->*slot)(args...); });
}

}  // namespace ui
