// Where the GPIB simulation library lies, for in-process users that hand it to the
// driver's loader (ZK7416_GPIB_LIBRARY): beside this library, where the build and an
// installation put both.
#pragma once

#include <string>

namespace tarvolux::sim {

// The file's full path; empty when it is not there.
std::string gpib_library_path();

}  // namespace tarvolux::sim
