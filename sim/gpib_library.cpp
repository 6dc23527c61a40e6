// The GPIB simulation library: the NI-488.2 subset the driver's loader binds, with C
// linkage, forwarding to the simulated bus of this process. Every call leaves its
// status in the globals and in the calling thread's own copies.
#include "sim/gpib_bus.h"

#define GPIB_VISIBLE __attribute__((visibility("default")))
#define GPIB_EXPORT extern "C" GPIB_VISIBLE

extern "C" {
GPIB_VISIBLE int ibsta = 0;
GPIB_VISIBLE int iberr = 0;
GPIB_VISIBLE long ibcntl = 0;
}

namespace {

thread_local tarvolux::sim::IbResult thread_status;

tarvolux::sim::GpibBus& bus() {
    return tarvolux::sim::GpibBus::instance();
}

int publish(const tarvolux::sim::IbResult& result) {
    thread_status = result;
    ibsta = result.sta;
    iberr = result.err;
    ibcntl = result.cntl;
    return result.sta;
}

}  // namespace

GPIB_EXPORT int ibdev(int board, int pad, int sad, int tmo, int eot, int eos) {
    const auto result = bus().ibdev(board, pad, sad, tmo, eot, eos);
    publish(result);
    return result.value;
}

GPIB_EXPORT int ibonl(int ud, int v) {
    return publish(bus().ibonl(ud, v));
}
GPIB_EXPORT int ibtmo(int ud, int v) {
    return publish(bus().ibtmo(ud, v));
}
GPIB_EXPORT int ibeos(int ud, int v) {
    return publish(bus().ibeos(ud, v));
}
GPIB_EXPORT int ibconfig(int ud, int option, int value) {
    return publish(bus().ibconfig(ud, option, value));
}
GPIB_EXPORT int ibclr(int ud) {
    return publish(bus().ibclr(ud));
}
GPIB_EXPORT int ibpad(int ud, int pad) {
    return publish(bus().ibpad(ud, pad));
}
GPIB_EXPORT int ibwrt(int ud, const void* buf, long count) {
    return publish(bus().ibwrt(ud, buf, count));
}
GPIB_EXPORT int ibrd(int ud, void* buf, long count) {
    return publish(bus().ibrd(ud, buf, count));
}
GPIB_EXPORT int ibrsp(int ud, char* spr) {
    return publish(bus().ibrsp(ud, spr));
}
GPIB_EXPORT int ibwait(int ud, int mask) {
    return publish(bus().ibwait(ud, mask));
}
GPIB_EXPORT int ibloc(int ud) {
    return publish(bus().ibloc(ud));
}

GPIB_EXPORT int ThreadIbsta(void) {
    return thread_status.sta;
}
GPIB_EXPORT int ThreadIberr(void) {
    return thread_status.err;
}
GPIB_EXPORT long ThreadIbcntl(void) {
    return thread_status.cntl;
}
