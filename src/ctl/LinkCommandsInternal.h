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

// --json after the command's name, as before it: results as JSON.
const QCommandLineOption& jsonOption();
// Parses a command that can print JSON (see parseCommand); --json there sets ctx.json.
void parseJsonCommand(Context& ctx, QCommandLineParser& parser, const QStringList& args,
                      const QString& description, int minPositional, int maxPositional);

// get, set and io.
std::vector<Command> paramCommands();

}  // namespace ctl
