#include "ui/qt/panel_setup.h"

#include <QApplication>
#include <QWidget>

#include "ui/qt/accessible_names.h"
#include "ui/qt/value_displays.h"

namespace ui {

void fix_window(QWidget& panel) {
    install_value_displays();
    panel.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
}

void prepare_panel(QWidget& panel) {
    fix_window(panel);
    name_controls_for_accessibility(&panel);
}

QWidget* dialog_parent(QWidget* fallback) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return fallback ? fallback : QApplication::activeWindow();
}

}  // namespace ui
