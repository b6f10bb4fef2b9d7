#include "platform/sim/SimCore.h"

#include "SimFixture.h"

namespace {

class SimCoreTest : public SimTest {};

TEST_F(SimCoreTest, FaultsFireAtTheirOwnOccurrences) {
  sim::FailCall("CopyFileA", 5, 1);
  sim::FailCall("CopyFileA", 32, 3);
  std::vector<bool> results;
  for (int i = 0; i < 4; ++i) results.push_back(sim::Enter("CopyFileA"));
  EXPECT_EQ(results, (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(sim::LastError(), 32u);
  EXPECT_TRUE(sim::Enter("DeleteFileA"));
}

TEST_F(SimCoreTest, AlwaysAndByNumber) {
  sim::FailAlways("RegOpenKeyExA", 2);
  EXPECT_FALSE(sim::Enter("RegOpenKeyExA"));
  EXPECT_FALSE(sim::Enter("RegOpenKeyExA"));
  sim::ResetMachine();
  EXPECT_TRUE(sim::Enter("RegOpenKeyExA"));

  sim::ResetMachine();
  sim::FailCallNumber(1, 87);
  EXPECT_TRUE(sim::Enter("A"));
  EXPECT_FALSE(sim::Enter("B"));
  EXPECT_EQ(sim::LastError(), 87u);
  EXPECT_TRUE(sim::Enter("C"));
  EXPECT_EQ(sim::CallLog(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_TRUE(sim::CalledBefore("A", "C"));
  EXPECT_FALSE(sim::CalledBefore("C", "A"));
}

}  // namespace
