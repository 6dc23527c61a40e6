// The toolkit layer: everything the model code needs from the operator (messages,
// questions, prompts, file choice, progress, busy cursor) and the pacing between
// instrument commands, without naming a widget toolkit. The program installs a Qt back
// end at start; tests and command-line tools install ui::ScriptedBackend.
//
// All texts crossing this interface are UTF-8.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "ui/translatable.h"

namespace ui {

// Two-button question. The first button has the focus and answers the Enter key; the
// Escape key answers the second one.
struct Question {
    std::string title;
    std::string text;
    std::string yes_button = UI_TEXT("ohm7416", "Ja");
    std::string no_button = UI_TEXT("ohm7416", "Nein");
};

struct Prompt {
    std::string title;
    std::string text;
    std::size_t max_length = 0;  // in characters
};

// Three-button popup. Buttons are numbered 1 to 3; 0 in enter_button or escape_button
// means the key is bound to no button.
struct ThreeButtonPopup {
    std::string title;
    std::string text;
    std::array<std::string, 3> buttons;
    int focus = 1;
    int enter_button = 0;
    int escape_button = 0;
};

enum class FileMode { Load, Save };

struct FileSelection {
    std::string title;
    std::string start_folder;
    std::string file_spec;  // e.g. "*.cfg"
    FileMode mode = FileMode::Load;
    bool restrict_extension = true;
    bool allow_new_folders = true;
};

class Backend {
  public:
    virtual ~Backend() = default;

    // Modal message with one OK button.
    virtual void message_box(const std::string& title, const std::string& text) = 0;
    // true = first button ("Ja").
    virtual bool question(const Question& question) = 0;
    // nullopt = cancelled.
    virtual std::optional<std::string> prompt(const Prompt& prompt) = 0;
    // 1, 2 or 3.
    virtual int three_button(const ThreeButtonPopup& popup) = 0;
    // nullopt = cancelled.
    virtual std::optional<std::string> select_file(const FileSelection& selection) = 0;

    virtual void progress_show(const std::string& label, int maximum) = 0;
    virtual void progress_set_label(const std::string& label) = 0;
    virtual void progress_set_maximum(int maximum) = 0;
    virtual void progress_set_value(int value) = 0;
    virtual void progress_hide() = 0;

    virtual void set_busy(bool busy) = 0;

    // The fixed pause between instrument commands.
    virtual void delay(double seconds) = 0;
    // Lets the screen update before a long step.
    virtual void process_events() = 0;
};

// Installs the back end every call below goes to; nullptr restores the fallback, which
// answers like an unscripted ui::ScriptedBackend and echoes every popup to stderr.
void set_backend(Backend* backend);
Backend& backend();

void message_box(const std::string& title, const std::string& text);
bool confirm(const std::string& title, const std::string& text);
std::optional<std::string> prompt(const std::string& title, const std::string& text,
                                  std::size_t max_length);
int three_button_popup(const ThreeButtonPopup& popup);
std::optional<std::string> select_file(const FileSelection& selection);

void progress_show(const std::string& label, int maximum);
void progress_set_label(const std::string& label);
void progress_set_maximum(int maximum);
void progress_set_value(int value);
void progress_hide();

void set_busy(bool busy);
bool is_busy();

// Busy cursor for a scope; restores whatever was shown before, so guards nest.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    bool was_busy_;
};

void delay(double seconds);
void process_events();
// True while a pause (delay or process_events) is processing events: whatever runs then
// runs in the middle of an exchange with the instrument.
bool in_pause();

}  // namespace ui
