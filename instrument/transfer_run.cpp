#include "instrument/transfer_run.h"

#include "driver/zk7416.h"
#include "ui/translatable.h"

namespace instrument {

namespace {

bool progress_up = false;

}  // namespace

bool is_transport_error(std::int32_t status) {
    switch (status) {
        case ZK7416_ERR_WRITE:
        case ZK7416_ERR_READ:
        case ZK7416_NAK:
        case ZK7416_EOT:
        case ZK7416_ERR_SRQ_WAIT:
        case ZK7416_ERR_SERIAL_POLL:
            return true;
        default:
            return false;
    }
}

bool is_line_gone(std::int32_t status) {
    return is_transport_error(status) && status != ZK7416_NAK && status != ZK7416_EOT;
}

void progress_open(const std::string& label, int maximum) {
    ui::progress_show(label, maximum);
    progress_up = true;
}

void progress_close() {
    if (!progress_up) return;
    ui::progress_hide();
    progress_up = false;
}

bool TransferRun::call(std::int32_t status, std::string_view step, double pause) {
    if (is_transport_error(status)) {
        if (failed_step_.empty()) {
            failed_step_ = step;
            failed_status_ = status;
        }
        return false;
    }
    ui::delay(pause);
    return true;
}

bool TransferRun::step(std::int32_t status, std::string_view step, double pause) {
    if (!call(status, step, pause)) return false;
    advance();
    return true;
}

void TransferRun::advance() {
    set_progress(progress_ + 1);
}

void TransferRun::set_progress(int value) {
    progress_ = value;
    ui::progress_set_value(progress_);
}

void TransferRun::busy() {
    if (!busy_) busy_.emplace();
}

void TransferRun::end_busy() {
    busy_.reset();
}

int TransferRun::abort() {
    progress_close();
    end_busy();
    ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                    transfer_abort_text(failed_step_, failed_status_));
    return -1;
}

namespace {

std::string failed_step_text(std::string_view headline, std::string_view step,
                             std::int32_t status) {
    return ui::compose(UI_TEXT("ohm7416",
                               "%1\nSchritt: %2\nFehler %3: %4\n\nBitte Verbindung zum "
                               "Tarvolux Typ 7416 prüfen."),
                       ui::translatable(std::string(headline)), ui::translatable(std::string(step)),
                       status, ui::translatable(zk7416_status_text(status)));
}

}  // namespace

std::string transfer_abort_text(std::string_view step, std::int32_t status) {
    return failed_step_text(
        UI_TEXT("ohm7416", "Die Übertragung der Geräteeinstellungen wurde abgebrochen."), step,
        status);
}

std::string connection_lost_text(std::string_view step, std::int32_t status) {
    return failed_step_text(UI_TEXT("ohm7416", "Keine Antwort vom Tarvolux Typ 7416."), step,
                            status);
}

void report_connection_lost(std::string_view step, std::int32_t status) {
    ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), connection_lost_text(step, status));
}

}  // namespace instrument
