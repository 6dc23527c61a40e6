#include "sim/gpib_bus.h"

#include <cstring>
#include <thread>

#include "platform/ni488.h"
#include "sim/instrument.h"
#include "sim/status_registers.h"

namespace tarvolux::sim {

namespace {

constexpr int MAX_DESCRIPTORS = 1024;
constexpr int MAX_PAD = 30;
constexpr int EOS_BITS = 0xFF | ni488::REOS | ni488::XEOS | ni488::BIN;
constexpr int WAIT_MASK = ni488::TIMO | ni488::END | ni488::RQS | ni488::CMPL;

IbResult done(long cntl = 0) {
    return {ni488::CMPL, 0, cntl, 0};
}
IbResult failure(int err, int extra_status = 0) {
    return {ni488::ERR | extra_status, err, 0, -1};
}

bool valid_pad(int pad) {
    return pad >= 0 && pad <= MAX_PAD;
}
bool valid_sad(int sad) {
    return sad == 0 || (sad >= 0x60 && sad <= 0x7E);
}
bool valid_tmo(int tmo) {
    return tmo >= ni488::TNONE && tmo <= ni488::T1000s;
}
bool valid_eos(int eos) {
    return (eos & ~EOS_BITS) == 0;
}

// Stores a checked value in a device setting; a refused value fails the call.
bool assign(int& setting, int value, bool valid) {
    if (valid) setting = value;
    return valid;
}

// The read ends at the EOS byte when the device asks for it; without BIN only the low
// seven bits are compared.
std::function<bool(unsigned char)> eos_terminator(int eos) {
    if (!(eos & ni488::REOS)) return {};
    const bool all_bits = eos & ni488::BIN;
    const auto wanted = static_cast<unsigned char>(eos & 0xFF);
    return [=](unsigned char byte) {
        return all_bits ? byte == wanted : (byte & 0x7F) == (wanted & 0x7F);
    };
}

}  // namespace

GpibBus& GpibBus::instance() {
    static GpibBus bus;
    return bus;
}

GpibBus::GpibBus() {
    reset();
}

void GpibBus::reset() {
    std::lock_guard lock(mutex_);
    devices_.clear();
    stations_.clear();
    auto_attach_ = true;
    timeout_scale_ = 1.0;
    factory_ = [] { return std::make_shared<Instrument>(); };
    faults_.clear();
}

void GpibBus::set_auto_attach(bool on) {
    std::lock_guard lock(mutex_);
    auto_attach_ = on;
}

void GpibBus::set_instrument_factory(std::function<std::shared_ptr<Instrument>()> factory) {
    std::lock_guard lock(mutex_);
    factory_ = std::move(factory);
}

std::shared_ptr<Instrument> GpibBus::attach(int pad, std::shared_ptr<Instrument> instrument) {
    std::lock_guard lock(mutex_);
    if (!instrument) instrument = factory_();
    stations_[pad] = Station{instrument, {}};
    return instrument;
}

void GpibBus::detach(int pad) {
    std::lock_guard lock(mutex_);
    stations_.erase(pad);
}

std::shared_ptr<Instrument> GpibBus::instrument_at(int pad) const {
    std::lock_guard lock(mutex_);
    const auto it = stations_.find(pad);
    return it == stations_.end() ? nullptr : it->second.instrument;
}

void GpibBus::set_timeout_scale(double scale) {
    std::lock_guard lock(mutex_);
    timeout_scale_ = scale < 0 ? 0 : scale;
}

GpibBus::Device* GpibBus::device(int ud) {
    const auto it = devices_.find(ud);
    return it == devices_.end() ? nullptr : &it->second;
}

GpibBus::Station* GpibBus::station(int pad) {
    auto it = stations_.find(pad);
    if (it == stations_.end()) {
        if (!auto_attach_) return nullptr;
        it = stations_.emplace(pad, Station{factory_(), {}}).first;
    }
    return &it->second;
}

std::chrono::steady_clock::time_point GpibBus::deadline(const DeviceConfig& config) const {
    using namespace std::chrono;
    if (config.tmo == ni488::TNONE) return steady_clock::time_point::max();
    const duration<double> wait(ni488::timeout_seconds(config.tmo) * timeout_scale_);
    return steady_clock::now() + duration_cast<steady_clock::duration>(wait);
}

IbResult GpibBus::ibdev(int board, int pad, int sad, int tmo, int eot, int eos) {
    std::lock_guard lock(mutex_);
    if (board != 0) return failure(ni488::ENEB);
    if (!valid_pad(pad) || !valid_sad(sad) || !valid_tmo(tmo) || !valid_eos(eos))
        return failure(ni488::EARG);
    int ud = 1;
    while (devices_.count(ud) && ud < MAX_DESCRIPTORS) ++ud;
    if (devices_.count(ud)) return failure(ni488::EDVR);
    const DeviceConfig config{pad, sad, tmo, eot != 0, eos, false};
    devices_[ud] = Device{config, config};
    IbResult result = done();
    result.value = ud;
    return result;
}

IbResult GpibBus::ibonl(int ud, int v) {
    std::lock_guard lock(mutex_);
    Device* dev = device(ud);
    if (!dev) return failure(ni488::EDVR);
    if (v == 0) {
        devices_.erase(ud);
    } else if (v == 1) {
        dev->config = dev->initial;
    } else {
        return failure(ni488::EARG);
    }
    return done();
}

IbResult GpibBus::set_config(int ud, const std::function<bool(DeviceConfig&)>& change) {
    std::lock_guard lock(mutex_);
    Device* dev = device(ud);
    if (!dev) return failure(ni488::EDVR);
    DeviceConfig config = dev->config;
    if (!change(config)) return failure(ni488::EARG);
    dev->config = config;
    return done();
}

IbResult GpibBus::ibtmo(int ud, int v) {
    return set_config(ud, [v](DeviceConfig& c) { return assign(c.tmo, v, valid_tmo(v)); });
}

IbResult GpibBus::ibeos(int ud, int v) {
    return set_config(ud, [this, v](DeviceConfig& c) {
        return !faults_.fire(GpibFault::EosError) && assign(c.eos, v, valid_eos(v));
    });
}

IbResult GpibBus::ibpad(int ud, int pad) {
    return set_config(ud, [this, pad](DeviceConfig& c) {
        return !faults_.fire(GpibFault::PadError) && assign(c.pad, pad, valid_pad(pad));
    });
}

IbResult GpibBus::ibconfig(int ud, int option, int value) {
    return set_config(ud, [option, value](DeviceConfig& c) {
        switch (option) {
            case ni488::IbcPAD:
                return assign(c.pad, value, valid_pad(value));
            case ni488::IbcTMO:
                return assign(c.tmo, value, valid_tmo(value));
            case ni488::IbcEOT:
                c.eot = value != 0;
                return true;
            case ni488::IbcREADDR:
                c.readdr = value != 0;
                return true;
            default:
                return false;
        }
    });
}

IbResult GpibBus::ibwrt(int ud, const void* buffer, long count) {
    std::lock_guard lock(mutex_);
    Device* dev = device(ud);
    if (!dev) return failure(ni488::EDVR);
    if (count < 0 || (count > 0 && !buffer)) return failure(ni488::EARG);
    if (faults_.fire(GpibFault::WriteError)) return failure(ni488::EBUS);
    Station* st = station(dev->config.pad);
    if (!st) return failure(ni488::ENOL);
    st->input.append(static_cast<const char*>(buffer), static_cast<std::size_t>(count));
    // A line feed ends a command line, and so does EOI with the last byte of a write.
    for (std::size_t end; (end = st->input.find('\n')) != std::string::npos;) {
        const std::string line = st->input.substr(0, end);
        st->input.erase(0, end + 1);
        st->instrument->execute(line);
    }
    if (dev->config.eot && !st->input.empty()) {
        st->instrument->execute(st->input);
        st->input.clear();
    }
    return done(count);
}

IbResult GpibBus::ibrd(int ud, void* buffer, long count) {
    std::shared_ptr<Instrument> instrument;
    DeviceConfig config;
    std::chrono::steady_clock::time_point until;
    bool forced_timeout = false;
    {
        std::lock_guard lock(mutex_);
        Device* dev = device(ud);
        if (!dev) return failure(ni488::EDVR);
        if (count < 0 || (count > 0 && !buffer)) return failure(ni488::EARG);
        forced_timeout = faults_.fire(GpibFault::ReadTimeout);
        Station* st = forced_timeout ? nullptr : station(dev->config.pad);
        if (!forced_timeout && !st) return failure(ni488::ENOL);
        if (st) instrument = st->instrument;
        config = dev->config;
        until = deadline(config);
    }
    if (forced_timeout) {
        // An injected time-out on a device that waits forever ends at once rather than
        // hanging the caller.
        if (until != std::chrono::steady_clock::time_point::max())
            std::this_thread::sleep_until(until);
        return failure(ni488::EABO, ni488::TIMO);
    }
    if (count == 0) return done();
    if (instrument->output_pending() && faults_.fire(GpibFault::LongResponse))
        instrument->stretch_output(LONG_ANSWER_BYTES);
    if (!instrument->wait_for_output(until)) return failure(ni488::EABO, ni488::TIMO);
    const OutputChunk chunk =
        instrument->take_output(static_cast<std::size_t>(count), eos_terminator(config.eos));
    std::memcpy(buffer, chunk.bytes.data(), chunk.bytes.size());
    IbResult result = done(static_cast<long>(chunk.bytes.size()));
    if (chunk.end) result.sta |= ni488::END;
    return result;
}

IbResult GpibBus::ibrsp(int ud, char* status_byte) {
    std::lock_guard lock(mutex_);
    Device* dev = device(ud);
    if (!dev) return failure(ni488::EDVR);
    if (!status_byte) return failure(ni488::EARG);
    if (faults_.fire(GpibFault::SerialPollError)) return failure(ni488::EBUS);
    Station* st = station(dev->config.pad);
    if (!st) return failure(ni488::ENOL);
    *status_byte = static_cast<char>(st->instrument->serial_poll());
    return done(1);
}

IbResult GpibBus::ibwait(int ud, int mask) {
    std::shared_ptr<Instrument> instrument;
    std::chrono::steady_clock::time_point until;
    {
        std::lock_guard lock(mutex_);
        Device* dev = device(ud);
        if (!dev) return failure(ni488::EDVR);
        if (mask & ~WAIT_MASK) return failure(ni488::EARG);
        if (faults_.fire(GpibFault::WaitError)) return failure(ni488::EBUS);
        Station* st = station(dev->config.pad);
        if (!st) return failure(ni488::ENOL);
        instrument = st->instrument;
        until = (mask & ni488::TIMO) ? deadline(dev->config)
                                     : std::chrono::steady_clock::time_point::max();
    }
    const auto with_request = [&](bool requested) {
        IbResult result = done();
        if (requested) result.sta |= ni488::RQS;
        return result;
    };
    // No I/O runs in the background, so CMPL and END are met at once.
    if (mask == 0 || (mask & (ni488::CMPL | ni488::END)))
        return with_request(instrument->status_byte() & STB_RQS);
    if (mask & ni488::RQS) {
        if (instrument->wait_for_service_request(until)) return with_request(true);
    } else {
        std::this_thread::sleep_until(until);
    }
    IbResult result = done();
    result.sta |= ni488::TIMO;
    return result;
}

IbResult GpibBus::ibclr(int ud) {
    std::lock_guard lock(mutex_);
    Device* dev = device(ud);
    if (!dev) return failure(ni488::EDVR);
    if (faults_.fire(GpibFault::ClearError)) return failure(ni488::EBUS);
    Station* st = station(dev->config.pad);
    if (!st) return failure(ni488::ENOL);
    st->input.clear();
    st->instrument->device_clear();
    return done();
}

IbResult GpibBus::ibloc(int ud) {
    std::lock_guard lock(mutex_);
    Device* dev = device(ud);
    if (!dev) return failure(ni488::EDVR);
    if (faults_.fire(GpibFault::LocalError)) return failure(ni488::EBUS);
    Station* st = station(dev->config.pad);
    if (!st) return failure(ni488::ENOL);
    st->instrument->go_to_local();
    return done();
}

}  // namespace tarvolux::sim
