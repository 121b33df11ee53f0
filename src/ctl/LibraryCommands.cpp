#include "Ctl.h"

namespace ctl {

std::vector<Command> libraryCommands() { return {}; }

}  // namespace ctl
