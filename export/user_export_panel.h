// The panel that edits the user's own export format (format file "user.for").
#pragma once

class QWidget;

namespace exporting {

// Shows the format of user.for (or, when it cannot be read, the format in use) for
// editing and writes it back on OK. The format in use by a running export is not
// touched. 1 after OK, -1 after Cancel.
int load_user_export_panel(QWidget* parent);

}  // namespace exporting
