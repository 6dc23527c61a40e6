// The panels' side of ui/translatable.h: a text the code produced, as a panel shows it.
#pragma once

#include <QString>
#include <string>

namespace ui {

// ui::shown(german) as a QString.
QString shown_text(const std::string& german);

}  // namespace ui
