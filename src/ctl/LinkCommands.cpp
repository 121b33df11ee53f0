#include "Ctl.h"

namespace ctl {

std::vector<Command> linkCommands() { return {}; }

}  // namespace ctl
