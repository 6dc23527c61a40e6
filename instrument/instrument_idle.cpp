#include "instrument/instrument_idle.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "driver/zk7416.h"
#include "ui/ui.h"

namespace instrument {

int status_register = 0;

IdleWait wait_until_idle(std::int32_t handle, double limit_seconds) {
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                       std::chrono::duration<double>(limit_seconds));
    for (;;) {
        char answer[300] = {};
        std::int32_t s = zk7416_receive_scpi(handle, "STAT:OPER?", answer);
        if (s != 0) return {IdleResult::NoAnswer, s, limit_seconds};
        // A reply without a number leaves the last value, as the conversion always did.
        char* end = nullptr;
        long value = std::strtol(answer, &end, 10);
        if (end != answer) status_register = static_cast<int>(value);
        ui::delay(0.01);
        if ((status_register & MEASURING_MASK) == 0) return {IdleResult::Idle, 0, limit_seconds};
        if (Clock::now() >= deadline) return {IdleResult::StillMeasuring, 0, limit_seconds};
    }
}

std::string idle_wait_message(const IdleWait& wait, std::string_view not_done) {
    char text[300];
    switch (wait.result) {
        case IdleResult::StillMeasuring:
            std::snprintf(text, sizeof text,
                          "Der Tarvolux Typ 7416 meldet nach %g Sekunden immer noch eine "
                          "laufende Messung.\nBitte die Messung am Gerät beenden.",
                          wait.limit_seconds);
            return text;
        case IdleResult::NoAnswer:
            std::snprintf(text, sizeof text,
                          "Keine Antwort vom Tarvolux Typ 7416 auf die Statusabfrage (Fehler "
                          "%d).\n%.*s\nDatenübertragungskabel OK ?",
                          static_cast<int>(wait.status), static_cast<int>(not_done.size()),
                          not_done.data());
            return text;
        case IdleResult::Idle:
            break;
    }
    return {};
}

}  // namespace instrument
