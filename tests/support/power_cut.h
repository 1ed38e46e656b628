// The simulated power cut. A CutRecorder, installed around a command, notes
// every change the command makes through the file seam to the folders under
// test; StateAfterCut then builds a disk a power cut after any of those
// changes could leave, and Materialise writes it back into the folders so
// that the program's own start-up (its repair, its readers) runs on it.
//
// The model is the one the program is held to on Windows:
// - each file is as at its last completed flush, plus any of its later
//   writes and length changes, each kept whole, lost, or kept in part at
//   512-byte sectors, independently;
// - a file made, renamed or removed (and a folder made) since its folder
//   entry was last made durable may or may not be there under its new name.
//   An entry is made durable by a flush of the file it names (as
//   FlushFileBuffers does), and by a write-through rename, which makes every
//   earlier change of the two folders' entries durable, with the folders
//   themselves.
// A mapped file's stores count as writes from the moment they are made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/file_seam.h"

namespace vx::test {

// Full file names and their bytes, and the folders below the recorded ones.
struct DiskState {
  std::map<std::wstring, std::vector<uint8_t>> files;
  std::set<std::wstring> folders;  // full names without the final "\"
  // The last-write times the files are given back: a file's time is part
  // of the proof that it is as a stopped edit left it. A time set is taken
  // as reaching the disk at once.
  std::map<std::wstring, int64_t> times;
};

enum class CutKeeps {
  Nothing,     // every change since its flush is lost
  Everything,  // every change reached the disk
  AnySubset,   // each change kept, lost or torn, by the random source
};

class CutRecorder : public fs::FileEventObserver {
 public:
  // Snapshots the folders (and everything below them) and starts recording.
  explicit CutRecorder(std::vector<std::wstring> folders);
  ~CutRecorder() override;
  CutRecorder(const CutRecorder&) = delete;
  CutRecorder& operator=(const CutRecorder&) = delete;

  // Ends the recording; what the program does after it is not noted.
  void Stop();
  // The number of changes recorded (writes, length changes, flushes and
  // folder entries); a cut may come after any count from 0 to this.
  size_t EventCount() const { return events_.size(); }

  // The disk a cut after the first `events` changes may leave; `random`
  // chooses for AnySubset.
  DiskState StateAfterCut(size_t events, CutKeeps keeps, std::mt19937_64& random) const;
  DiskState Before() const;
  DiskState After() const;
  // Empties the recorded folders and writes `state` into them. The
  // recording must have stopped.
  void Materialise(const DiskState& state) const;
  // What is in the recorded folders now.
  DiskState ReadDisk() const;

  // FileEventObserver
  void Opened(intptr_t handle, const std::wstring& name, bool create) override;
  void Mapped(intptr_t handle, const uint8_t* view, size_t size) override;
  void Wrote(intptr_t handle, int64_t offset, const void* bytes, int64_t length) override;
  void LengthSet(intptr_t handle, int64_t length) override;
  void Flushed(intptr_t handle) override;
  void TimeSet(intptr_t handle, int64_t time) override;
  void Closed(intptr_t handle) override;
  void Renamed(const std::wstring& from, const std::wstring& to, bool durably) override;
  void Removed(const std::wstring& name) override;
  void FolderMade(const std::wstring& name) override;

  enum class Kind { Write, SetLength, Flush, Create, Rename, Remove, MakeFolder, RemoveFolder };
  struct Event {
    Kind kind;
    int file = -1;       // the index of the file's bytes; -1 for a folder
    int64_t offset = 0;  // Write's offset, SetLength's length
    std::vector<uint8_t> bytes;
    std::wstring name;  // the entry made, removed or renamed from
    std::wstring to;    // Rename's new name
    bool durably = false;
  };
  const std::vector<Event>& events() const { return events_; }

 private:
  struct View {
    int file;
    const uint8_t* data;
    size_t size;
  };
  static Event Make(Kind kind, int file, int64_t offset = 0, std::vector<uint8_t> bytes = {},
                    std::wstring name = {}, std::wstring to = {}, bool durably = false);
  bool Recorded(const std::wstring& name) const;
  // Notes the stores made into mapped views since the last event as writes.
  void NoteMappedStores();
  void Add(Event event);

  std::vector<std::wstring> roots_;  // each ending in "\"
  bool recording_ = false;
  std::vector<Event> events_;
  // The files' bytes and folders at the start, and the live state as the
  // events left it.
  std::vector<std::vector<uint8_t>> initial_bytes_;
  std::map<int, int64_t> initial_times_;
  // Each time set: the number of changes before it, the file, the time.
  struct TimeSetting {
    size_t after;
    int file;
    int64_t time;
  };
  std::vector<TimeSetting> time_sets_;
  std::map<std::wstring, int> initial_names_;
  std::set<std::wstring> initial_folders_;
  std::vector<std::vector<uint8_t>> live_bytes_;
  std::map<std::wstring, int> live_names_;
  std::set<std::wstring> live_folders_;
  std::map<intptr_t, int> handles_;
  std::map<intptr_t, View> views_;
};

// What a check says of one cut state: empty when it held, else what failed.
using CutCheck = std::function<std::string(const CutRecorder& recording)>;

// One command run under power cuts.
struct PowerCutCase {
  PowerCutCase(std::string command_name, std::vector<std::wstring> recorded_folders,
               std::function<void()> command_run)
      : command(std::move(command_name)),
        folders(std::move(recorded_folders)),
        run(std::move(command_run)) {}

  std::string command;  // named in the printed line
  std::vector<std::wstring> folders;
  std::function<void()> run;
  // Runs on each cut state once it is on the disk: what the next start does,
  // then the comparison. Defaults to EachFileBeforeOrAfter.
  CutCheck check;
  int random_states = 8;   // random subsets per cut, beside the two extremes
  size_t most_cuts = 400;  // above this, a seeded sample of the cut points
  // A file the comparison ignores (a temporary the next write clears).
  std::function<bool(const std::wstring& name)> ignored;
};

// Runs the command once, recorded, then every cut state through the check;
// prints "PowerCut <command>: <cuts> cuts, <states> states, all held" or
// what failed with the seed (VX_POWER_CUT_SEED in the environment repeats
// a run).
::testing::AssertionResult RunPowerCuts(const PowerCutCase& cut_case);

// Empty when every file on the disk now is as it was before the command or
// as after it (a missing file counts as a state), ignoring `ignored` names;
// else the first file that is neither.
std::string EachFileBeforeOrAfter(const CutRecorder& recording,
                                  const std::function<bool(const std::wstring&)>& ignored = {});

// Empty when the two disks hold the same files with the same bytes; else
// the first file that differs, with `what` in front.
std::string FilesDiffer(const std::string& what, const DiskState& now, const DiskState& expected);

}  // namespace vx::test
