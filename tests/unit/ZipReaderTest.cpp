#include "package/ZipReader.h"

#include <cstring>

#include "ZipReaderFixture.h"

namespace {

using namespace package;
using ziptest::ZipEntrySpec;

ZipEntrySpec FileEntry(const std::string& name, const std::string& data) {
  ZipEntrySpec e;
  e.name = name;
  e.data = data;
  return e;
}

TEST_F(ZipReaderTest, RefusesWhatIsNoArchive) {
  const std::string archive = ziptest::BuildArchive({FileEntry("a.txt", "alpha")});
  ASSERT_FALSE(archive.empty());
  EXPECT_EQ(ZipReader::OpenFromMemory(nullptr, 100), nullptr);
  EXPECT_EQ(ZipReader::OpenFromMemory(archive.data(), 0), nullptr);
  const std::string noise(4096, 'x');
  EXPECT_EQ(ZipReader::OpenFromMemory(noise.data(), static_cast<uint32_t>(noise.size())), nullptr);
  // Cut anywhere: the end record, or a field minizip reads from it, is
  // missing, and a read past the block is no zero byte.
  for (size_t cut = 1; cut < archive.size(); ++cut) {
    EXPECT_EQ(
        ZipReader::OpenFromMemory(archive.data(), static_cast<uint32_t>(archive.size() - cut)),
        nullptr)
        << cut;
  }
  // An end record claiming more entries than its block can hold.
  std::string inflated = archive;
  const size_t end = inflated.rfind("PK\x05\x06");
  ASSERT_NE(end, std::string::npos);
  inflated[end + 8] = inflated[end + 10] = '\xFF';
  inflated[end + 9] = inflated[end + 11] = '\x7F';
  EXPECT_EQ(Open(inflated), nullptr);
}

TEST_F(ZipReaderTest, AnEmptyArchiveHasNoEntries) {
  auto reader = Open(std::vector<ZipEntrySpec>{});
  ASSERT_NE(reader, nullptr);
  ZipEntryInfo info;
  info.index = 77;
  ASSERT_EQ(reader->GetEntryInfo(-1, &info), ZipOk);
  EXPECT_EQ(info.index, 0);
  EXPECT_EQ(reader->GetEntryInfo(0, &info), ZipBadIndex);
  EXPECT_EQ(reader->ExtractEntry(0, "a.txt"), ZipBadIndex);
  EXPECT_EQ(reader->Close(), ZipOk);
}

TEST_F(ZipReaderTest, IndexMinusOneDescribesTheArchiveAndOthersOutOfRangeAreRefused) {
  auto reader = Open({FileEntry("a.txt", "alpha"), FileEntry("b.txt", "beta")});
  ASSERT_NE(reader, nullptr);
  ZipEntryInfo info;
  ASSERT_EQ(reader->GetEntryInfo(1, &info), ZipOk);  // something cached
  ASSERT_EQ(reader->GetEntryInfo(-1, &info), ZipOk);
  EXPECT_EQ(info.index, 2);
  EXPECT_STREQ(info.name, "");
  EXPECT_EQ(info.attributes, 0u);
  EXPECT_EQ(info.accessTime, 0u);
  EXPECT_EQ(info.creationTime, 0u);
  EXPECT_EQ(info.writeTime, 0u);
  EXPECT_EQ(info.compressedSize, 0u);
  EXPECT_EQ(info.uncompressedSize, 0u);
  EXPECT_EQ(info.crc32, 0u);

  for (int32_t bad : {-2, 2, INT32_MIN, INT32_MAX}) {
    ZipEntryInfo untouched;
    std::strcpy(untouched.name, "keep");
    untouched.index = 5;
    EXPECT_EQ(reader->GetEntryInfo(bad, &untouched), ZipBadIndex) << bad;
    EXPECT_STREQ(untouched.name, "keep");
    EXPECT_EQ(untouched.index, 5);
    EXPECT_EQ(reader->ExtractEntry(bad, "a.txt"), ZipBadIndex) << bad;
  }
  EXPECT_EQ(reader->ExtractEntry(-1, "a.txt"), ZipBadIndex);
}

TEST_F(ZipReaderTest, DescribesEntriesInAnyOrder) {
  std::vector<ZipEntrySpec> entries;
  for (int i = 0; i < 5; ++i)
    entries.push_back(FileEntry("f" + std::to_string(i), std::string(i, 'z')));
  auto reader = Open(entries);
  ASSERT_NE(reader, nullptr);
  for (int32_t i : {3, 1, 4, 0, 0, 2, 4}) {
    ZipEntryInfo info;
    ASSERT_EQ(reader->GetEntryInfo(i, &info), ZipOk);
    EXPECT_EQ(info.index, i);
    EXPECT_EQ(std::string(info.name), "f" + std::to_string(i));
    EXPECT_EQ(info.uncompressedSize, static_cast<uint32_t>(i));
    EXPECT_EQ(info.crc32, ziptest::Crc32(std::string(i, 'z')));
  }
  // Extraction after describing other entries still writes its own data.
  EXPECT_EQ(reader->ExtractEntry(3, "f3"), ZipOk);
  EXPECT_EQ(Read("C:\\T\\X\\f3"), "zzz");
}

// Every stored name, with '\' and again with '/': what the rules leave, or
// refusal with nothing written.
TEST_F(ZipReaderTest, NameRulesAndRefusedNames) {
  struct Case {
    const char* stored;
    const char* reported;  // nullptr: refused
  };
  const Case cases[] = {
      {"C:\\dir\\f.txt", "dir\\f.txt"},
      {"\\\\two\\f.txt", "two\\f.txt"},
      {"\\abs\\f", "abs\\f"},
      {"a\\..\\b\\c", "b\\c"},
      {"a\\b\\..\\c", "c"},
      {"x\\..\\y", "y"},
      {"\\\\server\\share\\x", "server\\share\\x"},
      {"C:x", "x"},
      {"C:C:\\x", "x"},
      {"x:stream", "stream"},
      {"plain.txt", "plain.txt"},
      {"..\\x", nullptr},
      {"a\\..\\..\\x", nullptr},
      {"a\\..", nullptr},
      {"..", nullptr},
      {".. \\x", nullptr},
      {"a\\...\\x", nullptr},
      {"dir\\x:stream", nullptr},
      {"dir\\", nullptr},
      {"", nullptr},
      {"CON", nullptr},
      {"dir\\nul.txt", nullptr},
      {"Lpt1 .log", nullptr},
      {"COM9", nullptr},
  };
  std::vector<ZipEntrySpec> entries;
  std::vector<std::pair<std::string, const char*>> expected;
  for (const auto& c : cases) {
    for (const std::string& stored : {std::string(c.stored), WithSlashes(c.stored)}) {
      entries.push_back(FileEntry(stored, "row " + std::to_string(entries.size())));
      expected.emplace_back(stored, c.reported);
    }
  }
  // Mixed separators around "..".
  entries.push_back(FileEntry("a\\../m1", "mixed"));
  expected.emplace_back("a\\../m1", "m1");
  entries.push_back(FileEntry("a/..\\m2", "mixed"));
  expected.emplace_back("a/..\\m2", "m2");

  auto reader = Open(entries);
  ASSERT_NE(reader, nullptr);
  for (size_t i = 0; i < entries.size(); ++i) {
    const auto& [stored, reported] = expected[i];
    const int32_t index = static_cast<int32_t>(i);
    SCOPED_TRACE("stored name '" + stored + "'");
    ZipEntryInfo info;
    std::strcpy(info.name, "untouched");
    const ZipResult described = reader->GetEntryInfo(index, &info);
    if (reported == nullptr) {
      EXPECT_EQ(described, ZipCannotOpen);
      EXPECT_STREQ(info.name, "untouched");
      EXPECT_EQ(reader->ExtractEntry(index, ""), ZipCannotOpen);
      EXPECT_EQ(reader->ExtractEntry(index, stored), ZipCannotOpen);
      continue;
    }
    ASSERT_EQ(described, ZipOk);
    const std::string want =
        stored.find('/') != std::string::npos && stored.find('\\') == std::string::npos
            ? WithSlashes(reported)
            : std::string(reported);
    EXPECT_EQ(std::string(info.name), want);
    EXPECT_EQ(reader->ExtractEntry(index, info.name), ZipOk);
    EXPECT_EQ(Read("C:\\T\\X\\" + std::string(reported)), entries[i].data);
  }
  // Only what the accepted names made, all below the base folder.
  for (const auto& path : HostTree()) {
    if (path != "c" && path != "c/T") {
      EXPECT_EQ(path.rfind("c/T/X", 0), 0u) << path;
    }
  }
}

TEST_F(ZipReaderTest, TheCallersNameIsHeldToTheSameRules) {
  auto reader = Open({FileEntry("f.txt", "data")});
  ASSERT_NE(reader, nullptr);
  for (const char* name : {"..\\f.txt", "sub\\..\\..\\f.txt", "C:\\T\\f.txt", "C:f.txt", "\\f.txt",
                           "/f.txt", "\\\\server\\share\\f.txt", "f.txt:stream", "sub\\", "aux"}) {
    EXPECT_EQ(reader->ExtractEntry(0, name), ZipCannotOpen) << name;
  }
  EXPECT_EQ(HostTree(), (std::set<std::string>{"c", "c/T"}));
  EXPECT_EQ(reader->ExtractEntry(0, "sub\\f.txt"), ZipOk);
  EXPECT_EQ(Read("C:\\T\\X\\sub\\f.txt"), "data");
}

TEST_F(ZipReaderTest, AttributesByHost) {
  struct Case {
    uint32_t versionMadeBy;
    uint32_t external;
    uint32_t attributes;
  };
  const Case cases[] = {
      {0x0014, 0x20, 0x20},        // MS-DOS, archive
      {0x0014, 0x10, 0x10},        // MS-DOS folder, no archive bit
      {0x0014, 0x21, 0x21},        // read-only and archive
      {0x0014, 0x07, 0x07},        // read-only, hidden, system
      {0x0B14, 0x22, 0x22},        // NTFS: low byte too
      {0x0E14, 0x01, 0x01},        // VFAT
      {0x0314, 0x81A40000, 0x20},  // Unix 0100644: owner may write
      {0x0314, 0x81240000, 0x21},  // Unix 0100444: read-only
      {0x0314, 0x41ED0000, 0x30},  // Unix 040755: folder
      {0x0314, 0x81A40001, 0x20},  // the low byte means nothing on Unix
      {0x0314, 0x00000000, 0x21},  // no mode at all
  };
  std::vector<ZipEntrySpec> entries;
  for (const auto& c : cases) {
    ZipEntrySpec e = FileEntry("e" + std::to_string(entries.size()) + "/", "");
    e.versionMadeBy = c.versionMadeBy;
    e.externalAttributes = c.external;
    entries.push_back(e);
  }
  auto reader = Open(entries);
  ASSERT_NE(reader, nullptr);
  for (size_t i = 0; i < entries.size(); ++i) {
    ZipEntryInfo info;
    // Names end in '/': a file among them has no leaf and is refused, so
    // folders are described and files are not.
    const ZipResult result = reader->GetEntryInfo(static_cast<int32_t>(i), &info);
    if (cases[i].attributes & 0x10) {
      ASSERT_EQ(result, ZipOk) << i;
      EXPECT_EQ(info.attributes, cases[i].attributes) << i;
    } else {
      EXPECT_EQ(result, ZipCannotOpen) << i;
    }
  }
  // The same table for files, whose attributes land on the written file.
  entries.clear();
  for (const auto& c : cases) {
    ZipEntrySpec e = FileEntry("f" + std::to_string(entries.size()), "x");
    e.versionMadeBy = c.versionMadeBy;
    e.externalAttributes = c.external;
    entries.push_back(e);
  }
  reader = Open(entries);
  ASSERT_NE(reader, nullptr);
  for (size_t i = 0; i < entries.size(); ++i) {
    ZipEntryInfo info;
    ASSERT_EQ(reader->GetEntryInfo(static_cast<int32_t>(i), &info), ZipOk) << i;
    EXPECT_EQ(info.attributes, cases[i].attributes) << i;
    if (cases[i].attributes & 0x10) continue;
    ASSERT_EQ(reader->ExtractEntry(static_cast<int32_t>(i), info.name), ZipOk) << i;
    const uint32_t onDisk = platform::GetPathAttributes("C:\\T\\X\\" + entries[i].name);
    EXPECT_EQ(onDisk, cases[i].attributes) << i;
  }
}

TEST_F(ZipReaderTest, AFolderEntryMakesItsFolderAndNoFile) {
  auto reader = Open({ziptest::FolderEntry("Windows x64/")});
  ASSERT_NE(reader, nullptr);
  ZipEntryInfo info;
  ASSERT_EQ(reader->GetEntryInfo(0, &info), ZipOk);
  EXPECT_EQ(info.attributes, 0x10u);
  EXPECT_STREQ(info.name, "Windows x64/");
  EXPECT_EQ(reader->ExtractEntry(0, info.name), ZipOk);
  EXPECT_EQ(platform::GetPathAttributes("C:\\T\\X\\Windows x64"),
            platform::kFileAttributeDirectory);
  EXPECT_EQ(HostTree(), (std::set<std::string>{"c", "c/T", "c/T/X", "c/T/X/Windows x64"}));
  EXPECT_EQ(sim::CountCalls("CreateFileA"), 0u);
  EXPECT_EQ(sim::CountCalls("SetFileTime"), 0u);
  // Again: the folder is there and stays.
  EXPECT_EQ(reader->ExtractEntry(0, info.name), ZipOk);
}

TEST_F(ZipReaderTest, AFileEntryBelowANewFolder) {
  const std::string dll = ziptest::DriverLikeBytes(100000, 7);
  auto reader = Open({FileEntry("Windows NT x86/UNIDRV.DLL", dll)});
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(DescribeAndExtract(reader.get(), 0), ZipOk);
  EXPECT_EQ(Read("C:\\T\\X\\Windows NT x86\\UNIDRV.DLL"), dll);
  EXPECT_EQ(platform::GetPathAttributes("C:\\T\\X\\Windows NT x86"),
            platform::kFileAttributeDirectory);
  EXPECT_TRUE(sim::CalledBefore("CreateDirectoryA", "CreateFileA"));
  EXPECT_EQ(sim::CountCalls("CreateDirectoryA"), 2u);  // the base folder, then its child
}

TEST_F(ZipReaderTest, ExtractingTwiceReplacesTheFile) {
  auto reader = Open({FileEntry("d/f.txt", "fresh")});
  ASSERT_NE(reader, nullptr);
  ASSERT_EQ(DescribeAndExtract(reader.get(), 0), ZipOk);
  sim::Files().WriteFile("C:\\T\\X\\d\\f.txt", "changed and longer");
  EXPECT_EQ(DescribeAndExtract(reader.get(), 0), ZipOk);
  EXPECT_EQ(Read("C:\\T\\X\\d\\f.txt"), "fresh");
}

TEST_F(ZipReaderTest, AReadOnlyFileAtTheTargetStays) {
  sim::Files().WriteFile("C:\\T\\X\\f.txt", "old");
  ASSERT_TRUE(platform::SetPathAttributes("C:\\T\\X\\f.txt", platform::kFileAttributeReadOnly));
  auto reader = Open({FileEntry("f.txt", "new")});
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(DescribeAndExtract(reader.get(), 0), ZipCannotOpen);
  EXPECT_EQ(Read("C:\\T\\X\\f.txt"), "old");
  EXPECT_EQ(platform::GetPathAttributes("C:\\T\\X\\f.txt"), platform::kFileAttributeReadOnly);
  EXPECT_EQ(sim::CountCalls("DeleteFileA"), 0u);
}

TEST_F(ZipReaderTest, TheBaseFolderStartsAsTheCurrentDirectory) {
  sim::Files().MakeDirs("C:\\T\\Cur");
  ASSERT_TRUE(platform::SetCurrentDirectoryPath("C:\\T\\Cur"));
  const std::string archive = ziptest::BuildArchive({FileEntry("f.txt", "here")});
  auto reader = ZipReader::OpenFromMemory(archive.data(), static_cast<uint32_t>(archive.size()));
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(DescribeAndExtract(reader.get(), 0), ZipOk);
  EXPECT_EQ(Read("C:\\T\\Cur\\f.txt"), "here");
  // A base folder given with '/' keeps it and gets no second separator.
  EXPECT_EQ(reader->SetBaseFolder("C:\\T\\Y/"), ZipOk);
  EXPECT_EQ(DescribeAndExtract(reader.get(), 0), ZipOk);
  EXPECT_EQ(Read("C:\\T\\Y\\f.txt"), "here");
}

TEST_F(ZipReaderTest, SystemFailuresBecomeResults) {
  struct Case {
    const char* call;
    ZipResult result;
  };
  const Case cases[] = {
      {"CreateDirectoryA", ZipCannotOpen},
      {"CreateFileA", ZipCannotOpen},
      {"WriteFile", ZipWriteFailed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.call);
    auto reader = Open({FileEntry("sub/f.txt", ziptest::DriverLikeBytes(40000, 3))});
    ASSERT_NE(reader, nullptr);
    sim::FailAlways(c.call);
    EXPECT_EQ(DescribeAndExtract(reader.get(), 0), c.result);
    sim::ResetMachine();
    EXPECT_FALSE(sim::Files().Exists("C:\\T\\X\\sub\\f.txt"));
    std::filesystem::remove_all(hostRoot_ + "/c/T/X");
  }
  // A folder entry whose folder cannot be made says so.
  auto reader = Open({ziptest::FolderEntry("dir/")});
  ASSERT_NE(reader, nullptr);
  sim::FailAlways("CreateDirectoryA");
  EXPECT_EQ(DescribeAndExtract(reader.get(), 0), ZipCannotOpen);
}

}  // namespace
