// The popups QMessageBox and QInputDialog cannot shape exactly: buttons whose focus,
// Enter and Escape roles are fixed per popup, and a prompt with a maximum length.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLineEdit;
class QPushButton;

namespace ui {

class ButtonPopup : public QDialog {
    Q_OBJECT
  public:
    // Buttons are numbered from 1; 0 binds Enter or Escape to no button.
    ButtonPopup(QWidget* parent, const QString& title, const QString& text,
                const QList<QString>& buttons, int focus, int enter_button, int escape_button);

    // Runs the popup; the number of the button chosen.
    int exec_choice();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QList<QPushButton*> buttons_;
    int focus_;
    int enter_;
    int escape_;
    int choice_ = 0;
};

class PromptDialog : public QDialog {
    Q_OBJECT
  public:
    PromptDialog(QWidget* parent, const QString& title, const QString& text, int max_length);
    QString text() const;

  private:
    QLineEdit* edit_;
};

}  // namespace ui
