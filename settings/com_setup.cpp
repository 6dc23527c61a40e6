#include "settings/com_setup.h"

#include <cstdio>
#include <cstring>

#include "settings/atomic_file.h"
#include "settings/project_dir.h"
#include "settings/records.h"

namespace settings {

namespace {

constexpr const char* COM_FILE = "Com.stp";

}  // namespace

int load_com_setup() {
    std::FILE* file = std::fopen(join_path(curr_dir, COM_FILE).c_str(), "rb");
    if (!file) return -1;
    unsigned char image[sizeof rec::com];
    std::size_t got = std::fread(image, 1, sizeof image, file);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return -1;
    std::memcpy(&rec::com, image, got);
    return 1;
}

int save_com_setup() {
    return report_save(save_file(join_path(curr_dir, COM_FILE), &rec::com, sizeof rec::com),
                       COM_FILE);
}

void select_simulated_interface(bool gpib) {
    if (!gpib) {
        rec::com.interface = 1;
        rec::com.com_port = SIMULATED_COM_PORT;
        if (rec::com.baud_rate < 1200 || rec::com.baud_rate > 38400) rec::com.baud_rate = 9600;
    } else {
        rec::com.interface = 0;
        if (rec::com.gpib_address < 1 || rec::com.gpib_address > 30)
            rec::com.gpib_address = SIMULATED_GPIB_ADDRESS;
    }
}

}  // namespace settings
