#include "app/check/system_hash_win.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace vx {
namespace {

std::wstring HashOf(HashKind kind, std::span<const uint8_t> bytes) {
  std::unique_ptr<SystemHash> hash = MakeSystemHash(kind);
  if (!hash) return L"(the system lacks it)";
  hash->Add(bytes);
  return HashText(hash->Finish());
}

// The published values, which the system's functions must give.
TEST(SystemHashTest, KnownVectors) {
  const std::string million(1000000, 'a');
  struct Case {
    const char* what;
    std::string input;
    std::array<const wchar_t*, 5> values;
  };
  const Case cases[] = {
      {"empty",
       "",
       {L"00000000", L"d41d8cd98f00b204e9800998ecf8427e",
        L"da39a3ee5e6b4b0d3255bfef95601890afd80709",
        L"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855",
        L"cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce47d0d13c5d85f2b0ff8318d2"
        L"877eec2f63b931bd47417a81a538327af927da3e"}},
      {"abc",
       "abc",
       {L"352441c2", L"900150983cd24fb0d6963f7d28e17f72",
        L"a9993e364706816aba3e25717850c26c9cd0d89d",
        L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad",
        L"ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c"
        L"23a3feebbd454d4423643ce80e2a9ac94fa54ca49f"}},
      {"a million a",
       million,
       {L"dc25bfbc", L"7707d6ae4e027c70eea2a935c2296f21",
        L"34aa973cd4c4daa4f61eeb2bdbad27316534016f",
        L"cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0",
        L"e718483d0ce769644e2e42c7bc15b4638e1f98b13b2044285632a803afa973ebde0ff244877ea60a4cb0432c"
        L"e577c31beb009c5c2c49aa2e4eadb217ad8cc09b"}},
  };
  for (const Case& c : cases) {
    const auto* data = reinterpret_cast<const uint8_t*>(c.input.data());
    for (size_t k = 0; k < kHashKinds.size(); ++k) {
      EXPECT_EQ(HashOf(kHashKinds[k], {data, c.input.size()}), c.values[k])
          << c.what << " " << HashName(kHashKinds[k]);
    }
  }
}

// Fed in blocks of any size, each hash ends where the one-shot hash does;
// and a file's range read once for all five gives the same.
TEST(SystemHashTest, BlocksOfAnySizeAndTheFileReadOnceGiveTheOneShotHash) {
  std::mt19937 random(11);
  test::TempFolder dir;
  for (int round = 0; round < 8; ++round) {
    std::vector<uint8_t> bytes(std::uniform_int_distribution<size_t>(1, 300000)(random));
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    for (const HashKind kind : kHashKinds) {
      std::unique_ptr<SystemHash> hash = MakeSystemHash(kind);
      ASSERT_TRUE(hash) << HashName(kind);
      for (size_t at = 0; at < bytes.size();) {
        const size_t count =
            std::min(bytes.size() - at, std::uniform_int_distribution<size_t>(0, 70000)(random));
        hash->Add({bytes.data() + at, count});
        at += count;
      }
      EXPECT_EQ(HashText(hash->Finish()), HashOf(kind, bytes)) << HashName(kind);
    }
    const std::wstring path = dir / L"data.bin";
    test::WriteFileBytes(path, bytes);
    const int64_t first = std::uniform_int_distribution<int64_t>(0, bytes.size() - 1)(random);
    const int64_t length = static_cast<int64_t>(bytes.size()) - first;
    const RangeHashes hashes = HashRange(path, static_cast<int64_t>(bytes.size()), {first, length},
                                         kHashKinds, [](double) { return true; });
    ASSERT_EQ(hashes.outcome, ReadOnceOutcome::Done);
    for (size_t k = 0; k < kHashKinds.size(); ++k) {
      EXPECT_EQ(hashes.texts[k],
                HashOf(kHashKinds[k], {bytes.data() + first, static_cast<size_t>(length)}));
    }
  }
}

// Our CRC-32 gives what ntdll's gives, fed the same random blocks.
TEST(SystemHashTest, OurCrc32AgreesWithTheSystems) {
  std::mt19937 random(13);
  for (int round = 0; round < 40; ++round) {
    std::vector<uint8_t> bytes(std::uniform_int_distribution<size_t>(0, 200000)(random));
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    std::unique_ptr<SystemHash> ours = MakeSystemHash(HashKind::Crc32);
    std::unique_ptr<SystemHash> system = MakeNtdllCrc32();
    ASSERT_TRUE(system);
    for (size_t at = 0; at < bytes.size();) {
      const size_t count =
          std::min(bytes.size() - at, std::uniform_int_distribution<size_t>(0, 5000)(random));
      ours->Add({bytes.data() + at, count});
      system->Add({bytes.data() + at, count});
      at += count;
    }
    EXPECT_EQ(HashText(ours->Finish()), HashText(system->Finish())) << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace vx
