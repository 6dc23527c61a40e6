#include "ui/console_backend.h"

#include <chrono>
#include <ostream>
#include <thread>

#include "ui/translatable.h"

namespace ui {

void ConsoleBackend::message_box(const std::string& title, const std::string& text) {
    end_progress_line();
    if (title == "Fehler-Meldung :") ++errors_shown_;
    out_ << shown(title) << ' ' << shown(text) << '\n' << std::flush;
}

void ConsoleBackend::unanswered(const std::string& title, const std::string& text,
                                const std::string& answer) {
    end_progress_line();
    out_ << shown(title) << ' ' << shown(text) << "\n-> " << shown(answer) << '\n' << std::flush;
}

bool ConsoleBackend::question(const Question& question) {
    auto found = questions_.find(question.text);
    if (found != questions_.end()) return found->second;
    unanswered(question.title, question.text, question.no_button);
    return false;
}

std::optional<std::string> ConsoleBackend::prompt(const Prompt& prompt) {
    auto found = prompts_.find(prompt.title);
    if (found != prompts_.end()) return found->second;
    unanswered(prompt.title, prompt.text, UI_TEXT("ohm7416", "(abgebrochen)"));
    return std::nullopt;
}

int ConsoleBackend::three_button(const ThreeButtonPopup& popup) {
    auto found = three_buttons_.find(popup.text);
    if (found != three_buttons_.end()) return found->second;
    int button = popup.escape_button != 0 ? popup.escape_button : 3;
    unanswered(popup.title, popup.text, popup.buttons[static_cast<std::size_t>(button - 1)]);
    return button;
}

std::optional<std::string> ConsoleBackend::select_file(const FileSelection& selection) {
    if (!files_.empty()) {
        std::string path = std::move(files_.front());
        files_.pop_front();
        return path;
    }
    unanswered(selection.title, selection.file_spec, UI_TEXT("ohm7416", "(abgebrochen)"));
    return std::nullopt;
}

void ConsoleBackend::progress_show(const std::string& label, int maximum) {
    progress_label_ = label;
    progress_maximum_ = maximum;
    progress_value_ = 0;
    draw_progress();
}

void ConsoleBackend::progress_set_label(const std::string& label) {
    progress_label_ = label;
    draw_progress();
}

void ConsoleBackend::progress_set_maximum(int maximum) {
    progress_maximum_ = maximum;
    draw_progress();
}

void ConsoleBackend::progress_set_value(int value) {
    progress_value_ = value;
    draw_progress();
}

void ConsoleBackend::progress_hide() {
    end_progress_line();
}

void ConsoleBackend::draw_progress() {
    if (!show_progress_) return;
    // One line, rewritten in place; the trailing blanks wipe a longer previous text. A
    // value past the maximum shows as the maximum, as a progress bar would.
    int value = progress_value_ > progress_maximum_ ? progress_maximum_ : progress_value_;
    out_ << '\r' << shown(progress_label_) << ": " << value << '/' << progress_maximum_ << "     "
         << std::flush;
    progress_drawn_ = true;
}

void ConsoleBackend::end_progress_line() {
    if (!progress_drawn_) return;
    out_ << '\n' << std::flush;
    progress_drawn_ = false;
}

void ConsoleBackend::delay(double seconds) {
    if (pacing_ && seconds > 0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace ui
