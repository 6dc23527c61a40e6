#include "model_bench.h"

namespace sim_test {

using namespace tarvolux::sim;

ModelBench::ModelBench(Firmware firmware)
    : clock(std::make_shared<ManualClock>()),
      instrument(InstrumentOptions{firmware, std::nullopt, clock}) {
    // Noise-free, so answers are exact.
    modify([](InstrumentState& s) { s.resistor.noise = 0; });
}

std::string ModelBench::query(const std::string& line) {
    instrument.execute(line);
    std::string answer = instrument.take_output().bytes;
    if (answer.size() >= 2) answer.resize(answer.size() - 2);
    return answer;
}

void ModelBench::send(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        instrument.execute(line);
        EXPECT_EQ(next_error(), 0) << line;
    }
}

int ModelBench::next_error() {
    return instrument.modify([](InstrumentState& s) { return s.errors.pop().number; });
}

std::string ModelBench::measure(double ohms) {
    modify([ohms](InstrumentState& s) { s.resistor.ohms = ohms; });
    send({"init:cont off", "IN"});
    // In steps, so the value comes exactly after the measuring time.
    for (int step = 0; step < 1000 && query("S:O:C?") != "256"; ++step)
        wait(std::chrono::milliseconds(10));
    EXPECT_EQ(query("S:O:C?"), "256");
    return query("FE?");
}

}  // namespace sim_test
