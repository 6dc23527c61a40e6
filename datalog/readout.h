// Reading stored values out of a datalogger block: the chunked exchange with the
// instrument, the statistics, and what the read-out keeps (instrument::dl_readout). No
// widgets here: the read-out panel shows the result, and a command-line tool can run
// the same read-out with the scripted ui back end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace datalog {

struct ReadoutChoice {
    std::int32_t block = 0;
    std::int32_t first_index = 1;  // value numbers, counted from 1
    std::int32_t last_index = 0;
    bool values_only = false;      // without date and time
    bool with_statistics = false;  // the block's statistics too
};

// How a read-out shows its progress and learns that the operator wants to stop. The
// defaults show nothing and never stop.
class ReadoutProgress {
  public:
    virtual ~ReadoutProgress() = default;
    virtual void started(std::int32_t /*first_index*/, std::int32_t /*last_index*/) {}
    // After every exchange: the number of the value to be read next.
    virtual void advanced(std::int32_t /*next_index*/) {}
    // Asked before every exchange; true ends the read-out, keeping what was read.
    virtual bool cancel_requested() { return false; }
    virtual void finished() {}
};

enum class ReadoutEnd {
    Complete,
    Cancelled,       // by the operator
    ConnectionLost,  // an exchange failed for lack of a connection
    BadAnswer,       // an answer without the fields asked for
    NoMemory,        // the buffers could not be had (the operator has been told)
    NoBlock,         // the block number is out of range; nothing was sent
};

struct ReadoutResult {
    ReadoutEnd end = ReadoutEnd::Complete;
    std::int32_t requested = 0;  // values asked for
    std::int32_t read = 0;       // values the read-out holds
    std::string failed_request;  // the exchange that ended it early
    std::int32_t status = 0;     // that exchange's status
};

// Reads the values `choice` names into instrument::dl_readout, which then holds exactly
// the values received and remembers the choice and the block's name. Values are
// fetched 20 at a time without date ("DA?") or 7 at a time with it ("DV?"), the rest
// one by one, with the pauses the instrument needs. Every answer is checked: the
// first failed exchange, an answer without the fields asked for, or a cancel ends the
// read-out, and what was read before stays. Afterwards the value texts are rewritten
// for display, the two-digit years of the older firmware widened, and the values in
// ohms filled in (NaN for an overload, which has none). With statistics, dblmin,
// dblmax, dblavg and dbldev take the block's figures unless it holds no measured value.
ReadoutResult read_stored_values(const ReadoutChoice& choice, ReadoutProgress& progress);

// The listing step read_stored_values ends with, on what instrument::dl_readout holds:
// the value texts rewritten for display ("12.345MOHM" -> "12.345 mOhm"), the values in
// ohms filled in (NaN for an overload), and, with dates, two-digit years widened.
void prepare_for_display(bool values_only);

// What the operator is told about a read-out that ended early (empty when it is
// complete): why, and how many values were read.
std::string readout_end_text(const ReadoutResult& result);

// The read-out with the choices of the `upload` record from the active block. Tells
// the operator when it ended early. 1 when every value was read, 0 when it ended
// early (the values read so far are kept), -1 when nothing could be read because
// memory was not available or there is no valid active block.
int read_data_logger(ReadoutProgress& progress);

// The four statistics lines of the list: "Statistik Minimum   12.345 mOhm", ... (UTF-8),
// as the last read-out holds them; none when it was made without statistics.
std::vector<std::string> statistics_lines();

// The list's row for entry k of the last read-out (UTF-8): its value number and value
// text, and its date and time when they were read. Empty past the entries it holds.
std::vector<std::string> value_fields(std::size_t k);
// The same row as one line, the fields separated by tabs:
// "1\t12.0000 mOhm\t15.03.2024\t10:00:00:00".
std::string value_line(std::size_t k);

// The estimated duration in seconds of reading `count` values: per request 120 s times
// the connection's speed factor measured at the last full upload, 0.7 of that when the
// whole block is read.
double transfer_time_estimate(std::int32_t count, bool values_only, bool read_all);

}  // namespace datalog
