// The panel where the operator picks the export type before an export starts.
#pragma once

class QWidget;

namespace exporting {

// Shows the export types of export.exp; OK (or a double click, or Enter on a type)
// starts export_data with the chosen type's format file. With measure_store_mode 1
// that opens the file for the running measurement, otherwise it writes the datalogger
// export. 1 when the export runs or was written; -1 when the list could not be read,
// the operator cancelled, or the export failed; then storing is off.
int run_ascii_export_panel(QWidget* parent);

}  // namespace exporting
