// How panels and graphs are printed on the PC's printer: the operator's print settings
// as the printing layer takes them.
#pragma once

namespace ui {

struct PrintAttributes {
    int color_mode = 0;   // 0 = black and white, otherwise colour
    int orientation = 2;  // 2 = landscape, otherwise portrait
    int x_resolution = 300;
    int y_resolution = 300;
};

}  // namespace ui
