// Text the operator types that becomes part of a command line (memory labels, block
// names, the printer label). The instrument takes Latin-1; a comma would shift the
// command's arguments and a semicolon would start a second command, so such text is
// checked before anything is sent.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace text {

// The reason `utf8` cannot be sent in a field of `max_bytes` bytes (without its
// terminator), as the operator reads it; empty when it can be sent.
std::string command_text_refusal(std::string_view utf8, std::size_t max_bytes);

// The text in Latin-1, ready for the command; nullopt after telling the operator why
// it cannot be sent (title "Fehler-Meldung :").
std::optional<std::string> checked_command_text(std::string_view utf8, std::size_t max_bytes);

}  // namespace text
