// The main panel: the menu bar that leads to every function of the program, the quit
// question, and a short view of the connection.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class MainWindow;
}
class QAction;

namespace app {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow();
    ~MainWindow() override;

    // The check marks of the GPIB and RS-232 items: interface 0 = GPIB, 1 = RS-232.
    void set_interface_check_marks(int interface);
    // Shows the connection and the identification of the instrument.
    void show_connection(bool connected);

    // The menu's quit question; true when the operator answered "Ja".
    static bool confirm_quit();

    QAction* action(const char* name) const;

    // While a measurement runs, the menu entries that would change the instrument's
    // settings or read it out rest.
    void set_measuring(bool measuring);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    struct MenuRow {
        QAction* action;
        std::function<void()> run;  // empty: the item's function is not available yet
    };
    void build_dispatch_table();
    void dispatch(QAction* action);
    bool available(QAction* action) const;
    void open_measure_panel();

    std::unique_ptr<Ui::MainWindow> ui_;
    std::vector<MenuRow> rows_;
    bool quitting_ = false;
};

// The main panel of the running program, or nullptr (tools, tests without a window).
MainWindow* main_panel();
void set_main_panel(MainWindow* window);

}  // namespace app
