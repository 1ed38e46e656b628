// One dump page on the printer: the header line and the screen's page,
// scaled onto the printable area.
#pragma once

#include <cstdint>
#include <string>

#include "app/print/printer_win.h"

namespace vx {

// What every page of one print job shares.
struct PrintedDocument {
  PrintJob& job;
  std::wstring path;
  // The file's name as the header shows it.
  std::wstring header_name;
  // TopMargin as it was before printing.
  int saved_top_margin;
  // A file that cannot be read is reported once a job, not on every page.
  bool told_unreadable = false;
};

// Draws the page that starts at seek position `start` on the job's current
// page, the end-of-file mark after `file_size` bytes (none when negative:
// the page is full). Raises DisplaySettings.TopMargin by the header's room;
// the print window puts the settings back when it closes. A file that cannot
// be read leaves the page with its header only.
void PrintPage(PrintedDocument& document, int64_t start, int64_t file_size);

}  // namespace vx
