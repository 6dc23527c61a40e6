// The values of the last datalogger read-out, kept for the list, the graph and the
// export until the next read-out or until the read-out panel closes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>

namespace instrument {

// One read-out value as the instrument delivered it, 60 bytes of NUL-terminated texts.
struct DlEntry {
    char date[11];   // dd.mm.yyyy; empty when only values were read
    char time[15];   // four colon-separated groups of digits; empty likewise
    char value[34];  // number and unit, "12.345 mOhm" once rewritten for display
};

static_assert(sizeof(DlEntry) == 60 && offsetof(DlEntry, date) == 0 &&
              offsetof(DlEntry, time) == 11 && offsetof(DlEntry, value) == 26);

// What a read-out was made of. The graph and the export label the values with this,
// not with the read-out panel's controls, which the operator may change after reading.
struct ReadoutSource {
    std::int32_t block = -1;  // -1: nothing was read
    std::string name;         // the block's name at reading time, Latin-1
    bool values_only = false;
    // The block's statistics were read with the values; `statistics` holds them as
    // listed (minimum, maximum, mean, deviation; Latin-1), "Gelöscht" for a block
    // without measured values, and then `statistics_empty` is set.
    bool with_statistics = false;
    bool statistics_empty = false;
    std::array<std::string, 4> statistics;
};

// More values than any datalogger holds; a larger range is a wrong range, refused
// like memory that is not available.
inline constexpr std::int64_t MAX_READOUT_VALUES = 1'000'000;

class DatalogReadout {
  public:
    // Releases the previous read-out, then makes room for the values first_index to
    // last_index, zero-filled. When that fails (memory not available, or a range with
    // fewer than zero or absurdly many values) it shows "Kann keinen Speicher zuweisen"
    // and returns false, holding nothing.
    bool allocate(std::int32_t first_index, std::int32_t last_index);
    void release();

    // Keeps only the first `count` entries: a read-out that ended early holds exactly
    // the values it received.
    void keep_first(std::int32_t count);

    const ReadoutSource& source() const { return source_; }
    void set_source(ReadoutSource source) { source_ = std::move(source); }

    bool dl_buffers_allocated() const { return data_ != nullptr; }
    // Number of entries the last read-out holds; readers never go past it.
    std::int32_t dl_mem_counts() const { return count_; }
    // Value number of entry 0.
    std::int32_t first_value() const { return first_; }

    std::span<DlEntry> dl_data() { return {data_.get(), static_cast<std::size_t>(count_)}; }
    std::span<const DlEntry> dl_data() const {
        return {data_.get(), static_cast<std::size_t>(count_)};
    }
    // Entry k is the value in ohms of dl_data()[k].
    std::span<float> dl_num_value() { return {num_.get(), static_cast<std::size_t>(count_)}; }
    std::span<const float> dl_num_value() const {
        return {num_.get(), static_cast<std::size_t>(count_)};
    }

  private:
    std::unique_ptr<DlEntry[]> data_;
    std::unique_ptr<float[]> num_;
    std::int32_t count_ = 0;
    std::int32_t first_ = 0;
    ReadoutSource source_;
};

extern DatalogReadout dl_readout;

// Minimum, maximum, mean and standard deviation of the last read-out with statistics,
// in ohms.
extern double dblmin;
extern double dblmax;
extern double dblavg;
extern double dbldev;

}  // namespace instrument
