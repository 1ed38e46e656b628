// Program-wide state made by the start procedure and read everywhere.
#pragma once

#include <string>

namespace vx {

// The folder of the program file, always ending in "\".
extern std::wstring ProgramFolder;
// The file named on the command line; empty when none.
extern std::wstring StartFile;
// Set by the main window when the start file could not be opened.
extern bool StartAborted;

}  // namespace vx
