// A kernel handle closed when it goes out of scope.
#pragma once

#include <windows.h>

#include <memory>

namespace vx::test {

struct HandleCloser {
  void operator()(HANDLE h) const {
    if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};
using Handle = std::unique_ptr<void, HandleCloser>;

}  // namespace vx::test
