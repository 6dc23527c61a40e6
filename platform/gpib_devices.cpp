#include "platform/gpib_devices.h"

#include <map>
#include <mutex>
#include <string>

#include "platform/gpib_library.h"
#include "platform/ni488.h"

namespace platform::gpib {
namespace {

std::map<int, std::string> open_devices;  // descriptor -> prefix
std::mutex devices_mutex;

}  // namespace

int OpenDev(const char* name, const char* prefix) {
    if (name && *name) return 0;
    int ud = ibdev(0, 0, 0, ni488::T10s, 1, 0);
    if ((sta() & ni488::ERR) || ud <= 0) return -1;
    std::lock_guard lock(devices_mutex);
    open_devices[ud] = prefix ? prefix : "";
    return ud;
}

int CloseDev(int device) {
    {
        std::lock_guard lock(devices_mutex);
        if (open_devices.erase(device) == 0) return -1;
    }
    ibonl(device, 0);
    return 0;
}

int CloseInstrDevs(const char* prefix) {
    std::string tag = prefix ? prefix : "";
    std::map<int, std::string> closing;
    {
        std::lock_guard lock(devices_mutex);
        for (auto it = open_devices.begin(); it != open_devices.end();) {
            if (it->second == tag) {
                closing.insert(*it);
                it = open_devices.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (const auto& [ud, _] : closing) ibonl(ud, 0);
    return static_cast<int>(closing.size());
}

}  // namespace platform::gpib
