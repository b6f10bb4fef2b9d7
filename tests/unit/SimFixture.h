// Every unit test starts from an empty simulated machine.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/sim/SimCore.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMachine.h"

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
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    hostRoot_ = std::string(KDR_SCRATCH_DIR) + "/" + info->test_suite_name() + "." + info->name();
    std::filesystem::remove_all(hostRoot_);
    std::filesystem::create_directories(hostRoot_);
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
