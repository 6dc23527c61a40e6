// What holds for every configuration dialog: opening sends and shows nothing, OK without
// edits changes no byte of the records, Cancel, Escape and the close box leave them as
// they were, every control is named by its caption, Tab follows the reading order,
// Enter means OK and Escape Cancel.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <cstring>

#include "dialogs/access_config.h"
#include "dialogs/compare_config.h"
#include "dialogs/measurement_config.h"
#include "dialogs/memory_dialogs.h"
#include "dialogs/print_config.h"
#include "dialogs/temp_config.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/ui/modal_helpers.h"

namespace dialogs_test {
namespace {

using ui_test::click;

struct DialogCase {
    const char* name;
    int (*open)();
    // Messages that confirm an OK (the memory dialogs say what they did).
    std::size_t ok_messages = 0;
    // OK leaves the dialog open (the memory save dialog saves and stays).
    bool ok_stays_open = false;
    // OK reads the instrument's state into the records (activating a memory does).
    bool ok_reads_instrument = false;
    // OK sends to the instrument (the PC printer set-up does not).
    bool ok_sends = true;
};

const DialogCase DIALOGS[] = {
    {"measurement_config", dialogs::measurement_config},
    {"temp_config", dialogs::temp_config},
    {"compare_config", dialogs::compare_config},
    {"activate_memory", dialogs::activate_memory, 1, false, true},
    {"save_memory", dialogs::save_memory, 1, true},
    {"print_config", dialogs::print_config},
    {"printer_setup", dialogs::load_printer_setup, 0, false, false, false},
    {"access_config", dialogs::access_config},
};

void PrintTo(const DialogCase& c, std::ostream* os) {
    *os << c.name;
}

// The controls the operator works with, in no particular order.
QList<QWidget*> operator_controls(QWidget* dialog) {
    QList<QWidget*> found;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                       qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                       qobject_cast<QAbstractItemView*>(w);
        // The line edit inside a spin box is part of it; a combo box's list is a window
        // of its own.
        bool part = qobject_cast<QAbstractSpinBox*>(w->parentWidget()) != nullptr;
        if (control && !part && w->window() == dialog) found.push_back(w);
    }
    return found;
}

QString caption_of(QWidget* dialog, QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text().remove('&');
    for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->buddy() == control) return label->text().remove('&');
    return {};
}

// Every control the operator can change, changed once, as an operator would.
void edit_everything(QWidget* dialog) {
    for (QWidget* w : operator_controls(dialog)) {
        if (!w->isVisible() || !w->isEnabled()) continue;
        if (auto* check = qobject_cast<QCheckBox*>(w)) QTest::keyClick(check, Qt::Key_Space);
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            int next = (combo->currentIndex() + 1) % combo->count();
            combo->setCurrentIndex(next);
        }
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) spin->stepBy(1);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) QTest::keyClicks(edit, "X");
        if (auto* list = qobject_cast<QListWidget*>(w))
            list->setCurrentRow((list->currentRow() + 1) % list->count());
    }
}

class EveryDialog : public DialogTest, public ::testing::WithParamInterface<DialogCase> {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        files::curr_dir = ::testing::TempDir();
        // A measurement configuration the instrument takes as it stands.
        rec::measurement_configuration.range = 3;
        rec::measurement_configuration.fres_mode = 1;
        rec::com.print_orientation = 2;
        rec::com.print_x_resolution = 300;
        rec::com.print_y_resolution = 300;
    }
    void TearDown() override {
        std::remove((::testing::TempDir() + "/Com.stp").c_str());
        DialogTest::TearDown();
    }
    // The records and the interface record, every byte.
    static std::string state() {
        settings::SetImage set = records();
        return std::string(set.begin(), set.end()) +
               std::string(reinterpret_cast<const char*>(&rec::com), sizeof rec::com);
    }
};

TEST_P(EveryDialog, OpeningSendsNothingAndOkWithoutEditsChangesNoByte) {
    const DialogCase& c = GetParam();
    std::string before = state();
    run(c.open, [&](QWidget* d) {
        EXPECT_TRUE(events().empty());
        EXPECT_TRUE(popups.popups().empty());
        click(d, "okButton");
        if (c.ok_stays_open) click(d, "cancelButton");
        EXPECT_FALSE(d->isVisible());
    });
    if (!c.ok_reads_instrument) {
        EXPECT_EQ(state(), before);
    }
    EXPECT_EQ(messages().size(), c.ok_messages);
}

TEST_P(EveryDialog, CancelEscapeAndTheCloseBoxLeaveTheRecordsAsTheyWere) {
    const DialogCase& c = GetParam();
    std::string before = state();
    const std::function<void(QWidget*)> ways[] = {
        [](QWidget* d) { click(d, "cancelButton"); },
        [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); },
        [](QWidget* d) { d->close(); },
    };
    for (const auto& close_it : ways) {
        run(c.open, [&](QWidget* d) {
            edit_everything(d);
            close_it(d);
            EXPECT_FALSE(d->isVisible());
        });
        EXPECT_EQ(state(), before);
    }
}

TEST_P(EveryDialog, EveryControlIsNamedByTheCaptionItShows) {
    run(GetParam().open, [](QWidget* d) {
        for (QWidget* w : operator_controls(d)) {
            SCOPED_TRACE(w->objectName().toStdString());
            EXPECT_FALSE(w->accessibleName().isEmpty());
            QString caption = caption_of(d, w);
            EXPECT_FALSE(caption.isEmpty()) << "a control without a caption";
            EXPECT_EQ(w->accessibleName(), caption);
        }
        click(d, "cancelButton");
    });
}

TEST_P(EveryDialog, TabFollowsTheReadingOrder) {
    run(GetParam().open, [](QWidget* d) {
        QList<QWidget*> controls = operator_controls(d);
        QList<QWidget*> chain;
        QWidget* w = d;
        do {
            w = w->nextInFocusChain();
            if (controls.contains(w) && w->isVisible() && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus) && !chain.contains(w))
                chain.push_back(w);
        } while (w != d);
        int visible = 0;
        for (QWidget* c : controls)
            if (c->isVisible() && c->isEnabled()) ++visible;
        EXPECT_EQ(chain.size(), visible) << "Tab reaches every control";
        for (int i = 1; i < chain.size(); ++i) {
            QRect a(chain[i - 1]->mapTo(d, QPoint(0, 0)), chain[i - 1]->size());
            QRect b(chain[i]->mapTo(d, QPoint(0, 0)), chain[i]->size());
            bool same_row = std::abs(a.center().y() - b.center().y()) < a.height() / 2;
            bool next = same_row ? b.left() > a.left() : b.top() >= a.bottom() - 2;
            EXPECT_TRUE(next) << chain[i - 1]->objectName().toStdString() << " then "
                              << chain[i]->objectName().toStdString();
        }
        click(d, "cancelButton");
    });
}

TEST_P(EveryDialog, EnterIsOkAndEscapeIsCancel) {
    const DialogCase& c = GetParam();
    run(c.open, [&](QWidget* d) {
        // Enter where the focus rests first: on the first control of the Tab order.
        QWidget* first = d;
        do {
            first = first->nextInFocusChain();
        } while (first != d && !(first->isVisible() && first->isEnabled() &&
                                 (first->focusPolicy() & Qt::TabFocus)));
        QTest::keyClick(first, Qt::Key_Return);
        if (c.ok_stays_open) QTest::keyClick(first, Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(messages().size(), c.ok_messages) << "Enter is OK";
    EXPECT_EQ(events().empty(), !c.ok_sends);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, EveryDialog, ::testing::ValuesIn(DIALOGS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dialogs_test
