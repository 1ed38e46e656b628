// A setup run over an earlier install keeps one install: into the same
// folder it replaces it; another folder is refused while the earlier
// install is there; and the earlier shortcuts that the new answers do not
// want go, so that one uninstall always removes everything.
#pragma once

#include <string>

namespace vx::setup {

// The earlier install that stands in the way of installing into
// `install_folder`: its folder, when it is a true install folder (the same
// rule as the uninstaller's, `registered_folder` being the folder the
// installed-programs entry names) other than `install_folder`; else empty.
std::wstring EarlierInstallElsewhere(const std::wstring& recorded_folder,
                                     const std::wstring& install_folder,
                                     const std::wstring& registered_folder);

// The question's text naming that folder.
std::wstring EarlierInstallText(const std::wstring& folder);

// `install_folder` exists and holds something, yet is neither the
// registered install nor holds only what the setup and the program make
// there (what a setup stopped half way, or an uninstall that could not
// finish, left): installing there would mix the program with a person's
// files, which its uninstall would then have to tell apart.
bool HoldsOtherFiles(const std::wstring& install_folder, const std::wstring& registered_folder);

// The refusal's text naming that folder.
std::wstring OtherFilesText(const std::wstring& folder);

// Deletes the earlier shortcut `earlier` unless the new install makes the
// same one (`now`, empty for none): only when it is this program's own
// shortcut to `earlier_program`. True when it was deleted.
bool RemoveUnwantedShortcut(const std::wstring& earlier, const std::wstring& now,
                            const std::wstring& earlier_program);

}  // namespace vx::setup
