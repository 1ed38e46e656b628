#include "app/view/draw_page_win.h"

#include <utility>

#include "app/file/edited_file.h"
#include "app/page/dump_page.h"
#include "app/page/page_painter_win.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "common/file_texts.h"
#include "common/message_box.h"
#include "common/shift_jis_tables.h"

namespace vx {

void DrawPage(HDC dc, const DisplaySettingsRecord& s, const std::wstring& FileName, int32_t start,
              std::vector<uint8_t>& PageBytes, int32_t FileSize) {
  std::vector<uint8_t> bytes(static_cast<size_t>(PageByteCount(s)));
  if (EditedFile(FileName).Read(int64_t{start} - 1, bytes) == ReadResult::NotOpened) {
    ShowMessage(FileName + std::wstring(file_texts::kOpenFailed), MsgButtons::Ok, MsgIcon::None);
    return;
  }
  PageBytes = std::move(bytes);
  ReplayPage(dc, ComposePage(s, start, PageBytes, FileSize, kShiftJisTables));
}

}  // namespace vx
