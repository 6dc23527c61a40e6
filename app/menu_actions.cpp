#include "app/menu_actions.h"

#include "app/main_window.h"
#include "export/export_file.h"
#include "settings/identification.h"
#include "settings/settings_file_ops.h"
#include "settings/transfer.h"
#include "ui/glob.h"
#include "ui/ui.h"

namespace app {

void after_interface_change() {
    {
        ui::BusyCursor busy;
        settings::upload_current_state(1);
    }
    check_new_version();
    if (MainWindow* window = main_panel()) window->show_connection(true);
}

void load_configuration_and_offer_transfer() {
    if (settings::load_configuration_from_hard_disc() != 1) return;
    if (LG_ConfirmPopup("Frage :", "Wollen Sie die Konfiguration in das Gerät übertragen?") == 1)
        settings::download_current_state();
    // The measure panel, when open, shows the loaded records either way.
}

void close_measurement_export() {
    if (exporting::measure_store_mode != 1) return;
    exporting::export_fhdl.close();
    exporting::measure_store_mode = 0;
}

}  // namespace app
