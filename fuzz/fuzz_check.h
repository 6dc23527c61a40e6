// What every harness shares: a check that stops the run loudly (so the fuzzer keeps the
// input), a scratch folder for harnesses that read files, and the popup back end that
// answers without a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// Prints `what` and aborts when `condition` is false.
void check(bool condition, const char* what);

// A folder of this process's own, made on first use and removed at exit.
const std::string& scratch_dir();

// Writes `bytes` to `name` in the scratch folder and returns the path.
std::string write_scratch_file(const std::string& name, std::string_view bytes);

// Installs a silent scripted popup back end (once) and forgets earlier popups.
void use_scripted_popups();
// Number of popups shown since use_scripted_popups(), and the text of the last one.
std::size_t popups_shown();
std::string last_popup_text();

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
