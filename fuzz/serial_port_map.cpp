// The serial port map file (which device each COM number means) from arbitrary bytes:
// whatever it holds, reading it never fails, and a map the program has written reads
// back as written. (A hand-edited path that ends in a carriage return loses it on the
// first round; device paths never end so.)
// Input: the file's contents.
#include <string>

#include "app/serial_port_map.h"
#include "fuzz/fuzz_check.h"
#include "settings/project_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = fuzz::scratch_dir();
    fuzz::write_scratch_file(app::kSerialPortMapFile,
                             std::string_view(reinterpret_cast<const char*>(data), size));
    app::SerialPortMap read = app::load_serial_port_map(dir);
    fuzz::check(app::save_serial_port_map(dir, read), "the map was not written");
    app::SerialPortMap written = app::load_serial_port_map(dir);
    fuzz::check(app::save_serial_port_map(dir, written), "the map was not written");
    fuzz::check(app::load_serial_port_map(dir) == written, "a written map reads back otherwise");
    return 0;
}
