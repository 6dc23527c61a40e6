#include "settings/print_settings.h"

#include "settings/records.h"

namespace settings {

ui::PrintAttributes set_print_attributes() {
    ui::PrintAttributes attributes;
    attributes.color_mode = rec::com.print_color_mode;
    attributes.orientation = rec::com.print_orientation;
    attributes.x_resolution = rec::com.print_x_resolution;
    attributes.y_resolution = rec::com.print_y_resolution;
    return attributes;
}

}  // namespace settings
