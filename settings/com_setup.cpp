#include "settings/com_setup.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "files/atomic_file.h"
#include "files/project_dir.h"
#include "settings/records.h"

namespace settings {

namespace {

constexpr const char* COM_FILE = "Com.stp";

bool simulated_interface = false;
// Com.stp as this run last read or wrote it; empty while there was none.
std::optional<rec::Com> file_image;

}  // namespace

int load_com_setup() {
    file_image.reset();
    std::FILE* file = std::fopen(files::join_path(files::curr_dir, COM_FILE).c_str(), "rb");
    if (!file) return -1;
    unsigned char image[sizeof rec::com];
    std::size_t got = std::fread(image, 1, sizeof image, file);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return -1;
    std::memcpy(&rec::com, image, got);
    file_image = rec::com;
    return 1;
}

int save_com_setup() {
    int saved = files::report_save(
        files::save_file(files::join_path(files::curr_dir, COM_FILE), &rec::com, sizeof rec::com),
        COM_FILE);
    if (saved == 1) file_image = rec::com;
    return saved;
}

void set_simulated_interface(bool simulated) {
    simulated_interface = simulated;
}

int save_print_setup() {
    if (!simulated_interface) return save_com_setup();
    if (!file_image) return 1;
    rec::Com image = *file_image;
    image.print_color_mode = rec::com.print_color_mode;
    image.print_orientation = rec::com.print_orientation;
    image.print_x_resolution = rec::com.print_x_resolution;
    image.print_y_resolution = rec::com.print_y_resolution;
    int saved = files::report_save(
        files::save_file(files::join_path(files::curr_dir, COM_FILE), &image, sizeof image),
        COM_FILE);
    if (saved == 1) file_image = image;
    return saved;
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
