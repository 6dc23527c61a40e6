#include "settings/device_access.h"

#include "driver/zk7416.h"
#include "instrument/instrument_handle.h"

namespace settings {

using instrument::tarvolux;

std::int32_t send_device_access(const rec::Access& a) {
    return zk7416_set_config_device_access(
        tarvolux, a.meas, a.expr, a.prin, a.comp, a.cont, a.mem, a.comm, a.stat, a.reg, a.scal,
        a.dat, a.cal, a.date, a.fast, a.lim_conf, a.lim_eval, a.env_conf, a.env_eval, a.manr);
}

std::int32_t read_device_access(rec::Access& a) {
    return zk7416_get_config_device_access(tarvolux, &a.meas, &a.expr, &a.prin, &a.comp, &a.cont,
                                           &a.mem, &a.comm, &a.stat, &a.reg, &a.scal, &a.dat,
                                           &a.cal, &a.date, &a.fast, &a.lim_conf, &a.lim_eval,
                                           &a.env_conf, &a.env_eval, &a.manr);
}

}  // namespace settings
