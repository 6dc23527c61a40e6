// The serial port map file (which device each COM number means) from arbitrary bytes:
// reading it never fails, and a map reads back as it was written.
// Input: the file's contents.
#include <string>

#include "instrument/serial_port_map.h"
#include "fuzz/fuzz_check.h"
#include "files/project_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = fuzz::scratch_dir();
    fuzz::write_scratch_file(instrument::SERIAL_PORT_MAP_FILE,
                             std::string_view(reinterpret_cast<const char*>(data), size));
    instrument::SerialPortMap map = instrument::load_serial_port_map(dir);
    fuzz::check(instrument::save_serial_port_map(dir, map), "the map was not written");
    fuzz::check(instrument::load_serial_port_map(dir) == map, "a written map reads back otherwise");
    return 0;
}
