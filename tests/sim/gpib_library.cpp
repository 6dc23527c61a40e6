#include "gpib_library.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace sim_test {

namespace {

template <class T>
void bind(void* handle, T& target, const char* name) {
    void* symbol = dlsym(handle, name);
    if (!symbol) throw std::runtime_error(std::string("missing symbol ") + name);
    target = reinterpret_cast<T>(symbol);
}

GpibLibrary load() {
    void* handle = dlopen(GPIB_SIM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw std::runtime_error(dlerror());
    GpibLibrary lib{};
    bind(handle, lib.ibdev, "ibdev");
    bind(handle, lib.ibonl, "ibonl");
    bind(handle, lib.ibtmo, "ibtmo");
    bind(handle, lib.ibeos, "ibeos");
    bind(handle, lib.ibconfig, "ibconfig");
    bind(handle, lib.ibclr, "ibclr");
    bind(handle, lib.ibpad, "ibpad");
    bind(handle, lib.ibwrt, "ibwrt");
    bind(handle, lib.ibrd, "ibrd");
    bind(handle, lib.ibrsp, "ibrsp");
    bind(handle, lib.ibwait, "ibwait");
    bind(handle, lib.ibloc, "ibloc");
    bind(handle, lib.ThreadIbsta, "ThreadIbsta");
    bind(handle, lib.ThreadIberr, "ThreadIberr");
    bind(handle, lib.ThreadIbcntl, "ThreadIbcntl");
    bind(handle, lib.ibsta, "ibsta");
    bind(handle, lib.iberr, "iberr");
    bind(handle, lib.ibcntl, "ibcntl");
    return lib;
}

}  // namespace

GpibLibrary& GpibLibrary::get() {
    static GpibLibrary lib = load();
    return lib;
}

}  // namespace sim_test
