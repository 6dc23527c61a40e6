// The tool `tarvolux-sim` as a person runs it: started, talked to through the device it
// prints and the link it places, stopped with a signal.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "block_client.h"

extern char** environ;

namespace sim_test {
namespace {

class ToolProcess {
  public:
    explicit ToolProcess(std::vector<std::string> args) {
        args.insert(args.begin(), SIM_TOOL);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (posix_spawn(&pid_, SIM_TOOL, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        out_ = out[0];
    }
    ~ToolProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) close(out_);
    }

    // One line of the tool's standard output (a safety time-out ends a silent tool).
    std::string line() {
        std::string text;
        char c = 0;
        for (;;) {
            pollfd fd{out_, POLLIN, 0};
            if (poll(&fd, 1, 5000) <= 0 || ::read(out_, &c, 1) != 1 || c == '\n') return text;
            text += c;
        }
    }

    // Sends the signal and returns the exit status.
    int stop(int signal) {
        kill(pid_, signal);
        return wait();
    }

    int wait() {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
};

TEST(Tool, ServesOnThePrintedDeviceAndItsLinkLogsAndStopsCleanly) {
    const std::filesystem::path link =
        std::filesystem::temp_directory_path() / ("tarvolux-tool-" + std::to_string(getpid()));
    ToolProcess tool({"--pty", "--firmware", "old", "--log", "--link=" + link.string()});
    const std::string device = tool.line();
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;
    EXPECT_EQ(std::filesystem::read_symlink(link), device);
    {
        BlockClient client(link.string());
        const std::string idn = client.query("*IDN?");
        EXPECT_EQ(idn.substr(idn.find(",V") + 4, 2), "96") << idn;
    }
    EXPECT_EQ(tool.line(), "*IDN?");
    const int status = tool.stop(SIGTERM);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST(Tool, AGivenIdentificationIsAnswered) {
    ToolProcess tool({"--idn", "A,B,C,V0101,E"});
    BlockClient client(tool.line());
    EXPECT_EQ(client.query("*IDN?"), "A,B,C,V0101,E");
    const int status = tool.stop(SIGINT);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(Tool, MeasuresTheResistorItWasGivenWithTheQuestionableCausesGiven) {
    ToolProcess tool({"--resistance", "1.5", "--noise=0", "--questionable=08"});
    BlockClient client(tool.line());
    EXPECT_EQ(client.query(":STAT:QUES:FRES?"), "8");
    EXPECT_EQ(client.command("init:cont off"), "\x06");
    EXPECT_EQ(client.command("IN"), "\x06");
    // The tool runs in real time; the value comes after the measuring time.
    for (int poll = 0; poll < 500 && client.query("S:O:C?") != "256"; ++poll) usleep(10000);
    EXPECT_EQ(client.query("FE?"), ">>>") << "questionable";
}

TEST(Tool, RefusesUnknownOptionsAndBadValues) {
    for (const char* bad : {"--resistor", "--firmware=middle", "--link", "--resistance=-1",
                            "--noise=abc", "--questionable=1FF", "--questionable=", "--pace=1"}) {
        ToolProcess tool({bad});
        const int status = tool.wait();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << bad;
    }
}

}  // namespace
}  // namespace sim_test
