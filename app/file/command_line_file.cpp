#include "app/file/command_line_file.h"

#include "common/environment.h"
#include "common/file_seam.h"
#include "common/text_case.h"

namespace vx {
namespace {

// The text before the first `mark`, or all of it.
std::wstring FirstPiece(const std::wstring& text, wchar_t mark) {
  return text.substr(0, text.find(mark));
}

}  // namespace

std::wstring FileNameFromCommandLine(const std::wstring& command_line) {
  if (command_line.empty()) return {};
  std::wstring name;
  if (LowerCase(GetEnvironmentText(L"OS")).find(L"nt") != std::wstring::npos) {
    // The NT family quotes a name with blanks; an unquoted line is one name.
    name = FirstPiece(command_line, L'"');
    if (name.empty()) name = FirstPiece(command_line.substr(1), L'"');
  } else {
    name = FirstPiece(command_line, L' ');
  }
  return LongPathOf(name);
}

std::wstring LongPathOf(const std::wstring& path) {
  std::wstring long_name = fs::LongPathName(path);
  return long_name.empty() ? path : long_name;
}

}  // namespace vx
