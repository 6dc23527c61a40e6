// Which serial device each COM number means, as the operator chose it in the RS-232
// dialog. Kept in its own small text file in the project directory ("COM1=/dev/ttyUSB0"
// per line), never in Com.stp, whose layout is fixed.
#pragma once

#include <array>
#include <string>

namespace instrument {

constexpr int COM_PORTS = 4;
constexpr const char* SERIAL_PORT_MAP_FILE = "Schnittstellen.txt";

using SerialPortMap = std::array<std::string, COM_PORTS>;  // index 0 = COM1; "" = default

// Reads the map file of the project directory; missing or unreadable lines give "".
SerialPortMap load_serial_port_map(const std::string& project_dir);
// Writes it (atomically); false when the file cannot be written.
bool save_serial_port_map(const std::string& project_dir, const SerialPortMap& map);
// Hands the map to the driver, so COM numbers open the chosen devices.
void apply_serial_port_map(const SerialPortMap& map);

}  // namespace instrument
