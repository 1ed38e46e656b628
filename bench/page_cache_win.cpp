#include "bench/page_cache_win.h"

#include <windows.h>

#include "common/file_seam.h"
#include "tests/support/unix_side_win.h"

namespace vx::bench {

bool DropPageCache(const std::wstring& scratch) {
  const std::wstring mark = scratch + L"dropped.mark";
  fs::RemoveFile(mark);
  const std::string unix_mark = test::UnixName(mark);
  if (unix_mark.empty()) return false;
  // The shell does not report back: it leaves the mark once the drop worked.
  if (!test::StartUnix("sync && echo 3 > /proc/sys/vm/drop_caches && touch '" + unix_mark + "'")) {
    return false;
  }
  for (int waited_ms = 0; waited_ms < 60000; waited_ms += 20) {
    if (fs::FileExists(mark)) {
      fs::RemoveFile(mark);
      return true;
    }
    Sleep(20);
  }
  return false;
}

}  // namespace vx::bench
