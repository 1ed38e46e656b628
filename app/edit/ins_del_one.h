// InsOne and DelOne by file name, as the insertion and deletion commands and
// undo/redo call them: they open the file, move its tail, show the progress
// and, on failure, the message.
#pragma once

#include <cstdint>
#include <string>

#include "app/edit/prog.h"
#include "app/edit/tail_move.h"

namespace vx {

// 0, or -1 after the failure was shown. BackUpName is named in the message
// when even putting the file back failed and that backup exists.
int32_t InsOne(const std::wstring& Fnm, int32_t SeekPos, uint8_t Dat, const ProgFunction& Prog,
               const std::wstring& BackUpName);
int32_t DelOne(const std::wstring& Fnm, int32_t SeekPos, const ProgFunction& Prog,
               const std::wstring& BackUpName);

// The failure message of an insertion (or a deletion) that ended in `result`.
std::wstring TailMoveFailureText(bool insertion, TailMoveResult result,
                                 const std::wstring& BackUpName);

}  // namespace vx
