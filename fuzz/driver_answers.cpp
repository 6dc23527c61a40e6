// The driver's reading of the instrument's answers: every call that parses an answer,
// fed with arbitrary answer lines through a correctly framed RS-232 exchange. Each
// output text lives in a heap buffer of exactly the size the driver's header promises,
// so a write past it is caught by the address sanitizer.
//
// Input: answer lines separated by LF; the first byte also chooses which call starts,
// so every call gets the first answer in some input.
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/zk7416.h"
#include "fuzz/answering_instrument.h"
#include "fuzz/fake_line.h"
#include "fuzz/fuzz_check.h"

namespace {

// A text output of `size` bytes; checks afterwards that it is still terminated inside.
class TextOut {
  public:
    explicit TextOut(std::size_t size) : bytes_(size, 'x') { bytes_.back() = '\0'; }
    char* get() { return bytes_.data(); }
    void check_terminated() const {
        fuzz::check(std::memchr(bytes_.data(), '\0', bytes_.size()) != nullptr,
                    "an output text lost its terminator");
    }

  private:
    std::vector<char> bytes_;
};

std::int32_t handle = 0;

void connect() {
    static bool connected = false;
    if (connected) return;
    fuzz::fake_line_reset([](std::string_view written) {
        static fuzz::AnsweringInstrument idn({"TARVOLUX,7416,0,0497,1.0"});
        return idn.respond(written);
    });
    char idn[ZK7416_ANSWER_SIZE];
    fuzz::check(zk7416_init_serial(1, 9600, 1.0, idn, 0, &handle) == 0, "no fake connection");
    connected = true;
}

using Call = std::function<void()>;

std::vector<Call> calls() {
    std::vector<Call> list;
    auto ints = [](auto&& fn) {
        return [fn] {
            std::array<std::int32_t, 20> v{};
            fn(v.data());
        };
    };
    auto reals = [](auto&& fn) {
        return [fn] {
            std::array<double, 4> d{};
            fn(d.data());
        };
    };
    auto texts = [](std::initializer_list<std::size_t> sizes, auto&& fn) {
        std::vector<std::size_t> s(sizes);
        return [s, fn] {
            std::vector<TextOut> out;
            for (std::size_t n : s) out.emplace_back(n);
            fn(out);
            for (const TextOut& t : out) t.check_terminated();
        };
    };
    list.push_back([] { zk7416_system_error(handle); });
    list.push_back([] { zk7416_get_exe_error(handle); });
    list.push_back(ints([](std::int32_t* v) { zk7416_read_std_event_reg(handle, v); }));
    list.push_back(ints([](std::int32_t* v) { zk7416_read_quest_reg(handle, v); }));
    list.push_back(ints([](std::int32_t* v) { zk7416_read_oper_event_reg(handle, v); }));
    list.push_back(ints([](std::int32_t* v) { zk7416_read_quest_fres_reg(handle, v); }));
    list.push_back(texts({ZK7416_UNIT_SIZE}, [](std::vector<TextOut>& t) {
        double value = 0;
        zk7416_meas_read(handle, &value, t[0].get());
    }));
    list.push_back(texts({ZK7416_ANSWER_SIZE}, [](std::vector<TextOut>& t) {
        zk7416_meas_read_string(handle, t[0].get());
    }));
    list.push_back(
        ints([](std::int32_t* v) { zk7416_system_get_register(handle, v, v + 1, v + 2, v + 3); }));
    list.push_back(ints([](std::int32_t* v) {
        zk7416_get_config_meas(handle, v, v + 1, v + 2, v + 3, v + 4, v + 5, v + 6);
    }));
    list.push_back(ints([](std::int32_t* v) { zk7416_get_config_range(handle, v); }));
    list.push_back(ints([](std::int32_t* v) { zk7416_get_config_auto_range(handle, v, v + 1); }));
    list.push_back(reals([](double* d) {
        std::int32_t state = 0, source = 0;
        zk7416_get_config_temp_compensation(handle, &state, &source, d, d + 1);
    }));
    list.push_back(reals([](double* d) { zk7416_get_temp_value(handle, d); }));
    list.push_back(
        reals([](double* d) { zk7416_get_config_scale_pt100(handle, d, d + 1, d + 2); }));
    list.push_back(reals(
        [](double* d) { zk7416_get_config_scale_ui_input(handle, 0, d, d + 1, d + 2, d + 3); }));
    list.push_back(ints([](std::int32_t* v) { zk7416_get_config_temp_coefficient(handle, 3, v); }));
    list.push_back(ints([](std::int32_t* v) { zk7416_get_active_temp_coefficient(handle, v); }));
    list.push_back(
        ints([](std::int32_t* v) { zk7416_get_config_comparator_mode(handle, v, v + 1, v + 2); }));
    list.push_back(
        reals([](double* d) { zk7416_get_config_2_limit_comparator(handle, d, d + 1); }));
    list.push_back(reals(
        [](double* d) { zk7416_get_config_4_limit_comparator(handle, d, d + 1, d + 2, d + 3); }));
    list.push_back([] { zk7416_set_config_2_limit_comparator(handle, 10.0, 20.0); });
    list.push_back([] { zk7416_set_config_4_limit_comparator(handle, 1.0, 2.0, 3.0, 4.0); });
    list.push_back(
        ints([](std::int32_t* v) { zk7416_comparator_2_limit_report(handle, v, v + 1, v + 2); }));
    list.push_back(ints([](std::int32_t* v) {
        zk7416_comparator_4_limit_report(handle, v, v + 1, v + 2, v + 3, v + 4);
    }));
    list.push_back(ints([](std::int32_t* v) { zk7416_get_envelope_state(handle, v); }));
    list.push_back(texts(
        {ZK7416_ENVELOPE_FIELD_SIZE, ZK7416_ENVELOPE_FIELD_SIZE, ZK7416_ENVELOPE_LAST_FIELD_SIZE},
        [](std::vector<TextOut>& t) {
            zk7416_envelope_read_report(handle, t[0].get(), t[1].get(), t[2].get());
        }));
    list.push_back(ints([](std::int32_t* v) { zk7416_get_datalogger_state(handle, v); }));
    list.push_back(texts({ZK7416_NAME_SIZE}, [](std::vector<TextOut>& t) {
        zk7416_get_datalogger_name(handle, 7, t[0].get());
    }));
    list.push_back(ints([](std::int32_t* v) { zk7416_get_datalogger_block_size(handle, 7, v); }));
    list.push_back([] {
        std::array<std::int32_t, 5> v{};
        double delta = 0;
        zk7416_get_datalogger_filter(handle, 7, &v[0], &v[1], &v[2], &v[3], &v[4], &delta);
    });
    list.push_back(ints([](std::int32_t* v) { zk7416_get_active_datalogger_block(handle, v); }));
    list.push_back(ints([](std::int32_t* v) { zk7416_datalogger_read_num_counts(handle, 7, v); }));
    list.push_back(
        texts({ZK7416_VALUE_SIZE, ZK7416_DATE_SIZE, ZK7416_TIME_SIZE}, [](std::vector<TextOut>& t) {
            zk7416_datalogger_read_block(handle, 7, 12, t[0].get(), t[1].get(), t[2].get());
        }));
    list.push_back(texts({ZK7416_STATISTICS_SIZE, ZK7416_STATISTICS_SIZE, ZK7416_STATISTICS_SIZE,
                          ZK7416_STATISTICS_SIZE},
                         [](std::vector<TextOut>& t) {
                             zk7416_datalogger_read_eval_values(handle, 7, t[0].get(), t[1].get(),
                                                                t[2].get(), t[3].get());
                         }));
    list.push_back([] {
        std::int32_t mode = 0, resolution = 0;
        double reference = 0;
        zk7416_get_config_display_mode(handle, &mode, &reference, &resolution);
    });
    list.push_back(ints([](std::int32_t* v) {
        zk7416_get_config_display_options(handle, v, v + 1, v + 2, v + 3, v + 4, v + 5, v + 6,
                                          v + 7);
    }));
    list.push_back(reals([](double* d) { zk7416_get_config_display_contrast(handle, d); }));
    list.push_back(texts({ZK7416_LABEL_TEXT_SIZE}, [](std::vector<TextOut>& t) {
        std::array<std::int32_t, 9> v{};
        zk7416_get_config_printer_mode(handle, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], t[0].get(),
                                       &v[6], &v[7], &v[8]);
    }));
    list.push_back(texts({ZK7416_NAME_SIZE}, [](std::vector<TextOut>& t) {
        zk7416_get_config_memory_label(handle, 5, t[0].get());
    }));
    list.push_back(ints([](std::int32_t* v) {
        zk7416_get_config_device_access(handle, v, v + 1, v + 2, v + 3, v + 4, v + 5, v + 6, v + 7,
                                        v + 8, v + 9, v + 10, v + 11, v + 12, v + 13, v + 14,
                                        v + 15, v + 16, v + 17, v + 18);
    }));
    list.push_back(ints([](std::int32_t* v) { zk7416_get_cal_status(handle, v); }));
    list.push_back(texts({ZK7416_ANSWER_SIZE}, [](std::vector<TextOut>& t) {
        zk7416_receive_scpi(handle, "*IDN?", t[0].get());
    }));
    return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    connect();
    static const std::vector<Call> all = calls();
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    fuzz::AnsweringInstrument instrument(fuzz::split_lines(text));
    fuzz::fake_line_reset([&](std::string_view written) { return instrument.respond(written); });

    std::size_t first = data[0] % all.size();
    // Two rounds at most: enough for every line to be answered to some call.
    for (std::size_t n = 0; n < 2 * all.size() && !instrument.exhausted(); ++n)
        all[(first + n) % all.size()]();
    // The range keyword table lookup takes the instrument's words too.
    get_range_number(std::string(text).c_str());
    return 0;
}
