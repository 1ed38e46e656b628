#include "common/folder_clearing.h"

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

}  // namespace vx
