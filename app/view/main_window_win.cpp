#include "app/view/main_window_win.h"

#include <algorithm>
#include <initializer_list>

#include "app/page/dump_page.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/page_geometry.h"
#include "app/settings/view_settings.h"
#include "app/view/main_window_layout.h"
#include "app/view/page_shape_fit.h"
#include "common/product_version.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"
#include "common/ui/font_faces.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

constexpr WindowClass kClass{L"VanteloxMainWindow", 0, COLOR_BTNFACE, VX_PROGRAM_ICON};
constexpr wchar_t kFrameCaption[] = L"情報";

enum ControlId { kPageId = 101, kProgressBarId, kScrollBarId };
// Posted when the program comes back to the person, so that a message about
// the file is shown once the activation is over, not inside it.
constexpr UINT kCheckFileMessage = WM_APP + 1;

}  // namespace

void MainWindow::Create() {
  WindowArgs window;
  window.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  window.ex_style = WS_EX_ACCEPTFILES;
  window.width = 640;
  window.height = 520;
  CreateBound(kClass, window);
  CreateControls();
  CreateMenus();
  inspector_.Create(hwnd(), ViewOptions.inspector_place,
                    ViewOptions.inspector_big_endian ? ByteOrder::Big : ByteOrder::Little);
  // Paste follows what the clipboard holds, whoever put it there.
  AddClipboardFormatListener(hwnd());
  document_.SetReloadedHandler([this] { OnFileReloaded(); });
  ApplySettings();
  if (OpenFile(StartFile) < 0 && !StartFile.empty()) {
    StartAborted = true;
    return;
  }
  EnableRestore(document_.BackUpExists());
}

void MainWindow::CreateControls() {
  label_font_ = MakeFixedPitchFont(font_faces::kFixedPitch, kLabelFontPoints, WindowDpi(hwnd()));
  const ControlSite site = Site(label_font_.get());
  file_name_label_ = MakeLabel(site, {.rect = kFileNameRect});
  size_label_ = MakeLabel(site, {.rect = kSizeRect});
  caret_address_label_ = MakeLabel(site, {.rect = kCaretAddressRect});
  four_byte_label_ = MakeLabel(site, {.rect = kFourByteRect});
  two_byte_label_ = MakeLabel(site, {.rect = kTwoByteRect});
  one_byte_label_ = MakeLabel(site, {.rect = kOneByteRect});
  binary_label_ = MakeLabel(site, {.rect = kBinaryRect});
  selection_label_ = MakeLabel(site, {.rect = kSelectionRect});
  caret_frame_ = MakeGroupFrame(
      site, {.caption = kFrameCaption, .rect = kCaretFrameRect, .more_style = WS_CLIPSIBLINGS});
  page_view_.Create(hwnd(), {{0, kPageTop, 100, 100}, kPageId},
                    {.drawn = [this] { OnPageDrawn(); },
                     .file_changed = [this] { OnFileChanged(); },
                     .backup_made = [this] { EnableRestore(true); },
                     .delete_selection = [this] { OnDeleteSelection(); },
                     .fill_selection = [this](uint8_t value) { FillSelection(value); }});
  scroll_bar_.Create(hwnd(), {{100, kPageTop, kScrollBarWidth, 100}, kScrollBarId});
  scroll_bar_.Scrolled = [this] {
    document_.ScrollTo(scroll_bar_.Value());
    page_view_.Redraw();
  };
  progress_caption_label_ =
      MakeLabel(site, {.rect = {0, 0, kProgressCaptionWidth, kProgressHeight}, .kind = SS_RIGHT});
  progress_bar_.Create(hwnd(), {.rect = {0, 0, kProgressBarWidth, kProgressHeight},
                                .id = kProgressBarId,
                                .bar_colour = kProgressBarColour,
                                .more_style = WS_CLIPSIBLINGS});
  progress_bar_.SetFont(label_font_.get());
}

namespace {

// The outer size of a window of `hwnd`'s style with the given client area, at `dpi`.
SIZE OuterSize(HWND hwnd, int client_width, int client_height, int dpi) {
  RECT r{0, 0, client_width, client_height};
  AdjustFrameForDpi(r, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)),
                    GetMenu(hwnd) != nullptr,
                    static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)), dpi);
  return {r.right - r.left, r.bottom - r.top};
}

RECT WorkAreaOf(HWND hwnd) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  }
  return info.rcWork;
}

}  // namespace

