#include "ui/callback_scope.h"

namespace ui {

namespace {

int depth = 0;

}  // namespace

CallbackScope::CallbackScope() {
    ++depth;
}
CallbackScope::~CallbackScope() {
    --depth;
}

bool callback_running() {
    return depth > 0;
}

}  // namespace ui
