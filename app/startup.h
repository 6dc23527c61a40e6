// The program's start-up and shutdown around the event loop.
#pragma once

#include <memory>
#include <string>

#include "app/command_line.h"

namespace app {

class EmbeddedSimulation;
class MainWindow;

// 1 when the program was started with the demonstration argument.
extern int messedemo_7416_start;

class Program {
  public:
    Program();
    ~Program();

    // Everything before the event loop: project directory, main panel, interface,
    // connection, identification, idle wait, upload. False when the program is to end
    // without an event loop (first-start question cancelled, no project directory).
    bool start(const CommandLine& command_line, const std::string& executable_dir,
               const std::string& user_data_dir);
    // After the event loop: an open export file is closed before the connection.
    void shutdown();

    MainWindow* window() const { return window_.get(); }
    // How long the start-up waits for a measuring instrument to become idle.
    void set_idle_limit(double seconds) { idle_limit_seconds_ = seconds; }

  private:
    void connect_and_prepare();

    std::unique_ptr<EmbeddedSimulation> simulation_;
    std::unique_ptr<MainWindow> window_;
    double idle_limit_seconds_ = 30.0;
};

}  // namespace app