void MainWindow::ApplySettings() {
  // The window stays within the work area of its monitor: a page shape too
  // large for it is limited to the largest that fits, for this window only;
  // the settings keep the saved shape for a larger screen and for printing.
  // Device pixels from here on: the page's from the scaled settings, the
  // fixed layout's through d.
  const DpiScale d(hwnd());
  const RECT work = WorkAreaOf(hwnd());
  const SIZE frame = OuterSize(hwnd(), 0, 0, d.dpi());
  const int room_width = work.right - work.left - frame.cx - d(kClientRightOfPage);
  const int room_height = work.bottom - work.top - frame.cy - d(kPageTop + kClientBelowPage);
  // The saved shape is judged at 96 dots an inch, where the settings are.
  const PageShape fits =
      FittedPageShape(document_.FileSettings(), UnscaleForDpi(room_width, d.dpi()),
                      UnscaleForDpi(room_height, d.dpi()));
  laid_out_digits_ = AddressDigits(document_.size());
  document_.LimitPageShape(fits == ShapeOf(DisplaySettings) ? std::nullopt
                                                            : std::optional<PageShape>(fits));
  const DisplaySettingsRecord s = document_.PageSettings();
  const int status_right = PlaceStatusLabels();
  PageGeometry g = LayOutPage(s, d.dpi());
  // Even the smallest shape may be too large with very wide cells: the page
  // area is then cut, and the scroll bar and the progress stay in sight.
  g.picture_width = std::max(1, std::min(g.picture_width, room_width));
  g.picture_height = std::max(1, std::min(g.picture_height, room_height));
  page_view_.Move(0, d(kPageTop), g.picture_width, g.picture_height);
  page_view_.SetFont(MakeFixedPitchFont(GetFontName(), s.FontSize, d.dpi()));
  scroll_bar_.Move(g.picture_width + d(4), d(kPageTop), d(kScrollBarWidth), g.picture_height);
  const int progress_right = d(kScrollBarWidth + 0 + 6) + g.picture_width;
  const int progress_top = d(kPageTop + 4) + g.picture_height;
  progress_bar_.Move(progress_right - d(kProgressBarWidth), progress_top, d(kProgressBarWidth),
                     d(kProgressHeight));
  MoveWindow(progress_caption_label_.hwnd(),
             progress_right - d(kProgressBarWidth + 4 + kProgressCaptionWidth), progress_top,
             d(kProgressCaptionWidth), d(kProgressHeight), TRUE);
  // The client area ends 8 pixels right of and below the progress area.
  const int client_width = std::max(progress_right + d(8), status_right + d(kClientRightOfStatus));
  const SIZE outer =
      OuterSize(hwnd(), client_width, progress_top + d(kProgressHeight + 8), d.dpi());
  RECT now{};
  GetWindowRect(hwnd(), &now);
  // Moved back inside the work area where the new size would reach out of it.
  const int left = std::max<int>(work.left, std::min<int>(now.left, work.right - outer.cx));
  const int top = std::max<int>(work.top, std::min<int>(now.top, work.bottom - outer.cy));
  SetWindowPos(hwnd(), nullptr, left, top, outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE | (IsIconic(hwnd()) ? SWP_NOMOVE : 0));
  document_.FitCaretToPage();
  page_view_.FitInputToRadix();
}

void MainWindow::OnDpiChanged(int dpi) {
  // The labels have their new places already; their font and the page's
  // layout are made again for the new density.
  Font font = MakeFixedPitchFont(font_faces::kFixedPitch, kLabelFontPoints, dpi);
  for (const Control* label : std::initializer_list<const Control*>{
           &file_name_label_, &size_label_, &caret_address_label_, &four_byte_label_,
           &two_byte_label_, &one_byte_label_, &binary_label_, &selection_label_, &caret_frame_,
           &progress_caption_label_}) {
    SetControlFont(label->hwnd(), font.get(), true);
  }
  progress_bar_.SetFont(font.get());
  label_font_ = std::move(font);
  SetProgramIcon(hwnd(), VX_PROGRAM_ICON);
  ApplySettings();
  // The page may hold fewer lines at the new density: the scroll range follows.
  RefreshScrollRange();
  page_view_.OnDpiChanged(dpi);
  page_view_.Redraw();
  // The name is shortened anew for the label's new width in the new font.
  ShowFileStatus();
}

bool MainWindow::TakeModelessKey(MSG& msg) {
  for (const HWND list : {CompareList(), find_all_window_ ? find_all_window_->hwnd() : nullptr}) {
    if (list && (msg.hwnd == list || IsChild(list, msg.hwnd))) return TakeDialogKey(list, msg);
  }
  // The inspector's rows take Enter themselves; the system's own dialog
  // navigation moves between them.
  const HWND inspector = inspector_.hwnd();
  return inspector && IsDialogMessageW(inspector, &msg);
}

void MainWindow::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
  if (ViewOptions.inspector_shown) ShowInspector(true);
}

void MainWindow::Unload() {
  if (hwnd()) SendMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void MainWindow::OnQueryClose() {
  page_view_.CloseInput();
  KeepBookmarks();
  SaveSettings();
  KeepInspectorSettings();
  // The record's folder: a failure there was just told with the record's.
  SaveViewSettings();
}

bool MainWindow::PutOffDuringWork(UINT msg, WPARAM wp, LPARAM lp) {
  if (!LettingSystemIn()) return false;
  switch (msg) {
    case WM_CLOSE:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_DROPFILES:
      // Posted, it waits in the queue behind the work like a key or a click.
      PostMessageW(hwnd(), msg, wp, lp);
      return true;
    default:
      return false;
  }
}

// Never refused and nothing asked: every change is already in the file.
void MainWindow::OnClose() {
  OnQueryClose();
  Close();
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (PutOffDuringWork(msg, wp, lp)) return 0;
  if (copies_.OnClipboardMessage(hwnd(), msg, wp)) return 0;
  switch (msg) {
    case WM_QUERYENDSESSION:
      // Ending the session now would leave the open file half-moved.
      return LettingSystemIn() ? FALSE : TRUE;
    case WM_DESTROY:
      RemoveClipboardFormatListener(hwnd());
      if (ends_program_) PostQuitMessage(0);
      return 0;
    case WM_CLIPBOARDUPDATE:
      EnableRangeCommands();
      return 0;
    case WM_SETFOCUS:
      // The keys belong to the page whenever a file is open.
      if (IsWindowEnabled(page_view_.hwnd())) SetFocus(page_view_.hwnd());
      return 0;
    case WM_DROPFILES:
      OnFileDropped(reinterpret_cast<HDROP>(wp));
      return 0;
    case WM_ACTIVATEAPP:
      if (wp) PostMessageW(hwnd(), kCheckFileMessage, 0, 0);
      break;
    case kCheckFileMessage:
      document_.NoticeOutsideChange();
      return 0;
    default:
      break;
  }
  return FormWindow::HandleMessage(msg, wp, lp);
}

}  // namespace vx
