#include "tests/e2e/simulated_line.h"

#include "platform/gpib_library.h"
#include "sim/block_protocol.h"
#include "sim/clock.h"
#include "sim/gpib_bus.h"

namespace e2e {

namespace sim = tarvolux::sim;

namespace {

constexpr int FOREVER = 1 << 30;

sim::GpibBus& bus() {
    return sim::GpibBus::instance();
}

}  // namespace

Door door_of(LineFault fault) {
    return fault == LineFault::GpibSilence || fault == LineFault::GpibBusError ? Door::Gpib
                                                                               : Door::Rs232;
}

const char* fault_name(LineFault fault) {
    switch (fault) {
        case LineFault::Silence:
            return "Silence";
        case LineFault::Eot:
            return "Eot";
        case LineFault::Garbage:
            return "Garbage";
        case LineFault::CutBlocks:
            return "CutBlocks";
        case LineFault::PtyClosed:
            return "PtyClosed";
        case LineFault::GpibSilence:
            return "GpibSilence";
        case LineFault::GpibBusError:
            return "GpibBusError";
    }
    return "?";
}

SimulatedLine::SimulatedLine(Door door, std::filesystem::path device, int gpib_address)
    : door_(door), device_(std::move(device)) {
    sim::InstrumentOptions options;
    options.clock = std::make_shared<sim::InstantClock>();
    instrument_ = std::make_shared<sim::Instrument>(options);
    if (door_ == Door::Rs232) {
        serial_door_ = std::make_unique<sim::SerialDoor>(instrument_);
        serial_door_->start();
        serial_door_->place_link(device_);
    } else {
        bus().reset();
        bus().set_auto_attach(false);
        bus().attach(gpib_address, instrument_);
        platform::gpib::use_library(GPIB_SIM_LIBRARY);
    }
}

SimulatedLine::~SimulatedLine() {
    instrument_->set_command_listener({});
    {
        std::lock_guard lock(closer_mutex_);
        closer_quit_ = true;
    }
    closer_wake_.notify_all();
    if (closer_.joinable()) closer_.join();
    if (serial_door_) serial_door_->stop();
    if (door_ == Door::Gpib) bus().reset();
}

void SimulatedLine::die_at(const std::string& command, int occurrence, LineFault fault,
                           bool after_its_answer) {
    if (fault == LineFault::PtyClosed && !closer_.joinable())
        closer_ = std::thread([this] { close_door_when_told(); });
    auto seen = std::make_shared<int>(0);
    instrument_->set_command_listener(
        [this, command, occurrence, fault, after_its_answer, seen](const std::string& line) {
            if (died_ || line != command || ++*seen != occurrence) return;
            kill(fault, after_its_answer);
        });
}

void SimulatedLine::kill(LineFault fault, bool after_its_answer) {
    if (serial_door_) bytes_at_death_ = serial_door_->bytes_received();
    death_ticks_ = SteadyClock::now().time_since_epoch().count();
    died_ = true;
    switch (fault) {
        case LineFault::Silence:
        case LineFault::PtyClosed:
            serial_door_->faults().arm(sim::SerialFault::SilentCommand, FOREVER);
            if (!after_its_answer)
                serial_door_->faults().arm(sim::SerialFault::SilentResponse, FOREVER);
            break;
        case LineFault::Eot:
            serial_door_->faults().arm(sim::SerialFault::EotCommand, FOREVER);
            if (!after_its_answer)
                serial_door_->faults().arm(sim::SerialFault::EotResponse, FOREVER);
            break;
        case LineFault::Garbage:
            serial_door_->faults().arm(sim::SerialFault::GarbageAck, FOREVER);
            serial_door_->faults().arm(sim::SerialFault::GarbageResponse, FOREVER);
            break;
        case LineFault::CutBlocks:
            serial_door_->faults().arm(sim::SerialFault::CutResponse, FOREVER);
            break;
        case LineFault::GpibSilence:
            bus().faults().arm(sim::GpibFault::WriteError, FOREVER);
            bus().faults().arm(sim::GpibFault::ReadTimeout, FOREVER);
            break;
        case LineFault::GpibBusError:
            bus().faults().arm(sim::GpibFault::WriteError, FOREVER);
            bus().faults().arm(sim::GpibFault::SerialPollError, FOREVER);
            bus().faults().arm(sim::GpibFault::WaitError, FOREVER);
            break;
    }
    if (fault == LineFault::PtyClosed) {
        {
            std::lock_guard lock(closer_mutex_);
            close_now_ = true;
        }
        closer_wake_.notify_all();
    }
}

void SimulatedLine::close_door_when_told() {
    std::unique_lock lock(closer_mutex_);
    closer_wake_.wait(lock, [this] { return close_now_ || closer_quit_; });
    if (!close_now_) return;
    lock.unlock();
    serial_door_->stop();
}

SteadyClock::time_point SimulatedLine::death_time() const {
    return SteadyClock::time_point(SteadyClock::duration(death_ticks_.load()));
}

std::uint64_t SimulatedLine::bytes_after_death() const {
    if (!serial_door_) return 0;
    return serial_door_->bytes_received() - bytes_at_death_;
}

void SimulatedLine::restore() {
    instrument_->set_command_listener({});
    {
        std::lock_guard lock(closer_mutex_);
        closer_quit_ = true;
    }
    closer_wake_.notify_all();
    if (closer_.joinable()) closer_.join();
    closer_quit_ = close_now_ = false;
    if (serial_door_) {
        serial_door_->faults().clear();
        if (!serial_door_->running()) {
            serial_door_->start();
            serial_door_->place_link(device_);
        }
    } else {
        bus().faults().clear();
    }
    died_ = false;
}

}  // namespace e2e
