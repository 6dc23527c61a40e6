// Parameterised tests are named after the `name` of each case.
#pragma once

#include <string>

namespace sim_test {

inline constexpr auto case_name = [](const auto& info) { return std::string(info.param.name); };

}  // namespace sim_test
