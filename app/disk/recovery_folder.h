// The folder the recovery records and the undo data go to: set once the
// settings folder is known, read by the records and the journal's data.
#pragma once

#include <string>

namespace vx {

// The folder, with its trailing "\"; empty (the default) keeps them in
// private memory, where a stop loses them.
void SetRecoveryFolder(const std::wstring& folder);
const std::wstring& RecoveryFolder();

}  // namespace vx
