// The toolkit layer's Qt back end: real modal popups, file selection, the progress
// panel and the busy cursor, installed by the program at start.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/ui.h"

class QLabel;
class QProgressBar;
class QDialog;

namespace ui {

class QtBackend final : public Backend {
  public:
    QtBackend();
    ~QtBackend() override;

    // Popups are centred on this window while it is shown (the main window).
    void set_parent_window(QWidget* window) { parent_ = window; }

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

    // The progress panel, for tests that look at it.
    QDialog* progress_panel() const;

  private:
    QWidget* parent() const;
    void ensure_progress_panel();

    QPointer<QWidget> parent_;
    QPointer<QDialog> progress_;
    QLabel* progress_label_ = nullptr;
    QProgressBar* progress_bar_ = nullptr;
    int busy_depth_ = 0;
};

}  // namespace ui
