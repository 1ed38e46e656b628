
#include "app/view/status_texts.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/test_bytes.h"

namespace vx::test {
namespace {

TEST_F(MainWindowTest, ShowsTheFileInLabelsAndTitle) {
  const std::wstring path = StartOn(CountingBytes(1234));
  EXPECT_FALSE(StartAborted);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(ControlText(form->hwnd()), L"Vantelox\u3000[" + path + L"]");
  EXPECT_EQ(ControlText(view().size_label()), L"Size: 000,001,234Bytes. (1.2KB. 0MB.)");
  EXPECT_EQ(ControlText(view().file_name_label()).rfind(L"FileName: ", 0), 0u);
  EXPECT_EQ(ControlText(view().caret_address_label()), L"0  (0) 番地");
  EXPECT_EQ(ControlText(view().four_byte_label()), L"4Byte:50462976");
  EXPECT_EQ(ControlText(view().one_byte_label()), L"1Byte: 0");
  EXPECT_EQ(ControlText(view().binary_label()), L"２進: 00000000");
  EXPECT_EQ(view().file_size(), 1234);
  EXPECT_EQ(view().page_bytes().size(), 513u);
  EXPECT_EQ(view().page_bytes()[511], 255);
}

TEST_F(MainWindowTest, PageImageHasRowColoursSeparatorsAndCaret) {
  StartOn(CountingBytes(4096));
  // Row 0 is file line 0 (white), row 1 is line 1 (0xEFEFEF); x = 2 lies left
  // of the address text.
  EXPECT_EQ(PagePixel(2, 2 + 5), RGB(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(PagePixel(2, 14 + 5), RGB(0xEF, 0xEF, 0xEF));
  // The separators after byte 8 in the hex and text columns.
  EXPECT_EQ(PagePixel(224, 40), RGB(0x80, 0x80, 0x80));
  EXPECT_EQ(PagePixel(451, 40), RGB(0x80, 0x80, 0x80));
  EXPECT_NE(PagePixel(225, 40), RGB(0x80, 0x80, 0x80));
  // The caret bars just left of byte 0's hex digits and its character.
  EXPECT_EQ(PagePixel(82, 6), RGB(255, 0, 0));
  EXPECT_EQ(PagePixel(386, 6), RGB(175, 0, 0));
  // Text is drawn: some pixel of the first hex cell is dark.
  bool dark = false;
  for (int x = 84; x < 100 && !dark; ++x) {
    for (int y = 2; y < 14 && !dark; ++y) dark = PagePixel(x, y) == RGB(0, 0, 0);
  }
  EXPECT_TRUE(dark);
}

TEST_F(MainWindowTest, WindowIsLaidOutFromTheSettings) {
  StartOn(CountingBytes(10));
  RECT page;
  GetClientRect(view().page_view().hwnd(), &page);
  EXPECT_EQ(page.right, 524);
  EXPECT_EQ(page.bottom, 390);
  RECT client;
  GetClientRect(form->hwnd(), &client);
  // 8 pixels right of and below the progress area.
  RECT progress;
  GetWindowRect(view().progress_bar().hwnd(), &progress);
  MapWindowPoints(HWND_DESKTOP, form->hwnd(), reinterpret_cast<POINT*>(&progress), 2);
  EXPECT_EQ(client.right, progress.right + 8);
  EXPECT_EQ(client.bottom, progress.bottom + 8);
  // Below the status lines and the selection line, the page, then 4 pixels.
  EXPECT_EQ(progress.top, 67 + 390 + 4);
}

TEST_F(MainWindowTest, WithoutAFileThePageIsEmptyAndLabelsDashed) {
  Start(L"");
  EXPECT_FALSE(StartAborted);
  EXPECT_EQ(ControlText(form->hwnd()), L"Vantelox\u3000[]");
  EXPECT_EQ(ControlText(view().file_name_label()), L"FileName: ------------");
  EXPECT_EQ(ControlText(view().size_label()), L"Size: -----------");
  EXPECT_EQ(ControlText(view().caret_address_label()), L"----(--)番地");
  EXPECT_EQ(ControlText(view().binary_label()), L"２進: ----");
  EXPECT_FALSE(IsWindowEnabled(view().page_view().hwnd()));
}

TEST_F(MainWindowTest, AStartFileInAMissingFolderAbortsAndStillSavesSettings) {
  Start(dir / L"no\\such\\file.bin");
  EXPECT_TRUE(StartAborted);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            L"ファイルのオープンに失敗しました。\r\n"
            L"ファイルが存在しないか、アクセスできない可能性があります。\r\n終了します");
  EXPECT_EQ(messages.shown()[0].title, L"Vantelox");
  form->Unload();
  EXPECT_EQ(ReadFileBytes(dir / L"VXSetting\\Setting.dat").size(), 148u);
}

TEST_F(MainWindowTest, AFileHeldWithoutSharingCannotBeOpened) {
  const std::wstring path = dir / L"locked.bin";
  WriteFileBytes(path, {1, 2, 3});
  FileLock other(path, GENERIC_READ);
  ASSERT_TRUE(other.held());
  Start(path);
  other.Release();
  EXPECT_TRUE(StartAborted);
  EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(MainWindowTest, ClosingSavesTheSettingsInMemory) {
  StartOn(CountingBytes(10));
  DisplaySettings.BytesPerLine = 32;
  form->Unload();
  PumpMessages();
  const std::vector<uint8_t> saved = ReadFileBytes(dir / L"VXSetting\\Setting.dat");
  ASSERT_EQ(saved.size(), 148u);
  EXPECT_EQ(saved[20], 32);
}

TEST_F(MainWindowTest, AMissingStartFileIsCreatedAndTheEmptyFileQuestionAsked) {
  const std::wstring path = dir / L"new.bin";
  messages.Answer(MsgAnswer::Yes);
  Start(path);
  EXPECT_FALSE(StartAborted);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(ReadFileBytes(path), std::vector<uint8_t>{0});
  EXPECT_EQ(ControlText(view().size_label()), SizeLabel(1));
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

TEST_F(MainWindowTest, ProgressBarAndCaption) {
  StartOn({1, 2, 3});
  view().ShowProgress(-1, L"挿入中です.....");
  EXPECT_EQ(ControlText(view().progress_caption_label()), L"挿入中です.....");
  view().ShowProgress(0.5, L"");
  EXPECT_EQ(view().progress_bar().PixelAt(10, 18), RGB(0x22, 0x44, 0xDD));
  EXPECT_NE(view().progress_bar().PixelAt(200, 18), RGB(0x22, 0x44, 0xDD));
  view().ShowProgress(1, L"");
  EXPECT_EQ(ControlText(view().progress_caption_label()), L"");
  EXPECT_NE(view().progress_bar().PixelAt(10, 18), RGB(0x22, 0x44, 0xDD));
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

TEST_F(MainWindowTest, ALongNameIsShortenedToFitTheLabelWithItsPrefix) {
  const std::wstring folder = dir / L"a folder with a rather long name for the label\\";
  fs::MakeFolder(folder);
  const std::wstring path = folder + L"and a file name that is long as well.bin";
  WriteFileBytes(path, {1});
  Start(path);
  const std::wstring shown = ControlText(view().file_name_label());
  ASSERT_EQ(shown.rfind(L"FileName: ", 0), 0u);
  EXPECT_NE(shown.find(L"..."), std::wstring::npos) << "the name itself is too wide";
  HDC dc = GetDC(view().file_name_label());
  HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(view().file_name_label(), WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(view().file_name_label(), dc);
  RECT label;
  GetClientRect(view().file_name_label(), &label);
  EXPECT_LE(size.cx, label.right);
}

}  // namespace
}  // namespace vx::test
