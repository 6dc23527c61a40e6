// Instrument value texts ("12.345MOHM") rewritten for display ("12.345 mOhm").
#pragma once

#include <cstddef>
#include <string>

namespace text {

// Rewrites `text` in place into number, one blank and unit, and returns the value in
// ohms (single precision). A text without a letter at position 2 or later is left as
// it is and gives 0. The rewritten text is one character longer than the instrument's;
// in a fixed field it is cut to fit, never written past the field.
float format_for_display(std::string& text);
float format_for_display(char* text, std::size_t size);

template <std::size_t N>
float format_for_display(char (&text)[N]) {
    return format_for_display(text, N);
}

}  // namespace text
