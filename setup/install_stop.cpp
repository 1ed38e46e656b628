#include "setup/install_stop.h"

#include <utility>

namespace vx::setup {
namespace {

InstallStop& Stop() {
  static InstallStop stop;
  return stop;
}

}  // namespace

void SetInstallStop(InstallStop stop) { Stop() = std::move(stop); }

bool StopsAt(InstallStep step) { return Stop() && Stop()(step); }

}  // namespace vx::setup
