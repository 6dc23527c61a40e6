#include "ui/panel_hooks.h"

namespace ui {

int meas_panel_loaded = 0;
int came_from_log_config = 0;

namespace {

std::function<void()>& measure_panel_refresh() {
    static std::function<void()> refresh;
    return refresh;
}

std::function<int()>& memory_activation() {
    static std::function<int()> open;
    return open;
}

std::function<void(bool)>& measuring_menus() {
    static std::function<void(bool)> dim;
    return dim;
}

}  // namespace

int UpdateMeasurePanel() {
    if (meas_panel_loaded && measure_panel_refresh()) measure_panel_refresh()();
    return 0;
}

void set_measure_panel_refresh(std::function<void()> refresh) {
    measure_panel_refresh() = std::move(refresh);
}

int open_memory_activation() {
    return memory_activation() ? memory_activation()() : -1;
}

void set_memory_activation(std::function<int()> open) {
    memory_activation() = std::move(open);
}

bool memory_activation_available() {
    return static_cast<bool>(memory_activation());
}

void dim_menus_while_measuring(bool measuring) {
    if (measuring_menus()) measuring_menus()(measuring);
}

void set_measuring_menus(std::function<void(bool)> dim) {
    measuring_menus() = std::move(dim);
}

}  // namespace ui
