#include "common/folder_clearing.h"

#include <algorithm>

#include "common/file_seam.h"
#include "common/path_text.h"
#include "common/pending_messages.h"

namespace vx {
namespace {

void Survey(const std::wstring& folder, FolderSurvey& survey) {
  for (const fs::FolderEntry& entry : fs::ListFolder(folder, LetPendingMessagesRun)) {
    const std::wstring full = folder + entry.name;
    if (!IsJoinableName(entry.name)) {
      survey.refused.push_back(full);
    } else if (entry.is_link) {
      survey.links.push_back(full);
    } else if (entry.is_folder) {
      Survey(full + L'\\', survey);
      survey.folders.push_back(full + L'\\');
    } else {
      survey.files.push_back(full);
    }
  }
}

bool StillThere(const std::wstring& name) {
  return fs::FileExists(name) || fs::FolderExists(name) || fs::IsFolderLink(name);
}

}  // namespace

bool IsJoinableName(std::wstring_view name) {
  return !name.empty() && name != L"." && name != L".." &&
         name.find_first_of(L"\\/:") == std::wstring_view::npos;
}

FolderSurvey SurveyFolder(const std::wstring& folder) {
  FolderSurvey survey;
  if (fs::FolderExists(folder)) Survey(WithFolderMark(folder), survey);
  return survey;
}

std::vector<std::wstring> ClearFolder(const std::wstring& folder, const FolderSurvey& survey,
                                      const std::vector<std::wstring>& files) {
  std::vector<std::wstring> left;
  for (const auto* names : {&survey.links, &files}) {
    for (const std::wstring& name : *names) {
      fs::RemoveEntry(name);
      LetPendingMessagesRun();
      if (StillThere(name)) left.push_back(name);
    }
  }
  // Deepest first, so that each folder is empty when its turn comes; one
  // that holds what stays is named through the folder itself.
  for (const std::wstring& below : survey.folders) fs::RemoveEntry(WithoutFolderMark(below));
  const std::wstring marked = WithFolderMark(folder);
  if (!fs::RemoveEntry(WithoutFolderMark(marked)) && fs::FolderExists(marked)) {
    left.push_back(marked);
  }
  return left;
}

}  // namespace vx
