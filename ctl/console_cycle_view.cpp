#include "ctl/console_cycle_view.h"

#include <ostream>

namespace ctl {

std::optional<measure::Reading> ConsoleCycleView::take_reading() {
    auto reading = std::move(reading_);
    reading_.reset();
    return reading;
}

void ConsoleCycleView::show_value(const std::string& text) {
    // Flushed at once: a script that reads the values as they come must not wait for
    // the end of the run.
    out_ << text << '\n' << std::flush;
    ++values_;
}

void ConsoleCycleView::show_reading(const measure::Reading& reading) {
    reading_ = reading;
    if (reading.kind == measure::Reading::Kind::Value && !reading.reference)
        show_value(reading.text);
}

}  // namespace ctl
