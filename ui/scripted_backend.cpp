#include "ui/scripted_backend.h"

#include <chrono>
#include <ostream>
#include <thread>

namespace ui {

namespace {

const char* kind_name(PopupKind kind) {
    switch (kind) {
        case PopupKind::Message:
            return "message";
        case PopupKind::Question:
            return "question";
        case PopupKind::Prompt:
            return "prompt";
        case PopupKind::ThreeButton:
            return "three-button";
        case PopupKind::FileSelection:
            return "file selection";
    }
    return "popup";
}

template <typename Queue>
auto take(Queue& queue) -> std::optional<typename Queue::value_type> {
    if (queue.empty()) return std::nullopt;
    auto value = std::move(queue.front());
    queue.pop_front();
    return value;
}

}  // namespace

std::size_t ScriptedBackend::pending_answers() const {
    return questions_.size() + prompts_.size() + three_buttons_.size() + files_.size();
}

std::size_t ScriptedBackend::unanswered_count() const {
    std::size_t count = 0;
    for (const auto& popup : popups_) count += popup.answered ? 0 : 1;
    return count;
}

void ScriptedBackend::clear_records() {
    popups_.clear();
    progress_.clear();
    busy_.clear();
    delays_.clear();
    process_events_count_ = 0;
}

void ScriptedBackend::record(PopupRecord popup) {
    if (echo_) {
        *echo_ << '[' << kind_name(popup.kind) << "] " << popup.title << '\n' << popup.text << '\n';
        if (popup.kind != PopupKind::Message)
            *echo_ << "-> " << popup.answer << (popup.answered ? "" : " (unanswered)") << '\n';
    }
    popups_.push_back(std::move(popup));
}

void ScriptedBackend::message_box(const std::string& title, const std::string& text) {
    PopupRecord popup;
    popup.kind = PopupKind::Message;
    popup.title = title;
    popup.text = text;
    popup.buttons = {"OK"};
    record(std::move(popup));
}

bool ScriptedBackend::question(const Question& question) {
    PopupRecord popup;
    popup.kind = PopupKind::Question;
    popup.title = question.title;
    popup.text = question.text;
    popup.buttons = {question.yes_button, question.no_button};
    popup.focus = 1;
    popup.enter_button = 1;
    popup.escape_button = 2;
    auto answer = take(questions_);
    popup.answered = answer.has_value();
    bool yes = answer.value_or(false);
    popup.answer = yes ? question.yes_button : question.no_button;
    record(std::move(popup));
    return yes;
}

std::optional<std::string> ScriptedBackend::prompt(const Prompt& prompt) {
    PopupRecord popup;
    popup.kind = PopupKind::Prompt;
    popup.title = prompt.title;
    popup.text = prompt.text;
    popup.max_length = prompt.max_length;
    auto answer = take(prompts_);
    popup.answered = answer.has_value();
    std::optional<std::string> result = answer ? *answer : std::nullopt;
    popup.answer = result ? *result : "(cancel)";
    record(std::move(popup));
    return result;
}

int ScriptedBackend::three_button(const ThreeButtonPopup& three) {
    PopupRecord popup;
    popup.kind = PopupKind::ThreeButton;
    popup.title = three.title;
    popup.text = three.text;
    popup.buttons.assign(three.buttons.begin(), three.buttons.end());
    popup.focus = three.focus;
    popup.enter_button = three.enter_button;
    popup.escape_button = three.escape_button;
    auto answer = take(three_buttons_);
    popup.answered = answer.has_value();
    int button = answer.value_or(three.escape_button != 0 ? three.escape_button : 3);
    popup.answer = std::to_string(button);
    record(std::move(popup));
    return button;
}

std::optional<std::string> ScriptedBackend::select_file(const FileSelection& selection) {
    PopupRecord popup;
    popup.kind = PopupKind::FileSelection;
    popup.title = selection.title;
    popup.file = selection;
    auto answer = take(files_);
    popup.answered = answer.has_value();
    std::optional<std::string> result = answer ? *answer : std::nullopt;
    popup.answer = result ? *result : "(cancel)";
    record(std::move(popup));
    return result;
}

void ScriptedBackend::progress_show(const std::string& label, int maximum) {
    progress_.push_back({ProgressEventKind::Show, label, maximum});
}

void ScriptedBackend::progress_set_label(const std::string& label) {
    progress_.push_back({ProgressEventKind::Label, label, 0});
}

void ScriptedBackend::progress_set_maximum(int maximum) {
    progress_.push_back({ProgressEventKind::Maximum, {}, maximum});
}

void ScriptedBackend::progress_set_value(int value) {
    progress_.push_back({ProgressEventKind::Value, {}, value});
}

void ScriptedBackend::progress_hide() {
    progress_.push_back({ProgressEventKind::Hide, {}, 0});
}

void ScriptedBackend::set_busy(bool busy) {
    busy_.push_back(busy);
}

void ScriptedBackend::delay(double seconds) {
    delays_.push_back(seconds);
    if (pacing_ && seconds > 0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

void ScriptedBackend::process_events() {
    ++process_events_count_;
}

}  // namespace ui
