#include "ui/ui.h"

#include <iostream>

#include "ui/scripted_backend.h"

namespace ui {

namespace {

Backend* installed = nullptr;
bool busy_shown = false;

// Used before the program installs its back end (and by tools that never do): nothing
// blocks, every question gets its safe answer, and the operator can still read on
// stderr what would have been shown.
Backend& fallback() {
    static ScriptedBackend backend = [] {
        ScriptedBackend b;
        b.set_echo(&std::cerr);
        return b;
    }();
    return backend;
}

}  // namespace

void set_backend(Backend* backend) {
    installed = backend;
}

Backend& backend() {
    return installed ? *installed : fallback();
}

void message_box(const std::string& title, const std::string& text) {
    backend().message_box(title, text);
}

bool confirm(const std::string& title, const std::string& text) {
    Question question;
    question.title = title;
    question.text = text;
    return backend().question(question);
}

std::optional<std::string> prompt(const std::string& title, const std::string& text,
                                  std::size_t max_length) {
    return backend().prompt(Prompt{title, text, max_length});
}

int three_button_popup(const ThreeButtonPopup& popup) {
    return backend().three_button(popup);
}

std::optional<std::string> select_file(const FileSelection& selection) {
    return backend().select_file(selection);
}

void progress_show(const std::string& label, int maximum) {
    backend().progress_show(label, maximum);
}
void progress_set_label(const std::string& label) {
    backend().progress_set_label(label);
}
void progress_set_maximum(int maximum) {
    backend().progress_set_maximum(maximum);
}
void progress_set_value(int value) {
    backend().progress_set_value(value);
}
void progress_hide() {
    backend().progress_hide();
}

void set_busy(bool busy) {
    busy_shown = busy;
    backend().set_busy(busy);
}

bool is_busy() {
    return busy_shown;
}

BusyCursor::BusyCursor() : was_busy_(busy_shown) {
    set_busy(true);
}

BusyCursor::~BusyCursor() {
    set_busy(was_busy_);
}

namespace {

int pause_depth = 0;

struct Pause {
    Pause() { ++pause_depth; }
    ~Pause() { --pause_depth; }
};

}  // namespace

void delay(double seconds) {
    Pause pause;
    backend().delay(seconds);
}

void process_events() {
    Pause pause;
    backend().process_events();
}

bool in_pause() {
    return pause_depth > 0;
}

}  // namespace ui
