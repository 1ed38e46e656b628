// The clipboard is one for every test program running side by side: a test
// that uses it, or drives a program that does, takes its turn for as long
// as the object lives.
#pragma once

#include <windows.h>

namespace vx::test {

class ClipboardTurn {
 public:
  ClipboardTurn() {
    const DWORD got = WaitForSingleObject(turn_, 60000);
    // Abandoned: a test before this one ended without giving its turn back.
    held_ = got == WAIT_OBJECT_0 || got == WAIT_ABANDONED;
  }
  ~ClipboardTurn() {
    if (held_) ReleaseMutex(turn_);
    CloseHandle(turn_);
  }
  ClipboardTurn(const ClipboardTurn&) = delete;
  ClipboardTurn& operator=(const ClipboardTurn&) = delete;
  // False when no turn came within a minute.
  bool held() const { return held_; }

 private:
  HANDLE turn_ = CreateMutexW(nullptr, FALSE, L"VanteloxClipboardTests");
  bool held_ = false;
};

}  // namespace vx::test
