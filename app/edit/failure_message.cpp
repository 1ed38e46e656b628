#include "app/edit/failure_message.h"

#include "app/edit/failure_texts.h"

namespace vx {
namespace {

namespace t = failure_texts;

const wchar_t* CommandLine(FailedCommand command) {
  switch (command) {
    case FailedCommand::Insert:
      return t::kInsertFailed;
    case FailedCommand::Delete:
      return t::kDeleteFailed;
    case FailedCommand::Overwrite:
      return t::kOverwriteFailed;
    case FailedCommand::Paste:
      return t::kPasteFailed;
    case FailedCommand::PasteOver:
      return t::kPasteOverFailed;
    case FailedCommand::Cut:
      return t::kCutFailed;
    case FailedCommand::Fill:
      return t::kFillFailed;
    case FailedCommand::Undo:
      return t::kUndoFailed;
    case FailedCommand::Redo:
      return t::kRedoFailed;
    case FailedCommand::Replace:
      return t::kReplaceFailed;
    case FailedCommand::ReplaceAll:
      return t::kReplaceAllFailed;
    case FailedCommand::Copy:
      return t::kCopyFailed;
  }
  return t::kOverwriteFailed;
}

const wchar_t* PlaceName(FailedPlace place) {
  switch (place) {
    case FailedPlace::File:
      return t::kTheFile;
    case FailedPlace::RecoveryRecord:
      return t::kTheRecord;
    case FailedPlace::JournalData:
      return t::kTheJournalData;
    case FailedPlace::Clipboard:
      return t::kTheClipboard;
  }
  return t::kTheFile;
}

std::wstring CauseLine(FailedCommand command, const Failure& failure) {
  const std::wstring place = PlaceName(failure.place);
  switch (failure.cause) {
    case FailureCause::DiskFull:
      return t::kDiskFullBefore + DriveOf(failure.name) + t::kDiskFullAfter + place;
    case FailureCause::InUse:
      return place + t::kInUse;
    case FailureCause::Missing:
      return place + t::kMissing;
    case FailureCause::Denied:
      return place + t::kDenied;
    case FailureCause::Shortened:
      return place + t::kShortened;
    case FailureCause::Changed:
      return place + t::kChanged;
    case FailureCause::OtherCopyEditing:
      return t::kOtherCopyEditing;
    case FailureCause::Other:
      return place + t::kOtherBefore + fs::SystemErrorText(failure.system_code);
    case FailureCause::Unknown:
      break;
  }
  return command == FailedCommand::Overwrite ? t::kOverwriteUnknown : t::kUnknown;
}

}  // namespace

Failure SystemFailure(int code, FailedPlace place, std::wstring name) {
  Failure failure{FailureCause::Other, place, std::move(name), code};
  switch (fs::FaultOfSystemError(code)) {
    case fs::SystemFault::None:
      failure.cause = FailureCause::Unknown;
      break;
    case fs::SystemFault::DiskFull:
      failure.cause = FailureCause::DiskFull;
      break;
    case fs::SystemFault::InUse:
      failure.cause = FailureCause::InUse;
      break;
    case fs::SystemFault::Missing:
      failure.cause = FailureCause::Missing;
      break;
    case fs::SystemFault::Denied:
      failure.cause = FailureCause::Denied;
      break;
    case fs::SystemFault::Other:
      break;
  }
  return failure;
}

std::wstring DriveOf(const std::wstring& name) {
  if (name.size() >= 2 && name[1] == L':') return name.substr(0, 2);
  if (name.starts_with(L"\\\\")) {
    // "\\server\share\...": the server and the share.
    const size_t share = name.find(L'\\', 2);
    const size_t end = share == std::wstring::npos ? share : name.find(L'\\', share + 1);
    return name.substr(0, end);
  }
  return name.substr(0, name.find(L'\\', 1));
}

// The cause's line and what follows it.
static std::wstring CauseAndNames(FailedCommand command, const Failure& failure) {
  std::wstring text = CauseLine(command, failure);
  if (!failure.name.empty()) {
    text += L"\r\n";
    text += failure.place == FailedPlace::File ? t::kFileAt : t::kKeptAt;
    text += failure.name;
  }
  if (failure.unchanged) {
    text += L"\r\n";
    text += t::kUnchanged;
  }
  return text;
}

std::wstring FailureMessage(FailedCommand command, const Failure& failure) {
  return CommandLine(command) + std::wstring(L"\r\n") + CauseAndNames(command, failure);
}

std::wstring RefusalMessage(const Failure& failure) {
  return CauseAndNames(FailedCommand::Overwrite, failure);
}

}  // namespace vx
