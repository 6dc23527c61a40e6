#include "app/menu_actions.h"

#include "app/main_window.h"
#include "settings/identification.h"
#include "settings/settings_file_ops.h"
#include "settings/transfer.h"
#include "ui/glob.h"
#include "ui/panel_hooks.h"
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
    if (LG_ConfirmPopup(
            UI_TEXT("ohm7416", "Frage :"),
            UI_TEXT("ohm7416", "Wollen Sie die Konfiguration in das Gerät übertragen?")) == 1)
        settings::download_current_state();
    // The measure panel, when open, shows the loaded records either way.
    if (ui::meas_panel_loaded) {
        ui::came_from_log_config = 1;
        ui::UpdateMeasurePanel();
    }
}

}  // namespace app
