// A printer for tests: each job draws into a memory bitmap of a chosen size,
// and every document step is recorded with a copy of the page it ended.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/print/printer_win.h"
#include "common/ui/gdi_win.h"

namespace vx::test {

class RecordingPrinter : public Printer {
 public:
  // Twice the default layout's user units, so that every unit is 2 pixels.
  static constexpr PrintArea kArea{1056, 808, 96, 96};

  RecordingPrinter() { UsePrinter(this); }
  ~RecordingPrinter() override { UsePrinter(nullptr); }

  std::wstring DefaultName() override { return name; }
  void ShowProperties(HWND owner, const std::wstring& printer, DevMode& devmode) override;
  std::unique_ptr<PrintJob> StartJob(const std::wstring& printer, const DevMode& devmode,
                                     const std::wstring& title) override;

  // An empty name: no printer installed.
  std::wstring name = L"Recorder";
  // The settings the properties dialog chooses.
  DevMode chosen{1, 2, 3};
  // "StartDoc <title>", "StartPage", "EndPage", "EndDoc", "AbortDoc";
  // "Properties" for the settings dialog.
  std::vector<std::wstring> steps;
  HWND properties_owner = nullptr;
  DevMode job_devmode;
  // The pixels of every ended page, 0x00RRGGBB, row by row.
  std::vector<std::vector<uint32_t>> pages;
  // Called as each page ends, with its number in the job from 1.
  std::function<void(int)> on_end_page;
  // Whether StartJob refuses.
  bool refuse = false;

  // Colour of a pixel of an ended page, as 0x00BBGGRR.
  COLORREF PixelOf(size_t page, int x, int y) const;
};

}  // namespace vx::test
