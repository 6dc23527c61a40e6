// The colours of the measurement graph's traces, which the histogram's limit lines
// share so that a limit looks the same in both.
#pragma once

#include <QColor>

namespace measure {

inline const QColor MEASURED_COLOUR(0, 160, 0);
inline const QColor TWO_LIMITS_COLOUR(0, 0, 0);
inline const QColor INNER_LIMITS_COLOUR(220, 0, 0);
inline const QColor OUTER_LIMITS_COLOUR(0, 0, 220);

}  // namespace measure
