// The simulated power cut itself: every PowerCut suite relies on it, so it
// must lose what a cut may lose and keep what a flush made durable.
#include <gtest/gtest.h>

#include "common/file_seam.h"
#include "tests/support/power_cut.h"
#include "tests/support/temp_folder.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Filled(size_t size, uint8_t value) { return Bytes(size, value); }

void Put(fs::File& file, int64_t offset, const Bytes& bytes) {
  ASSERT_TRUE(file.WriteAt(offset, bytes.data(), static_cast<int64_t>(bytes.size())));
}

// The states of many random cuts after the whole recording.
std::vector<DiskState> RandomStates(const CutRecorder& recording, int count) {
  std::mt19937_64 random(7);
  std::vector<DiskState> states;
  for (int i = 0; i < count; ++i) {
    states.push_back(recording.StateAfterCut(recording.EventCount(), CutKeeps::AnySubset, random));
  }
  return states;
}

TEST(PowerCutSimulator, KeepsWhatWasFlushedAndMayLoseWhatCameAfter) {
  TempFolder dir;
  const std::wstring name = dir / L"data.bin";
  WriteFileBytes(name, Filled(1024, 0));
  CutRecorder recording({dir.path()});
  {
    fs::File file = fs::OpenFile(name, false, fs::Share::ReadWrite);
    Put(file, 0, Filled(512, 1));
    ASSERT_TRUE(file.Flush());
    Put(file, 512, Filled(512, 2));
  }
  recording.Stop();
  ASSERT_EQ(recording.EventCount(), 3u);

  std::mt19937_64 random(1);
  const Bytes flushed_only = [] {
    Bytes b = Filled(1024, 0);
    std::fill(b.begin(), b.begin() + 512, 1);
    return b;
  }();
  Bytes everything = flushed_only;
  std::fill(everything.begin() + 512, everything.end(), 2);

  struct Case {
    size_t cut;
    CutKeeps keeps;
    Bytes expected;
  };
  const Case cases[] = {
      {0, CutKeeps::Everything, Filled(1024, 0)},
      {1, CutKeeps::Nothing, Filled(1024, 0)},  // written, not yet flushed
      {1, CutKeeps::Everything, flushed_only},
      {2, CutKeeps::Nothing, flushed_only},  // the flush holds
      {3, CutKeeps::Nothing, flushed_only},  // the last write is lost
      {3, CutKeeps::Everything, everything},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(recording.StateAfterCut(c.cut, c.keeps, random).files.at(name), c.expected)
        << "cut after " << c.cut;
  }
  bool lost = false, kept = false;
  for (const DiskState& state : RandomStates(recording, 60)) {
    const Bytes& bytes = state.files.at(name);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 512, flushed_only.begin()));
    lost |= bytes == flushed_only;
    kept |= bytes == everything;
  }
  EXPECT_TRUE(lost && kept) << "random cuts must both lose and keep the unflushed write";
}

TEST(PowerCutSimulator, TearsAWriteAtSectorBoundsOnly) {
  TempFolder dir;
  const std::wstring name = dir / L"torn.bin";
  WriteFileBytes(name, Filled(4096, 0xAA));
  CutRecorder recording({dir.path()});
  {
    fs::File file = fs::OpenFile(name, false, fs::Share::ReadWrite);
    Put(file, 100, Filled(3000, 0x55));  // starts and ends inside a sector
  }
  recording.Stop();

  bool mixed = false;
  for (const DiskState& state : RandomStates(recording, 80)) {
    const Bytes& bytes = state.files.at(name);
    ASSERT_EQ(bytes.size(), 4096u);
    int old_sectors = 0, new_sectors = 0;
    // Each sector's part of the write is all old or all new.
    for (int64_t sector = 0; sector < 4096; sector += 512) {
      const int64_t from = std::max<int64_t>(sector, 100);
      const int64_t to = std::min<int64_t>(sector + 512, 3100);
      if (from >= to) continue;
      const Bytes part(bytes.begin() + from, bytes.begin() + to);
      if (part == Filled(part.size(), 0x55)) {
        ++new_sectors;
      } else {
        EXPECT_EQ(part, Filled(part.size(), 0xAA)) << "a sector torn inside itself";
        ++old_sectors;
      }
    }
    EXPECT_EQ(bytes[99], 0xAA);
    EXPECT_EQ(bytes[3100], 0xAA);
    mixed |= old_sectors > 0 && new_sectors > 0;
  }
  EXPECT_TRUE(mixed) << "no random cut tore the write";
}

