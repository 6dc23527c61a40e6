// A back end for command-line tools: nothing waits for a person. Messages go to a
// stream (normally stderr); every question is answered from what the tool was told on
// its command line; progress is drawn on the stream when it is a terminal.
//
// Answers to questions and three-button popups are keyed by the popup's text, those to
// prompts by the title, so an answer meant for one question is never given to another;
// file selections take the paths given, in order. A popup without an answer gets the safe answer of
// ui::ScriptedBackend
// ("Nein", cancel, the Escape button) and is written to the stream with that answer.
#pragma once

#include <deque>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>

#include "ui/ui.h"

namespace ui {

class ConsoleBackend : public Backend {
  public:
    explicit ConsoleBackend(std::ostream& out) : out_(out) {}

    void answer_question(const std::string& text, bool yes) { questions_[text] = yes; }
    void answer_three_button(const std::string& text, int button) { three_buttons_[text] = button; }
    void answer_file(std::string path) { files_.push_back(std::move(path)); }
    void answer_prompt(const std::string& title, std::string text) {
        prompts_[title] = std::move(text);
    }

    // With pacing on (the default), delay() really waits: the pauses are the flow
    // control of the exchange with the instrument.
    void set_pacing(bool on) { pacing_ = on; }
    void set_show_progress(bool on) { show_progress_ = on; }

    // Messages shown under "Fehler-Meldung :" so far.
    int errors_shown() const { return errors_shown_; }

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
    void set_busy(bool) override {}
    void delay(double seconds) override;
    void process_events() override {}

  private:
    void unanswered(const std::string& title, const std::string& text, const std::string& answer);
    void draw_progress();
    void end_progress_line();

    std::ostream& out_;
    std::map<std::string, bool> questions_;
    std::map<std::string, int> three_buttons_;
    std::deque<std::string> files_;
    std::map<std::string, std::string> prompts_;
    bool pacing_ = true;
    bool show_progress_ = false;
    int errors_shown_ = 0;

    std::string progress_label_;
    int progress_maximum_ = 0;
    int progress_value_ = 0;
    bool progress_drawn_ = false;
};

}  // namespace ui
