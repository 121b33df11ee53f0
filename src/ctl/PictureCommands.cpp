#include "Ctl.h"

namespace ctl {

std::vector<Command> pictureCommands() { return {}; }

}  // namespace ctl
