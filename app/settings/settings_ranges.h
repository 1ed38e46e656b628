// What a stored settings record may hold once it is read. A file may come
// from an older version, another tool or a hand: every value is brought into
// what the settings window itself could have made, so that the page is
// always one the program can draw, print and number, and a backup is always
// a file of its own beside the file it keeps.
#pragma once

#include <string_view>

#include "app/settings/display_settings_record.h"

namespace vx {

// System colour references 0x80000000 + n, n = 0..24, or 0x00BBGGRR.
bool IsValidColour(Colour colour);

// Whether a backup name made with `suffix` (BackUpPathFor) is, as Windows
// reads names, a file of its own in the folder of the file it keeps: no NUL
// (it would end the name early), no character a name cannot hold ("\", "/"
// and ":" would even reach another folder or stream), no "..", and something
// besides blanks and dots (which the system drops from a name's end).
bool BackUpSuffixIsSafe(std::wstring_view suffix);

// Font size 4..32; the layout fields, margins included, within the bounds
// of the window's fields (so 16..48 bytes a line and 8..96 lines a page);
// the radix 0..2. A colour that is neither explicit nor a system colour,
// and an unsafe backup suffix, become their defaults.
void BringIntoRanges(DisplaySettingsRecord& settings);

}  // namespace vx
