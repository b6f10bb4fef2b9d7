// Every unit test starts from an empty simulated machine.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/sim/SimCore.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMachine.h"

// A host folder of the running test's own below the build tree's scratch
// space, under `area`, emptied and made anew.
inline std::string FreshScratchFolder(const std::string& area) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "." + test->name();
  for (char& c : name)
    if (c == '/') c = '_';  // parameterised tests
  const std::string folder = std::string(KDR_SCRATCH_DIR) + "/" + area + "/" + name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

// Fails the running test for every handle of the simulated machine that is
// still open: registry keys, printers, device-information sets, printer
// device contexts, files and searches. A test of several scenarios calls it
// after each; every test is held to it once more at its end.
inline void ExpectNoOpenHandles(const std::string& where = std::string()) {
  EXPECT_EQ(sim::Registry().OpenKeyCount(), 0) << where;
  EXPECT_EQ(sim::Spooler().openPrinterHandles, 0) << where;
  EXPECT_EQ(sim::Devices().openSets, 0) << where;
  EXPECT_EQ(sim::Logs().openDeviceContexts, 0) << where;
  EXPECT_TRUE(sim::Files().openFiles.empty()) << where;
  EXPECT_EQ(sim::Files().openSearches, 0) << where;
}

class SimTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::ResetMachine(); }
  void TearDown() override {
    ExpectNoOpenHandles("at the end of the test");
    sim::ResetMachine();
  }
};

// A simulated machine whose file system lives in a fresh host folder of
// this test's own, removed again afterwards.
class SimFilesTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    hostRoot_ = FreshScratchFolder("files");
    sim::Files().SetHostRoot(hostRoot_);
    sim::Files().MakeDirs("C:\\");
  }
  void TearDown() override {
    SimTest::TearDown();
    std::error_code ignored;
    std::filesystem::remove_all(hostRoot_, ignored);
  }

  std::string hostRoot_;
};
