// The serial port map file (which device each COM number means) from arbitrary bytes:
// whatever it holds, the map that is read, written back and read again is the same.
// Input: the file's contents.
#include <string>

#include "app/serial_port_map.h"
#include "fuzz/fuzz_check.h"
#include "settings/project_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = fuzz::scratch_dir();
    fuzz::write_scratch_file(app::kSerialPortMapFile,
                             std::string_view(reinterpret_cast<const char*>(data), size));
    app::SerialPortMap map = app::load_serial_port_map(dir);
    fuzz::check(app::save_serial_port_map(dir, map), "the map was not written");
    fuzz::check(app::load_serial_port_map(dir) == map, "the map reads back otherwise");
    return 0;
}
