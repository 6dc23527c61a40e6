// The instrument's SCPI error queue: oldest error first, bounded like a real
// instrument's, where an overflow replaces the newest entry by "Queue overflow".
#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace tarvolux::sim {

// The SCPI error numbers this instrument reports.
enum class ScpiError : int {
    CommandError = -100,
    SyntaxError = -102,
    DataTypeError = -104,
    ParameterNotAllowed = -108,
    MissingParameter = -109,
    UndefinedHeader = -113,
    ExecutionError = -200,
    SettingsConflict = -221,
    DataOutOfRange = -222,
    IllegalParameterValue = -224,
    DataStale = -230,
    QueueOverflow = -350,
};

const char* error_text(ScpiError error);

struct ErrorEntry {
    int number;
    std::string text;
};

class ErrorQueue {
  public:
    static constexpr std::size_t CAPACITY = 10;

    void push(ScpiError error);
    // The oldest entry, removed; 0,"No error" when the queue is empty.
    ErrorEntry pop();
    std::size_t size() const { return entries_.size(); }
    void clear() { entries_.clear(); }

  private:
    std::deque<ErrorEntry> entries_;
};

// The answer to ":SYSTEM:ERROR?": <number>,"<text>".
std::string format_error(const ErrorEntry& entry);

}  // namespace tarvolux::sim
