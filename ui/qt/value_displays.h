// Displays that carry a value (the measured value, a lamp, a limit, a count) and are
// named for assistive technology by their caption. Qt's own label exposes only its name,
// so a screen reader would read "Messwert" while "12.344 mOhm" is on the screen. A label
// with a caption of its own (an accessible name) is exposed here as a display: its
// name is the caption, its text and description are what it shows, and a change of what
// it shows is announced, at most a few times a second.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace ui {

// Installs the accessible display for captioned labels; once per program, before the
// first panel is shown.
void install_value_displays();

// Shows `text` in a display and announces the change.
void show_display_text(QLabel* display, const QString& text);

// What a display shows beyond its text (a lamp that is lit or dark): the description
// read to the operator; the change is announced.
void show_display_state(QWidget* display, const QString& state);

}  // namespace ui
