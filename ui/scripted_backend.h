// A back end without windows, for tests and command-line tools: answers come from
// queues filled beforehand, and everything shown is recorded so the exact texts can be
// checked afterwards.
//
// A popup with no queued answer gets the safe answer and is marked unanswered:
//   question       -> "Nein" (false): nothing is sent, deleted or transferred;
//   prompt         -> cancelled;
//   three buttons  -> the button the Escape key means, or button 3 when Escape means none;
//   file selection -> cancelled.
// Delays are recorded and not slept unless pacing is switched on.
#pragma once

#include <deque>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace ui {

enum class PopupKind { Message, Question, Prompt, ThreeButton, FileSelection };

struct PopupRecord {
    PopupKind kind = PopupKind::Message;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
    bool answered = true;  // false when the safe default was used
    // Three-button popups and questions: which button has the focus and which ones the
    // Enter and Escape keys mean (0 = none).
    int focus = 0;
    int enter_button = 0;
    int escape_button = 0;
    std::size_t max_length = 0;  // prompts
    FileSelection file;          // file selections
    std::string answer;          // what was answered, as text ("Ja", a path, "2", ...)
};

enum class ProgressEventKind { Show, Label, Maximum, Value, Hide };

struct ProgressEvent {
    ProgressEventKind kind;
    std::string label;  // Show, Label
    int number = 0;     // Show (maximum), Maximum, Value
};

class ScriptedBackend : public Backend {
  public:
    // Queued answers, consumed first in, first out, one queue per kind of popup.
    void answer_question(bool yes) { questions_.push_back(yes); }
    void answer_prompt(std::string text) { prompts_.push_back(std::move(text)); }
    void cancel_prompt() { prompts_.push_back(std::nullopt); }
    void answer_three_button(int button) { three_buttons_.push_back(button); }
    void answer_file(std::string path) { files_.push_back(std::move(path)); }
    void cancel_file() { files_.push_back(std::nullopt); }

    // Answers still queued (a test can check that every scripted answer was used).
    std::size_t pending_answers() const;

    const std::vector<PopupRecord>& popups() const { return popups_; }
    std::size_t unanswered_count() const;
    const std::vector<ProgressEvent>& progress_events() const { return progress_; }
    const std::vector<bool>& busy_events() const { return busy_; }
    const std::vector<double>& delays() const { return delays_; }
    int process_events_count() const { return process_events_count_; }
    void clear_records();

    // With pacing on, delay() really waits.
    void set_pacing(bool on) { pacing_ = on; }
    // Every popup is also written to `out` (nullptr = silent).
    void set_echo(std::ostream* out) { echo_ = out; }

    void message_box(const std::string& title, const std::string& text) override;
    bool question(const Question& question) override;
    std::optional<std::string> prompt(const Prompt& prompt) override;
    int three_button(const ThreeButtonPopup& popup) override;
    std::optional<std::string> select_file(const FileSelection& selection) override;
    void progress_show(const std::string& label, int maximum) override;
    void progress_set_label(const std::string& label) override;
    void progress_set_maximum(int maximum) override;
    void progress_set_value(int value) override;
    void progress_hide() override;
    void set_busy(bool busy) override;
    void delay(double seconds) override;
    void process_events() override;

  private:
    void record(PopupRecord popup);

    std::deque<bool> questions_;
    std::deque<std::optional<std::string>> prompts_;
    std::deque<int> three_buttons_;
    std::deque<std::optional<std::string>> files_;

    std::vector<PopupRecord> popups_;
    std::vector<ProgressEvent> progress_;
    std::vector<bool> busy_;
    std::vector<double> delays_;
    int process_events_count_ = 0;
    bool pacing_ = false;
    std::ostream* echo_ = nullptr;
};

}  // namespace ui
