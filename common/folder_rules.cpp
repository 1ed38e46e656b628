#include "common/folder_rules.h"

#include <algorithm>

#include "common/text_case.h"

namespace vx {
namespace {

// A name split into where it starts ("C:\", "C:", "\", "\\server\share" or
// nothing for a relative name) and the folders after that.
struct PathParts {
  std::wstring root;
  std::vector<std::wstring> parts;
  // "C:" without a mark: relative to that drive's current folder.
  bool drive_relative = false;
};

std::vector<std::wstring> SplitAtMarks(std::wstring_view text) {
  std::vector<std::wstring> pieces;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t mark = text.find(L'\\', start);
    const size_t end = mark == std::wstring_view::npos ? text.size() : mark;
    if (end > start) pieces.emplace_back(text.substr(start, end - start));
    if (mark == std::wstring_view::npos) break;
    start = mark + 1;
  }
  return pieces;
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view start) {
  return text.size() >= start.size() && LowerCase(text.substr(0, start.size())) == LowerCase(start);
}

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

PathParts SplitPath(std::wstring_view path) {
  // The system reads a name up to its first NUL, whatever follows.
  std::wstring text(path.substr(0, std::min(path.find(L'\0'), path.size())));
  for (wchar_t& c : text) {
    if (c == L'/') c = L'\\';
  }
  PathParts result;
  std::wstring_view rest = text;
  bool device = false;
  bool network = rest.starts_with(L"\\\\");
  if (rest.starts_with(L"\\\\?\\") || rest.starts_with(L"\\\\.\\")) {
    rest.remove_prefix(4);
    network = StartsWithNoCase(rest, L"UNC\\");
    if (network) rest.remove_prefix(4);
    device = !network;
  }
  std::vector<std::wstring> pieces = SplitAtMarks(rest);
  if (device) {
    // "\\.\C:\..\D:\x" climbs over the volume's name: the volume is
    // whatever first part is left once the dots are resolved.
    std::vector<std::wstring> resolved;
    for (std::wstring& piece : pieces) {
      if (piece == L".") continue;
      if (piece == L"..") {
        if (!resolved.empty()) resolved.pop_back();
        continue;
      }
      resolved.push_back(std::move(piece));
    }
    pieces = std::move(resolved);
    if (!pieces.empty()) {
      result.root = pieces.front() + L"\\";
      pieces.erase(pieces.begin());
    } else {
      result.root = L"\\";
    }
  } else if (network) {
    result.root = L"\\\\";
    for (int i = 0; i < 2 && !pieces.empty(); ++i) {
      if (i > 0) result.root += L'\\';
      result.root += pieces.front();
      pieces.erase(pieces.begin());
    }
  } else if (rest.size() >= 2 && IsDriveLetter(rest[0]) && rest[1] == L':') {
    const bool rooted = rest.size() >= 3 && rest[2] == L'\\';
    result.root = std::wstring(rest.substr(0, 2)) + (rooted ? L"\\" : L"");
    result.drive_relative = !rooted;
    pieces = SplitAtMarks(rest.substr(2));
  } else if (rest.starts_with(L"\\")) {
    result.root = L"\\";
  }
  // Only a name that starts at a root cannot climb above it.
  const bool anchored = !result.root.empty() && !result.drive_relative;
  for (std::wstring& piece : pieces) {
    if (piece == L".") continue;
    if (piece == L"..") {
      if (!result.parts.empty() && result.parts.back() != L"..") {
        result.parts.pop_back();
      } else if (!anchored) {
        result.parts.push_back(piece);
      }
      continue;
    }
    while (!piece.empty() && (piece.back() == L'.' || piece.back() == L' ')) piece.pop_back();
    if (!piece.empty()) result.parts.push_back(std::move(piece));
  }
  return result;
}

std::wstring WithMark(std::wstring text) {
  if (!text.ends_with(L'\\')) text += L'\\';
  return text;
}

}  // namespace

std::wstring CollapsePath(std::wstring_view path) {
  const PathParts split = SplitPath(path);
  std::wstring text = split.root;
  for (size_t i = 0; i < split.parts.size(); ++i) {
    // A share's name may itself end in ":"; only "C:" alone joins without a mark.
    const bool joined = i == 0 && (text.empty() || text.ends_with(L'\\') || split.drive_relative);
    if (!joined) text += L'\\';
    text += split.parts[i];
  }
  return text;
}

bool IsRootFolder(std::wstring_view path) {
  const PathParts split = SplitPath(path);
  return !split.root.empty() && split.parts.empty();
}

bool IsSameOrBelow(std::wstring_view inner, std::wstring_view outer) {
  const std::wstring in = WithMark(LowerCase(CollapsePath(inner)));
  const std::wstring out = WithMark(LowerCase(CollapsePath(outer)));
  return in.starts_with(out);
}

bool IsProtectedFolder(std::wstring_view folder, const std::vector<std::wstring>& system_folders) {
  if (IsRootFolder(folder)) return true;
  for (const std::wstring& system : system_folders) {
    if (!system.empty() && IsSameOrBelow(system, folder)) return true;
  }
  return false;
}

}  // namespace vx
