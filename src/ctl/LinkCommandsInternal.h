#pragma once
// What the controller commands share between their files.

#include <array>

#include "Ctl.h"

namespace ctl {

// "HH:MM".
QString hourMinute(int hour, int minute);
// A text read of the controller (version, clock, on/off times), bounded as the parameter pages
// bound it; exit 1 when the read fails or answers with a link status text.
QString readText(Context& ctx, QString (ControllerLink::*read)(Transport), int maxBytes);
// The brightness level; exit 1 on a failed read (0 is an answer).
int readBrightness(Context& ctx);
// The switch-on hour and minute and the switch-off hour and minute; exit 1 on a failed read.
std::array<int, 4> readOnOff(Context& ctx);

// get, set and io.
std::vector<Command> paramCommands();

}  // namespace ctl
