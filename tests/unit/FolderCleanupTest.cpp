#include "common/FolderCleanup.h"

#include "SimFixture.h"
#include "platform/FileSystem.h"

namespace {

using common::DeleteFolderContents;
using sim::Files;

class FolderCleanupTest : public SimFilesTest {
 protected:
  void Unpack() {
    Files().WriteFile("C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL", "x64");
    Files().WriteFile("C:\\T\\Vey2020\\Windows x64\\KDR270.GPD", "gpd");
    Files().WriteFile("C:\\T\\Vey2020\\Windows NT x86\\UNIDRV.DLL", "x86");
    Files().WriteFile("C:\\T\\Vey2020\\stale.txt", "old");
  }
};

TEST_F(FolderCleanupTest, EmptiesTheFolderDepthFirstAndKeepsTheFolderItself) {
  Unpack();
  DeleteFolderContents("C:\\T\\Vey2020");
  EXPECT_TRUE(Files().Exists("C:\\T\\Vey2020"));
  EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\Windows x64"));
  EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\Windows NT x86"));
  EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\stale.txt"));
}

TEST_F(FolderCleanupTest, AReadOnlyFileSurvivesWithTheFoldersAboveIt) {
  Unpack();
  ASSERT_TRUE(platform::SetPathAttributes("C:\\T\\Vey2020\\Windows x64\\KDR270.GPD",
                                          platform::kFileAttributeReadOnly));
  DeleteFolderContents("C:\\T\\Vey2020");
  EXPECT_TRUE(Files().Exists("C:\\T\\Vey2020\\Windows x64\\KDR270.GPD"));
  EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL"));
  EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\Windows NT x86"));
  EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\stale.txt"));
}

TEST_F(FolderCleanupTest, ALinkInsideIsRemovedAsALinkAndNeverEntered) {
  Unpack();
  Files().WriteFile("C:\\Windows\\System32\\important.dll", "keep");
  ASSERT_TRUE(Files().MakeLink("C:\\T\\Vey2020\\Windows x64\\planted", "C:\\Windows\\System32"));
  ASSERT_TRUE(Files().MakeLink("C:\\T\\Vey2020\\top", "C:\\Windows"));
  DeleteFolderContents("C:\\T\\Vey2020");
  EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\Windows x64"));
  EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\top"));
  std::string bytes;
  EXPECT_TRUE(Files().ReadFile("C:\\Windows\\System32\\important.dll", &bytes));
  EXPECT_EQ(bytes, "keep");
}

TEST_F(FolderCleanupTest, AMissingFolderIsLeftAlone) {
  Files().WriteFile("C:\\T\\other.txt", "keep");
  DeleteFolderContents("C:\\T\\Vey2020");
  DeleteFolderContents("");
  DeleteFolderContents("C:\\");
  DeleteFolderContents("C:");
  EXPECT_TRUE(Files().Exists("C:\\T\\other.txt"));
}

TEST_F(FolderCleanupTest, AFailingDeleteDoesNotStopTheRest) {
  Unpack();
  sim::FailCall("DeleteFileA");  // the first file found
  DeleteFolderContents("C:\\T\\Vey2020");
  int left = 0;
  for (const char* f :
       {"C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL", "C:\\T\\Vey2020\\Windows x64\\KDR270.GPD",
        "C:\\T\\Vey2020\\Windows NT x86\\UNIDRV.DLL", "C:\\T\\Vey2020\\stale.txt"})
    left += Files().Exists(f) ? 1 : 0;
  EXPECT_EQ(left, 1);
}

}  // namespace
