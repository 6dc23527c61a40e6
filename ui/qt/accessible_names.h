// Screen readers and desktop automation find a control by its accessible name, which
// for our panels is the German caption the operator sees.
#pragma once

class QWidget;

namespace ui {

// Gives every control below `root` that has no accessible name yet the caption it
// shows: its own text (buttons, switches), the text of the label that names it (a
// label's buddy), or the title of the group it alone stands in. Accelerator marks
// ("&") are left out. Controls without any caption keep the name the panel set.
void name_controls_for_accessibility(QWidget* root);

}  // namespace ui
