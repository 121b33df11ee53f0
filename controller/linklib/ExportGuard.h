#pragma once
// No exception leaves an exported function: each runs inside guard(), which turns anything
// thrown (an allocation that failed, above all) into the export's failure value.

#include "ResultCodes.h"

namespace nq {

template <typename R, typename F>
R guard(R failure, F&& f) noexcept {
  try {
    return f();
  } catch (...) {
    return failure;
  }
}

}  // namespace nq
