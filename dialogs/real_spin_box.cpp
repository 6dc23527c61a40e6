#include "dialogs/real_spin_box.h"

#include <QLocale>

namespace dialogs {

RealSpinBox::RealSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {}

QString RealSpinBox::textFromValue(double value) const {
    QString text = locale().toString(value, 'f', QLocale::FloatingPointShortest);
    if (!isGroupSeparatorShown()) text.remove(locale().groupSeparator());
    return text;
}

}  // namespace dialogs
