#include "app/instrument_idle.h"

#include <chrono>

#include "driver/answer_parsing.h"
#include "driver/zk7416.h"
#include "ui/ui.h"

namespace app {

int status_register = 0;

IdleWait wait_until_idle(std::int32_t handle, double limit_seconds) {
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                       std::chrono::duration<double>(limit_seconds));
    for (;;) {
        char answer[300] = {};
        std::int32_t s = zk7416_receive_scpi(handle, "STAT:OPER?", answer);
        if (s != 0) return {IdleResult::NoAnswer, s};
        zk7416::parse_leading_int(answer, status_register);
        ui::delay(0.01);
        if ((status_register & MEASURING_MASK) == 0) return {IdleResult::Idle, 0};
        if (Clock::now() >= deadline) return {IdleResult::StillMeasuring, 0};
    }
}

const char* idle_wait_message(const IdleWait& wait) {
    switch (wait.result) {
        case IdleResult::StillMeasuring:
            return "Der Tarvolux Typ 7416 meldet nach 30 Sekunden immer noch eine "
                   "laufende Messung.\nBitte die Messung am Gerät beenden.";
        case IdleResult::NoAnswer:
            return "Keine Antwort vom Tarvolux Typ 7416 auf die Statusabfrage.\n"
                   "Datenübertragungskabel OK ?";
        case IdleResult::Idle:
            break;
    }
    return "";
}

}  // namespace app
