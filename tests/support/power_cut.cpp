#include "tests/support/power_cut.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>

#include "tests/support/temp_folder.h"

namespace vx::test {
namespace {

constexpr int64_t kSector = 512;

std::wstring Normal(std::wstring name) {
  std::replace(name.begin(), name.end(), L'/', L'\\');
  return name;
}

std::wstring FolderOf(const std::wstring& name) {
  const size_t slash = name.rfind(L'\\');
  return slash == std::wstring::npos ? std::wstring() : name.substr(0, slash);
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

void PutBytes(std::vector<uint8_t>& bytes, int64_t offset, const uint8_t* data, int64_t length) {
  if (length <= 0) return;
  const size_t end = static_cast<size_t>(offset + length);
  if (bytes.size() < end) bytes.resize(end);
  std::memcpy(bytes.data() + offset, data, static_cast<size_t>(length));
}

void Snapshot(const std::wstring& folder, std::vector<std::vector<uint8_t>>& bytes,
              std::map<std::wstring, int>& names, std::set<std::wstring>& folders) {
  for (const fs::FolderEntry& entry : fs::ListFolder(folder)) {
    const std::wstring name = folder + entry.name;
    if (entry.is_folder) {
      folders.insert(name);
      Snapshot(name + L"\\", bytes, names, folders);
    } else {
      names[name] = static_cast<int>(bytes.size());
      bytes.push_back(ReadFileBytes(name));
    }
  }
}

}  // namespace

CutRecorder::CutRecorder(std::vector<std::wstring> folders) {
  for (std::wstring& folder : folders) {
    folder = Normal(folder);
    if (folder.back() != L'\\') folder += L'\\';
    Snapshot(folder, initial_bytes_, initial_names_, initial_folders_);
  }
  roots_ = std::move(folders);
  for (const auto& [name, file] : initial_names_) initial_times_[file] = fs::LastWriteTime(name);
  live_bytes_ = initial_bytes_;
  live_names_ = initial_names_;
  live_folders_ = initial_folders_;
  fs::SetFileEventObserver(this);
  recording_ = true;
}

CutRecorder::~CutRecorder() { Stop(); }

void CutRecorder::Stop() {
  if (!recording_) return;
  NoteMappedStores();
  fs::SetFileEventObserver(nullptr);
  recording_ = false;
  handles_.clear();
  views_.clear();
}

bool CutRecorder::Recorded(const std::wstring& name) const {
  return std::any_of(roots_.begin(), roots_.end(),
                     [&](const std::wstring& root) { return name.starts_with(root); });
}

CutRecorder::Event CutRecorder::Make(Kind kind, int file, int64_t offset,
                                     std::vector<uint8_t> bytes, std::wstring name, std::wstring to,
                                     bool durably) {
  return Event{kind, file, offset, std::move(bytes), std::move(name), std::move(to), durably};
}

void CutRecorder::Add(Event event) {
  if (event.kind == Kind::Write) {
    PutBytes(live_bytes_[event.file], event.offset, event.bytes.data(),
             static_cast<int64_t>(event.bytes.size()));
  } else if (event.kind == Kind::SetLength) {
    live_bytes_[event.file].resize(static_cast<size_t>(event.offset));
  }
  events_.push_back(std::move(event));
}

void CutRecorder::NoteMappedStores() {
  for (const auto& [handle, view] : views_) {
    const std::vector<uint8_t>& known = live_bytes_[view.file];
    const int64_t size = static_cast<int64_t>(std::min(view.size, known.size()));
    // Runs of changed sectors, each one write; the last sector of a view
    // whose size is not a whole number of sectors is a short one, and a run
    // that reaches the end is closed there.
    int64_t run_start = -1;
    for (int64_t sector = 0; sector < size + kSector; sector += kSector) {
      const int64_t length = std::max<int64_t>(0, std::min(kSector, size - sector));
      const bool changed =
          length > 0 && std::memcmp(view.data + sector, known.data() + sector, length) != 0;
      if (changed && run_start < 0) run_start = sector;
      if (!changed && run_start >= 0) {
        const int64_t end = std::min(sector, size);
        Add(Make(Kind::Write, view.file, run_start,
                 std::vector<uint8_t>(view.data + run_start, view.data + end)));
        run_start = -1;
      }
    }
  }
}

void CutRecorder::Opened(intptr_t handle, const std::wstring& raw_name, bool create) {
  const std::wstring name = Normal(raw_name);
  if (!Recorded(name)) return;
  NoteMappedStores();
  auto known = live_names_.find(name);
  if (known != live_names_.end()) {
    handles_[handle] = known->second;
    return;
  }
  if (!create) return;
  const int file = static_cast<int>(live_bytes_.size());
  live_bytes_.emplace_back();
  live_names_[name] = file;
  handles_[handle] = file;
  Add(Make(Kind::Create, file, 0, {}, name));
}

void CutRecorder::Mapped(intptr_t handle, const uint8_t* view, size_t size) {
  auto file = handles_.find(handle);
  if (file != handles_.end()) views_[handle] = {file->second, view, size};
}

void CutRecorder::Wrote(intptr_t handle, int64_t offset, const void* bytes, int64_t length) {
  NoteMappedStores();
  auto file = handles_.find(handle);
  if (file == handles_.end() || length <= 0) return;
  const auto* data = static_cast<const uint8_t*>(bytes);
  Add(Make(Kind::Write, file->second, offset, std::vector<uint8_t>(data, data + length)));
}

void CutRecorder::LengthSet(intptr_t handle, int64_t length) {
  NoteMappedStores();
  auto file = handles_.find(handle);
  if (file != handles_.end()) Add(Make(Kind::SetLength, file->second, length));
}

void CutRecorder::Flushed(intptr_t handle) {
  NoteMappedStores();
  auto file = handles_.find(handle);
  if (file != handles_.end()) Add(Make(Kind::Flush, file->second));
}

void CutRecorder::TimeSet(intptr_t handle, int64_t time) {
  NoteMappedStores();
  auto file = handles_.find(handle);
  if (file != handles_.end()) time_sets_.push_back({events_.size(), file->second, time});
}

void CutRecorder::Closed(intptr_t handle) {
  NoteMappedStores();
  views_.erase(handle);
  handles_.erase(handle);
}

void CutRecorder::Renamed(const std::wstring& raw_from, const std::wstring& raw_to, bool durably) {
  NoteMappedStores();
  const std::wstring from = Normal(raw_from);
  const std::wstring to = Normal(raw_to);
  auto moved = live_names_.find(from);
  if (moved == live_names_.end()) return;
  const int file = moved->second;
  live_names_.erase(moved);
  if (Recorded(to)) {
    live_names_[to] = file;
    Add(Make(Kind::Rename, file, 0, {}, from, to, durably));
  } else {
    Add(Make(Kind::Remove, file, 0, {}, from));
  }
}

void CutRecorder::Removed(const std::wstring& raw_name) {
  NoteMappedStores();
  std::wstring name = Normal(raw_name);
  while (!name.empty() && name.back() == L'\\') name.pop_back();
  if (live_folders_.erase(name)) {
    Add(Make(Kind::RemoveFolder, -1, 0, {}, name));
    return;
  }
  auto removed = live_names_.find(name);
  if (removed == live_names_.end()) return;
  Add(Make(Kind::Remove, removed->second, 0, {}, name));
  live_names_.erase(removed);
}

void CutRecorder::FolderMade(const std::wstring& raw_name) {
  NoteMappedStores();
  std::wstring name = Normal(raw_name);
  while (!name.empty() && name.back() == L'\\') name.pop_back();
  if (!Recorded(name + L"\\")) return;
  live_folders_.insert(name);
  Add(Make(Kind::MakeFolder, -1, 0, {}, name));
}

DiskState CutRecorder::StateAfterCut(size_t count, CutKeeps keeps, std::mt19937_64& random) const {
  // Each file's bytes at its last flush and the changes since; the folder
  // entries' changes, each marked once a flush made it durable.
  std::vector<std::vector<uint8_t>> flushed = initial_bytes_;
  std::vector<std::vector<size_t>> pending(live_bytes_.size());
  flushed.resize(live_bytes_.size());
  std::vector<size_t> entries;
  std::vector<bool> durable(events_.size(), false);

  const auto apply = [&](std::vector<uint8_t>& bytes, const Event& e) {
    if (e.kind == Kind::Write) {
      PutBytes(bytes, e.offset, e.bytes.data(), static_cast<int64_t>(e.bytes.size()));
    } else {
      bytes.resize(static_cast<size_t>(e.offset));
    }
  };
  // The folders whose entries a write-through rename makes durable: its
  // two folders and every folder above them.
  const auto covered = [](const std::wstring& folder, const std::wstring& entry_folder) {
    return folder == entry_folder || folder.starts_with(entry_folder + L"\\");
  };

  for (size_t i = 0; i < count && i < events_.size(); ++i) {
    const Event& e = events_[i];
    switch (e.kind) {
      case Kind::Write:
      case Kind::SetLength:
        pending[e.file].push_back(i);
        break;
      case Kind::Flush:
        for (size_t change : pending[e.file]) apply(flushed[e.file], events_[change]);
        pending[e.file].clear();
        for (size_t entry : entries) {
          const Kind kind = events_[entry].kind;
          if (events_[entry].file == e.file && (kind == Kind::Create || kind == Kind::Rename)) {
            durable[entry] = true;
          }
        }
        break;
      case Kind::Create:
      case Kind::Rename:
      case Kind::Remove:
      case Kind::MakeFolder:
      case Kind::RemoveFolder:
        entries.push_back(i);
        if (e.kind == Kind::Rename && e.durably) {
          const std::wstring folders[] = {FolderOf(e.name), FolderOf(e.to)};
          for (size_t entry : entries) {
            const Event& earlier = events_[entry];
            for (const std::wstring& folder : folders) {
              const bool in_folder =
                  FolderOf(earlier.name) == folder ||
                  (earlier.kind == Kind::Rename && FolderOf(earlier.to) == folder);
              const bool folder_itself =
                  earlier.kind == Kind::MakeFolder && covered(folder, earlier.name);
              if (in_folder || folder_itself) durable[entry] = true;
            }
          }
        }
        break;
    }
  }

  std::uniform_int_distribution<int> three(0, 2);
  std::bernoulli_distribution half(0.5);
  const auto keep_entry = [&]() {
    return keeps == CutKeeps::Everything || (keeps == CutKeeps::AnySubset && half(random));
  };

  DiskState state;
  std::map<std::wstring, int> names = initial_names_;
  state.folders = initial_folders_;
  for (size_t entry : entries) {
    const Event& e = events_[entry];
    if (!durable[entry] && !keep_entry()) continue;
    switch (e.kind) {
      case Kind::Create:
        names[e.name] = e.file;
        break;
      case Kind::Rename: {
        auto from = names.find(e.name);
        if (from != names.end() && from->second == e.file) names.erase(from);
        names[e.to] = e.file;
        break;
      }
      case Kind::Remove: {
        auto removed = names.find(e.name);
        if (removed != names.end() && removed->second == e.file) names.erase(removed);
        break;
      }
      case Kind::MakeFolder:
        state.folders.insert(e.name);
        break;
      default:
        state.folders.erase(e.name);
        break;
    }
  }

  std::map<int, int64_t> times = initial_times_;
  for (const TimeSetting& set : time_sets_) {
    if (set.after <= count) times[set.file] = set.time;
  }
  for (const auto& [name, file] : names) {
    if (auto time = times.find(file); time != times.end()) state.times[name] = time->second;
  }

  // The bytes of each file still named, each change since its flush kept,
  // lost or torn at sector bounds.
  std::map<int, std::vector<uint8_t>> contents;
  for (const auto& [name, file] : names) {
    if (contents.count(file)) continue;
    std::vector<uint8_t> bytes = flushed[file];
    for (size_t change : pending[file]) {
      const Event& e = events_[change];
      const int choice = keeps == CutKeeps::Everything ? 0
                         : keeps == CutKeeps::Nothing  ? 1
                                                       : three(random);
      if (choice == 0) {
        apply(bytes, e);
      } else if (choice == 2) {
        if (e.kind == Kind::SetLength) {
          if (half(random)) apply(bytes, e);
          continue;
        }
        const int64_t end = e.offset + static_cast<int64_t>(e.bytes.size());
        for (int64_t from = e.offset; from < end;) {
          const int64_t to = std::min(end, (from / kSector + 1) * kSector);
          if (half(random)) PutBytes(bytes, from, e.bytes.data() + (from - e.offset), to - from);
          from = to;
        }
      }
    }
    contents[file] = std::move(bytes);
  }

  // A file whose folder is not there is not there either.
  const auto folder_present = [&](const std::wstring& name) {
    const auto is_root = [&](const std::wstring& folder) {
      return std::find(roots_.begin(), roots_.end(), folder + L"\\") != roots_.end();
    };
    for (std::wstring folder = FolderOf(name); !folder.empty() && !is_root(folder);
         folder = FolderOf(folder)) {
      if (!state.folders.count(folder)) return false;
    }
    return true;
  };
  for (const auto& [name, file] : names) {
    if (folder_present(name)) state.files[name] = contents[file];
  }
  for (auto folder = state.folders.begin(); folder != state.folders.end();) {
    folder = folder_present(*folder + L"\\") ? std::next(folder) : state.folders.erase(folder);
  }
  return state;
}

DiskState CutRecorder::Before() const {
  std::mt19937_64 unused;
  return StateAfterCut(0, CutKeeps::Everything, unused);
}

DiskState CutRecorder::After() const {
  std::mt19937_64 unused;
  return StateAfterCut(events_.size(), CutKeeps::Everything, unused);
}

void CutRecorder::Materialise(const DiskState& state) const {
  EXPECT_FALSE(recording_) << "the recording must stop before a cut state is written";
  // Only what differs is changed: the disk work of a state stays small.
  const DiskState now = ReadDisk();
  for (const auto& [name, bytes] : now.files) {
    auto wanted = state.files.find(name);
    if (wanted == state.files.end()) fs::RemoveFile(name);
  }
  // Deepest first, then outermost first.
  for (auto folder = now.folders.rbegin(); folder != now.folders.rend(); ++folder) {
    if (!state.folders.count(*folder)) RemoveTree(*folder);
  }
  for (const std::wstring& folder : state.folders) {
    if (!now.folders.count(folder)) fs::MakeFolder(folder);
  }
  for (const auto& [name, bytes] : state.files) {
    auto there = now.files.find(name);
    if (there != now.files.end() && there->second == bytes) continue;
    ASSERT_TRUE(fs::FolderExists(FolderOf(name))) << "no folder for " << Narrow(name);
    if (there == now.files.end()) {
      WriteFileBytes(name, bytes);
      continue;
    }
    // Written over in place: the file keeps its identity (volume and file
    // number), as a cut leaves it.
    fs::File file = fs::OpenFile(name, false, fs::Share::ReadWrite);
    ASSERT_TRUE(file && file.SetLength(static_cast<int64_t>(bytes.size())) &&
                file.WriteAt(0, bytes.data(), static_cast<int64_t>(bytes.size())))
        << Narrow(name);
  }
  for (const auto& [name, time] : state.times) fs::SetLastWriteTime(name, time);
}

DiskState CutRecorder::ReadDisk() const {
  DiskState state;
  std::vector<std::vector<uint8_t>> bytes;
  std::map<std::wstring, int> names;
  for (const std::wstring& root : roots_) Snapshot(root, bytes, names, state.folders);
  for (const auto& [name, file] : names) state.files[name] = std::move(bytes[file]);
  return state;
}

std::string EachFileBeforeOrAfter(const CutRecorder& recording,
                                  const std::function<bool(const std::wstring&)>& ignored) {
  const DiskState before = recording.Before();
  const DiskState after = recording.After();
  const DiskState now = recording.ReadDisk();
  std::set<std::wstring> names;
  for (const DiskState* state : {&before, &after, &now}) {
    for (const auto& [name, bytes] : state->files) names.insert(name);
  }
  const auto same = [](const DiskState& state, const std::wstring& name, const DiskState& other) {
    auto a = state.files.find(name);
    auto b = other.files.find(name);
    if (a == state.files.end() || b == other.files.end()) {
      return a == state.files.end() && b == other.files.end();
    }
    return a->second == b->second;
  };
  for (const std::wstring& name : names) {
    if (ignored && ignored(name)) continue;
    if (!same(now, name, before) && !same(now, name, after)) {
      auto found = now.files.find(name);
      std::ostringstream what;
      what << Narrow(name) << " is neither before nor after ("
           << (found == now.files.end() ? std::string("missing")
                                        : std::to_string(found->second.size()) + " bytes")
           << ")";
      return what.str();
    }
  }
  return {};
}

std::string FilesDiffer(const std::string& what, const DiskState& now, const DiskState& expected) {
  std::set<std::wstring> names;
  for (const DiskState* state : {&now, &expected}) {
    for (const auto& [name, bytes] : state->files) names.insert(name);
  }
  for (const std::wstring& name : names) {
    auto a = now.files.find(name);
    auto b = expected.files.find(name);
    if (a == now.files.end() || b == expected.files.end() || a->second != b->second) {
      return what + ": " + Narrow(name) +
             (a == now.files.end()        ? " is missing"
              : b == expected.files.end() ? " should not be there"
                                          : " holds other bytes");
    }
  }
  return {};
}

::testing::AssertionResult RunPowerCuts(const PowerCutCase& cut_case) {
  uint64_t seed = std::random_device{}();
  if (const char* given = std::getenv("VX_POWER_CUT_SEED"))
    seed = std::strtoull(given, nullptr, 10);
  std::mt19937_64 random(seed);

  // A simulated disk needs no real flushes; they are recorded all the same.
  const bool flushes_were_skipped = fs::FlushesSkipped();
  fs::SetFlushesSkipped(true);
  struct FlushesBack {
    bool skipped;
    ~FlushesBack() { fs::SetFlushesSkipped(skipped); }
  } flushes_back{flushes_were_skipped};

  CutRecorder recording(cut_case.folders);
  cut_case.run();
  recording.Stop();
  if (recording.EventCount() == 0) {
    return ::testing::AssertionFailure()
           << "PowerCut " << cut_case.command << ": the seam reported no change to record";
  }

  // Every cut point when they are few; else the two ends and a sample.
  const size_t points = recording.EventCount() + 1;
  std::vector<size_t> cuts;
  for (size_t k = 0; k < points; ++k) cuts.push_back(k);
  if (points > cut_case.most_cuts && cut_case.most_cuts >= 2) {
    std::shuffle(cuts.begin() + 1, cuts.end() - 1, random);
    cuts.resize(cut_case.most_cuts - 1);
    cuts.push_back(points - 1);
    std::sort(cuts.begin(), cuts.end());
  }

  size_t states = 0;
  for (size_t cut : cuts) {
    for (int variant = 0; variant < cut_case.random_states + 2; ++variant) {
      const CutKeeps keeps = variant == 0   ? CutKeeps::Nothing
                             : variant == 1 ? CutKeeps::Everything
                                            : CutKeeps::AnySubset;
      recording.Materialise(recording.StateAfterCut(cut, keeps, random));
      ++states;
      const std::string failed = cut_case.check
                                     ? cut_case.check(recording)
                                     : EachFileBeforeOrAfter(recording, cut_case.ignored);
      if (!failed.empty()) {
        std::ostringstream line;
        line << "PowerCut " << cut_case.command << ": failed after change " << cut << " of "
             << recording.EventCount() << " (state " << variant << ", seed " << seed
             << "): " << failed;
        std::cout << line.str() << "\n";
        return ::testing::AssertionFailure() << line.str();
      }
    }
  }
  std::cout << "PowerCut " << cut_case.command << ": " << cuts.size() << " cuts, " << states
            << " states, all held (seed " << seed << ")\n";
  return ::testing::AssertionSuccess();
}

}  // namespace vx::test
