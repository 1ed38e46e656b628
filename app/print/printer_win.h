// The printer seam: where a print job's device context comes from and where
// its document steps go. The program prints on the system's default printer;
// tests and benchmarks put a printer of their own in its place.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/print/printed_page.h"

namespace vx {

// One document being printed, discarded when the object goes unless it ended.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual HDC dc() const = 0;
  virtual PrintArea Area() const = 0;
  // The document steps; false when the printer refused one.
  virtual bool StartPage() = 0;
  virtual bool EndPage() = 0;
  virtual bool EndDoc() = 0;
  virtual void AbortDoc() = 0;
};

// A printer's chosen settings: a DEVMODEW with its driver's part, or empty
// for the printer's own defaults.
using DevMode = std::vector<uint8_t>;

class Printer {
 public:
  virtual ~Printer() = default;
  // The default printer's name; empty when no printer is installed.
  virtual std::wstring DefaultName() = 0;
  // The printer's own settings dialog owned by `owner`; what is chosen there
  // for the document is kept in `devmode`. Nothing when the printer cannot
  // be opened.
  virtual void ShowProperties(HWND owner, const std::wstring& name, DevMode& devmode) = 0;
  // A document named `title` started on printer `name`; null when the
  // printer would not start it.
  virtual std::unique_ptr<PrintJob> StartJob(const std::wstring& name, const DevMode& devmode,
                                             const std::wstring& title) = 0;
};

// The system's printers through GDI.
class SystemPrinter : public Printer {
 public:
  // With an `output_file`, a document goes into that file (what the driver
  // makes, PostScript on our machines) instead of the printer's port.
  explicit SystemPrinter(std::wstring output_file = L"") : output_file_(std::move(output_file)) {}
  std::wstring DefaultName() override;
  void ShowProperties(HWND owner, const std::wstring& name, DevMode& devmode) override;
  std::unique_ptr<PrintJob> StartJob(const std::wstring& name, const DevMode& devmode,
                                     const std::wstring& title) override;

 private:
  std::wstring output_file_;
};

// The printer that printing uses: the system's unless one was put in place.
Printer& CurrentPrinter();
// Puts `printer` in place (tests, benchmarks); null puts the system's back.
void UsePrinter(Printer* printer);

}  // namespace vx
