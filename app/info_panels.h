// The program and device information panels.
#pragma once

class QWidget;

namespace app {

constexpr const char* kProgramVersion = "V2003.01 ger";

void show_program_info(QWidget* parent);
// Firmware (ident_4), ident_3 and ident_5 of the connected instrument.
void show_device_info(QWidget* parent);

}  // namespace app
