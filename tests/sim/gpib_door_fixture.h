// One instrument on the simulated bus, reached through the GPIB simulation library as a
// program reaches it, on a clock the test moves.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gpib_library.h"
#include "platform/ni488.h"
#include "sim/gpib_bus.h"
#include "sim/instrument.h"

namespace sim_test {

constexpr int PAD = 7;
inline const std::string IDN = "TARVOLUX,Typ 7416,1,V0499-1,X";

// Puts `instrument` alone on an empty bus, at PAD, and opens a device descriptor for it.
inline int attach_alone(std::shared_ptr<tarvolux::sim::Instrument> instrument) {
    auto& bus = tarvolux::sim::GpibBus::instance();
    bus.reset();
    bus.set_auto_attach(false);
    bus.set_timeout_scale(0);
    bus.attach(PAD, std::move(instrument));
    return GpibLibrary::get().ibdev(0, PAD, 0, ni488::T10s, 1, 0);
}

inline int gpib_write(int ud, const std::string& line) {
    const std::string message = line + "\n";
    return GpibLibrary::get().ibwrt(ud, message.data(), static_cast<long>(message.size()));
}

// The answer without its CR LF.
inline std::string gpib_query(int ud, const std::string& line) {
    EXPECT_EQ(gpib_write(ud, line) & ni488::ERR, 0) << line;
    char buffer[400];
    if (GpibLibrary::get().ibrd(ud, buffer, sizeof buffer) & ni488::ERR) return "<read failed>";
    const std::string answer(buffer, static_cast<std::size_t>(*GpibLibrary::get().ibcntl));
    const std::size_t body = answer.size() < 2 ? 0 : answer.size() - 2;
    EXPECT_EQ(answer.substr(body), "\r\n") << line;
    return answer.substr(0, body);
}

class GpibDoorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        instrument_ = std::make_shared<tarvolux::sim::Instrument>(
            tarvolux::sim::InstrumentOptions{std::nullopt, IDN, clock_});
        instrument_->modify([](tarvolux::sim::InstrumentState& s) { s.resistor.noise = 0; });
        ud_ = attach_alone(instrument_);
        ASSERT_GT(ud_, 0);
    }
    void TearDown() override { bus().reset(); }

    static tarvolux::sim::GpibBus& bus() { return tarvolux::sim::GpibBus::instance(); }
    static GpibLibrary& lib() { return GpibLibrary::get(); }

    int write(const std::string& line, int ud = 0) { return gpib_write(ud ? ud : ud_, line); }
    // One read; the bytes, with the status word in `sta`.
    std::string read(long count, int& sta) {
        char buffer[512];
        sta = lib().ibrd(ud_, buffer, count);
        return std::string(buffer, static_cast<std::size_t>(*lib().ibcntl));
    }
    std::string query(const std::string& line) { return gpib_query(ud_, line); }
    bool requested() { return lib().ibwait(ud_, ni488::TIMO | ni488::RQS) & ni488::RQS; }
    unsigned poll() {
        char stb = 0;
        lib().ibrsp(ud_, &stb);
        return static_cast<unsigned char>(stb);
    }
    // The three status values agree in the globals and the thread accessors.
    void expect_status(int sta, int err, long cntl) {
        EXPECT_EQ(*lib().ibsta, sta);
        EXPECT_EQ(lib().ThreadIbsta(), sta);
        EXPECT_EQ(*lib().iberr, err);
        EXPECT_EQ(lib().ThreadIberr(), err);
        EXPECT_EQ(*lib().ibcntl, cntl);
        EXPECT_EQ(lib().ThreadIbcntl(), cntl);
    }

    std::shared_ptr<tarvolux::sim::ManualClock> clock_ =
        std::make_shared<tarvolux::sim::ManualClock>();
    std::shared_ptr<tarvolux::sim::Instrument> instrument_;
    int ud_ = 0;
};

}  // namespace sim_test
