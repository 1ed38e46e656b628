// Single files and folders: made, opened afresh and deleted by name. Each
// says through its result whether it worked; the caller decides what the
// person is told (the texts are in file_texts.h).
#pragma once

#include <string>

#include "common/file_seam.h"

namespace vx {

// Deletes exactly the one file `path`; true when it did. A name holding "*"
// or "?" (or a NUL) is refused: no delete reads a pattern, and a name that
// came back from code page 932 with "?" for a character it lacks never
// reaches one.
bool DeleteExactFile(const std::wstring& path);
// Opens `path` for reading and writing, making the file and its missing
// folders. A network path ("\\...") is opened as it is; a bare name fails.
// A closed File on failure.
fs::File OpenOrMakeFile(const std::wstring& path);
// Opens `path` as a new empty file: an existing one is deleted first.
fs::File MakeEmptyFile(const std::wstring& path);
// Makes every missing folder of `path`; the last one only when `path` ends
// in "\". False for the empty text or when a folder could not be made.
bool MakeFolders(const std::wstring& path);

}  // namespace vx
