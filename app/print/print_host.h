// What the print window needs of the window that opened it.
#pragma once

#include <string>

namespace vx {

class PrintHost {
 public:
  // The open file's name as the page header shows it: shortened as the main
  // window's file-name label shows it.
  virtual std::wstring PrintHeaderName() const = 0;

 protected:
  ~PrintHost() = default;
};

}  // namespace vx
