#include "app/print/printer_win.h"

#include <winspool.h>

#include <utility>

#include "common/ui/gdi_win.h"

namespace vx {
namespace {

// Everything on the printer, as the setup dialog asks for it.
constexpr DWORD kPrinterAllAccess = 0xF000C;

struct PrinterHandleCloser {
  void operator()(HANDLE h) const { ClosePrinter(h); }
};
using PrinterHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, PrinterHandleCloser>;

DEVMODEW* AsDevMode(DevMode& devmode) {
  return devmode.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(devmode.data());
}

class GdiPrintJob : public PrintJob {
 public:
  explicit GdiPrintJob(OwnedDc dc) : dc_(std::move(dc)) {}
  ~GdiPrintJob() override {
    if (open_) ::AbortDoc(dc_.get());
  }
  HDC dc() const override { return dc_.get(); }
  PrintArea Area() const override {
    HDC dc = dc_.get();
    return {GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, LOGPIXELSX),
            GetDeviceCaps(dc, LOGPIXELSY)};
  }
  bool StartPage() override { return ::StartPage(dc_.get()) > 0; }
  bool EndPage() override { return ::EndPage(dc_.get()) > 0; }
  bool EndDoc() override {
    open_ = false;
    return ::EndDoc(dc_.get()) > 0;
  }
  void AbortDoc() override {
    open_ = false;
    ::AbortDoc(dc_.get());
  }

 private:
  OwnedDc dc_;
  bool open_ = true;
};

SystemPrinter& TheSystemPrinter() {
  static SystemPrinter printer;
  return printer;
}

Printer* g_printer = nullptr;

}  // namespace

std::wstring SystemPrinter::DefaultName() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return {};
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(name.data(), &size)) return {};
  name.resize(wcslen(name.c_str()));
  return name;
}

void SystemPrinter::ShowProperties(HWND owner, const std::wstring& name, DevMode& devmode) {
  std::wstring printer_name = name;
  PRINTER_DEFAULTSW defaults{nullptr, nullptr, kPrinterAllAccess};
  HANDLE opened = nullptr;
  if (!OpenPrinterW(printer_name.data(), &opened, &defaults)) return;
  const PrinterHandle printer(opened);
  if (PrinterProperties(owner, opened) || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return;
  // Where the system has no sheet of the printer's own (Wine), the driver's
  // sheet of the document's settings: paper, orientation, quality. What is
  // chosen there is used for this window's print jobs.
  const LONG size = DocumentPropertiesW(owner, opened, printer_name.data(), nullptr, nullptr, 0);
  if (size <= 0) return;
  DevMode chosen(static_cast<size_t>(size));
  const DWORD mode = DM_IN_PROMPT | DM_OUT_BUFFER | (devmode.empty() ? 0 : DM_IN_BUFFER);
  if (DocumentPropertiesW(owner, opened, printer_name.data(), AsDevMode(chosen), AsDevMode(devmode),
                          mode) == IDOK) {
    devmode = std::move(chosen);
  }
}

std::unique_ptr<PrintJob> SystemPrinter::StartJob(const std::wstring& name, const DevMode& devmode,
                                                  const std::wstring& title) {
  DevMode settings = devmode;
  OwnedDc dc(CreateDCW(L"WINSPOOL", name.c_str(), nullptr, AsDevMode(settings)));
  if (!dc) return nullptr;
  DOCINFOW info{};
  info.cbSize = sizeof info;
  info.lpszDocName = title.c_str();
  info.lpszOutput = output_file_.empty() ? nullptr : output_file_.c_str();
  if (StartDocW(dc.get(), &info) <= 0) return nullptr;
  return std::make_unique<GdiPrintJob>(std::move(dc));
}

Printer& CurrentPrinter() { return g_printer ? *g_printer : TheSystemPrinter(); }

void UsePrinter(Printer* printer) { g_printer = printer; }

}  // namespace vx
