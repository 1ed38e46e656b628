// The main window's search state: the pattern of the current search, where it
// first matched and where it matched last, and the switch of the main window's
// Find-next command, which follows the state.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/search/find_u.h"
#include "app/file/file_operation.h"

namespace vx {

class SearchState {
 public:
  using CommandSwitch = std::function<void(bool enabled)>;

  // Starts inactive; EnableFindNext is not called until the state changes.
  SearchState(const FileOperation& files, FindProgress Prog, CommandSwitch EnableFindNext);

  // The search window's "検索": FindU from Start; a match makes the search
  // active from it (FindSet), anything else clears it (FindClear).
  int32_t FindStart(const std::wstring& FileName, int32_t Start, const std::vector<uint8_t>& By);
  // The search window's "次を検索": FindNext, clearing the search when it
  // reports anything but a match.
  int32_t FindNextInWindow(const std::wstring& FileName);
  // The main window's Find next: the search starts again behind the caret;
  // without a match the command is disabled but the pattern is kept.
  int32_t FindNextFromCaret(const std::wstring& FileName, int32_t CaretSeekPos);

  void FindSet(int32_t StartSeekPos, const std::vector<uint8_t>& bys);
  // The next match after FindLast, or kFindNoMatch once the search has come
  // round to FindFirst.
  int32_t FindNext(const std::wstring& FileName);
  void FindClear();

  const std::vector<uint8_t>& FindBytes() const { return FindBytes_; }
  int32_t FindFirst() const { return FindFirst_; }
  int32_t FindLast() const { return FindLast_; }

 private:
  int32_t FindU(const std::wstring& FileName, int32_t Start) const;

  const FileOperation& files_;
  FindProgress Prog_;
  CommandSwitch EnableFindNext_;
  std::vector<uint8_t> FindBytes_{0};
  int32_t FindFirst_ = -1;
  int32_t FindLast_ = -1;
};

}  // namespace vx
