#include "app/search/search_state.h"

#include <utility>

namespace vx {

SearchState::SearchState(const FileOperation& files, FindProgress Prog,
                         CommandSwitch EnableFindNext)
    : files_(files), Prog_(std::move(Prog)), EnableFindNext_(std::move(EnableFindNext)) {}

int32_t SearchState::FindStart(const std::wstring& FileName, int32_t Start,
                               const std::vector<uint8_t>& By) {
  const int32_t r = vx::FindU(files_, FileName, Start, By, Prog_);
  if (r > 0) {
    FindSet(r, By);
  } else {
    FindClear();
  }
  return r;
}

int32_t SearchState::FindNextInWindow(const std::wstring& FileName) {
  const int32_t r = FindNext(FileName);
  if (r < 0) FindClear();
  return r;
}

int32_t SearchState::FindNextFromCaret(const std::wstring& FileName, int32_t CaretSeekPos) {
  FindSet(CaretSeekPos + 1, FindBytes_);
  const int32_t r = FindU(FileName, FindLast_);
  if (r <= 0) EnableFindNext_(false);
  return r;
}

void SearchState::FindSet(int32_t StartSeekPos, const std::vector<uint8_t>& bys) {
  FindFirst_ = StartSeekPos;
  FindLast_ = StartSeekPos;
  FindBytes_ = bys;
  EnableFindNext_(true);
}

int32_t SearchState::FindNext(const std::wstring& FileName) {
  const int32_t r = FindU(FileName, FindLast_ + 1);
  if (r == FindFirst_) return kFindNoMatch;
  if (r > 0) FindLast_ = r;
  return r;
}

void SearchState::FindClear() {
  FindBytes_.assign(1, 0);
  FindFirst_ = -1;
  EnableFindNext_(false);
}

int32_t SearchState::FindU(const std::wstring& FileName, int32_t Start) const {
  return vx::FindU(files_, FileName, Start, FindBytes_, Prog_);
}

}  // namespace vx
