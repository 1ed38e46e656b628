// Real jobs through GDI: one into a PostScript file, and one to the CUPS PDF
// printer that ./vx sets up, read back with poppler's tools, page by page.
#include <windows.h>
// after windows.h, which it needs
#include <prsht.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/print/printer_win.h"
#include "app/view/menu_commands.h"
#include "common/code_page.h"
#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/test_platform.h"
#include "tests/support/unix_side_win.h"

namespace vx::test {
namespace {

// The driver's settings sheet and a real job may take seconds on a busy machine.
constexpr int kSlowDriverTicks = 3000;

std::wstring WindowsName(const std::string& unix_name) {
  std::wstring name = L"Z:" + FromShiftJis(unix_name);
  std::replace(name.begin(), name.end(), L'/', L'\\');
  return name;
}

std::string ReadText(const std::wstring& name) {
  const std::vector<uint8_t> bytes = ReadFileBytes(name);
  return std::string(bytes.begin(), bytes.end());
}

// The Unix side's name of a Windows environment variable's value; Wine keeps
// the home folder as "\??\Z:\root" in WINEHOMEDIR and the user in USERNAME.
std::string FromEnvironment(const wchar_t* variable) {
  wchar_t value[512];
  const DWORD n = GetEnvironmentVariableW(variable, value, 512);
  std::string text = n > 0 && n < 512 ? ToShiftJis(std::wstring(value, n)) : std::string();
  if (text.rfind("\\??\\Z:", 0) == 0) text.erase(0, 6);
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

// Where cups-pdf puts its files: the Out setting of its configuration, with
// ${HOME} and ${USER} as the job's user (this one) has them.
std::string PdfFolder() {
  std::istringstream conf(ReadText(L"Z:\\etc\\cups\\cups-pdf.conf"));
  std::string line, out = "${HOME}/PDF";
  while (std::getline(conf, line)) {
    if (line.rfind("Out ", 0) == 0) out = line.substr(4);
  }
  for (const auto& [name, variable] :
       {std::pair{"${HOME}", L"WINEHOMEDIR"}, {"${USER}", L"USERNAME"}}) {
    const size_t at = out.find(name);
    if (at != std::string::npos)
      out.replace(at, std::string(name).size(), FromEnvironment(variable));
  }
  return out;
}

// A grey picture read from a binary PGM file.
struct Grey {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;
  int At(int x, int y) const { return pixels.at(static_cast<size_t>(y) * width + x); }
};

// Empty until the whole picture is there.
Grey ReadPgm(const std::wstring& name) {
  std::istringstream in(ReadText(name));
  std::string magic;
  int max = 0;
  Grey g;
  in >> magic >> g.width >> g.height >> max;
  in.get();
  if (magic != "P5" || g.width <= 0 || g.height <= 0) return {};
  g.pixels.resize(static_cast<size_t>(g.width) * g.height);
  in.read(reinterpret_cast<char*>(g.pixels.data()), static_cast<std::streamsize>(g.pixels.size()));
  if (in.gcount() != static_cast<std::streamsize>(g.pixels.size())) return {};
  return g;
}

// Runs on the thread's timer until it returns true.
std::function<bool()> g_sheet_step;
void CALLBACK SheetTick(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_sheet_step && g_sheet_step()) {
    KillTimer(nullptr, id);
    g_sheet_step = nullptr;
  }
}

class PrintToPrinterTest : public MainWindowTest {
 protected:
  // Prints every page of `bytes` from the print window, as a person would.
  void PrintAll(const std::vector<uint8_t>& bytes, const std::wstring& name) {
    StartOn(bytes, name);
    ChooseAndDrive(
        form->hwnd(), menu_commands::kPrint,
        [](HWND w) { PostMessageW(ChildWithText(w, L"印刷"), BM_CLICK, 0, 0); }, kSlowDriverTicks);
    EXPECT_TRUE(messages.shown().empty());
  }

