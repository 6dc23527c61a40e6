// A record's Latin-1 text field as a QString.
#pragma once

#include <QString>
#include <cstddef>

#include "text/text_field.h"

namespace app {

template <std::size_t N>
QString record_text(const char (&field)[N]) {
    return QString::fromStdString(text::field_text_utf8(field, N));
}

}  // namespace app
