#include "app/view/draw_page_win.h"

#include "app/page/dump_page.h"
#include "app/page/page_painter_win.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "common/file_operations.h"
#include "common/file_texts.h"
#include "common/message_box.h"
#include "common/shift_jis_tables.h"

namespace vx {

void DrawPage(HDC dc, const DisplaySettingsRecord& s, const std::wstring& FileName, int32_t start,
              std::vector<uint8_t>& PageBytes, int32_t FileSize) {
  fs::File file = OpenOrMakeFile(FileName);
  if (!file) {
    ShowMessage(FileName + std::wstring(file_texts::kOpenFailed), MsgButtons::Ok, MsgIcon::None);
    return;
  }
  const int32_t count = PageByteCount(s);
  PageBytes.assign(static_cast<size_t>(count), 0);
  // Bytes behind the end of the file stay 0.
  if (file.ReadAt(static_cast<int64_t>(start) - 1, PageBytes.data(), count) < 0) {
    PageBytes.assign(static_cast<size_t>(count), 0);
  }
  file.Close();
  ReplayPage(dc, ComposePage(s, start, PageBytes, FileSize, SjisTables));
}

}  // namespace vx
