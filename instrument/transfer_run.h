// What every settings transfer with the instrument shares: the pause after each
// exchange, the progress panel, and the rule that a lost connection ends the transfer
// with one message instead of a time-out for every remaining command.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/text_field.h"
#include "ui/ui.h"

namespace instrument {

// The instrument is not asked whether it has finished a command; these pauses are the
// whole flow control of a transfer.
inline constexpr double STEP_PAUSE = 0.05;  // after a single exchange
inline constexpr double LOOP_PAUSE = 0.01;  // inside the block, label and coefficient loops

// Statuses that mean the instrument no longer answers (write or read failed, NAK, EOT,
// service request or serial poll failed). Argument refusals and the instrument's own
// objections do not: the transfer goes on past those.
bool is_transport_error(std::int32_t status);

// Of those, the statuses of a line that gave no answer at all (a write or read that
// failed or timed out, no service request, no serial poll). NAK and EOT are answers: the
// line is alive, the instrument only refused or had nothing to send.
bool is_line_gone(std::int32_t status);

// The one progress panel of the transfers. A backup keeps it up across its 32 rounds,
// so whether it is up is remembered here, where an abort can take it down.
void progress_open(const std::string& label, int maximum);
void progress_close();

// One run of a transfer sequence: counts the progress steps, paces the exchanges and
// remembers the first exchange that failed for lack of a connection.
class TransferRun {
  public:
    explicit TransferRun(int progress = 0) : progress_(progress) {}

    // Takes the status of one exchange named `step` (German, shown to the operator),
    // then waits `pause`. False when the connection is gone and the run must stop.
    bool call(std::int32_t status, std::string_view step, double pause = STEP_PAUSE);
    // call() followed by one progress step.
    bool step(std::int32_t status, std::string_view step, double pause = STEP_PAUSE);

    void advance();
    void set_progress(int value);

    // Hourglass from now until end_busy() or the end of the run.
    void busy();
    void end_busy();

    // Takes the progress panel down, ends the hourglass shown by this run and tells the
    // operator which step failed and why. Returns -1, the result of an aborted transfer.
    int abort();

  private:
    int progress_;
    std::string failed_step_;
    std::int32_t failed_status_ = 0;
    std::optional<ui::BusyCursor> busy_;
};

// Hands a record's text field to a driver setter. The driver gets a terminated copy, so
// a field without terminator (loaded from a damaged file) is never read past its end.
// The driver prepares the text in that copy (blanks become underscores); the record
// takes the prepared text back, so it holds what the instrument now holds.
template <std::size_t N, class Send>
std::int32_t send_text_field(char (&field)[N], Send&& send) {
    char text[N + 1];
    text::copy_text(text, sizeof text, text::field_text(field));
    std::int32_t status = send(text);
    std::string_view prepared = text::field_text(text);
    if (prepared != text::field_text(field)) text::copy_text(field, prepared);
    return status;
}

// The message abort() shows.
std::string transfer_abort_text(std::string_view step, std::int32_t status);

// For a single action of a panel (not a whole transfer) that ended because the
// instrument no longer answers: tells the operator which step failed and why.
std::string connection_lost_text(std::string_view step, std::int32_t status);
void report_connection_lost(std::string_view step, std::int32_t status);

}  // namespace instrument
