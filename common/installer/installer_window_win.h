// InstallerWindow: what the setup wizard and the uninstaller share. A window
// with the animated artwork on its left (Picture1 holds the artwork, the
// frames are drawn on the window itself), a status text (Label3) and a
// progress bar (Picture2) on its right, and Timer1, which draws a frame on
// every tick. The controls of each program go in the panel on the right.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/installer/progress_area_win.h"
#include "common/installer/ripple.h"
#include "common/ui/gdi_win.h"
#include "common/ui/message_pump_win.h"
#include "common/ui/modal_window_win.h"

namespace vx {

// The header that describes the artwork and every frame drawn from it.
BITMAPINFOHEADER ArtworkHeader();

class InstallerWindow : public ModalWindow {
 public:
  ~InstallerWindow() override;

  // Runs the window's messages until the window is closed.
  void Run() { RunModal(); }

  // One frame: the counters move on, the ripple is drawn onto the window
  // and the bar into Picture2.
  void DrawPic();

  // The layout: the artwork at (0, 0), the panel to its right.
  static constexpr int kClientWidth = 592;
  static constexpr int kClientHeight = kArtworkSide;
  static constexpr int kPanelX = kArtworkSide + 12;
  static constexpr int kPanelWidth = kClientWidth - kPanelX - 12;

  // What the last frame showed, for checks.
  const std::vector<uint8_t>& work_picture() const { return work_; }
  int64_t frame_count() const { return FrameCount; }
  int progress_frames() const { return ProgressFrames; }
  int bar_filled() const { return Picture2.filled(); }
  HWND status_label() const { return Label3; }

 protected:
  InstallerWindow(RippleStyle style, const wchar_t* class_name, std::wstring caption);

  // Picture1, Label3 and Picture2 (the last two hidden); the window is made
  // by Open(nullptr), in the screen's centre.
  void CreateControls() override;
  // The picture part of loading the window: reads Picture1's artwork into
  // the source picture (black when it cannot be read), draws one frame and
  // hides Picture2.
  void LoadPicture();

  // Shows the status text St and draws a frame, then lets the window's
  // pending messages run, so that it repaints while the work goes on.
  void LC(const std::wstring& St);
  // A tick of Timer1.
  virtual void Timer1_Timer() { DrawPic(); }
  void EnableTimer1(bool enabled);
  // The work has started: the bar advances from now on.
  void StartRunning();
  void ShowProgressBar();

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  HWND Picture1 = nullptr;
  HWND Label3 = nullptr;
  ProgressArea Picture2;
  bool Running = false;
  int ProgressFrames = 0;
  int64_t FrameCount = 0;

 private:
  void OnPaint();

  RippleStyle style_;
  std::optional<Ripple> ripple_;
  BITMAPINFOHEADER header_{};
  std::vector<uint8_t> work_;
  Bitmap artwork_;
  std::optional<Ticker> timer1_;
};

}  // namespace vx
