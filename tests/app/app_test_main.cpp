// The program's widgets run offscreen: no display is needed.
#include <QApplication>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <thread>

#include <gtest/gtest.h>

namespace {

std::ptrdiff_t threads_of_this_process() {
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/self/task", error);
    return error ? 1 : std::distance(tasks, std::filesystem::directory_iterator());
}

// Painting starts threads of Qt's own (its gui thread pool, "Thread (pooled)"). The
// application object tells them to end and waits until they say so, but each then
// still runs its thread-local clean-up, and until it has, its thread data (152 bytes
// allocated in QtCore) is held by nothing but that thread. A leak check at exit that
// does not scan the ending thread reports the block, so the tests end only once every
// other thread is gone, or after two seconds.
void wait_until_the_only_thread() {
    for (int i = 0; i < 200 && threads_of_this_process() > 1; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int status = 0;
    {
        QApplication application(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    wait_until_the_only_thread();
    return status;
}
