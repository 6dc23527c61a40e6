// The records and the files operators keep hold Latin-1; the program's own literal texts
// and everything crossing the ui layer are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace text {

// A character beyond Latin-1 becomes '?'. A byte that does not start a valid UTF-8
// sequence is taken as a Latin-1 character already and kept, so text that is Latin-1
// by mistake passes unchanged instead of being lost.
std::string utf8_to_latin1(std::string_view utf8);
std::string latin1_to_utf8(std::string_view latin1);

// The Latin-1 form of text that must reach the instrument as typed: nullopt when it
// holds a character beyond Latin-1 or bytes that are no UTF-8 at all.
std::optional<std::string> exact_latin1(std::string_view utf8);

}  // namespace text
