// The zip reader's tests: a fresh simulated file system whose base folder
// is C:\T\X\, and archives built in memory.
#pragma once
#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "SimFixture.h"
#include "ZipReaderArchiveBuilder.h"
#include "package/ZipReader.h"
#include "platform/FileSystem.h"

class ZipReaderTest : public SimFilesTest {
 protected:
  void SetUp() override {
    SimFilesTest::SetUp();
    sim::Files().MakeDirs("C:\\T");
  }

  // Opens `archive` (kept alive by the fixture) with base folder C:\T\X\.
  std::unique_ptr<package::ZipReader> Open(const std::string& archive) {
    archives_.push_back(std::make_unique<std::string>(archive));
    auto reader = package::ZipReader::OpenFromMemory(archives_.back()->data(),
                                                     static_cast<uint32_t>(archive.size()));
    if (reader) reader->SetBaseFolder("C:\\T\\X\\");
    return reader;
  }
  std::unique_ptr<package::ZipReader> Open(const std::vector<ziptest::ZipEntrySpec>& entries) {
    const std::string archive = ziptest::BuildArchive(entries);
    EXPECT_FALSE(archive.empty());
    return Open(archive);
  }

  // Describes entry `index` and extracts it under the reported name, as the
  // package extraction does.
  package::ZipResult DescribeAndExtract(package::ZipReader* reader, int32_t index) {
    package::ZipEntryInfo info;
    info.name[0] = '\0';
    reader->GetEntryInfo(index, &info);
    return reader->ExtractEntry(index, info.name);
  }

  std::string Read(const std::string& windowsPath) {
    std::string bytes;
    EXPECT_TRUE(sim::Files().ReadFile(windowsPath, &bytes)) << windowsPath;
    return bytes;
  }

  // Every file and folder on the host below the sim root, as paths relative
  // to it with '/', links not followed.
  std::set<std::string> HostTree() {
    std::set<std::string> tree;
    namespace fs = std::filesystem;
    for (auto it = fs::recursive_directory_iterator(hostRoot_); it != fs::end(it); ++it)
      tree.insert(fs::relative(it->path(), hostRoot_).generic_string());
    return tree;
  }

  std::vector<std::unique_ptr<std::string>> archives_;
};

// A stored name written with '\', rewritten with '/': one table for both.
inline std::string WithSlashes(std::string s) {
  std::replace(s.begin(), s.end(), '\\', '/');
  return s;
}
