// The Windows path table over the simulated file system, in both of its
// stores: the host folder the unit tests use and the memory the fuzz target
// uses. The same table runs over the real calls under Wine
// (tests/e2e/programs/path_cases.cpp).
#include <gtest/gtest.h>

#include "SimFixture.h"
#include "tests/paths/WindowsPathCases.h"

namespace {

class WindowsPathCasesTest : public SimFilesTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    SimFilesTest::SetUp();
    if (GetParam()) sim::Files().UseMemoryStore();
    sim::Files().MakeDirs("C:\\");
    ASSERT_TRUE(pathcases::PrepareTree());
  }
};

TEST_P(WindowsPathCasesTest, EachCaseResolvesAndLandsAsOnWindows) {
  for (const auto& c : pathcases::Cases()) {
    const pathcases::Observed o = pathcases::Observe(c);
    EXPECT_EQ(o.full, c.full) << c.what << ": " << c.path;
    EXPECT_EQ(o.lands, c.lands) << c.what << ": " << c.path;
  }
  EXPECT_TRUE(sim::Files().openFiles.empty());
  EXPECT_EQ(sim::Files().openSearches, 0);
}

// The two names of the issue that started this table, from the driver
// package itself: one file, not three.
TEST_P(WindowsPathCasesTest, TrailingDotsAndSpacesNameOneFile) {
  platform::FileHandle h = platform::CreateFileForWriting("C:\\T\\base\\KDR270.DLL. ", 0x20);
  ASSERT_NE(h, platform::kInvalidFileHandle);
  platform::CloseFile(h);
  EXPECT_NE(platform::GetPathAttributes("C:\\T\\base\\KDR270.DLL"),
            platform::kInvalidFileAttributes);
  EXPECT_NE(platform::GetPathAttributes("C:\\T\\base\\kdr270.dll."),
            platform::kInvalidFileAttributes);
  EXPECT_TRUE(platform::RemoveFile("C:\\T\\base\\KDR270.DLL "));
  EXPECT_EQ(platform::GetPathAttributes("C:\\T\\base\\KDR270.DLL"),
            platform::kInvalidFileAttributes);
}

// A device opens as a device: the sim records it, so a check of "nothing
// outside the folder" can count it.
TEST_P(WindowsPathCasesTest, ADeviceNameOpensTheDevice) {
  const platform::FileHandle h = platform::CreateFileForWriting("C:\\T\\base\\com1.txt", 0x20);
  ASSERT_NE(h, platform::kInvalidFileHandle);
  EXPECT_TRUE(platform::WriteToFile(h, "x", 1));
  platform::CloseFile(h);
  ASSERT_EQ(sim::Files().deviceOpens.size(), 1u);
  EXPECT_EQ(sim::Files().deviceOpens[0], "com1");
  EXPECT_FALSE(platform::MakeDirectory("C:\\T\\base\\aux"));
}

// What the fuzz target's check rests on: in either store a link inside the
// folder leads outside it, shows as a reparse point, and goes as a link.
TEST_P(WindowsPathCasesTest, ALinkLeadsWhereItPoints) {
  ASSERT_TRUE(sim::Files().MakeDirs("C:\\T\\outside"));
  ASSERT_TRUE(sim::Files().MakeLink("C:\\T\\base\\lnk", "C:\\T\\outside"));
  EXPECT_EQ(platform::GetPathAttributes("C:\\T\\base\\lnk"),
            platform::kFileAttributeDirectory | platform::kFileAttributeReparsePoint);
  const platform::FileHandle h = platform::CreateFileForWriting("C:\\T\\base\\LNK\\x.txt", 0x20);
  ASSERT_NE(h, platform::kInvalidFileHandle);
  platform::CloseFile(h);
  EXPECT_TRUE(sim::Files().Exists("C:\\T\\outside\\x.txt"));
  EXPECT_TRUE(platform::RemoveFile("C:\\T\\outside\\x.txt"));
  EXPECT_TRUE(platform::RemoveEmptyDirectory("C:\\T\\base\\lnk"));
  EXPECT_TRUE(sim::Files().Exists("C:\\T\\outside"));
  EXPECT_FALSE(sim::Files().Exists("C:\\T\\base\\lnk"));
}

INSTANTIATE_TEST_SUITE_P(Stores, WindowsPathCasesTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Memory" : "HostFolder";
                         });

}  // namespace
