#include "common/reg_keys.h"

#include <gtest/gtest.h>

#include <map>

namespace vx {
namespace {

using Keys = std::vector<std::wstring>;

TEST(RegKeys, WithoutLeadingMarkDropsOneLeadingMark) {
  EXPECT_EQ(WithoutLeadingMark(L"\\\\Software\\"), L"\\Software\\");
  EXPECT_EQ(WithoutLeadingMark(L"\\Software"), L"Software");
  EXPECT_EQ(WithoutLeadingMark(L"Software\\"), L"Software\\");
  EXPECT_EQ(WithoutLeadingMark(L""), L"");
}

// A registry tree as enumeration would report it: key path -> child names.
class RecordedTree {
 public:
  explicit RecordedTree(std::map<std::wstring, Keys> children) : children_(std::move(children)) {}
  SubKeyLister Lister() {
    return [this](const std::wstring& key) {
      asked_.push_back(key);
      const auto found = children_.find(key);
      return found == children_.end() ? Keys() : found->second;
    };
  }
  const Keys& asked() const { return asked_; }

 private:
  std::map<std::wstring, Keys> children_;
  Keys asked_;
};

Keys CollectAndOrder(RecordedTree& tree, const std::wstring& key_path) {
  Keys collected;
  CollectKeysBelow(key_path, tree.Lister(), collected);
  return DeepestFirst(collected);
}

TEST(RegKeys, ChildrenComeBeforeGrandchildrenAndTheDeepestAreHandedBackFirst) {
  RecordedTree small({{L"K", {L"A", L"B"}}, {L"K\\A", {L"A1"}}});
  EXPECT_EQ(CollectAndOrder(small, L"K"), (Keys{L"K\\A\\A1", L"K\\A", L"K\\B"}));

  RecordedTree tree({{L"R", {L"A", L"B", L"C"}},
                     {L"R\\A", {L"A1", L"A2"}},
                     {L"R\\A\\A1", {L"X"}},
                     {L"R\\B", {L"B1"}}});
  Keys collected;
  CollectKeysBelow(L"R", tree.Lister(), collected);
  EXPECT_EQ(collected, (Keys{L"R\\A", L"R\\B", L"R\\C", L"R\\A\\A1", L"R\\A\\A2", L"R\\A\\A1\\X",
                             L"R\\B\\B1"}));
  EXPECT_EQ(DeepestFirst(collected), (Keys{L"R\\A\\A1\\X", L"R\\A\\A1", L"R\\A\\A2", L"R\\B\\B1",
                                           L"R\\A", L"R\\B", L"R\\C"}));
}

TEST(RegKeys, AKeyWithoutChildrenGivesNothing) {
  RecordedTree empty({});
  EXPECT_TRUE(CollectAndOrder(empty, L"K").empty());
}

TEST(RegKeys, AKeyEndingInAMarkJoinsItsChildrenWithADoubledOne) {
  RecordedTree tree({{L"\\K\\", {L"A"}}, {L"\\K\\\\A", {L"B"}}});
  EXPECT_EQ(CollectAndOrder(tree, L"\\K\\"), (Keys{L"\\K\\\\A\\B", L"\\K\\\\A"}));
  EXPECT_EQ(tree.asked(), (Keys{L"\\K\\", L"\\K\\\\A", L"\\K\\\\A\\B"}));
}

}  // namespace
}  // namespace vx
