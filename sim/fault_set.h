// Faults armed for a door: each kind fires for the next n events it applies to.
// Thread-safe, as tests arm faults while the door's thread serves.
#pragma once

#include <map>
#include <mutex>

namespace tarvolux::sim {

template <class Kind>
class FaultSet {
  public:
    // Arms `kind` for the next `times` events (adds to what is armed already).
    void arm(Kind kind, int times = 1) {
        if (times <= 0) return;
        std::lock_guard lock(mutex_);
        armed_[kind] += times;
    }

    void clear() {
        std::lock_guard lock(mutex_);
        armed_.clear();
    }

    int remaining(Kind kind) const {
        std::lock_guard lock(mutex_);
        const auto it = armed_.find(kind);
        return it == armed_.end() ? 0 : it->second;
    }

    // Whether `kind` fires for this event; uses one of its shots.
    bool fire(Kind kind) {
        std::lock_guard lock(mutex_);
        const auto it = armed_.find(kind);
        if (it == armed_.end()) return false;
        if (--it->second == 0) armed_.erase(it);
        return true;
    }

  private:
    mutable std::mutex mutex_;
    std::map<Kind, int> armed_;
};

}  // namespace tarvolux::sim
