#include "app/program_globals.h"

namespace vx {

std::wstring ProgramFolder;
std::wstring StartFile;
bool StartAborted = false;

}  // namespace vx
