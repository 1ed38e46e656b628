// The system clipboard as the range commands use it: copied bytes go there in
// the program's own format and as hexadecimal text, or as the text column's
// text; Paste takes the program's format first, else any text read as
// hexadecimal pairs.
#pragma once

#include <windows.h>

#include "app/edit/hex_pairs.h"
#include "app/file/edited_file.h"
#include "common/byte_range.h"

namespace vx {

enum class ClipboardOutcome { Done, Busy, ReadFailed };

// Bytes `range` of `file` on the clipboard, owned by `owner`: raw in the
// program's format and as hexadecimal pairs for every other program. The
// file is read a block at a time straight into the clipboard's memory.
ClipboardOutcome CopyBytes(HWND owner, const EditedFile& file, const ByteRange& range);
// Bytes `range` of `file` as the text column shows them, as plain text.
ClipboardOutcome CopyColumnText(HWND owner, const EditedFile& file, const ByteRange& range);

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
