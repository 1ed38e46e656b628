#include "tests/installers/installer_runs_win.h"

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

void RunUninstaller(Registry& registry,
                    const std::function<void(uninstall::UninstallWindow&)>& watch) {
  uninstall::UninstallWindow uninstaller(registry);
  if (watch) watch(uninstaller);
  uninstaller.Start();
  uninstaller.Run();
}

}  // namespace vx::test
