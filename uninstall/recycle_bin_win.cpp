#include "uninstall/recycle_bin_win.h"

#include <shellapi.h>

#include <algorithm>
#include <string_view>

#include "common/environment.h"
#include "common/file_seam.h"
#include "common/path_text.h"
#include "common/removal_rule.h"

namespace vx::uninstall {
namespace {

// Beyond the file itself, what the bin writes beside it (its record of
// where the file came from), with room to spare.
constexpr int64_t kBinOverheadBytes = 1 << 20;
constexpr ULONG_PTR kDialogClassAtom = 0x8002;

// Where the bin of `root`'s drive keeps what it takes: on Windows a folder
// of the drive itself, so that taking a file is a rename on one volume;
// under Wine the desktop's trash of the user, reached through the drive
// that shows the whole file system ("Z:"), where a file of another file
// system arrives as a copy. Empty when there is neither.
std::wstring BinFolder(const std::wstring& root) {
  const std::wstring own = root + L"$Recycle.Bin\\";
  if (fs::FolderExists(own)) return own;
  std::wstring data = GetEnvironmentText(L"XDG_DATA_HOME");
  if (data.empty() && GetEnvironmentText(L"HOME").starts_with(L'/')) {
    data = GetEnvironmentText(L"HOME") + L"/.local/share";
  }
  if (!data.starts_with(L'/')) return {};
  std::replace(data.begin(), data.end(), L'/', L'\\');
  return L"Z:" + WithFolderMark(data) + L"Trash\\";
}

// The free room where `folder` is or would be made.
int64_t RoomAt(std::wstring folder) {
  while (!folder.empty() && !fs::FolderExists(folder))
    folder = FolderPart(WithoutFolderMark(folder));
  return folder.empty() ? -1 : fs::FreeSpace(folder);
}

// The bin takes the file whole: a fixed drive whose bin answers, and room
// for the file where the bin keeps it, checked before the bin is asked, so
// that it is never asked for what it would have to cut off or destroy.
bool BinTakes(const std::wstring& file) {
  const std::wstring root = file.substr(0, 3);
  SHQUERYRBINFO info{};
  info.cbSize = sizeof info;
  if (GetDriveTypeW(root.c_str()) != DRIVE_FIXED ||
      FAILED(SHQueryRecycleBinW(root.c_str(), &info))) {
    return false;
  }
  const std::wstring bin = BinFolder(root);
  const int64_t length = fs::FileLength(file);
  return !bin.empty() && length >= 0 && RoomAt(bin) >= length + kBinOverheadBytes;
}

RecycleBinCheck& Check() {
  static RecycleBinCheck check;
  return check;
}

// While the shell works for us, no dialog of its can open on this thread:
// the only one it would show is its question whether to delete a file for
// good instead, and a question that cannot open is answered No. So the
// question never appears, and nothing is destroyed.
class ShellQuestionsRefused {
 public:
  ShellQuestionsRefused()
      : hook_(SetWindowsHookExW(WH_CBT, &Refuse, nullptr, GetCurrentThreadId())) {}
  ~ShellQuestionsRefused() {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  }
  ShellQuestionsRefused(const ShellQuestionsRefused&) = delete;
  ShellQuestionsRefused& operator=(const ShellQuestionsRefused&) = delete;

  explicit operator bool() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK Refuse(int code, WPARAM window, LPARAM details) {
    if (code == HCBT_CREATEWND) {
      const LPCWSTR window_class = reinterpret_cast<CBT_CREATEWNDW*>(details)->lpcs->lpszClass;
      // The dialog class, by its atom or by its name.
      const bool dialog = IS_INTRESOURCE(window_class)
                              ? reinterpret_cast<ULONG_PTR>(window_class) == kDialogClassAtom
                              : std::wstring_view(window_class) == L"#32770";
      if (dialog) return 1;
    }
    return CallNextHookEx(nullptr, code, window, details);
  }

  HHOOK hook_;
};

}  // namespace

void SetRecycleBinCheck(RecycleBinCheck check) { Check() = std::move(check); }

bool MoveToRecycleBin(HWND owner, const std::wstring& file) {
  // Through a link the bin would take, or destroy, what the link leads to.
  if (!IsPlainFullName(file) ||
      !IsSamePlainName(fs::FinalPathName(file), fs::EntryFinalName(file))) {
    return false;
  }
  if (!(Check() ? Check()(file) : BinTakes(file))) return false;
  const ShellQuestionsRefused no_questions;
  if (!no_questions) return false;
  // The source is a list of names ended by an empty one: two NULs at the end.
  std::wstring from = file;
  from.push_back(L'\0');
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = owner;
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.pTo = nullptr;
  // Should the bin fail after all, the shell must ask before it would
  // destroy the file (FOF_WANTNUKEWARNING), and cannot (no_questions).
  operation.fFlags =
      FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
  operation.lpszProgressTitle = L"";
  return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted &&
         !fs::FileExists(file);
}

}  // namespace vx::uninstall
