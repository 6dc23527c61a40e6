// A scripted back end that also writes down the pauses between the command lines the
// instrument received, so a test can assert the whole exchange in order:
// {"IN", "pause 0.05", "S:O:C?", ...}. The instrument acknowledges a command only after
// it has logged it, so every line sent before a pause is in the log when the pause
// starts.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "sim/instrument.h"
#include "ui/scripted_backend.h"

namespace test_support {

class WireAndPauses : public ui::ScriptedBackend {
  public:
    void attach(std::shared_ptr<tarvolux::sim::Instrument> instrument) {
        instrument_ = std::move(instrument);
        clear();
    }

    void delay(double seconds) override {
        ui::ScriptedBackend::delay(seconds);
        take_new_lines();
        char text[32];
        std::snprintf(text, sizeof text, "pause %g", seconds);
        events_.emplace_back(text);
    }

    // Lines and pauses since the last clear(); lines sent after the last pause too.
    std::vector<std::string> events() {
        take_new_lines();
        return events_;
    }

    void clear() {
        events_.clear();
        if (instrument_) instrument_->clear_logs();
        seen_ = 0;
    }

  private:
    void take_new_lines() {
        if (!instrument_) return;
        std::vector<std::string> log = instrument_->command_log();
        for (std::size_t i = seen_; i < log.size(); ++i) events_.push_back(log[i]);
        seen_ = log.size();
    }

    std::shared_ptr<tarvolux::sim::Instrument> instrument_;
    std::vector<std::string> events_;
    std::size_t seen_ = 0;
};

}  // namespace test_support
