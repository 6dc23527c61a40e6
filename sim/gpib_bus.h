// The simulated GPIB: device descriptors as the NI-488.2 calls know them, and the
// instruments attached at primary addresses. The GPIB simulation library forwards each
// call here; tests reach the same bus in the same process to attach instruments, arm
// faults and shorten time-outs.
//
// By default an instrument is attached on demand at any address a device talks to,
// so tools work at any address; with auto-attach off, an address without an attached
// instrument has no listener (ERR with ENOL).
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "sim/fault_set.h"

namespace tarvolux::sim {

class Instrument;

enum class GpibFault {
    WriteError,       // ibwrt fails (EBUS); nothing reaches the instrument
    ReadTimeout,      // ibrd times out although an answer waits (it stays)
    SerialPollError,  // ibrsp fails (EBUS); the status byte is not read
    WaitError,        // ibwait fails (EBUS)
    ClearError,       // ibclr fails (EBUS)
    EosError,         // ibeos fails (EARG)
    PadError,         // ibpad fails (EARG)
    LocalError,       // ibloc fails (EBUS)
    LongResponse,     // the next read finds its answer stretched to LONG_ANSWER_BYTES
};

// What a call leaves in ibsta, iberr and ibcntl; `value` is ibdev's descriptor.
struct IbResult {
    int sta = 0;
    int err = 0;
    long cntl = 0;
    int value = 0;
};

class GpibBus {
  public:
    static GpibBus& instance();

    // Back to the start: no devices, no instruments, auto-attach on, time-out scale 1,
    // no faults, the default instrument factory.
    void reset();

    void set_auto_attach(bool on);
    // Instruments made for auto-attach come from here (default: a new Instrument).
    void set_instrument_factory(std::function<std::shared_ptr<Instrument>()> factory);
    std::shared_ptr<Instrument> attach(int pad, std::shared_ptr<Instrument> instrument = {});
    void detach(int pad);
    std::shared_ptr<Instrument> instrument_at(int pad) const;

    // Every time-out is multiplied by this; 0 makes them expire at once.
    void set_timeout_scale(double scale);

    FaultSet<GpibFault>& faults() { return faults_; }

    // The NI-488.2 calls.
    IbResult ibdev(int board, int pad, int sad, int tmo, int eot, int eos);
    IbResult ibonl(int ud, int v);
    IbResult ibtmo(int ud, int v);
    IbResult ibeos(int ud, int v);
    IbResult ibconfig(int ud, int option, int value);
    IbResult ibclr(int ud);
    IbResult ibpad(int ud, int pad);
    IbResult ibwrt(int ud, const void* buffer, long count);
    IbResult ibrd(int ud, void* buffer, long count);
    IbResult ibrsp(int ud, char* status_byte);
    IbResult ibwait(int ud, int mask);
    IbResult ibloc(int ud);

  private:
    struct DeviceConfig {
        int pad = 0;
        int sad = 0;
        int tmo = 0;
        bool eot = true;
        int eos = 0;
        bool readdr = false;
    };
    struct Device {
        DeviceConfig config;
        DeviceConfig initial;
    };
    struct Station {
        std::shared_ptr<Instrument> instrument;
        std::string input;  // bytes of a line not yet ended
    };

    GpibBus();

    Device* device(int ud);
    Station* station(int pad);
    std::chrono::steady_clock::time_point deadline(const DeviceConfig& config) const;
    IbResult set_config(int ud, const std::function<bool(DeviceConfig&)>& change);

    mutable std::mutex mutex_;
    std::map<int, Device> devices_;
    std::map<int, Station> stations_;
    bool auto_attach_ = true;
    double timeout_scale_ = 1.0;
    std::function<std::shared_ptr<Instrument>()> factory_;
    FaultSet<GpibFault> faults_;
};

}  // namespace tarvolux::sim
