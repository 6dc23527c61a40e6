// zk7416-scpi --measure: a quick check of the measurement path on a port.
#pragma once

#include <cstdint>
#include <cstdio>

namespace console {

// Starts a measurement, prints `count` values to `out` (one per line; a questionable
// cause prints its label instead), and stops. On RS-232 a value that is not there yet
// is polled for again after a short pause, for at most `time_limit` seconds per value.
// Returns 0 when all values came, else 1 after a German message on stderr.
int measure_values(int32_t handle, int count, double time_limit, std::FILE* out);

// "<what>: Status <n> (<text>)" on stderr, in the language shown.
void report(const char* what, int32_t status);

}  // namespace console