TEST(PowerCutSimulator, AnUnflushedEntryMayOrMayNotBeSeenAndADurableOneAlwaysIs) {
  struct Case {
    const char* what;
    bool flush_file;
    bool durable_rename;
    bool may_be_old;  // the target may still hold its old bytes after a cut
  };
  const Case cases[] = {
      {"plain rename", true, false, true},
      {"write-through rename", true, true, false},
  };
  for (const Case& c : cases) {
    TempFolder dir;
    const std::wstring target = dir / L"target.dat";
    const std::wstring temp = dir / L"target.tmp";
    const std::wstring bystander = dir / L"other.dat";
    WriteFileBytes(target, {1, 1});
    WriteFileBytes(bystander, {9});
    CutRecorder recording({dir.path()});
    {
      fs::File file = fs::OpenFile(temp, true, fs::Share::ReadWrite);
      Put(file, 0, {2, 2, 2});
      if (c.flush_file) {
        ASSERT_TRUE(file.Flush());
      }
    }
    ASSERT_TRUE(c.durable_rename ? fs::RenameFileDurably(temp, target)
                                 : fs::RenameFile(temp, target));
    recording.Stop();
    EXPECT_EQ(recording.After().files.at(target), (Bytes{2, 2, 2})) << c.what;
    EXPECT_FALSE(recording.After().files.count(temp)) << c.what;

    bool saw_old = false, saw_new = false;
    for (const DiskState& state : RandomStates(recording, 40)) {
      EXPECT_EQ(state.files.at(bystander), Bytes{9}) << c.what;
      const Bytes& bytes = state.files.at(target);
      saw_old |= bytes == Bytes{1, 1};
      saw_new |= bytes == Bytes{2, 2, 2};
      EXPECT_TRUE(bytes == Bytes({1, 1}) || bytes == Bytes({2, 2, 2})) << c.what;
    }
    EXPECT_EQ(saw_old, c.may_be_old) << c.what;
    EXPECT_TRUE(saw_new) << c.what;
  }
}

TEST(PowerCutSimulator, AFileMadeInANewFolderGoesWithTheFolder) {
  TempFolder dir;
  const std::wstring folder = dir / L"new";
  CutRecorder recording({dir.path()});
  ASSERT_TRUE(fs::MakeFolder(folder));
  {
    fs::File file = fs::OpenFile(folder + L"\\a.bin", true, fs::Share::ReadWrite);
    Put(file, 0, {5});
  }
  recording.Stop();
  std::mt19937_64 random(3);
  const DiskState none = recording.StateAfterCut(recording.EventCount(), CutKeeps::Nothing, random);
  EXPECT_TRUE(none.files.empty());
  EXPECT_TRUE(none.folders.empty());
  for (const DiskState& state : RandomStates(recording, 30)) {
    if (state.files.count(folder + L"\\a.bin")) {
      EXPECT_TRUE(state.folders.count(folder));
    }
  }
}

TEST(PowerCutSimulator, MaterialisesAStateAndReadsItBack) {
  TempFolder dir;
  WriteFileBytes(dir / L"gone.bin", {1});
  CutRecorder recording({dir.path()});
  recording.Stop();
  DiskState state;
  state.folders.insert(dir / L"sub");
  state.files[dir / L"sub\\kept.bin"] = {4, 5};
  state.files[dir / L"empty.bin"] = {};
  recording.Materialise(state);
  const DiskState read = recording.ReadDisk();
  EXPECT_EQ(read.files, state.files);
  EXPECT_EQ(read.folders, state.folders);
}

// The driver must catch a file rewritten in place, and pass one written to
// a temporary name, flushed and renamed through.
TEST(PowerCutSimulator, TheDriverCatchesAnUnsafeWriteAndPassesASafeOne) {
  TempFolder dir;
  const std::wstring target = dir / L"whole.dat";
  WriteFileBytes(target, Filled(2000, 1));
  WriteFileBytes(dir / L"bystander.dat", {3});
  const Bytes fresh = Filled(1500, 2);

  PowerCutCase unsafe("rewrite in place", {dir.path()}, [&] {
    fs::File file = fs::OpenFile(target, false, fs::Share::ReadWrite);
    ASSERT_TRUE(file.SetLength(0));
    Put(file, 0, fresh);
    ASSERT_TRUE(file.Flush());
  });
  EXPECT_FALSE(RunPowerCuts(unsafe));

  WriteFileBytes(target, Filled(2000, 1));
  PowerCutCase safe("temporary, flush, rename through", {dir.path()}, [&] {
    {
      fs::File file = fs::OpenFile(target + L".tmp", true, fs::Share::ReadWrite);
      Put(file, 0, fresh);
      ASSERT_TRUE(file.Flush());
    }
    ASSERT_TRUE(fs::RenameFileDurably(target + L".tmp", target));
  });
  safe.ignored = [&](const std::wstring& name) { return name == target + L".tmp"; };
  EXPECT_TRUE(RunPowerCuts(safe));
}

}  // namespace
}  // namespace vx::test
