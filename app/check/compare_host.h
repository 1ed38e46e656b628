// What the comparison's list asks of the main window.
#pragma once

#include "common/byte_range.h"

namespace vx {

class CompareHost {
 public:
  virtual ~CompareHost() = default;
  // The caret and the selection on `stretch` of the open file.
  virtual void ShowStretch(const ByteRange& stretch) = 0;
};

}  // namespace vx
