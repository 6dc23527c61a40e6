#include "sim/library_path.h"

#include <dlfcn.h>

#include <filesystem>

namespace tarvolux::sim {

std::string gpib_library_path() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&gpib_library_path), &info) == 0 || !info.dli_fname)
        return {};
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::canonical(info.dli_fname, ec);
    if (ec) return {};
    const std::filesystem::path library = self.parent_path() / TARVOLUX_GPIB_SIM_FILE;
    return std::filesystem::exists(library, ec) ? library.string() : std::string{};
}

}  // namespace tarvolux::sim
