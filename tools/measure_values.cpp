#include "tools/measure_values.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "driver/zk7416.h"
#include "ui/translatable.h"

namespace console {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPollPause = std::chrono::milliseconds(50);

// In single-measurement mode the instrument measures once per "IN".
bool measures_once(int32_t handle) {
    char answer[ZK7416_ANSWER_SIZE] = {};
    return zk7416_receive_scpi(handle, "init:cont?", answer) == 0 && std::strcmp(answer, "0") == 0;
}

// Reads the next value and prints it. 0 when a value (or a questionable cause) was
// printed; otherwise the status that ended the wait, or 301 when the time ran out.
int32_t next_value(int32_t handle, double time_limit, std::FILE* out) {
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(time_limit));
    for (;;) {
        char text[ZK7416_ANSWER_SIZE] = {};
        int32_t s = zk7416_meas_read_string(handle, text);
        if (s >= ZK7416_QUES_FRES_BIT7 && s <= ZK7416_QUES_FRES_BIT0) {
            std::fprintf(out, "%s\n", zk7416_status_text(s));
            return 0;
        }
        if (s == 0 && text[0] != '\0') {
            std::fprintf(out, "%s\n", text);
            return 0;
        }
        // 301 (RS-232) is "not yet"; 0 without a text is an overload or a questionable
        // report without a cause, after which the next value is awaited as well.
        if (s != 0 && s != ZK7416_EOT) return s;
        if (Clock::now() >= deadline) {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%g", time_limit);
            std::fprintf(stderr, "%s\n",
                         ui::shown(ui::compose(UI_TEXT("ohm7416",
                                                       "Kein Messwert innerhalb von %1 s "
                                                       "erhalten - Messung abgebrochen."),
                                               std::string(seconds)))
                             .c_str());
            return ZK7416_EOT;
        }
        std::this_thread::sleep_for(kPollPause);
    }
}

}  // namespace

int measure_values(int32_t handle, int count, double time_limit, std::FILE* out) {
    bool restart = measures_once(handle);
    int32_t s = zk7416_meas_start(handle);
    if (s != 0) {
        report(UI_TEXT("ohm7416", "Messung starten"), s);
        return 1;
    }
    int result = 0;
    for (int i = 0; i < count && result == 0; ++i) {
        if (i > 0 && restart && (s = zk7416_meas_start(handle)) != 0) {
            report(UI_TEXT("ohm7416", "Messung starten"), s);
            result = 1;
            break;
        }
        s = next_value(handle, time_limit, out);
        if (s != 0) {
            if (s != ZK7416_EOT) report(UI_TEXT("ohm7416", "Messwert lesen"), s);
            result = 1;
        }
        std::fflush(out);
    }
    s = zk7416_meas_stop(handle);
    if (s != 0) {
        report(UI_TEXT("ohm7416", "Messung beenden"), s);
        result = 1;
    }
    return result;
}

void report(const char* what, int32_t status) {
    std::fprintf(stderr, "%s: Status %d (%s)\n", ui::shown(what).c_str(), status,
                 ui::shown(zk7416_status_text(status)).c_str());
}

}  // namespace console
