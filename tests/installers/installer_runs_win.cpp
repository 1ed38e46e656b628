#include "tests/installers/installer_runs_win.h"

#include <utility>

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
                    const std::function<void(uninstall::UninstallWindow&)>& watch) {
  uninstall::UninstallWindow uninstaller(registry);
  if (watch) watch(uninstaller);
  uninstaller.Start();
  uninstaller.Run();
}

}  // namespace vx::test
