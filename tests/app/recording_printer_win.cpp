#include "tests/app/recording_printer_win.h"

#include <cstring>

namespace vx::test {
namespace {

class RecordingJob : public PrintJob {
 public:
  explicit RecordingJob(RecordingPrinter& printer) : printer_(printer), dc_(MakeMemoryDc()) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = RecordingPrinter::kArea.width;
    info.bmiHeader.biHeight = -RecordingPrinter::kArea.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<uint32_t*>(bits);
    selected_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~RecordingJob() override { SelectObject(dc_.get(), selected_); }

  HDC dc() const override { return dc_.get(); }
  PrintArea Area() const override { return RecordingPrinter::kArea; }
  bool StartPage() override {
    printer_.steps.push_back(L"StartPage");
    std::memset(bits_, 0xFF, Pixels() * sizeof(uint32_t));
    return true;
  }
  bool EndPage() override {
    printer_.steps.push_back(L"EndPage");
    GdiFlush();
    printer_.pages.emplace_back(bits_, bits_ + Pixels());
    if (printer_.on_end_page) printer_.on_end_page(static_cast<int>(printer_.pages.size()));
    return true;
  }
  bool EndDoc() override {
    printer_.steps.push_back(L"EndDoc");
    return true;
  }
  void AbortDoc() override { printer_.steps.push_back(L"AbortDoc"); }

 private:
  static size_t Pixels() {
    return static_cast<size_t>(RecordingPrinter::kArea.width) * RecordingPrinter::kArea.height;
  }
  RecordingPrinter& printer_;
  OwnedDc dc_;
  Bitmap bitmap_;
  HGDIOBJ selected_ = nullptr;
  uint32_t* bits_ = nullptr;
};

}  // namespace

void RecordingPrinter::ShowProperties(HWND owner, const std::wstring&, DevMode& devmode) {
  steps.push_back(L"Properties");
  properties_owner = owner;
  devmode = chosen;
}

std::unique_ptr<PrintJob> RecordingPrinter::StartJob(const std::wstring&, const DevMode& devmode,
                                                     const std::wstring& title) {
  if (refuse) return nullptr;
  steps.push_back(L"StartDoc " + title);
  job_devmode = devmode;
  return std::make_unique<RecordingJob>(*this);
}

COLORREF RecordingPrinter::PixelOf(size_t page, int x, int y) const {
  const uint32_t p = pages.at(page).at(static_cast<size_t>(y) * kArea.width + x);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

}  // namespace vx::test
