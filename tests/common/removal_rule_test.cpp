// The one rule for what the installers may remove, judged on texts that may
// be anything: the record and the list are written by whoever wants.
#include "common/removal_rule.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "common/folder_rules.h"

namespace vx {
namespace {

const std::wstring kNul(1, L'\0');

TEST(RemovalRule, TakesOnlyNamesTheSystemReadsAsWritten) {
  for (const std::wstring& name : std::vector<std::wstring>{
           L"C:\\", L"c:\\Program Files\\Morvane Soft\\Vantelox\\", L"D:\\a\\b.txt",
           L"C:\\PROGRA~1\\x", L"C:\\a.b\\Vanteloxヘルプ\\top.htm", L"C:\\...a"}) {
    EXPECT_TRUE(IsPlainFullName(name)) << name;
  }
  for (const std::wstring& name : std::vector<std::wstring>{
           L"",
           L"C:",
           L"C:x\\y",
           L"C:/x",
           L"1:\\x",
           L"\\x",
           L"x\\y",
           L"\\\\server\\share\\x",
           L"\\\\?\\C:\\x",
           L"\\\\.\\C:\\x",
           L"\\\\?\\UNC\\s\\x",
           L"C:\\a\\..\\b",
           L"C:\\a\\.\\b",
           L"C:\\a\\\\b",
           L"C:\\a.\\b",
           L"C:\\a \\b",
           L"C:\\a\\b.",
           L"C:\\a\\b ",
           L"C:\\a\\*.*",
           L"C:\\a\\?.txt",
           L"C:\\a\\b.txt:stream",
           L"C:\\a\\b\"c",
           L"C:\\a\\b|c",
           L"C:\\a\\b\tc",
           L"C:\\" + kNul + L"x",
           L"C:\\a" + kNul,
       }) {
    EXPECT_FALSE(IsPlainFullName(name)) << name;
  }
  EXPECT_EQ(UpToNul(L"C:\\" + kNul + L"anything"), L"C:\\");
  EXPECT_EQ(UpToNul(L"C:\\x"), L"C:\\x");
}

// The installed-programs entry, which only an administrator writes, must
// name the folder too: a record of the user's alone proves nothing.
TEST(RemovalRule, AFolderGoesOnlyWhenTheSetupMadeIt) {
  InstallFolderFacts made;
  made.exists = made.registered = true;
  const std::wstring folder = L"C:\\Program Files\\Morvane Soft\\Vantelox\\";
  EXPECT_EQ(JudgeInstallFolder(folder, made), FolderVerdict::Remove);
  EXPECT_EQ(JudgeInstallFolder(L"", made), FolderVerdict::NotRecorded);
  EXPECT_EQ(JudgeInstallFolder(folder, {}), FolderVerdict::Missing);
  const struct {
    const char* what;
    std::wstring folder;
    bool InstallFolderFacts::*spoilt;
    bool value;
  } refused[] = {
      {"not plain", L"C:\\x\\..\\keep\\", nullptr, false},
      {"a device name", L"\\\\?\\C:\\keep\\", nullptr, false},
      {"protected", folder, &InstallFolderFacts::is_protected, true},
      {"a link", folder, &InstallFolderFacts::is_link, true},
      {"not registered", folder, &InstallFolderFacts::registered, false},
  };
  for (const auto& c : refused) {
    InstallFolderFacts facts = made;
    if (c.spoilt) facts.*c.spoilt = c.value;
    EXPECT_EQ(JudgeInstallFolder(c.folder, facts), FolderVerdict::Refuse) << c.what;
  }
}

TEST(RemovalRule, AShortcutGoesOnlyWhenItLeadsToTheRecordedProgram) {
  const std::wstring program = L"C:\\Apps\\Vantelox\\Vantelox.exe";
  EXPECT_TRUE(IsOwnShortcut(L"C:\\Users\\a\\Desktop\\Vantelox.lnk",
                            L"c:\\apps\\vantelox\\VANTELOX.EXE", program));
  EXPECT_TRUE(IsOwnShortcut(L"C:\\d\\Other.LNK", program, program));
  EXPECT_FALSE(IsOwnShortcut(L"C:\\keep\\x.txt", program, program)) << "no shortcut";
  EXPECT_FALSE(IsOwnShortcut(L"C:\\d\\Vantelox.lnk", L"C:\\Windows\\notepad.exe", program));
  EXPECT_FALSE(IsOwnShortcut(L"C:\\d\\*.lnk", program, program));
  EXPECT_FALSE(IsOwnShortcut(L"C:\\d\\Vantelox.lnk", L"", program));
}

// A reference for the rule, written another way: one regular expression
// for a plain full name, then a prefix test on lower-cased texts.
bool ReferencePlain(const std::wstring& name) {
  static const std::wregex plain(
      LR"re(^[A-Za-z]:\\([^\\/:*?"<>|\x00-\x1f]*[^\\/:*?"<>|\x00-\x1f. ]\\)*)re"
      LR"re(([^\\/:*?"<>|\x00-\x1f]*[^\\/:*?"<>|\x00-\x1f. ])?$)re");
  return std::regex_match(name, plain);
}

std::wstring ReferenceLower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

bool ReferenceInside(const std::wstring& folder, const std::wstring& file) {
  if (!ReferencePlain(folder) || !ReferencePlain(file)) return false;
  std::wstring outer = ReferenceLower(folder);
  if (outer.back() != L'\\') outer += L'\\';
  std::wstring inner = ReferenceLower(file);
  if (inner.back() == L'\\') inner.pop_back();
  return inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0;
}

// Paths made of the pieces that have fooled path rules before.
class PathMaker {
 public:
  explicit PathMaker(uint32_t seed) : random_(seed) {}

