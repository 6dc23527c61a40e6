#include "settings/records.h"

namespace rec {

Device device{};
MeasurementConfiguration measurement_configuration{};
Datalog datalog{};
Env env{};
Compare compare{};
Print print{};
Upload upload{};
Tempconf tempconf{};
Memory memory{};
Access access{};
Com com{};

}  // namespace rec
