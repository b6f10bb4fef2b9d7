#include "package/PackageExtraction.h"

#include <zip.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#include "SimFixture.h"
#include "platform/FileSystem.h"

namespace {

using package::ExtractDriverPackage;
using sim::Files;

// A zip archive in memory, made with minizip's zip half: folder entries end
// in '/', everything else is a file.
std::string MakeArchive(const std::vector<std::pair<std::string, std::string>>& entries,
                        const std::string& scratch) {
  const std::string path = scratch + "/archive.zip";
  zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
  for (const auto& e : entries) {
    zip_fileinfo info = {};
    const bool folder = !e.first.empty() && e.first.back() == '/';
    info.external_fa = folder ? 0x10 : 0x20;
    zipOpenNewFileInZip(zip, e.first.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                        folder ? 0 : Z_DEFLATED, Z_DEFAULT_COMPRESSION);
    if (!folder) zipWriteInFileInZip(zip, e.second.data(), static_cast<unsigned>(e.second.size()));
    zipCloseFileInZip(zip);
  }
  zipClose(zip, nullptr);
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class PackageExtractionTest : public SimFilesTest {
 protected:
  void SetUp() override {
    SimFilesTest::SetUp();
    Files().tempPath = "C:\\T\\";
    Files().MakeDirs("C:\\T");
    Files().MakeDirs("C:\\Start");
    Files().currentDirectory = "C:\\Start";
    for (auto [id, tag] : {std::pair<uint32_t, std::string>{129, "zh"}, {138, "en"}}) {
      sim::Resources().Put(id, "ZIP",
                           MakeArchive({{"Windows x64/", ""},
                                        {"Windows x64/UNIDRV.DLL", "x64 unidrv"},
                                        {"Windows x64/KDR270.DLL", "x64 " + tag},
                                        {"Windows NT x86/", ""},
                                        {"Windows NT x86/KDR270.DLL", "x86 " + tag}},
                                       hostRoot_));
    }
  }

  static std::vector<std::string> Paths(const package::PackageFolder& package) {
    std::vector<std::string> paths;
    for (const auto& file : package.unpackedFiles) paths.push_back(file.path);
    return paths;
  }

  static std::string Read(const std::string& path) {
    std::string bytes;
    return Files().ReadFile(path, &bytes) ? bytes : "<missing>";
  }
};

TEST_F(PackageExtractionTest, UnpacksTheArchiveOfTheLanguageIntoTheFolderAndEntersIt) {
  const struct {
    int32_t language;
    const char* tag;
  } cases[] = {{2052, "zh"}, {1033, "en"}, {1028, "en"}, {4100, "en"}};
  for (const auto& c : cases) {
    Files().currentDirectory = "C:\\Start";
    auto package = ExtractDriverPackage(c.language);
    EXPECT_TRUE(package.entered);
    EXPECT_EQ(package.path, "C:\\T\\Vey2020\\");
    EXPECT_EQ(Files().currentDirectory, "C:\\T\\Vey2020");
    EXPECT_EQ(Read("C:\\T\\Vey2020\\Windows x64\\KDR270.DLL"), std::string("x64 ") + c.tag);
    EXPECT_EQ(Read("C:\\T\\Vey2020\\Windows NT x86\\KDR270.DLL"), std::string("x86 ") + c.tag);
    EXPECT_EQ(Paths(package),
              (std::vector<std::string>{"Windows x64\\UNIDRV.DLL", "Windows x64\\KDR270.DLL",
                                        "Windows NT x86\\KDR270.DLL"}))
        << c.language;
    // What the archive says of each file is what was written.
    for (const auto& file : package.unpackedFiles) {
      const std::string bytes = Read("C:\\T\\Vey2020\\" + file.path);
      EXPECT_EQ(file.bytes, bytes) << file.path;
      EXPECT_EQ(file.size, bytes.size()) << file.path;
      EXPECT_EQ(file.crc32, crc32(0, reinterpret_cast<const Bytef*>(bytes.data()),
                                  static_cast<uInt>(bytes.size())))
          << file.path;
    }
  }
  EXPECT_TRUE(sim::Logs().messageBoxes.empty());
}

TEST_F(PackageExtractionTest, ASecondStartReusesTheFolderAndClearsWhatWasLeft) {
  Files().WriteFile("C:\\T\\Vey2020\\Windows x64\\KDR270.DLL", "old");
  Files().WriteFile("C:\\T\\Vey2020\\Windows x64\\stale.dll", "planted");
  auto package = ExtractDriverPackage(1033);
  EXPECT_TRUE(package.entered);
  EXPECT_EQ(Read("C:\\T\\Vey2020\\Windows x64\\KDR270.DLL"), "x64 en");
  EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\Windows x64\\stale.dll"));
}

TEST_F(PackageExtractionTest, AReadOnlyFileLeftBehindIsSkippedAndNotCountedAsUnpacked) {
  Files().WriteFile("C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL", "planted");
  ASSERT_TRUE(platform::SetPathAttributes("C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL",
                                          platform::kFileAttributeReadOnly));
  auto package = ExtractDriverPackage(1033);
  EXPECT_EQ(Read("C:\\T\\Vey2020\\Windows x64\\UNIDRV.DLL"), "planted");
  EXPECT_EQ(Read("C:\\T\\Vey2020\\Windows x64\\KDR270.DLL"), "x64 en");
  EXPECT_EQ(Paths(package),
            (std::vector<std::string>{"Windows x64\\KDR270.DLL", "Windows NT x86\\KDR270.DLL"}));
}

TEST_F(PackageExtractionTest, AMissingOrEmptyResourceUnpacksNothingAndSaysNothing) {
  for (bool empty : {false, true}) {
    sim::Resources().resources.clear();
    if (empty) sim::Resources().Put(138, "ZIP", "");
    auto package = ExtractDriverPackage(1033);
    EXPECT_TRUE(package.entered);
    EXPECT_TRUE(package.unpackedFiles.empty());
    EXPECT_FALSE(Files().Exists("C:\\T\\Vey2020\\Windows x64"));
  }
  EXPECT_TRUE(sim::Logs().messageBoxes.empty());
}

TEST_F(PackageExtractionTest, ATempPathTooLongForTheFolderSkipsEverything) {
  // 252 characters of temp path + "Vey2020\" = 260: no room for the terminator.
  std::string temp = "C:\\" + std::string(248, 'a') + "\\";
  ASSERT_EQ(temp.size(), 252u);
  Files().tempPath = temp;
  auto package = ExtractDriverPackage(1033);
  EXPECT_FALSE(package.entered);
  EXPECT_EQ(Files().currentDirectory, "C:\\Start");
  EXPECT_EQ(sim::CountCalls("CreateDirectoryA"), 0u);
}

TEST_F(PackageExtractionTest, AFolderThatCannotBeMadeOrEnteredIsNotUsed) {
  for (const char* failing : {"CreateDirectoryA", "SetCurrentDirectoryA", "GetTempPathA"}) {
    sim::FailAlways(failing);
    Files().currentDirectory = "C:\\Start";
    auto package = ExtractDriverPackage(1033);
    EXPECT_FALSE(package.entered) << failing;
    EXPECT_EQ(Files().currentDirectory, "C:\\Start") << failing;
    EXPECT_TRUE(package.unpackedFiles.empty()) << failing;
    sim::ResetMachine();
    SetUp();
  }
}

TEST_F(PackageExtractionTest, APlantedLinkInPlaceOfTheFolderIsRemovedAndNeverFollowed) {
  Files().WriteFile("C:\\Windows\\System32\\drivers\\keep.sys", "system file");
  ASSERT_TRUE(Files().MakeLink("C:\\T\\Vey2020", "C:\\Windows\\System32"));
  auto package = ExtractDriverPackage(1033);
  EXPECT_TRUE(package.entered);
  EXPECT_EQ(platform::GetPathAttributes("C:\\T\\Vey2020") & platform::kFileAttributeReparsePoint,
            0u);
  EXPECT_EQ(Read("C:\\Windows\\System32\\drivers\\keep.sys"), "system file");
  EXPECT_FALSE(Files().Exists("C:\\Windows\\System32\\Windows x64"));
  EXPECT_EQ(Read("C:\\T\\Vey2020\\Windows x64\\KDR270.DLL"), "x64 en");
}

TEST_F(PackageExtractionTest, APlantedLinkInsideTheFolderIsNeitherWrittenThroughNorEmptied) {
  Files().WriteFile("C:\\Elsewhere\\keep.txt", "keep");
  ASSERT_TRUE(Files().MakeLink("C:\\T\\Vey2020\\Windows x64", "C:\\Elsewhere"));
  auto package = ExtractDriverPackage(1033);
  EXPECT_EQ(Read("C:\\Elsewhere\\keep.txt"), "keep");
  EXPECT_FALSE(Files().Exists("C:\\Elsewhere\\UNIDRV.DLL"));
  EXPECT_FALSE(Files().Exists("C:\\Elsewhere\\KDR270.DLL"));
}

}  // namespace
