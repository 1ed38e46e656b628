#include "tests/installers/installer_runs_win.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

#include "common/environment.h"
#include "common/installer/installed_names.h"
#include "common/path_text.h"
#include "common/uninstall_data.h"
#include "setup/fixed_disk_win.h"

namespace vx::test {
namespace {

void Press(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

}  // namespace

WizardRun::WizardRun(Registry& registry, const std::wstring& setup_folder)
    : window_(registry, setup_folder, setup::IsFixedDisk) {
  window_.Start();
}

void WizardRun::Yes() const { Press(view().yes_button()); }
void WizardRun::No() const { Press(view().no_button()); }
void WizardRun::Abort() const { Press(view().abort_button()); }

void WizardRun::Install(WizardAnswers answers) const {
  Yes();
  answers.desktop_shortcut ? Yes() : No();
  answers.send_to_shortcut ? Yes() : No();
  Yes();
}

void WatchStatus(MessageHook& hook, InstallerWindow& window, StatusWatch watch) {
  hook.Attach(window.status_label(),
              [&window, watch = std::move(watch)](UINT msg, WPARAM, LPARAM lp, LRESULT&) {
                if (msg == WM_SETTEXT)
                  watch(reinterpret_cast<const wchar_t*>(lp), window.progress_frames());
                return false;
              });
}

InstallRun RunInstall(Registry& registry, const std::wstring& setup_folder, WizardAnswers answers,
                      const StatusWatch& watch) {
  WizardRun wizard(registry, setup_folder);
  MessageHook statuses;
  if (watch) WatchStatus(statuses, wizard.window(), watch);
  wizard.Install(answers);
  return {wizard.window().hwnd() == nullptr, wizard.window().bar_filled(),
          wizard.window().progress_frames()};
}

void RunUninstaller(Registry& registry,
                    const std::function<void(uninstall::UninstallWindow&)>& watch,
                    const std::wstring& running_image) {
  uninstall::UninstallWindow uninstaller(
      registry, running_image.empty() ? WithFolderMark(GetEnvironmentText(L"WINDIR")) +
                                            installed_names::kUninstallerFile
                                      : running_image);
  if (watch) watch(uninstaller);
  uninstaller.Start();
  uninstaller.Run();
}

std::vector<std::wstring> PaddedList(const std::wstring& list_file, int lines) {
  std::vector<std::wstring> listed = ReadUninstallData(list_file).paths;
  while (listed.size() < static_cast<size_t>(lines)) {
    listed.push_back(L"C:\\vxkeep\\x" + std::to_wstring(listed.size()) + L".txt");
  }
  return listed;
}

WindowWaits WatchUninstallerWindow(const std::function<std::vector<std::wstring>()>& run) {
  constexpr UINT kHungMs = 5000;
  WindowWaits waits;
  std::atomic<bool> done = false;
  std::thread watcher([&] {
    while (!done) {
      const HWND window = FindWindowW(L"VanteloxUninstallWindow", nullptr);
      if (window == nullptr) {
        std::this_thread::yield();
        continue;
      }
      const auto start = std::chrono::steady_clock::now();
      DWORD_PTR result = 0;
      if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kHungMs, &result) != 0) {
        ++waits.answered;
        const std::chrono::duration<double, std::milli> waited =
            std::chrono::steady_clock::now() - start;
        waits.longest_ms = std::max(waits.longest_ms, waited.count());
      } else if (GetLastError() == ERROR_TIMEOUT && IsWindow(window)) {
        ++waits.hung;
      }
    }
  });
  waits.said = run();
  done = true;
  watcher.join();
  return waits;
}

}  // namespace vx::test
