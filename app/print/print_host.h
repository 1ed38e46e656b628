// What the print window needs of the window that opened it.
#pragma once

#include <string>

namespace vx {

class PrintHost {
 public:
  // The open file's name as the page header shows it: shortened by a rule
  // of its own, the same on every display.
  virtual std::wstring PrintHeaderName() const = 0;

 protected:
  ~PrintHost() = default;
};

}  // namespace vx
