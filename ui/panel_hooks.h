// How panels on different floors reach each other without including each other. A
// panel registers here what others may ask of it; callers go through these functions
// and never name the panel. Nothing happens when no panel has registered.
#pragma once

#include <functional>

namespace ui {

// 1 while the measure panel is open.
extern int meas_panel_loaded;
// Set where the datalogger blocks were changed outside the measure panel: its next
// refresh rebuilds the block list.
extern int came_from_log_config;

// Shows the records on the measure panel when it is open. Returns 0.
int UpdateMeasurePanel();
void set_measure_panel_refresh(std::function<void()> refresh);

// The dialog that activates a stored settings memory; the measure panel has a button
// for it. Returns the dialog's result, or -1 when no dialog is registered.
int open_memory_activation();
void set_memory_activation(std::function<int()> open);
bool memory_activation_available();

// The main-menu entries that must rest while a measurement runs.
void dim_menus_while_measuring(bool measuring);
void set_measuring_menus(std::function<void(bool measuring)> dim);

}  // namespace ui
