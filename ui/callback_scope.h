// Operator callbacks and timer ticks share one thread, and the pauses between
// instrument commands let timer events through. A tick that ran inside another
// callback's pause would put its commands between that callback's, so every callback
// that talks to the instrument (or waits for the operator) holds a scope, and a tick
// that finds one held does nothing: the next tick polls again.
#pragma once

namespace ui {

class CallbackScope {
  public:
    CallbackScope();
    ~CallbackScope();
    CallbackScope(const CallbackScope&) = delete;
    CallbackScope& operator=(const CallbackScope&) = delete;
};

// True while any scope is held.
bool callback_running();

}  // namespace ui
