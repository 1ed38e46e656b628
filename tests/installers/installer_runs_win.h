// The two installers run on this machine from their start to their end, as
// the machine tests and the benchmark drive them: the wizard opened on a
// setup folder and answered page by page, the uninstaller started. Message
// boxes are answered by whatever handler the caller installed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/installer/installer_window_win.h"
#include "common/registry_win.h"
#include "common/ui/controls_win.h"
#include "setup/setup_window_win.h"
#include "tests/installers/setup_window_test_view_win.h"
#include "uninstall/uninstall_window_win.h"

namespace vx::test {

struct WizardAnswers {
  bool desktop_shortcut = true;
  bool send_to_shortcut = true;
};

// The wizard, open on its first page with the recorded or the default
// folder, over the setup folder given.
class WizardRun {
 public:
  WizardRun(Registry& registry, const std::wstring& setup_folder);

  setup::SetupWindow& window() { return window_; }
  setup::SetupWindowTestView view() const { return setup::SetupWindowTestView(window_); }

  // Pressed as a click presses them; each returns once the window has acted.
  void Yes() const;
  void No() const;
  void Abort() const;

  // From the first page: the folder shown, the two answers, and Yes on the
  // summary; the install then runs to its end before this returns.
  void Install(WizardAnswers answers) const;

 private:
  setup::SetupWindow window_;
};

// Sees each status text an installer window shows, as it is shown, with the
// frames its bar has advanced by then.
using StatusWatch = std::function<void(const std::wstring& status, int progress_frames)>;
// Hands `watch` the status texts `window` shows while `hook` stays attached.
void WatchStatus(MessageHook& hook, InstallerWindow& window, StatusWatch watch);

// What the wizard left at its end.
struct InstallRun {
  bool ended = false;  // the window closed with the install
  int bar_filled = 0;
  int progress_frames = 0;
};
// The wizard from its first page to its end, with the recorded or the
// default folder, over the setup folder given; `watch`, when given, sees
// its status texts.
InstallRun RunInstall(Registry& registry, const std::wstring& setup_folder, WizardAnswers answers,
                      const StatusWatch& watch = {});

// Runs the uninstaller from its start to its end, as the copy in the
// Windows folder runs, or as `running_image` when given. `watch`, when
// given, sees the window before it starts.
void RunUninstaller(Registry& registry,
                    const std::function<void(uninstall::UninstallWindow&)>& watch = {},
                    const std::wstring& running_image = {});

// The names the list `list_file` holds, padded with names outside the
// install folder to `lines`: a long list whose own lines are the setup's.
std::vector<std::wstring> PaddedList(const std::wstring& list_file, int lines);

// How the uninstaller's window answered while `run` ran: a message sent to
// it again and again from another thread, each waited for up to the five
// seconds after which Windows calls a window hung.
struct WindowWaits {
  int answered = 0;
  int hung = 0;
  double longest_ms = 0;           // the longest wait for an answer
  std::vector<std::wstring> said;  // what `run` gave back
};
WindowWaits WatchUninstallerWindow(const std::function<std::vector<std::wstring>()>& run);

}  // namespace vx::test
