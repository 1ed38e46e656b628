// The system clipboard as the range commands use it: copied bytes go there in
// the program's own format and as hexadecimal text, or as the text column's
// text; Paste takes the program's format first, else any text read as
// hexadecimal pairs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "app/edit/failure_message.h"
#include "app/edit/hex_pairs.h"
#include "app/file/edited_file.h"
#include "common/byte_range.h"

namespace vx {

// Each copy gives none when it is done, else why it failed: the file (read
// short, locked, gone) or the clipboard (held by another program).

// Bytes `range` of `file`, read before the clipboard is opened: other
// programs keep it meanwhile. None, with `failure` told why, when they
// cannot all be read.
std::optional<std::vector<uint8_t>> ReadCopy(const EditedFile& file, const ByteRange& range,
                                             Failure& failure);

// Copies of the file's bytes on the clipboard: raw in the program's format
// at once, and as hexadecimal pairs for every other program only when one
// asks for them, made from the bytes kept here meanwhile, so that a large
// copy neither waits for nor holds a text three times its size that no one
// may want. The owner window hands its clipboard messages here.
class ByteCopies {
 public:
  // Bytes `range` of `file` on the clipboard, owned by `owner`.
  std::optional<Failure> Copy(HWND owner, const EditedFile& file, const ByteRange& range);
  // `bytes` (read by ReadCopy) on the clipboard the same way.
  std::optional<Failure> Put(HWND owner, std::vector<uint8_t> bytes);
  // WM_RENDERFORMAT and WM_RENDERALLFORMATS make the text, WM_DESTROYCLIPBOARD
  // lets the bytes go; false when `msg` is none of them.
  bool OnClipboardMessage(HWND owner, UINT msg, WPARAM wp);

 private:
  std::vector<uint8_t> kept_;
};
// Bytes `range` of `file` as the text column shows them, as plain text.
std::optional<Failure> CopyColumnText(HWND owner, const EditedFile& file, const ByteRange& range);

// Whether the clipboard holds what Paste may take: the program's bytes or a text.
bool ClipboardHasPaste();
// What Paste takes from the clipboard; `opened` is false when another
// program held it.
struct ClipboardBytes {
  bool opened = false;
  HexPairsReading reading;
};
ClipboardBytes ReadClipboardBytes(HWND owner);

}  // namespace vx
