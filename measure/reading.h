// What one poll of the instrument shows: the driver's status and answer turned into
// the text of the value display, and the resistance it stands for when it is one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace measure {

// The value display holds at most this many characters.
inline constexpr std::size_t DISPLAY_TEXT_LENGTH = 55;

struct Reading {
    enum class Kind {
        NoValue,  // nothing new: no value yet (301), or a status 0 that brought no answer
        Error,    // a driver code, shown as its text
        Value,    // an answer of the instrument
    };
    Kind kind = Kind::NoValue;
    std::string text;            // for the value display (UTF-8)
    std::optional<double> ohms;  // a measured resistance: display mode 0, neither an
                                 // overload nor the reference measurement
    bool reference = false;      // "Ref.Mess.": the instrument measures its reference
    std::int32_t status = 0;     // the driver's code of an Error
};

// The display text of a driver code: the eight causes of a questionable measurement
// (310 to 317), otherwise "Error %d".
std::string error_text(std::int32_t status);

// `answer` is the instrument's answer (Latin-1) as the read left it; the caller
// empties it before each read, so an empty answer means that no value came.
Reading interpret_reading(std::int32_t status, const std::string& answer, int display_mode);

}  // namespace measure
