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
    switch (wait.result) {
        case IdleResult::StillMeasuring: {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%g", wait.limit_seconds);
            return ui::compose(
                UI_TEXT("ohm7416",
                        "Der Tarvolux Typ 7416 meldet nach %1 Sekunden immer noch eine "
                        "laufende Messung.\nBitte die Messung am Gerät beenden."),
                std::string(seconds));
        }
        case IdleResult::NoAnswer:
            return ui::compose(
                UI_TEXT("ohm7416",
                        "Keine Antwort vom Tarvolux Typ 7416 auf die Statusabfrage (Fehler "
                        "%1).\n%2\nDatenübertragungskabel OK ?"),
                wait.status, ui::translatable(std::string(not_done)));
        case IdleResult::Idle:
            break;
    }
    return {};
}

}  // namespace instrument
