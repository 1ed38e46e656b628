// InstallerWindow: what the setup wizard and the uninstaller share. A window
// with the animated artwork on its left (a hidden picture control holds the
// artwork, the frames are drawn on the window itself), a status text and a
// progress bar on its right, and the frame timer, which draws a frame on
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
  // and the bar into the progress area.
  void DrawFrame();

  // The layout: the artwork at (0, 0), the panel to its right.
  static constexpr int kClientWidth = 592;
  static constexpr int kClientHeight = kArtworkSide;
  static constexpr int kPanelX = kArtworkSide + 12;
  static constexpr int kPanelWidth = kClientWidth - kPanelX - 12;

  // What the last frame showed, for checks.
  const std::vector<uint8_t>& work_picture() const { return work_; }
  int64_t frame_count() const { return frame_count_; }
  int progress_frames() const { return progress_frames_; }
  int bar_filled() const { return progress_area_.filled(); }
  HWND status_label() const { return status_label_.hwnd(); }

 protected:
  InstallerWindow(RippleStyle style, const wchar_t* class_name, std::wstring caption);

  // The artwork's picture control, the status label and the progress area
  // (the last two hidden); the window is made by Open(nullptr), in the
  // screen's centre.
  void CreateControls() override;
  // Reads the artwork into the source picture (black when it cannot be
  // read), draws one frame and hides the progress area.
  void LoadArtwork();

  // Shows the status `text` and draws a frame, then lets the window's
  // pending messages run, so that it repaints while the work goes on.
  void ShowStatus(const std::wstring& text);
  // A tick of the frame timer.
  virtual void OnFrameTick() { DrawFrame(); }
  void RunFrameTimer(bool running);
  // The work has started: the bar advances from now on.
  void StartRunning();
  bool running() const { return running_; }
  void ShowProgressBar();

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnPaint();

  Label artwork_picture_;
  Label status_label_;
  ProgressArea progress_area_;
  bool running_ = false;
  int progress_frames_ = 0;
  int64_t frame_count_ = 0;
  RippleStyle style_;
  std::optional<Ripple> ripple_;
  BITMAPINFOHEADER header_{};
  std::vector<uint8_t> work_;
  Bitmap artwork_;
  std::optional<Ticker> frame_timer_;
};

}  // namespace vx
