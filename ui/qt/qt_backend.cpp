#include "ui/qt/qt_backend.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "ui/qt/popup_dialogs.h"
#include "ui/qt/value_displays.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"

namespace ui {
namespace {

// Every text the model code hands over is shown in the language chosen; paths are not texts.
QString q(const std::string& s) {
    return shown_text(s);
}

QString path(const std::string& s) {
    return QString::fromUtf8(s.c_str(), static_cast<int>(s.size()));
}

}  // namespace

QtBackend::QtBackend() {
    // Before the first panel is built: a display's accessible interface is made when
    // the display is.
    install_value_displays();
}

QtBackend::~QtBackend() {
    delete progress_;
}

QWidget* QtBackend::parent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_ && parent_->isVisible() ? parent_.data() : nullptr;
}

void QtBackend::message_box(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, q(title), q(text), QMessageBox::Ok, parent());
    box.exec();
}

bool QtBackend::question(const Question& question) {
    ButtonPopup popup(parent(), q(question.title), q(question.text),
                      {q(question.yes_button), q(question.no_button)}, 1, 1, 2);
    return popup.exec_choice() == 1;
}

std::optional<std::string> QtBackend::prompt(const Prompt& prompt) {
    PromptDialog dialog(parent(), q(prompt.title), q(prompt.text),
                        static_cast<int>(prompt.max_length));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.text().toStdString();
}

int QtBackend::three_button(const ThreeButtonPopup& popup) {
    ButtonPopup dialog(parent(), q(popup.title), q(popup.text),
                       {q(popup.buttons[0]), q(popup.buttons[1]), q(popup.buttons[2])}, popup.focus,
                       popup.enter_button, popup.escape_button);
    return dialog.exec_choice();
}

std::optional<std::string> QtBackend::select_file(const FileSelection& selection) {
    QFileDialog dialog(parent(), q(selection.title), path(selection.start_folder));
    // The same dialog on every desktop and under tests; it also offers new folders.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, !selection.allow_new_folders);
    bool save = selection.mode == FileMode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QString filter = path(selection.file_spec);
    if (!filter.isEmpty()) {
        // ".bak" alone means "*.bak".
        if (filter.startsWith('.')) filter.prepend('*');
        dialog.setNameFilter(filter);
        if (selection.restrict_extension && filter.startsWith("*."))
            dialog.setDefaultSuffix(filter.mid(2));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

void QtBackend::ensure_progress_panel() {
    if (progress_) return;
    progress_ = new QDialog(parent(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    progress_->setObjectName("progressPanel");
    progress_->setWindowTitle(q(UI_TEXT("ohm7416", "Fortschritt")));
    progress_->setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(progress_);
    progress_label_ = new QLabel(progress_);
    progress_label_->setObjectName("progressLabel");
    progress_bar_ = new QProgressBar(progress_);
    progress_bar_->setObjectName("progressBar");
    progress_bar_->setMinimumWidth(360);
    layout->addWidget(progress_label_);
    layout->addWidget(progress_bar_);
}

QDialog* QtBackend::progress_panel() const {
    return progress_;
}

void QtBackend::progress_show(const std::string& label, int maximum) {
    ensure_progress_panel();
    progress_label_->setText(q(label));
    progress_bar_->setRange(0, maximum);
    progress_bar_->setValue(0);
    progress_->show();
    process_events();
}

void QtBackend::progress_set_label(const std::string& label) {
    ensure_progress_panel();
    progress_label_->setText(q(label));
}

void QtBackend::progress_set_maximum(int maximum) {
    ensure_progress_panel();
    progress_bar_->setMaximum(maximum);
}

void QtBackend::progress_set_value(int value) {
    ensure_progress_panel();
    progress_bar_->setValue(value);
    process_events();
}

void QtBackend::progress_hide() {
    if (progress_) progress_->hide();
}

void QtBackend::set_busy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++busy_depth_;
    } else if (busy_depth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busy_depth_;
    }
}

namespace {

// Events a pause leaves to the event loop. A pause takes no operator input; on X11 the
// platform plugin has by then already read that input from the display connection and
// keeps it aside, and hands it out only when its event source runs again — which it does
// only after a wake-up. New input from the display wakes it, but input that arrived
// during the pause does not; without a wake-up of our own a click during a pause would
// wait for the next pointer motion or repaint. So every pause ends with one.
void let_held_input_through() {
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

}  // namespace

void QtBackend::delay(double seconds) {
    // The window keeps painting during the pause, but no operator input is taken: the
    // pause is part of an exchange with the instrument that must not be interrupted.
    QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000.0));
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        qint64 left = deadline.remainingTime();
        if (left > 0) QThread::msleep(static_cast<unsigned long>(left < 5 ? left : 5));
    } while (!deadline.hasExpired());
    let_held_input_through();
}

void QtBackend::process_events() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    let_held_input_through();
}

}  // namespace ui
