#include "platform/gpib_library.h"

#include <cstdlib>
#include <mutex>

#include <dlfcn.h>

#include "platform/ni488.h"

namespace platform::gpib {
namespace {

struct Binding {
    void* handle = nullptr;
    std::string error;
    bool tried = false;
    std::string path_override;
    bool override_set = false;

    int (*ibdev)(int, int, int, int, int, int) = nullptr;
    int (*ibonl)(int, int) = nullptr;
    int (*ibtmo)(int, int) = nullptr;
    int (*ibeos)(int, int) = nullptr;
    int (*ibconfig)(int, int, int) = nullptr;
    int (*ibclr)(int) = nullptr;
    int (*ibpad)(int, int) = nullptr;
    int (*ibwrt)(int, const void*, long) = nullptr;
    int (*ibrd)(int, void*, long) = nullptr;
    int (*ibrsp)(int, char*) = nullptr;
    int (*ibwait)(int, int) = nullptr;
    int (*ibloc)(int) = nullptr;

    // Linux-GPIB keeps the status per thread behind these; older libraries only have
    // the global variables.
    int (*thread_ibsta)() = nullptr;
    int (*thread_iberr)() = nullptr;
    long (*thread_ibcntl)() = nullptr;
    int* global_ibsta = nullptr;
    int* global_iberr = nullptr;
    long* global_ibcntl = nullptr;
};

Binding binding;
std::mutex binding_mutex;

thread_local int last_sta = 0;
thread_local int last_err = 0;
thread_local long last_cntl = 0;

template <typename F>
bool resolve(void* handle, const char* name, F& out) {
    out = reinterpret_cast<F>(::dlsym(handle, name));
    return out != nullptr;
}

void unbind() {
    if (binding.handle) ::dlclose(binding.handle);
    std::string keep_path = binding.path_override;
    bool keep_set = binding.override_set;
    binding = Binding{};
    binding.path_override = keep_path;
    binding.override_set = keep_set;
}

std::string library_path() {
    if (binding.override_set && !binding.path_override.empty()) return binding.path_override;
    if (const char* env = std::getenv("ZK7416_GPIB_LIBRARY"); env && *env) return env;
    return "libgpib.so.0";
}

bool bind_locked() {
    if (binding.tried) return binding.handle != nullptr;
    binding.tried = true;
    std::string path = library_path();
    void* h = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        const char* e = ::dlerror();
        binding.error = "GPIB-Bibliothek " + path + " nicht ladbar: " + (e ? e : "?");
        return false;
    }
    Binding& b = binding;
    bool complete = resolve(h, "ibdev", b.ibdev) && resolve(h, "ibonl", b.ibonl) &&
                    resolve(h, "ibtmo", b.ibtmo) && resolve(h, "ibeos", b.ibeos) &&
                    resolve(h, "ibconfig", b.ibconfig) && resolve(h, "ibclr", b.ibclr) &&
                    resolve(h, "ibpad", b.ibpad) && resolve(h, "ibwrt", b.ibwrt) &&
                    resolve(h, "ibrd", b.ibrd) && resolve(h, "ibrsp", b.ibrsp) &&
                    resolve(h, "ibwait", b.ibwait) && resolve(h, "ibloc", b.ibloc);
    bool thread_status = resolve(h, "ThreadIbsta", b.thread_ibsta) &&
                         resolve(h, "ThreadIberr", b.thread_iberr) &&
                         resolve(h, "ThreadIbcntl", b.thread_ibcntl);
    bool global_status = resolve(h, "ibsta", b.global_ibsta) &&
                         resolve(h, "iberr", b.global_iberr) &&
                         resolve(h, "ibcntl", b.global_ibcntl);
    if (!complete || (!thread_status && !global_status)) {
        ::dlclose(h);
        unbind();
        binding.tried = true;
        binding.error = "GPIB-Bibliothek " + path + " ist unvollständig";
        return false;
    }
    if (!thread_status) b.thread_ibsta = nullptr;
    b.handle = h;
    return true;
}

// Every forwarder goes through here: bind if needed, call, then pick up the status.
template <typename Call>
int forward(Call call) {
    std::unique_lock lock(binding_mutex);
    if (!bind_locked()) {
        last_sta = ni488::ERR;
        last_err = ni488::EDVR;
        last_cntl = 0;
        return last_sta;
    }
    const Binding& b = binding;
    lock.unlock();
    int ret = call(b);
    if (b.thread_ibsta) {
        last_sta = b.thread_ibsta();
        last_err = b.thread_iberr();
        last_cntl = b.thread_ibcntl();
    } else {
        last_sta = *b.global_ibsta;
        last_err = *b.global_iberr;
        last_cntl = *b.global_ibcntl;
    }
    // The call's own return value is the status word it produced; trust it over a
    // variable another thread might have touched since.
    last_sta = ret;
    return ret;
}

}  // namespace

bool available() {
    std::lock_guard lock(binding_mutex);
    return bind_locked();
}

std::string load_error() {
    std::lock_guard lock(binding_mutex);
    bind_locked();
    return binding.error;
}

void use_library(const std::string& path) {
    std::lock_guard lock(binding_mutex);
    binding.path_override = path;
    binding.override_set = true;
    unbind();
}

int ibdev(int board, int pad, int sad, int tmo, int eot, int eos) {
    return forward([&](const Binding& b) { return b.ibdev(board, pad, sad, tmo, eot, eos); });
}
int ibonl(int ud, int v) {
    return forward([&](const Binding& b) { return b.ibonl(ud, v); });
}
int ibtmo(int ud, int v) {
    return forward([&](const Binding& b) { return b.ibtmo(ud, v); });
}
int ibeos(int ud, int v) {
    return forward([&](const Binding& b) { return b.ibeos(ud, v); });
}
int ibconfig(int ud, int option, int value) {
    return forward([&](const Binding& b) { return b.ibconfig(ud, option, value); });
}
int ibclr(int ud) {
    return forward([&](const Binding& b) { return b.ibclr(ud); });
}
int ibpad(int ud, int pad) {
    return forward([&](const Binding& b) { return b.ibpad(ud, pad); });
}
int ibwrt(int ud, const void* buffer, long count) {
    return forward([&](const Binding& b) { return b.ibwrt(ud, buffer, count); });
}
int ibrd(int ud, void* buffer, long count) {
    return forward([&](const Binding& b) { return b.ibrd(ud, buffer, count); });
}
int ibrsp(int ud, char* status_byte) {
    return forward([&](const Binding& b) { return b.ibrsp(ud, status_byte); });
}
int ibwait(int ud, int mask) {
    return forward([&](const Binding& b) { return b.ibwait(ud, mask); });
}
int ibloc(int ud) {
    return forward([&](const Binding& b) { return b.ibloc(ud); });
}

int sta() { return last_sta; }
int err() { return last_err; }
long cntl() { return last_cntl; }

}  // namespace platform::gpib
