#include "common/usual.h"

#include "common/message_box.h"
#include "common/missing_folders.h"
#include "common/text_case.h"
#include "common/usual_texts.h"
#include "common/wildcard.h"

namespace vx {
namespace {

void ShowWriteFailed(const std::wstring& Fnm) {
  std::wstring text(usual_texts::kWriteFailed);
  text += L'\r';
  text += Fnm;
  text += usual_texts::kInUseByOtherSoftware;
  ShowMessage(text, MsgButtons::Ok, MsgIcon::None);
}

void ShowOpenFailed(const std::wstring& Fnm) {
  ShowMessage(Fnm + std::wstring(usual_texts::kOpenFailed), MsgButtons::Ok, MsgIcon::None);
}

}  // namespace

std::wstring Usual::AddDirMark(const std::wstring& Fnm) const {
  return Fnm.ends_with(L'\\') ? Fnm : Fnm + L'\\';
}

std::wstring Usual::EraseDirMark(const std::wstring& Fnm) const {
  return Fnm.ends_with(L'\\') ? Fnm.substr(0, Fnm.size() - 1) : Fnm;
}

std::wstring Usual::DirU(const std::wstring& Fnm) const {
  const size_t mark = Fnm.rfind(L'\\');
  return mark == std::wstring::npos ? Fnm : Fnm.substr(mark + 1);
}

std::wstring Usual::GetFolderName(const std::wstring& Fnm) const {
  const size_t mark = Fnm.rfind(L'\\');
  return mark == std::wstring::npos ? std::wstring() : Fnm.substr(0, mark + 1);
}

std::wstring Usual::GetDelExt(const std::wstring& Fnm) const {
  const size_t dot = Fnm.find(L'.');
  return dot == std::wstring::npos || dot == 0 ? std::wstring() : Fnm.substr(0, dot);
}

std::wstring Usual::Getkakutyousi(const std::wstring& Fnm) const {
  const size_t dot = Fnm.rfind(L'.');
  return dot == std::wstring::npos ? std::wstring() : LowerCase(Fnm.substr(dot + 1));
}

int Usual::KillU(const std::wstring& Fnm, bool errMsgOn) const {
  // Exactly one named file: a "*" or "?" is never read as a pattern, and a
  // name cut at a NUL would delete another file than the one named.
  const bool ok = !Fnm.empty() && !HasWildcard(Fnm) && Fnm.find(L'\0') == std::wstring::npos &&
                  fs::RemoveFile(Fnm);
  if (ok) return 0;
  if (errMsgOn) ShowWriteFailed(Fnm);
  return -1;
}

fs::File Usual::OpenBinary(const std::wstring& Fnm, bool errMsgOn) const {
  fs::File file;
  const bool network = Fnm.starts_with(L"\\\\");
  const bool folders_ready =
      network || (Fnm.find(L'\\') != std::wstring::npos && MakeMissingFolders(Fnm));
  if (!Fnm.empty() && folders_ready) file = fs::OpenFile(Fnm, true, fs::Share::ReadWrite);
  if (!file && errMsgOn) ShowOpenFailed(Fnm);
  return file;
}

fs::File Usual::KillOpen(const std::wstring& Fnm, bool errMsgOn) const {
  if (fs::FileExists(Fnm) && KillU(Fnm, errMsgOn) == -1) return fs::File();
  return OpenBinary(Fnm, errMsgOn);
}

int Usual::MakeDir(const std::wstring& Fnm, bool errMsgOn) const {
  if (!Fnm.empty() && MakeMissingFolders(Fnm)) return 0;
  if (errMsgOn) ShowOpenFailed(Fnm);
  return -1;
}

}  // namespace vx
