#include "instrument/serial_port_map.h"

#include <fstream>

#include "driver/zk7416.h"
#include "files/atomic_file.h"
#include "files/project_dir.h"

namespace instrument {

SerialPortMap load_serial_port_map(const std::string& project_dir) {
    SerialPortMap map;
    std::ifstream in(files::join_path(project_dir, SERIAL_PORT_MAP_FILE));
    std::string line;
    while (std::getline(in, line)) {
        // A file edited on another system ends its lines in CR LF; no device path ends in
        // a carriage return, so all of them go (one at a time, a path would lose one
        // with every save).
        while (!line.empty() && line.back() == '\r') line.pop_back();
        // "COM<n>=<path>"
        if (line.size() < 6 || line.compare(0, 3, "COM") != 0 || line[4] != '=') continue;
        int n = line[3] - '0';
        if (n >= 1 && n <= COM_PORTS) map[n - 1] = line.substr(5);
    }
    return map;
}

bool save_serial_port_map(const std::string& project_dir, const SerialPortMap& map) {
    std::string text;
    for (int i = 0; i < COM_PORTS; ++i)
        if (!map[i].empty()) text += "COM" + std::to_string(i + 1) + "=" + map[i] + "\n";
    return files::save_file(files::join_path(project_dir, SERIAL_PORT_MAP_FILE), text.data(),
                            text.size()) == files::SaveStatus::Saved;
}

void apply_serial_port_map(const SerialPortMap& map) {
    for (int i = 0; i < COM_PORTS; ++i) zk7416_set_com_device(i + 1, map[i].c_str());
}

}  // namespace instrument
