#include "app/document/bookmark_file.h"

#include <algorithm>

#include "common/file_seam.h"
#include "common/hex_digits.h"
#include "common/text_case.h"
#include "common/whole_file.h"

namespace vx {
namespace {

constexpr wchar_t kHeader[] = L"Vantelox bookmarks 1";
// A full name on Windows is at most this long.
constexpr size_t kPathLimit = 32767;
constexpr int kMaxAddressDigits = 16;

// UTF-16LE, one unit per character: the names Windows gives are UTF-16.
void PutText(std::string& out, std::wstring_view text) {
  for (const wchar_t c : text) {
    const auto unit = static_cast<uint16_t>(c);
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
  }
}

std::wstring AddressText(int64_t offset) {
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(kHexDigits[offset & 0xF]));
    offset >>= 4;
  } while (offset > 0);
  return digits;
}

// The address of an entry: 1 to 16 hexadecimal digits that stay below 2^63.
std::optional<int64_t> ReadAddress(std::wstring_view text) {
  if (text.empty() || text.size() > kMaxAddressDigits) return std::nullopt;
  uint64_t value = 0;
  for (const wchar_t c : text) {
    const int digit = c >= L'0' && c <= L'9'   ? c - L'0'
                      : c >= L'A' && c <= L'F' ? c - L'A' + 10
                      : c >= L'a' && c <= L'f' ? c - L'a' + 10
                                               : -1;
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<uint64_t>(digit);
  }
  if (value > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
  return static_cast<int64_t>(value);
}

std::optional<StoredBookmark> ReadEntry(std::wstring_view line) {
  const size_t tab1 = line.find(L'\t');
  if (tab1 == std::wstring_view::npos) return std::nullopt;
  const size_t tab2 = line.find(L'\t', tab1 + 1);
  if (tab2 == std::wstring_view::npos) return std::nullopt;
  const std::wstring_view path = line.substr(0, tab1);
  const std::wstring_view name = line.substr(tab2 + 1);
  const std::optional<int64_t> offset = ReadAddress(line.substr(tab1 + 1, tab2 - tab1 - 1));
  if (path.empty() || path.size() > kPathLimit || !offset || name.size() > kBookmarkNameLimit ||
      KeepableName(name) != name) {
    return std::nullopt;
  }
  return StoredBookmark{std::wstring(path), {*offset, std::wstring(name)}};
}

BookmarkReading ReadFolderFile(const std::wstring& folder) {
  const std::wstring name = folder + kBookmarkFileName;
  const int64_t length = fs::FileLength(name);
  if (length <= 0) return {};
  if (length > kBookmarkFileLimit) return {{}, 1};
  fs::File file = fs::OpenFileForReading(name);
  std::string bytes(static_cast<size_t>(length), '\0');
  if (!file || file.ReadAt(0, bytes.data(), length) != length) return {{}, 1, true};
  return ReadBookmarkBytes(bytes);
}

bool WriteFolderFile(const std::wstring& folder, const std::vector<StoredBookmark>& entries) {
  fs::MakeFolder(folder);
  return WriteWholeFile(folder + kBookmarkFileName, BookmarkFileBytes(entries));
}

}  // namespace

std::wstring KeepableName(std::wstring_view name) {
  std::wstring kept(name.substr(0, kBookmarkNameLimit));
  for (wchar_t& c : kept) {
    if (c < 0x20 || c == 0x7F) c = L' ';
  }
  return kept;
}

std::string BookmarkFileBytes(const std::vector<StoredBookmark>& entries) {
  std::string out = "\xFF\xFE";
  PutText(out, kHeader);
  PutText(out, L"\r\n");
  for (const StoredBookmark& entry : entries) {
    PutText(out, entry.path);
    PutText(out, L"\t");
    PutText(out, AddressText(entry.bookmark.offset));
    PutText(out, L"\t");
    PutText(out, KeepableName(entry.bookmark.name));
    PutText(out, L"\r\n");
  }
  return out;
}

BookmarkReading ReadBookmarkBytes(std::string_view bytes) {
  BookmarkReading reading;
  if (bytes.size() < 2 || bytes.substr(0, 2) != "\xFF\xFE") return {{}, bytes.empty() ? 0 : 1};
  std::wstring text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    text.push_back(static_cast<wchar_t>(static_cast<uint8_t>(bytes[i]) |
                                        static_cast<uint8_t>(bytes[i + 1]) << 8));
  }
  // An odd byte at the end is a cut-short line.
  if (bytes.size() % 2 != 0) ++reading.dropped;
  bool header = true;
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find(L"\r\n", at);
    const bool whole = end != std::wstring::npos;
    if (!whole) end = text.size();
    const std::wstring_view line(text.data() + at, end - at);
    at = whole ? end + 2 : end;
    if (header) {
      header = false;
      // Another layout is not ours to read.
      if (line != kHeader) return {{}, 1};
      continue;
    }
    const std::optional<StoredBookmark> entry = whole ? ReadEntry(line) : std::nullopt;
    if (entry) {
      reading.entries.push_back(*entry);
    } else if (!line.empty() || whole) {
      ++reading.dropped;
    }
  }
  return reading;
}

FileBookmarks LoadBookmarks(const std::wstring& folder, const std::wstring& path,
                            int64_t file_size) {
  BookmarkReading reading = ReadFolderFile(folder);
  FileBookmarks loaded;
  loaded.dropped = reading.dropped;
  std::vector<StoredBookmark> kept;
  for (StoredBookmark& entry : reading.entries) {
    if (SameName(entry.path, path)) {
      if (entry.bookmark.offset >= file_size || loaded.list.size() >= kBookmarksPerFile) {
        ++loaded.dropped;
        continue;
      }
      loaded.list.push_back(entry.bookmark);
    }
    kept.push_back(std::move(entry));
  }
  std::stable_sort(loaded.list.begin(), loaded.list.end(),
                   [](const Bookmark& a, const Bookmark& b) { return a.offset < b.offset; });
  const auto twice =
      std::unique(loaded.list.begin(), loaded.list.end(),
                  [](const Bookmark& a, const Bookmark& b) { return a.offset == b.offset; });
  loaded.dropped += static_cast<int>(loaded.list.end() - twice);
  loaded.list.erase(twice, loaded.list.end());
  // A file that could not be read at all is left for a later try.
  if (loaded.dropped > 0 && !reading.unreadable) {
    std::erase_if(kept, [&](const StoredBookmark& entry) { return SameName(entry.path, path); });
    for (const Bookmark& bookmark : loaded.list) kept.push_back({path, bookmark});
    WriteFolderFile(folder, kept);
  }
  return loaded;
}

bool SaveBookmarks(const std::wstring& folder, const std::wstring& path,
                   const std::vector<Bookmark>& list) {
  BookmarkReading reading = ReadFolderFile(folder);
  // Never in place of other files' entries that could not be read.
  if (reading.unreadable) return false;
  std::vector<StoredBookmark>& entries = reading.entries;
  std::erase_if(entries, [&](const StoredBookmark& entry) { return SameName(entry.path, path); });
  for (const Bookmark& bookmark : list) entries.push_back({path, bookmark});
  return WriteFolderFile(folder, entries);
}

}  // namespace vx
