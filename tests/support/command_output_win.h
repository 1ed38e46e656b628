#pragma once

#include <string>

namespace vx::test {

// Runs a command line to its end and gives back what it wrote to its
// standard output, as bytes; empty when it could not be started.
std::string CommandOutput(const std::wstring& command_line);

}  // namespace vx::test
