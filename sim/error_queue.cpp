#include "sim/error_queue.h"

namespace tarvolux::sim {

const char* error_text(ScpiError error) {
    switch (error) {
        case ScpiError::CommandError:
            return "Command error";
        case ScpiError::SyntaxError:
            return "Syntax error";
        case ScpiError::DataTypeError:
            return "Data type error";
        case ScpiError::ParameterNotAllowed:
            return "Parameter not allowed";
        case ScpiError::MissingParameter:
            return "Missing parameter";
        case ScpiError::UndefinedHeader:
            return "Undefined header";
        case ScpiError::ExecutionError:
            return "Execution error";
        case ScpiError::SettingsConflict:
            return "Settings conflict";
        case ScpiError::DataOutOfRange:
            return "Data out of range";
        case ScpiError::IllegalParameterValue:
            return "Illegal parameter value";
        case ScpiError::DataStale:
            return "Data corrupt or stale";
        case ScpiError::QueueOverflow:
            return "Queue overflow";
    }
    return "Error";
}

void ErrorQueue::push(ScpiError error) {
    ErrorEntry entry{static_cast<int>(error), error_text(error)};
    if (entries_.size() < CAPACITY) {
        entries_.push_back(std::move(entry));
        return;
    }
    // A full queue keeps its oldest entries; the newest slot tells that some were lost.
    entries_.back() = {static_cast<int>(ScpiError::QueueOverflow),
                       error_text(ScpiError::QueueOverflow)};
}

ErrorEntry ErrorQueue::pop() {
    if (entries_.empty()) return {0, "No error"};
    ErrorEntry entry = std::move(entries_.front());
    entries_.pop_front();
    return entry;
}

std::string format_error(const ErrorEntry& entry) {
    return std::to_string(entry.number) + ",\"" + entry.text + "\"";
}

}  // namespace tarvolux::sim
