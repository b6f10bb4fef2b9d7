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

class SimTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::ResetMachine(); }
  void TearDown() override { sim::ResetMachine(); }
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
