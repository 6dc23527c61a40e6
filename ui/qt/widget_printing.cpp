#include "ui/qt/widget_printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QWidget>

#include "ui/qt/translation.h"
#include "ui/ui.h"

namespace ui {

void apply_print_attributes(QPrinter& printer, const PrintAttributes& a) {
    printer.setColorMode(a.color_mode == 0 ? QPrinter::GrayScale : QPrinter::Color);
    printer.setPageOrientation(a.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    // One resolution per printer in Qt; the finer of the two keeps both directions sharp.
    int dpi = a.x_resolution > a.y_resolution ? a.x_resolution : a.y_resolution;
    if (dpi > 0) printer.setResolution(dpi);
}

bool render_widget(QWidget& widget, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QRect page = painter.viewport();
    QSize size = widget.size();
    if (size.isEmpty()) size = widget.sizeHint();
    if (size.isEmpty()) return painter.end();
    double scale = static_cast<double>(page.height()) / size.height();
    if (size.width() * scale > page.width())
        scale = static_cast<double>(page.width()) / size.width();
    painter.scale(scale, scale);
    widget.render(&painter);
    return painter.end();
}

bool print_widget(QWidget& widget, const PrintAttributes& attributes, QString* error) {
    QPrinter printer(QPrinter::HighResolution);
    apply_print_attributes(printer, attributes);
    QPrintDialog dialog(&printer, widget.window());
    dialog.setWindowTitle(shown_text(UI_TEXT("ohm7416", "Drucken")));
    if (dialog.exec() != QDialog::Accepted) {
        if (error) error->clear();
        return false;
    }
    if (!render_widget(widget, printer)) {
        if (error)
            *error =
                QString::fromUtf8(UI_TEXT("ohm7416", "Der Drucker konnte nicht gestartet werden."));
        return false;
    }
    return true;
}

bool print_panel(QWidget& panel, const PrintAttributes& attributes) {
    QString error;
    if (print_widget(panel, attributes, &error)) return true;
    if (!error.isEmpty()) message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), error.toStdString());
    return false;
}

bool save_widget_image(QWidget& widget, const std::string& start_folder) {
    FileSelection selection;
    selection.title = UI_TEXT("ohm7416", "Grafik als Bild speichern");
    selection.start_folder = start_folder;
    selection.file_spec = "*.png";
    selection.mode = FileMode::Save;
    auto path = select_file(selection);
    if (!path) return false;
    QString name = QString::fromStdString(*path);
    if (!name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) name += QStringLiteral(".png");
    QSaveFile file(name);
    bool saved =
        file.open(QIODevice::WriteOnly) && widget.grab().save(&file, "PNG") && file.commit();
    if (!saved)
        message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                    compose(UI_TEXT("ohm7416", "Fehler beim Schreiben der Datei : %1"),
                            name.toStdString()));
    return saved;
}

}  // namespace ui