  std::wstring Folder() { return Start() + Parts(3); }
  // Often below `folder`, the way a tampered list would write it.
  std::wstring FileNear(const std::wstring& folder) {
    if (Pick(3) == 0) return Start() + Parts(4);
    return folder + Mark() + Parts(3);
  }

 private:
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

  // Half the time the ordinary kind, so that the inside is reached often.
  std::wstring Start() {
    if (Pick(2) == 0) return L"C:\\";
    static const wchar_t* kStarts[] = {L"C:\\",
                                       L"c:\\",
                                       L"D:\\",
                                       L"C:",
                                       L"C:/",
                                       L"\\\\?\\C:\\",
                                       L"\\\\.\\C:\\",
                                       L"\\",
                                       L"\\\\srv\\share:\\",
                                       L"",
                                       L"1:\\"};
    return kStarts[Pick(std::size(kStarts))];
  }
  std::wstring Mark() {
    static const wchar_t* kMarks[] = {L"", L"", L"", L"\\", L"/", L"\\\\"};
    return kMarks[Pick(std::size(kMarks))];
  }
  std::wstring Part() {
    static const std::wstring kOrdinary[] = {L"Vantelox", L"Program Files", L"a.b", L"ヘルプ"};
    if (Pick(4) != 0) return kOrdinary[Pick(std::size(kOrdinary))];
    static const std::wstring kParts[] = {L"Vantelox",
                                          L"VANTELOX",
                                          L"keep",
                                          L"..",
                                          L".",
                                          L"a.",
                                          L"a ",
                                          L" a",
                                          L"PROGRA~1",
                                          L"Program Files",
                                          L"ヘルプ",
                                          L"*",
                                          L"?.txt",
                                          L"x:y",
                                          L"a" + kNul + L"b",
                                          L"top.htm",
                                          L"...",
                                          std::wstring(200, L'n'),
                                          L"a\"b",
                                          L"Win.ini"};
    return kParts[Pick(std::size(kParts))];
  }
  std::wstring Parts(size_t most) {
    std::wstring text;
    const size_t n = 1 + Pick(most);
    for (size_t i = 0; i < n; ++i) {
      if (i > 0) text += Pick(8) == 0 ? L"/" : L"\\";
      text += Part();
    }
    if (Pick(3) == 0) text += L"\\";
    return text;
  }

  std::mt19937 random_;
};

TEST(RemovalRule, AgreesWithAReferenceAndWithTheSystemsReadingOnGeneratedPaths) {
  PathMaker make(20261208);
  int inside = 0;
  for (int i = 0; i < 4000; ++i) {
    const std::wstring folder = make.Folder();
    const std::wstring file = make.FileNear(folder);
    SCOPED_TRACE(testing::Message() << "folder " << testing::PrintToString(folder) << " file "
                                    << testing::PrintToString(file));
    ASSERT_EQ(IsPlainFullName(file), ReferencePlain(file));
    const bool taken = IsPlainNameInside(folder, file);
    ASSERT_EQ(taken, ReferenceInside(folder, file));
    if (!taken) continue;
    ++inside;
    // What the rule takes, the system reads as written, below the folder.
    std::wstring read = CollapsePath(file);
    ASSERT_EQ(read + L"\\", file.ends_with(L'\\') ? file : file + L"\\");
    ASSERT_TRUE(IsSameOrBelow(file, folder));
    ASSERT_FALSE(IsRootFolder(file));
  }
  EXPECT_GT(inside, 150) << "the paths must reach the inside often enough to mean something";
}

}  // namespace
}  // namespace vx
