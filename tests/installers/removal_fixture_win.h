// What the installers' removal tests share: a person's files to compare
// before and after, record values written as any program of the user
// could, and the installers run from start to end with every question
// answered by the test.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/file_operations.h"
#include "common/message_box.h"
#include "common/path_text.h"
#include "tests/installers/installer_machine_win.h"
#include "tests/installers/installer_runs_win.h"

namespace vx::test {

using Texts = std::vector<std::wstring>;

inline constexpr wchar_t kUninstalled[] = L"アンインストールは正常に終了しました。";
inline constexpr wchar_t kSomeLeft[] =
    L"いくつかの項目が削除できませんでした。\r\n"
    L"すでに削除されているか、使用中の可能性があります。\r\n"
    L"削除できなかった項目は手動で削除してください。";
inline constexpr wchar_t kRecordKeyPath[] = L"HKCU\\SoftWare\\MorvaneSoft\\Vantelox";

inline bool Holds(const std::wstring& text, const std::wstring& part) {
  return text.find(part) != std::wstring::npos;
}

// Writes a record value as any program of the user could, through reg.exe.
inline void RegAdd(const wchar_t* name, const std::wstring& value) {
  // A final "\" before the closing quote must be doubled on a command line.
  std::wstring quoted = value;
  if (quoted.ends_with(L'\\')) quoted += L'\\';
  ConsoleOutput(std::wstring(L"reg.exe add ") + kRecordKeyPath + L" /v " + name + L" /d \"" +
                quoted + L"\" /f");
}

// The same through the registry itself, for what reg.exe cannot write: a
// value with a NUL inside.
inline void RegSetRaw(const wchar_t* name, const std::wstring& value) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kRecordKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

// A folder with a person's files and their contents, to compare before and after.
struct Keepsake {
  std::wstring folder;
  Texts files;
  void Make() {
    for (const std::wstring& file : files) {
      ASSERT_TRUE(MakeFolders(FolderPart(folder + file)));
      WriteFileBytes(folder + file, {'k', 'e', 'e', 'p'});
    }
  }
  void ExpectWhole() const {
    for (const std::wstring& file : files) {
      EXPECT_EQ(ReadFileBytes(folder + file), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}))
          << folder + file;
    }
  }
};

class RemovalMachineTest : public InstallerMachineTest {
 protected:
  void SetUp() override {
    InstallerMachineTest::SetUp();
    SetMessageHandler([this](const MessageRequest& request) {
      shown.push_back(request.text);
      if (on_message) return on_message(request);
      return request.buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    });
  }

  // The wizard from its first page to its end, with the recorded or
  // default folder; the answer to the start question is No.
  void Install(const std::wstring& setup_folder, WizardAnswers answers,
               const StatusWatch& on_status = {}) {
    on_message = [](const MessageRequest&) { return MsgAnswer::No; };
    const bool ended = RunInstall(registry, setup_folder, answers, on_status).ended;
    on_message = {};
    ASSERT_TRUE(ended) << "the wizard ends with the install";
  }

  // The uninstaller from its start to its end, as the installed copy or
  // as `running_image`; what it showed.
  Texts Uninstall(const std::wstring& running_image = {}) {
    shown.clear();
    RunUninstaller(registry, {}, running_image);
    return shown;
  }

  Texts shown;
  std::function<MsgAnswer(const MessageRequest&)> on_message;
};

}  // namespace vx::test
