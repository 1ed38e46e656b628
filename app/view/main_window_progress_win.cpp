// The progress area below the page: the caption in Label9 and the bar in Picture2.
#include <string>

#include "app/view/main_window_win.h"
#include "app/view/progress_view.h"
#include "common/clock.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"
#include "common/ui/gdi_win.h"

namespace vx {

void MainWindow::Prog(double value, const std::wstring& Captions) {
  const ProgressView view = ProgressViewFor(value, Captions, Picture2.width());
  // A search or a tail move reports after every 4096 bytes; repainting for each
  // report would cost more than the work itself.
  if (shown_progress_ && *shown_progress_ == view) return;
  const uint32_t now = MilliSeconds();
  if (!ProgressNeedsDrawing(shown_progress_, view, now - progress_drawn_at_)) return;
  shown_progress_ = view;
  progress_drawn_at_ = now;
  Picture2.Clear(GetSysColor(COLOR_BTNFACE));
  switch (view.kind) {
    case ProgressView::Kind::Caption:
      SetControlText(Label9, view.caption);
      UpdateWindow(Label9);
      break;
    case ProgressView::Kind::Done:
      SetControlText(Label9, L"");
      UpdateWindow(Label9);
      break;
    case ProgressView::Kind::Bar: {
      RECT bar{0, 0, view.bar_width, Picture2.height()};
      FillRect(Picture2.dc(), &bar, MakeBrush(kProgressBarColour).get());
      const std::wstring number = std::to_wstring(view.percent);
      SetBkMode(Picture2.dc(), TRANSPARENT);
      const DpiScale d(hwnd());
      TextOutW(Picture2.dc(), Picture2.width() / 2 - d(18), d(4), number.c_str(),
               static_cast<int>(number.size()));
      break;
    }
  }
  Picture2.Refresh();
}

}  // namespace vx
