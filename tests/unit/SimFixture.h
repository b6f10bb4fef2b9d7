// Every unit test starts from an empty simulated machine.
#pragma once
#include <gtest/gtest.h>

#include "platform/sim/SimCore.h"
#include "platform/sim/SimMachine.h"

class SimTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::ResetMachine(); }
  void TearDown() override { sim::ResetMachine(); }
};
