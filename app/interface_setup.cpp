#include "app/interface_setup.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <filesystem>

#include "app/main_window.h"
#include "app/menu_actions.h"
#include "driver/zk7416.h"
#include "platform/serial_port.h"
#include "settings/com_setup.h"
#include "settings/identification.h"
#include "settings/instrument_connection.h"
#include "instrument/instrument_handle.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "ui/qt/operator_actions.h"
#include "ui/qt/accessible_names.h"
#include "ui/qt/panel_setup.h"
#include "ui/qt/translation.h"
#include "ui/ui.h"
#include "ui_gpib_setup.h"
#include "ui_serial_setup.h"

namespace app {
namespace {

constexpr int kBaudRates[] = {1200, 2400, 4800, 9600, 19200, 38400};

instrument::SerialPortMap port_map;
bool simulation_active = false;

void check_interface(int interface) {
    if (MainWindow* window = main_panel()) window->set_interface_check_marks(interface);
}

void show_connected() {
    if (MainWindow* window = main_panel()) window->show_connection(true);
}

QString default_device(int port) {
    return QString::fromStdString("/dev/ttyS" + std::to_string(port - 1));
}

// The device a COM number means right now, and whether the environment fixes it.
QString device_of(int port, bool* from_environment) {
    std::string var = "ZK7416_COM" + std::to_string(port);
    const char* env = std::getenv(var.c_str());
    *from_environment = env && *env;
    return QString::fromStdString(platform::com_device_path(port));
}

// The RS-232 dialog's controls: COM1-COM4 with the device each means, a device chooser
// for the selected number, the baud rate.
class SerialSetupForm {
  public:
    explicit SerialSetupForm(QDialog& dialog) {
        form_.setupUi(&dialog);
        ui::name_controls_for_accessibility(&dialog);
        for (int port = 1; port <= instrument::COM_PORTS; ++port) {
            bool fixed = false;
            form_.portCombo->addItem(
                QStringLiteral("COM%1  (%2)").arg(port).arg(device_of(port, &fixed)), port - 1);
        }
        for (const std::string& device : platform::list_serial_devices())
            form_.deviceCombo->addItem(QString::fromStdString(device));
        for (int baud : kBaudRates) form_.baudCombo->addItem(QString::number(baud), baud);

        int port_index = rec::com.com_port - 1;
        form_.portCombo->setCurrentIndex(
            port_index >= 0 && port_index < instrument::COM_PORTS ? port_index : 0);
        int baud_index = form_.baudCombo->findData(static_cast<int>(rec::com.baud_rate));
        form_.baudCombo->setCurrentIndex(baud_index >= 0 ? baud_index : 3);
        ui::on_operator(form_.portCombo, &QComboBox::currentIndexChanged, &dialog,
                        [this] { show_device(); });
        show_device();
    }

    Ui::SerialSetupDialog& form() { return form_; }
    int port() const { return form_.portCombo->currentData().toInt() + 1; }
    int baud() const { return form_.baudCombo->currentData().toInt(); }
    QString device() const { return form_.deviceCombo->currentText().trimmed(); }

  private:
    void show_device() {
        int p = port();
        bool fixed = false;
        QString device = device_of(p, &fixed);
        form_.deviceCombo->setCurrentText(device);
        form_.deviceCombo->setEnabled(!fixed);
        form_.mappingLabel->setText(
            ui::shown_text(fixed ? UI_TEXT("ohm7416", "COM%1 ist durch ZK7416_COM%1 festgelegt.")
                                 : UI_TEXT("ohm7416",
                                           "COM%1 wird über die oben gewählte "
                                           "Gerätedatei angesprochen."))
                .arg(p));
    }

    Ui::SerialSetupDialog form_;
};

// Takes the device chosen for `port` into the mapping and hands it to the driver.
void remember_device(int port, const QString& device) {
    bool fixed = false;
    device_of(port, &fixed);
    if (fixed) return;
    std::string chosen = device == default_device(port) ? std::string() : device.toStdString();
    port_map[port - 1] = chosen;
    zk7416_set_com_device(port, chosen.c_str());
}

}  // namespace

instrument::SerialPortMap& serial_port_map() {
    return port_map;
}

void set_simulation_active(bool active) {
    simulation_active = active;
    settings::set_simulated_interface(active);
}

void create_export_directory() {
    std::error_code ec;
    std::filesystem::create_directories(files::join_path(files::curr_dir, "EXPORT"), ec);
}

int setup() {
    ui::ThreeButtonPopup popup;
    popup.title = UI_TEXT("ohm7416", "Schnittstellen Einstellungen");
    popup.text = UI_TEXT("ohm7416", "Bitte wählen Sie die Schnittstelle aus");
    popup.buttons = {UI_TEXT("ohm7416", "Seriell (RS232)"), UI_TEXT("ohm7416", "GPIB    (488.2)"),
                     UI_TEXT("ohm7416", "Abbrechen")};
    popup.focus = 1;
    popup.enter_button = 0;
    popup.escape_button = 3;
    int choice = ui::three_button_popup(popup);

    int result = 1;
    if (choice == 1 || choice == 2) {
        int connected = choice == 1 ? serial_setup() : gpib_setup();
        if (connected == 1) after_interface_change();
    } else {
        if (MainWindow* window = main_panel()) window->hide();
        result = -1;
    }
    create_export_directory();
    return result;
}

int serial_setup() {
    QDialog dialog(ui::dialog_parent(main_panel()));
    ui::fix_window(dialog);
    SerialSetupForm controls(dialog);

    ui::on_operator(controls.form().okButton, &QPushButton::clicked, &dialog, [&] {
        rec::com.com_port = static_cast<std::int16_t>(controls.port());
        rec::com.baud_rate = controls.baud();
        remember_device(controls.port(), controls.device());
        zk7416_close(instrument::tarvolux);
        ui::delay(0.05);
        rec::com.interface = 1;
        char idn[500] = {};
        if (settings::open_interface(idn) != 0) {
            ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), settings::NO_CONNECTION_TEXT);
            dialog.reject();
            return;
        }
        check_interface(1);
        settings::store_identification(idn);
        show_connected();
        if (!simulation_active) instrument::save_serial_port_map(files::curr_dir, port_map);
        // A failed save has told the operator; the dialog stays open.
        if (settings::save_com_setup() == 1) dialog.accept();
    });
    ui::on_operator(controls.form().cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    // Cancel, also after a connection whose save failed, is -1.
    return dialog.exec() == QDialog::Accepted ? 1 : -1;
}

int gpib_setup() {
    QDialog dialog(ui::dialog_parent(main_panel()));
    ui::fix_window(dialog);
    Ui::GpibSetupDialog form;
    form.setupUi(&dialog);
    form.addressSpin->setValue(rec::com.gpib_address);

    ui::on_operator(form.okButton, &QPushButton::clicked, &dialog, [&] {
        rec::com.gpib_address = form.addressSpin->value();
        // The open connection is closed first, as the RS-232 dialog does, so an
        // instrument is never left addressed by a slot the program has forgotten.
        zk7416_close(instrument::tarvolux);
        rec::com.interface = 0;
        char idn[500] = {};
        if (settings::open_interface(idn) != 0) {
            ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), settings::NO_CONNECTION_TEXT);
            dialog.reject();
            return;
        }
        check_interface(0);
        settings::store_identification(idn);
        show_connected();
        // A failed save has told the operator; the dialog stays open.
        if (settings::save_com_setup() == 1) dialog.accept();
    });
    ui::on_operator(form.cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted ? 1 : -1;
}

}  // namespace app
