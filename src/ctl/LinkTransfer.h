#pragma once
// A bulk transfer (send, fetch, firmware) of the command-line tool: the link call runs on a
// worker thread while the main thread polls the library's progress query and reports it; Ctrl-C
// cannot cut it short.

#include <functional>

#include "Ctl.h"

namespace ctl {

struct TransferOutput {
  bool jsonProgress = false;  // one {"done":…,"total":…} line on stdout per change
  QString verb;  // "发送", "获取", "升级" as translated: the progress line's first word
};

// Runs `call` on a worker thread and returns its result once it has ended; the worker is always
// joined. A LedError or other exception thrown by the call ends the command with exit 2 (its
// text) after the worker has ended. While it runs, SIGINT is caught: the first says that the
// transfer finishes first, a second ends the process at once.
int runTransfer(Context& ctx, const TransferOutput& output, std::function<int()> call);

}  // namespace ctl
