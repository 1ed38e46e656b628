#include "common/removal_rule.h"

#include <algorithm>

#include "common/erase_guard.h"
#include "common/file_seam.h"
#include "common/install_record.h"
#include "common/pending_messages.h"
#include "common/text_case.h"

namespace vx {
namespace {

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// One name between two marks, as a plain full name may hold it.
bool IsPlainPart(std::wstring_view part) {
  if (part.empty() || part.back() == L'.' || part.back() == L' ') return false;
  return std::none_of(part.begin(), part.end(), [](wchar_t c) {
    return c < 0x20 || std::wstring_view(L"*?:/<>|\"").find(c) != std::wstring_view::npos;
  });
}

std::wstring WithoutMark(std::wstring_view name) {
  if (name.ends_with(L'\\')) name.remove_suffix(1);
  return std::wstring(name);
}

}  // namespace

std::wstring UpToNul(std::wstring_view value) {
  return std::wstring(value.substr(0, std::min(value.find(L'\0'), value.size())));
}

bool IsPlainFullName(std::wstring_view name) {
  if (name.size() < 3 || !IsDriveLetter(name[0]) || name[1] != L':' || name[2] != L'\\') {
    return false;
  }
  std::wstring_view rest = name.substr(3);
  if (rest.ends_with(L'\\')) rest.remove_suffix(1);
  if (rest.empty()) return name.size() == 3;  // the root itself, "X:\"
  while (true) {
    const size_t mark = rest.find(L'\\');
    if (!IsPlainPart(rest.substr(0, mark))) return false;
    if (mark == std::wstring_view::npos) return true;
    rest.remove_prefix(mark + 1);
  }
}

std::wstring SystemReading(const std::wstring& name) {
  if (!IsPlainFullName(name)) return name;
  std::wstring read = fs::LongPathName(name);
  if (read.empty() || !IsPlainFullName(read)) return name;
  if (name.ends_with(L'\\') && !read.ends_with(L'\\')) read += L'\\';
  return read;
}

bool IsPlainNameInside(std::wstring_view folder, std::wstring_view file) {
  if (!IsPlainFullName(folder) || !IsPlainFullName(file)) return false;
  const std::wstring outer = LowerCase(WithoutMark(folder)) + L'\\';
  const std::wstring inner = LowerCase(WithoutMark(file));
  return inner.size() > outer.size() && inner.starts_with(outer);
}

bool IsSamePlainName(std::wstring_view a, std::wstring_view b) {
  return IsPlainFullName(a) && IsPlainFullName(b) &&
         LowerCase(WithoutMark(a)) == LowerCase(WithoutMark(b));
}

FolderVerdict JudgeInstallFolder(std::wstring_view recorded, const InstallFolderFacts& facts) {
  if (recorded.empty()) return FolderVerdict::NotRecorded;
  if (!IsPlainFullName(recorded) || facts.is_protected || facts.is_link) {
    return FolderVerdict::Refuse;
  }
  if (!facts.exists) return FolderVerdict::Missing;
  return facts.registered ? FolderVerdict::Remove : FolderVerdict::Refuse;
}

InstallFolderFacts LookAtInstallFolder(const std::wstring& folder,
                                       const std::wstring& registered_folder) {
  InstallFolderFacts facts;
  if (!IsPlainFullName(folder)) return facts;
  facts.exists = fs::FolderExists(folder);
  facts.is_link = fs::IsFolderLink(WithoutMark(folder));
  facts.is_protected = !MayEraseFolder(folder);
  facts.registered = IsSamePlainName(SystemReading(UpToNul(registered_folder)), folder);
  return facts;
}

bool IsOwnShortcut(std::wstring_view shortcut, std::wstring_view target,
                   std::wstring_view program) {
  return IsPlainFullName(shortcut) && LowerCase(shortcut).ends_with(L".lnk") &&
         IsSamePlainName(target, program);
}

std::vector<std::wstring> ListedInside(const std::wstring& folder,
                                       const std::vector<std::wstring>& listed) {
  std::vector<std::wstring> inside;
  const size_t start = WithoutMark(folder).size() + 1;
  for (size_t i = 0; i < listed.size(); ++i) {
    // A list of thousands of names: the window answers meanwhile.
    if (i % 64 == 63) LetPendingMessagesRun();
    const std::wstring path = SystemReading(listed[i]);
    if (!IsPlainNameInside(folder, path) || PassesThroughLink(folder, path)) continue;
    const std::wstring relative = path.substr(start);
    const bool seen = std::any_of(inside.begin(), inside.end(),
                                  [&](const std::wstring& f) { return SameName(f, relative); });
    if (!seen) inside.push_back(relative);
  }
  return inside;
}

SortedPlace SortPlace(const std::wstring& folder,
                      const std::function<bool(const std::wstring& relative)>& is_own) {
  SortedPlace place;
  place.survey = SurveyFolder(folder);
  const std::wstring marked = WithoutMark(folder) + L'\\';
  const auto relative = [&](const std::wstring& name) { return name.substr(marked.size()); };
  for (const std::wstring& file : place.survey.files) {
    LetPendingMessagesRun();
    const bool own = is_own(relative(file)) && fs::IsSoleNamedFile(file);
    (own ? place.own : place.foreign).push_back(file);
  }
  place.foreign.insert(place.foreign.end(), place.survey.links.begin(), place.survey.links.end());
  place.foreign.insert(place.foreign.end(), place.survey.refused.begin(),
                       place.survey.refused.end());
  // A folder of the person's is named through what it holds, or itself
  // when it holds nothing named.
  for (const std::wstring& below : place.survey.folders) {
    if (is_own(relative(below))) continue;
    const bool holds_named =
        std::any_of(place.foreign.begin(), place.foreign.end(),
                    [&](const std::wstring& name) { return IsPlainNameInside(below, name); });
    if (!holds_named) place.foreign.push_back(below);
  }
  return place;
}

bool PassesThroughLink(const std::wstring& folder, const std::wstring& file) {
  const std::wstring base = WithoutMark(folder);
  // Every folder between `folder` and the file's own name.
  for (size_t mark = file.find(L'\\', base.size() + 1); mark != std::wstring::npos;
       mark = file.find(L'\\', mark + 1)) {
    if (fs::IsFolderLink(file.substr(0, mark))) return true;
  }
  return false;
}

}  // namespace vx
