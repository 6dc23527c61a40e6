#include "ui/qt/translation.h"

#include "ui/translatable.h"

namespace ui {

QString shown_text(const std::string& german) {
    return QString::fromStdString(shown(german));
}

}  // namespace ui
