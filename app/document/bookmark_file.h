// The file that keeps the bookmarks between runs: "Bookmarks.dat" in the
// settings folder, one entry a line for every file that has bookmarks, keyed
// by the file's full name. It is written whole or not at all (a temporary
// name, written through, then renamed), and read as hostile input: a line
// that is not a whole entry, an address past the end of its file, an
// oversized name or file is dropped and counted, never used.
//
// Layout: UTF-16LE with its byte-order mark; the first line
// "Vantelox bookmarks 1"; then per bookmark the file's full name, a tab, the
// address in hexadecimal, a tab and the name; lines end in CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/document/bookmarks.h"
#include "common/settings_file_names.h"

namespace vx {

// What a name may hold: longer ones are cut short when typed, and dropped
// when read.
inline constexpr size_t kBookmarkNameLimit = 200;
// What is read at most: a larger file is not read at all.
inline constexpr int64_t kBookmarkFileLimit = int64_t{16} << 20;
// Bookmarks of one file read at most; the rest are dropped.
inline constexpr size_t kBookmarksPerFile = 10000;

struct StoredBookmark {
  std::wstring path;
  Bookmark bookmark;

  bool operator==(const StoredBookmark&) const = default;
};

struct BookmarkReading {
  std::vector<StoredBookmark> entries;
  // Lines that were not whole entries, and entries beyond the limits.
  int dropped = 0;
  // The file is there but could not be read (in use, a failing disk).
  bool unreadable = false;
};

// A name as it can be kept: no control characters (they become blanks),
// at most kBookmarkNameLimit characters.
std::wstring KeepableName(std::wstring_view name);

std::string BookmarkFileBytes(const std::vector<StoredBookmark>& entries);
BookmarkReading ReadBookmarkBytes(std::string_view bytes);

// The bookmarks of `path`, a file of `file_size` bytes, from the file in
// `folder`; `dropped` counts what was not used, this file's entries past
// its end included. A file with something dropped is written again without
// it, so that the person is told once.
struct FileBookmarks {
  std::vector<Bookmark> list;
  int dropped = 0;
};
FileBookmarks LoadBookmarks(const std::wstring& folder, const std::wstring& path,
                            int64_t file_size);
// `list` as the bookmarks of `path`, the other files' kept. False when the
// file could not be written; the one there then stays as it was.
bool SaveBookmarks(const std::wstring& folder, const std::wstring& path,
                   const std::vector<Bookmark>& list);

}  // namespace vx
