// What every dialog panel gets when it opens: a fixed window (no minimise, maximise or
// system menu; the close box acts as Cancel) and accessible names for its controls.
#pragma once

class QWidget;

namespace ui {

void prepare_panel(QWidget& panel);

// Only the fixed window, for panels that name their controls themselves.
void fix_window(QWidget& panel);

// The window a new dialog belongs to: the modal one in front, else `fallback`, else the
// active window.
QWidget* dialog_parent(QWidget* fallback = nullptr);

}  // namespace ui