  // A job into a PostScript file through DOCINFOW's output.
  void IntoAPostScriptFile();
  // A job on the default printer, CUPS PDF, read back with poppler's tools.
  void OnThePdfPrinter();
  // Print setup shows the driver's sheet, and the job uses what it chose.
  void WithTheDriversSettings();
};

void PrintToPrinterTest::IntoAPostScriptFile() {
  SystemPrinter to_file(dir / L"job.ps");
  UsePrinter(&to_file);
  PrintAll(std::vector<uint8_t>(1025, 0x41), L"page.bin");
  UsePrinter(nullptr);
  const std::string ps = ReadText(dir / L"job.ps");
  EXPECT_EQ(ps.rfind("%!PS-Adobe", 0), 0u);
  size_t pages = 0;
  for (size_t at = ps.find("\n%%Page:"); at != std::string::npos;
       at = ps.find("\n%%Page:", at + 1)) {
    ++pages;
  }
  EXPECT_EQ(pages, 3u);
}

void PrintToPrinterTest::OnThePdfPrinter() {
  SystemPrinter system;
  ASSERT_EQ(system.DefaultName(), L"PDF")
      << "./vx test starts cupsd and makes the default queue PDF (printer-driver-cups-pdf)";

  // cups-pdf names the file after the job's title, the file's name, and adds
  // the job's number.
  const std::wstring stem = L"vxjob" + std::to_wstring(ProcessNumber());
  const std::string folder = PdfFolder();
  const auto our_pdfs = [&] {
    std::vector<std::wstring> names;
    for (const fs::FolderEntry& e : fs::ListFolder(WindowsName(folder))) {
      if (e.name.starts_with(stem) && e.name.ends_with(L".pdf")) names.push_back(e.name);
    }
    return names;
  };
  for (const std::wstring& old : our_pdfs()) fs::RemoveFile(WindowsName(folder) + L"\\" + old);
  PrintAll(std::vector<uint8_t>(1025, 0x41), stem + L".bin");

  // The PDF is complete once pdfinfo reads all its pages; it is asked again
  // every half second or so.
  std::string pdf_unix;
  const std::string info = UnixName(dir / L"info.txt");
  int polls = 0;
  const auto three_pages = [&] {
    if (ReadText(dir / L"info.txt").find("Pages:           3") != std::string::npos) return true;
    const std::vector<std::wstring> names = our_pdfs();
    if (names.size() != 1 || polls++ % 50 != 0) return false;
    pdf_unix = folder + "/" + ToShiftJis(names[0]);
    EXPECT_TRUE(StartUnix("pdfinfo '" + pdf_unix + "' > '" + info + "' 2>/dev/null"));
    return false;
  };
  ASSERT_TRUE(Eventually(three_pages, 60000)) << "no 3-page PDF in " << folder;

  // Page 2 at the printer's own 300 dpi, without smoothing, so that every
  // device pixel stands where the job put it.
  const std::string prefix = UnixName(dir / L"page");
  ASSERT_TRUE(StartUnix("pdftoppm -r 300 -gray -aa no -aaVector no -f 2 -l 2 '" + pdf_unix + "' '" +
                        prefix + "'"));
  Grey page;
  ASSERT_TRUE(
      Eventually([&] { return !(page = ReadPgm(dir / L"page-2.pgm")).pixels.empty(); }, 30000));
  ASSERT_GE(page.width, 2479);
  ASSERT_GE(page.height, 3508);
  // 528 x 404 user units over 2479 x 3508 pixels.
  const auto x = [](int user) { return (user * 2479 + 264) / 528; };
  const auto y = [](int user) { return (user * 3508 + 202) / 404; };
  // Page 2 begins with file line 32, white; line 33 is grey.
  EXPECT_EQ(page.At(x(1), y(18)), 0xFF);
  EXPECT_NEAR(page.At(x(1), y(30)), 0xEF, 3);
  // The separator after byte 8 at x = 226, in the first and the last row.
  for (int row_y : {18, 12 + 31 * 12 + 6}) {
    int darkest = 0xFF;
    for (int dx = -2; dx <= 2; ++dx) darkest = std::min(darkest, page.At(x(226) + dx, y(row_y)));
    EXPECT_NEAR(darkest, 0x80, 8) << row_y;
  }
  // The header's letters above the rows.
  int ink = 0;
  for (int py = 0; py < y(11); ++py) {
    for (int px = 0; px < x(200); ++px) ink += page.At(px, py) < 0x40;
  }
  EXPECT_GT(ink, 200);
  fs::RemoveFile(WindowsName(pdf_unix));
}

void PrintToPrinterTest::WithTheDriversSettings() {
  SystemPrinter to_file(dir / L"setup.ps");
  UsePrinter(&to_file);
  StartOn(std::vector<uint8_t>(100, 0x41));
  std::wstring sheet_caption;
  ChooseAndDrive(
      form->hwnd(), menu_commands::kPrint,
      [&](HWND print_window) {
        PostMessageW(ChildWithText(print_window, L"印刷設定"), BM_CLICK, 0, 0);
        HWND sheet = nullptr;
        bool pressed = false;
        g_sheet_step = [&sheet_caption, print_window, sheet, pressed]() mutable {
          if (!sheet) {
            sheet = FindOwnedWindow(print_window);
            return false;
          }
          if (!pressed) {
            // Once its page is there: lying on its side, then OK.
            const std::vector<Child> children = Children(sheet);
            const Child* ok = ByText(children, L"OK");
            const auto landscape =
                std::find_if(children.begin(), children.end(),
                             [](const Child& c) { return c.text.starts_with(L"横"); });
            if (!ok || landscape == children.end()) return false;
            sheet_caption = ControlText(sheet);
            Click(landscape->hwnd);
            PostMessageW(ok->hwnd, BM_CLICK, 0, 0);
            pressed = true;
            return false;
          }
          if (IsWindow(sheet)) return false;
          PostMessageW(ChildWithText(print_window, L"印刷"), BM_CLICK, 0, 0);
          return true;
        };
        SetTimer(nullptr, 0, 10, &SheetTick);
      },
      kSlowDriverTicks);
  g_sheet_step = nullptr;
  UsePrinter(nullptr);
  EXPECT_FALSE(sheet_caption.empty()) << "no settings sheet showed";
  const std::string ps = ReadText(dir / L"setup.ps");
  EXPECT_NE(ps.find("%%Orientation: Landscape"), std::string::npos);
}

// Two processes printing at once wait on each other in Wine's spooler for
// about half a minute, so the real jobs run one after the other in one test.
TEST_F(PrintToPrinterTest, RealJobsToAFileToThePdfPrinterAndWithTheDriversSettings) {
  if (UnixName(L"C:\\").empty()) GTEST_SKIP() << "the PDF printer is a CUPS queue under Wine";
  {
    SCOPED_TRACE("PostScript file");
    IntoAPostScriptFile();
  }
  {
    SCOPED_TRACE("PDF printer");
    OnThePdfPrinter();
  }
  {
    SCOPED_TRACE("the driver's settings");
    WithTheDriversSettings();
  }
}

}  // namespace
}  // namespace vx::test
