// The simulated instrument's side of the RS-232 block protocol, fed arbitrary bytes:
// whatever a client sends (stray control bytes, blocks without ETX, over-long blocks,
// any command text), the simulator answers with protocol bytes and keeps serving.
// Input: its first byte arms serial faults (one bit each), the rest is what the client
// sends, split into separate receive calls at every NUL.
#include <memory>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "sim/block_protocol.h"
#include "sim/clock.h"
#include "sim/instrument.h"
#include "sim/instrument_state.h"

namespace sim = tarvolux::sim;

namespace {

constexpr sim::SerialFault kFaults[] = {
    sim::SerialFault::NakCommand,  sim::SerialFault::EotCommand,   sim::SerialFault::SilentCommand,
    sim::SerialFault::GarbageAck,  sim::SerialFault::EotResponse,  sim::SerialFault::SilentResponse,
    sim::SerialFault::CutResponse, sim::SerialFault::LongResponse,
};

// What the simulator sends is handshake bytes and answer blocks: an answer block's
// text is printable apart from its CR LF.
void check_reply(std::string_view reply) {
    for (std::size_t i = 0; i < reply.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(reply[i]);
        if (c == sim::ctl::STX) {
            std::size_t end = reply.find(sim::ctl::ETX, i);
            std::string_view block =
                reply.substr(i + 1, end == std::string_view::npos ? end : end - i - 1);
            fuzz::check(block.size() >= 2 && block.substr(block.size() - 2) == "\r\n",
                        "an answer block without CR LF");
            if (end == std::string_view::npos) return;  // a cut answer, when armed
            i = end;
        }
    }
}

// Building the instrument's command tables costs far more than a run; one instrument
// serves every input and is put back into its power-on state before each.
sim::Instrument& fresh_instrument() {
    static sim::Instrument instrument([] {
        sim::InstrumentOptions options;
        options.clock = std::make_shared<sim::InstantClock>();
        return options;
    }());
    static const sim::InstrumentState power_on =
        instrument.inspect([](const sim::InstrumentState& s) { return s; });
    instrument.discard_output();
    instrument.clear_logs();
    instrument.modify([](sim::InstrumentState& s) {
        s.identity = power_on.identity;
        s.firmware = power_on.firmware;
        s.status = power_on.status;
        s.errors = power_on.errors;
        s.settings = power_on.settings;
        s.memories = power_on.memories;
        s.resistor = power_on.resistor;
        s.run = power_on.run;
        s.comparator = power_on.comparator;
        s.envelope = power_on.envelope;
        s.temperature_inputs = power_on.temperature_inputs;
        s.datalogger = power_on.datalogger;
        s.display = power_on.display;
        s.printer = power_on.printer;
        s.system = power_on.system;
        s.calibration = power_on.calibration;
    });
    return instrument;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    sim::Instrument& instrument = fresh_instrument();
    sim::FaultSet<sim::SerialFault> faults;
    for (int bit = 0; bit < 8; ++bit)
        if (data[0] & (1u << bit)) faults.arm(kFaults[bit]);
    sim::BlockProtocol protocol(instrument, faults);

    std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (std::size_t start = 0; start <= bytes.size();) {
        std::size_t end = bytes.find('\0', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string reply = protocol.receive(bytes.substr(start, end - start));
        bool armed = data[0] & 0xC0;  // a cut or stretched answer is what was asked for
        if (!armed) check_reply(reply);
        start = end + 1;
    }
    return 0;
}
