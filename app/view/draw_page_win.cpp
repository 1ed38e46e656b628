#include "app/view/draw_page_win.h"

#include <utility>

#include "app/file/edited_file.h"
#include "app/page/dump_page.h"
#include "app/page/page_painter_win.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/view_settings.h"
#include "common/file_texts.h"
#include "common/message_box.h"
#include "common/shift_jis_tables.h"

namespace vx {

void DrawPage(HDC dc, const DisplaySettingsRecord& settings, const std::wstring& path,
              int64_t start, std::vector<uint8_t>& page_bytes, int64_t file_size,
              const std::optional<ByteRange>& selected) {
  std::vector<uint8_t> bytes(static_cast<size_t>(PageByteCount(settings)));
  if (EditedFile(path).Read(start - 1, bytes) == ReadResult::NotOpened) {
    ShowMessage(path + std::wstring(file_texts::kOpenFailed), MsgButtons::Ok, MsgIcon::None);
    return;
  }
  page_bytes = std::move(bytes);
  ReplayPage(dc, ComposePage(settings, start, page_bytes, file_size, kShiftJisTables,
                              PageMedium::Screen, selected,
                              {TextColumnEncoding(), ViewOptions.control_dots}));
}

}  // namespace vx
