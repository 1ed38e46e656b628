// Vantelox.exe as the system sees it: the version it tells, its icon and its
// manifest; and the main window showing the icon of the program it is in.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/view/menu_texts.h"
#include "common/file_seam.h"
#include "common/product_version.h"
#include "common/ui/gdi_win.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/program_file_win.h"

namespace vx::test {
namespace {

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH];
  const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return self.substr(0, self.rfind(L'\\') + 1) + L"Vantelox.exe";
}

// The icon drawn at `size` pixels over white, as 0x00RRGGBB values; empty
// when it cannot be drawn.
std::vector<uint32_t> Pixels(HICON icon, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const OwnedDc dc = MakeMemoryDc();
  const Bitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const Selection selected(dc.get(), bitmap.get());
  RECT all{0, 0, size, size};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  std::vector<uint32_t> pixels;
  if (!icon || !DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL)) return pixels;
  GdiFlush();
  const auto* p = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < size * size; ++i) pixels.push_back(p[i] & 0xFFFFFF);
  return pixels;
}

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

Icon IconOf(HMODULE module, int size) {
  return Icon(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(VX_PROGRAM_ICON), IMAGE_ICON,
                                            size, size, LR_DEFAULTCOLOR)));
}

class ProgramFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program_, nullptr);
  }
  void TearDown() override {
    if (program_) FreeLibrary(program_);
  }
  HMODULE program_ = nullptr;
};

TEST_F(ProgramFileTest, CarriesItsOwnIconAtEachSize) {
  // This test program carries the same icon file.
  for (int size : {16, 32, 48}) {
    SCOPED_TRACE(size);
    const std::vector<uint32_t> shown = Pixels(IconOf(program_, size).get(), size);
    ASSERT_EQ(shown.size(), static_cast<size_t>(size * size));
    EXPECT_EQ(shown, Pixels(IconOf(GetModuleHandleW(nullptr), size).get(), size));
    EXPECT_NE(shown, Pixels(LoadIconW(nullptr, IDI_APPLICATION), size));
  }
}

TEST_F(ProgramFileTest, TellsItsVersionProductAndMaker) {
  const VersionBlock version = ReadVersionBlock(ProgramPath());
  ASSERT_TRUE(version.found);
  EXPECT_EQ(version.fixed.dwFileVersionMS, 0x00010001u);
  EXPECT_EQ(version.fixed.dwFileVersionLS, 0x00000000u);
  EXPECT_EQ(version.fixed.dwProductVersionMS, 0x00010001u);
  const struct {
    const wchar_t* name;
    const wchar_t* value;
  } strings[] = {{L"FileVersion", L"1.1.0"},
                 {L"ProductVersion", L"1.1.0"},
                 {L"ProductName", L"Vantelox"},
                 {L"CompanyName", L"Morvane Soft"},
                 {L"OriginalFilename", L"Vantelox.exe"}};
  for (const auto& s : strings) EXPECT_EQ(version.Text(s.name), s.value) << s.name;
}

TEST_F(ProgramFileTest, AsksForTheCallersRightsAndTheCurrentControls) {
  const std::string manifest = ManifestOf(program_);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(manifest.find("<supportedOS Id="), std::string::npos);
}

TEST_F(ProgramFileTest, HasItsHelpPagesBesideIt) {
  const std::wstring program = ProgramPath();
  const std::wstring help = program.substr(0, program.rfind(L'\\') + 1) + menu_texts::kHelpFile;
  EXPECT_TRUE(fs::FileExists(help));
}

class MainWindowIconTest : public MainWindowTest {};

TEST_F(MainWindowIconTest, TheWindowClassShowsTheProgramsIcon) {
  Start(L"");
  const auto big = reinterpret_cast<HICON>(GetClassLongPtrW(form->hwnd(), GCLP_HICON));
  const auto small = reinterpret_cast<HICON>(GetClassLongPtrW(form->hwnd(), GCLP_HICONSM));
  const HMODULE self = GetModuleHandleW(nullptr);
  EXPECT_EQ(Pixels(big, 32), Pixels(IconOf(self, 32).get(), 32));
  EXPECT_EQ(Pixels(small, 16), Pixels(IconOf(self, 16).get(), 16));
  EXPECT_NE(Pixels(big, 32), Pixels(LoadIconW(nullptr, IDI_APPLICATION), 32));
}

}  // namespace
}  // namespace vx::test
