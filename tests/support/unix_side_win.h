// Wine's Unix side, for the checks that look past Wine: the PDF a print job
// became, the page cache a cold read starts from.
#pragma once

#include <string>

namespace vx::test {

// Wine's own name for a Windows path on the Unix side; empty elsewhere.
std::string UnixName(const std::wstring& windows_name);

// Starts a shell command line on the Unix side; false when it could not be
// started. Wine does not wait for a Unix program nor hand on its exit code:
// what it makes is the answer.
bool StartUnix(const std::string& command);

}  // namespace vx::test
