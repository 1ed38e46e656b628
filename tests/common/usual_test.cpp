#include "common/usual.h"

#include <gtest/gtest.h>

#include "common/code_page.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

const Usual usual;

TEST(UsualPathTexts, DirMarksAreAddedAndErasedOnce) {
  EXPECT_EQ(usual.AddDirMark(L"C:\\a"), L"C:\\a\\");
  EXPECT_EQ(usual.AddDirMark(L"C:\\a\\"), L"C:\\a\\");
  EXPECT_EQ(usual.AddDirMark(L""), L"\\");
  EXPECT_EQ(usual.EraseDirMark(L"C:\\a\\\\"), L"C:\\a\\");
  EXPECT_EQ(usual.EraseDirMark(L"C:\\a"), L"C:\\a");
  EXPECT_EQ(usual.EraseDirMark(L""), L"");
}

TEST(UsualPathTexts, NameAndFolderSplitAtTheLastMark) {
  EXPECT_EQ(usual.DirU(L"C:\\a\\b.txt"), L"b.txt");
  EXPECT_EQ(usual.DirU(L"b.txt"), L"b.txt");
  EXPECT_EQ(usual.DirU(L"C:\\a\\"), L"");
  EXPECT_EQ(usual.GetFolderName(L"C:\\a\\b.txt"), L"C:\\a\\");
  EXPECT_EQ(usual.GetFolderName(L"b.txt"), L"");
}

TEST(UsualPathTexts, BaseNameEndsAtTheFirstDotExtensionStartsAfterTheLast) {
  EXPECT_EQ(usual.GetDelExt(L"archive.tar.gz"), L"archive");
  EXPECT_EQ(usual.GetDelExt(L"a.b"), L"a");
  EXPECT_EQ(usual.GetDelExt(L"README"), L"");
  EXPECT_EQ(usual.GetDelExt(L".profile"), L"");
  EXPECT_EQ(usual.Getkakutyousi(L"Archive.Tar.GZ"), L"gz");
  EXPECT_EQ(usual.Getkakutyousi(L"ＤＡＴＡ.ＢＩＮ"), L"ｂｉｎ");
  EXPECT_EQ(usual.Getkakutyousi(L"README"), L"");
  EXPECT_EQ(usual.Getkakutyousi(L"name."), L"");
}

TEST(UsualOpenBinary, MakesMissingFoldersAndAnEmptyFile) {
  test::TempFolder dir;
  fs::File file = usual.OpenBinary(dir / L"outer\\inner\\a.bin", false);
  ASSERT_TRUE(file);
  EXPECT_TRUE(fs::FolderExists(dir / L"outer\\inner"));
  EXPECT_EQ(file.Length(), 0);
  const uint8_t byte = 0x5A;
  EXPECT_TRUE(file.WriteAt(0, &byte, 1));
  file.Close();
  EXPECT_EQ(test::ReadFileBytes(dir / L"outer\\inner\\a.bin"), std::vector<uint8_t>{0x5A});
}

TEST(UsualOpenBinary, FailsForABareOrEmptyNameSayingSoWhenAsked) {
  test::MessageRecorder messages;
  EXPECT_FALSE(usual.OpenBinary(L"a.bin", false));
  EXPECT_FALSE(usual.OpenBinary(L"", false));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_FALSE(usual.OpenBinary(L"a.bin", true));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"a.binのオープンに失敗しました。");
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
}

TEST(UsualMakeDir, MakesTheLastFolderOnlyWithATrailingMark) {
  test::TempFolder dir;
  EXPECT_EQ(usual.MakeDir(dir / L"p\\q\\r", false), 0);
  EXPECT_TRUE(fs::FolderExists(dir / L"p\\q"));
  EXPECT_FALSE(fs::FolderExists(dir / L"p\\q\\r"));
  EXPECT_EQ(usual.MakeDir(dir / L"p\\q\\r\\", false), 0);
  EXPECT_TRUE(fs::FolderExists(dir / L"p\\q\\r"));
}

TEST(UsualMakeDir, FailsWhereAFileStandsInTheWay) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  test::WriteFileBytes(dir / L"f", {1});
  const std::wstring name = dir / L"f\\g\\";
  EXPECT_EQ(usual.MakeDir(name, true), -1);
  EXPECT_EQ(usual.MakeDir(L"", false), -1);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, name + L"のオープンに失敗しました。");
}

TEST(UsualKillU, AMissingFileFailsWithTheInUseMessage) {
  test::TempFolder dir;
  test::MessageRecorder messages;
  const std::wstring name = dir / L"none.bin";
  EXPECT_EQ(usual.KillU(name, false), -1);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(usual.KillU(name, true), -1);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            L"書き込みに失敗しました。\r" + name + L"は現在他のソフトで使用中です。");
}

// A delete takes exactly the file it names: never a pattern, never the
// file before a NUL, never what a name spoilt by code page 932 would match.
TEST(UsualKillU, DeletesOnlyTheOneFileNamedExactly) {
  test::TempFolder dir;
  for (const wchar_t* name : {L"a.tmp", L"bb.TMP", L"x\u0e01.tmp", L"xa.tmp"}) {
    test::WriteFileBytes(dir / name, {1});
  }
  // "ก" is not in code page 932, nor near anything there: a name read back from it holds a "?".
  const std::wstring spoilt = FromShiftJis(ToShiftJis(dir / L"x\u0e01.tmp"));
  ASSERT_NE(spoilt.find(L'?'), std::wstring::npos);
  for (const std::wstring& name : {dir / L"*.tmp", dir / L"?.tmp", dir / L"*.*", spoilt,
                                   dir / L"a.tmp" + std::wstring(1, L'\0') + L"x"}) {
    EXPECT_EQ(usual.KillU(name, false), -1) << name;
  }
  EXPECT_EQ(fs::ListFolder(dir.path()).size(), 4u) << "nothing was deleted";
  EXPECT_EQ(usual.KillU(dir / L"a.tmp", false), 0);
  EXPECT_FALSE(fs::FileExists(dir / L"a.tmp"));
  EXPECT_TRUE(fs::FileExists(dir / L"xa.tmp"));
}

TEST(UsualKillOpen, EmptiesAnExistingFile) {
  test::TempFolder dir;
  test::WriteFileBytes(dir / L"old.bin", {1, 2, 3});
  fs::File file = usual.KillOpen(dir / L"old.bin", false);
  ASSERT_TRUE(file);
  EXPECT_EQ(file.Length(), 0);
}

}  // namespace
}  // namespace vx
