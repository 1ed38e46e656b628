#include "common/path_text.h"

#include "common/text_case.h"

namespace vx {

std::wstring WithFolderMark(const std::wstring& path) {
  return path.ends_with(L'\\') ? path : path + L'\\';
}

std::wstring WithoutFolderMark(const std::wstring& path) {
  return path.ends_with(L'\\') ? path.substr(0, path.size() - 1) : path;
}

std::wstring FileNamePart(const std::wstring& path) {
  const size_t mark = path.rfind(L'\\');
  return mark == std::wstring::npos ? path : path.substr(mark + 1);
}

std::wstring FolderPart(const std::wstring& path) {
  const size_t mark = path.rfind(L'\\');
  return mark == std::wstring::npos ? std::wstring() : path.substr(0, mark + 1);
}

std::wstring LowerCaseExtension(const std::wstring& name) {
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? std::wstring() : LowerCase(name.substr(dot + 1));
}

}  // namespace vx
