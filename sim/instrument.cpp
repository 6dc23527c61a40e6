#include "sim/instrument.h"

#include <algorithm>

#include "sim/request.h"

namespace tarvolux::sim {

namespace {

constexpr std::string_view LINE_END = "\r\n";

// How often a waiter looks at the clock-driven model again when nothing wakes it.
constexpr auto WAIT_SLICE = std::chrono::milliseconds(5);

}  // namespace

Instrument::Instrument(InstrumentOptions options)
    : clock_(options.clock ? options.clock : std::make_shared<RealClock>()), state_(*clock_) {
    if (options.idn) {
        state_.identity = Identity::from_text(*options.idn);
        state_.firmware = options.firmware.value_or(firmware_of(state_.identity));
    } else {
        state_.firmware = options.firmware.value_or(Firmware::New);
        state_.identity = Identity::for_firmware(state_.firmware);
    }
    groups_ = make_command_groups(groups_);
    for (const auto& group : groups_) group->install(dispatcher_);
    for (const auto& group : groups_) group->reset(state_);
}

Instrument::~Instrument() = default;

void Instrument::execute(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    const SplitLine split = split_line(line);
    if (split.header.empty()) return;

    std::function<void(const std::string&)> listener;
    {
        std::lock_guard lock(mutex_);
        log_.emplace_back(line);
        listener = listener_;
        output_.clear();
        local_ = false;
        advance_locked();
        std::optional<std::string> answer = scripts_.take(split.header);
        const bool scripted = answer.has_value();
        if (const Handler* handler = dispatcher_.find(split.header)) {
            Request request(split.header, split.params, state_);
            (*handler)(request);
            auto own = request.finish();
            if (!scripted) answer = std::move(own);
        } else if (!scripted) {
            state_.report_error(ScpiError::UndefinedHeader);
        }
        if (answer) output_ = *answer + std::string(LINE_END);
    }
    changed_.notify_all();
    if (listener) listener(std::string(line));
}

bool Instrument::output_pending() const {
    std::lock_guard lock(mutex_);
    return !output_.empty();
}

OutputChunk Instrument::take_output(std::size_t max,
                                    const std::function<bool(unsigned char)>& terminator) {
    std::lock_guard lock(mutex_);
    OutputChunk chunk;
    std::size_t n = 0;
    while (n < output_.size() && n < max) {
        const auto byte = static_cast<unsigned char>(output_[n++]);
        if (terminator && terminator(byte)) {
            chunk.end = true;
            break;
        }
    }
    chunk.bytes = output_.substr(0, n);
    output_.erase(0, n);
    if (output_.empty() && !chunk.bytes.empty()) chunk.end = true;
    return chunk;
}

void Instrument::stretch_output(std::size_t total) {
    std::lock_guard lock(mutex_);
    if (output_.empty() || output_.size() >= total) return;
    const std::size_t body = output_.size() - LINE_END.size();
    output_.insert(body, total - output_.size(), '#');
}

void Instrument::discard_output() {
    std::lock_guard lock(mutex_);
    output_.clear();
}

std::uint8_t Instrument::status_byte() {
    std::lock_guard lock(mutex_);
    advance_locked();
    return state_.status.status_byte();
}

std::uint8_t Instrument::serial_poll() {
    std::lock_guard lock(mutex_);
    advance_locked();
    return state_.status.serial_poll();
}

template <class Ready>
bool Instrument::wait_locked(std::unique_lock<std::mutex>& lock, Deadline deadline, Ready ready) {
    for (;;) {
        advance_locked();
        if (ready()) return true;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return false;
        // The model may change with time alone (a measurement finishing), which
        // notifies nobody, so the wait looks again after a short slice.
        changed_.wait_until(lock, std::min(deadline, now + WAIT_SLICE));
    }
}

bool Instrument::wait_for_output(Deadline deadline) {
    std::unique_lock lock(mutex_);
    return wait_locked(lock, deadline, [this] { return !output_.empty(); });
}

bool Instrument::wait_for_service_request(Deadline deadline) {
    std::unique_lock lock(mutex_);
    return wait_locked(lock, deadline, [this] { return state_.status.service_requested(); });
}

void Instrument::device_clear() {
    std::lock_guard lock(mutex_);
    output_.clear();
    interface_log_.push_back({InterfaceEvent::DeviceClear, log_.size()});
}

void Instrument::go_to_local() {
    std::lock_guard lock(mutex_);
    local_ = true;
    interface_log_.push_back({InterfaceEvent::GoToLocal, log_.size()});
}

bool Instrument::local() const {
    std::lock_guard lock(mutex_);
    return local_;
}

std::vector<std::string> Instrument::command_log() const {
    std::lock_guard lock(mutex_);
    return log_;
}

std::vector<InterfaceRecord> Instrument::interface_log() const {
    std::lock_guard lock(mutex_);
    return interface_log_;
}

void Instrument::clear_logs() {
    std::lock_guard lock(mutex_);
    log_.clear();
    interface_log_.clear();
}

void Instrument::set_command_listener(std::function<void(const std::string&)> listener) {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

void Instrument::script_answer(std::string_view header, std::string text, int times) {
    std::lock_guard lock(mutex_);
    scripts_.add(header, std::move(text), times);
}

void Instrument::override_answer(std::string_view header, std::string text) {
    std::lock_guard lock(mutex_);
    scripts_.set_override(header, std::move(text));
}

void Instrument::clear_scripted_answers() {
    std::lock_guard lock(mutex_);
    scripts_.clear();
}

void Instrument::advance_locked() {
    for (const auto& group : groups_) group->advance(state_);
}

}  // namespace tarvolux::sim
