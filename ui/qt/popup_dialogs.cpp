#include "ui/qt/popup_dialogs.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/translation.h"
#include "ui/translatable.h"

namespace ui {

ButtonPopup::ButtonPopup(QWidget* parent, const QString& title, const QString& text,
                         const QList<QString>& buttons, int focus, int enter_button,
                         int escape_button)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      focus_(focus),
      enter_(enter_button),
      escape_(escape_button) {
    setWindowTitle(title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text, this);
    label->setObjectName("popupText");
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(buttons[i], this);
        button->setObjectName(QStringLiteral("popupButton%1").arg(i + 1));
        // Enter is handled below, by role, never by whichever button has the focus.
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] {
            choice_ = i + 1;
            accept();
        });
        row->addWidget(button);
        buttons_.append(button);
    }
    layout->addLayout(row);
}

int ButtonPopup::exec_choice() {
    if (focus_ >= 1 && focus_ <= buttons_.size()) buttons_[focus_ - 1]->setFocus();
    choice_ = 0;
    exec();
    // Closed by the window manager: that is what Escape means, or else the last button
    // (the popups put their "Nein"/"Abbrechen" last).
    if (choice_ == 0) choice_ = escape_ > 0 ? escape_ : static_cast<int>(buttons_.size());
    return choice_;
}

void ButtonPopup::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    int chosen = 0;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        chosen = enter_;
    } else if (key == Qt::Key_Escape) {
        chosen = escape_;
    } else {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    if (chosen >= 1 && chosen <= buttons_.size()) buttons_[chosen - 1]->click();
}

PromptDialog::PromptDialog(QWidget* parent, const QString& title, const QString& text,
                           int max_length)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
    edit_ = new QLineEdit(this);
    edit_->setObjectName("promptEdit");
    if (max_length > 0) edit_->setMaxLength(max_length);
    edit_->setMinimumWidth(360);
    layout->addWidget(edit_);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->button(QDialogButtonBox::Ok)->setText(shown_text(UI_TEXT("ohm7416", "OK")));
    box->button(QDialogButtonBox::Cancel)->setText(shown_text(UI_TEXT("ohm7416", "Abbrechen")));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
}

QString PromptDialog::text() const {
    return edit_->text();
}

}  // namespace ui
