// The datalogger read-out on answers of any shape: the chunked "DA?"/"DV?" exchange, the
// single reads of the rest, the statistics queries, and the listing step that rewrites
// what was received. Whatever the answers hold, the read-out keeps exactly the values it
// accepted, in entries that stay terminated, and ends complete only with every value.
//
// Input: byte 0 chooses values-only (bit 0) and statistics (bit 1); byte 1 the number
// of values asked for (1 to 64, so chunks, single reads and both mixed all occur); the
// rest are the answer lines, separated by LF, served in order.
#include <cstring>
#include <string>
#include <string_view>

#include "datalog/readout.h"
#include "driver/zk7416.h"
#include "fuzz/answering_instrument.h"
#include "fuzz/fake_line.h"
#include "fuzz/fuzz_check.h"
#include "instrument/instrument_handle.h"
#include "instrument/readout_buffers.h"

namespace {

void connect() {
    if (instrument::tarvolux > 0) return;
    fuzz::AnsweringInstrument idn({"TARVOLUX,7416,0,0497,1.0"});
    fuzz::fake_line_reset([&](std::string_view written) { return idn.respond(written); });
    char answer[ZK7416_ANSWER_SIZE];
    fuzz::check(zk7416_init_serial(1, 9600, 1.0, answer, 0, &instrument::tarvolux) == 0,
                "no fake connection");
}

template <std::size_t N>
bool terminated(const char (&field)[N]) {
    return std::memchr(field, '\0', N) != nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    fuzz::use_scripted_popups();
    connect();

    datalog::ReadoutChoice choice;
    choice.block = 3;
    choice.first_index = 1;
    choice.last_index = 1 + data[1] % 64;
    choice.values_only = data[0] & 1;
    choice.with_statistics = data[0] & 2;

    fuzz::AnsweringInstrument instrument(
        fuzz::split_lines({reinterpret_cast<const char*>(data) + 2, size - 2}));
    fuzz::fake_line_reset([&](std::string_view written) { return instrument.respond(written); });
    datalog::ReadoutProgress no_progress;
    datalog::ReadoutResult result = datalog::read_stored_values(choice, no_progress);

    const auto& readout = instrument::dl_readout;
    fuzz::check(result.read == readout.dl_mem_counts(), "the result miscounts the values kept");
    fuzz::check(result.read >= 0 && result.read <= result.requested,
                "more values kept than asked for");
    fuzz::check((result.end == datalog::ReadoutEnd::Complete) == (result.read == result.requested),
                "complete without every value, or every value but not complete");
    fuzz::check(readout.source().values_only == choice.values_only,
                "the read-out forgot what it was made of");
    for (const instrument::DlEntry& entry : readout.dl_data()) {
        fuzz::check(terminated(entry.value) && terminated(entry.date) && terminated(entry.time),
                    "an entry lost its terminator");
        if (choice.values_only)
            fuzz::check(entry.date[0] == '\0' && entry.time[0] == '\0',
                        "a values-only read-out has dates");
    }
    for (std::size_t k = 0; k < static_cast<std::size_t>(result.read); ++k)
        fuzz::check(!datalog::value_line(k).empty(), "a value read has no line");
    fuzz::check(datalog::value_line(static_cast<std::size_t>(result.read)).empty(),
                "a line past the values read");
    std::size_t statistics = datalog::statistics_lines().size();
    fuzz::check(statistics == 0 || statistics == 4, "statistics of neither none nor four lines");
    if (result.end != datalog::ReadoutEnd::Complete)
        fuzz::check(!datalog::readout_end_text(result).empty(), "an early end told nothing");
    return 0;
}
