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
  std::wstring FileName;
  // The file's name as the header shows it.
  std::wstring header_name;
  // TopMargin as it was before printing.
  int saved_top_margin;
  // A file that cannot be read is reported once a job, not on every page.
  bool told_unreadable = false;
};

// Prints the page that starts at seek position S on the job's current page,
// with `Max` as the end of the file (negative: the page is full). Raises
// DisplaySettings.TopMargin by the header's room; the print window puts the
// settings back when it closes. A file that cannot be read leaves the page
// with its header only. Always 0.
int32_t DrawToPrinter(PrintedDocument& doc, int32_t S, int32_t Max);

}  // namespace vx
