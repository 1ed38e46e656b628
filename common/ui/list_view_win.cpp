#include "common/ui/list_view_win.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"

namespace vx {
namespace {

// The cell's text into the system's buffer, cut to its room.
void CopyCellText(const std::wstring& text, LVITEMW& item) {
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  const size_t n = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
  text.copy(item.pszText, n);
  item.pszText[n] = L'\0';
}

}  // namespace

ListView MakeListView(const ControlSite& site, ListViewArgs args) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  const int id = site.routes ? site.routes->Add(0, nullptr) : 0;
  const HWND list = MakeControl(
      site.parent, {WC_LISTVIEWW, L"", args.rect,
                    LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, id,
                    site.font, WS_EX_CLIENTEDGE});
  if (!list) return ListView();
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const DpiScale scale(site.parent);
  for (size_t i = 0; i < args.columns.size(); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = args.columns[i].caption.data();
    column.cx = scale(args.columns[i].width);
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  if (site.routes) {
    site.routes->AddNotify(id, [list, cell_text = std::move(args.cell_text),
                                on_activate = std::move(args.on_activate)](const NMHDR& notice) {
      switch (notice.code) {
        case LVN_GETDISPINFOW: {
          LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(notice)).item;
          if (cell_text) CopyCellText(cell_text(item.iItem, item.iSubItem), item);
          return LRESULT{0};
        }
        case NM_DBLCLK: {
          const int row = reinterpret_cast<const NMITEMACTIVATE&>(notice).iItem;
          if (row >= 0 && on_activate) on_activate(row);
          return LRESULT{0};
        }
        case LVN_KEYDOWN:
          if (reinterpret_cast<const NMLVKEYDOWN&>(notice).wVKey == VK_RETURN && on_activate) {
            const int row = ListView(list).Selected();
            if (row >= 0) on_activate(row);
          }
          return LRESULT{0};
        default:
          return LRESULT{0};
      }
    });
  }
  return ListView(list);
}

void ListView::SetRowCount(int count) const {
  // Kept in view where it is: the rows are the same ones, only more of them.
  SendMessageW(hwnd_, LVM_SETITEMCOUNT, static_cast<WPARAM>(count),
               LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

int ListView::Selected() const {
  return static_cast<int>(
      SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace vx
