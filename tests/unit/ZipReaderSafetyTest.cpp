// What the reader refuses: links on the way, names and paths over the
// limit, and archives whose records cannot be trusted.
#include "ZipReaderFixture.h"

namespace {

using namespace package;
using ziptest::ZipEntrySpec;

ZipEntrySpec Entry(const std::string& name, const std::string& data = "data") {
  ZipEntrySpec e;
  e.name = name;
  e.data = data;
  return e;
}

// A relative name of exactly `length` bytes in folders of ten.
std::string NameOfLength(size_t length) {
  std::string name;
  while (name.size() + 10 < length) name += "segment09/";
  while (name.size() < length) name += 'f';
  return name;
}

void PutLittle16(std::string* bytes, size_t at, uint16_t value) {
  (*bytes)[at] = static_cast<char>(value & 0xFF);
  (*bytes)[at + 1] = static_cast<char>(value >> 8);
}

TEST_F(ZipReaderTest, NeverWritesThroughALink) {
  struct Case {
    const char* link;  // made a link to C:\T\Elsewhere
    const char* entry;
    bool folder;
  };
  const Case cases[] = {
      {"C:\\T\\X", "f.txt", false},           {"C:\\T\\X", "d/", true},
      {"C:\\T\\X\\sub", "sub/f.txt", false},  {"C:\\T\\X\\sub", "SUB/deeper/f.txt", false},
      {"C:\\T\\X\\sub", "sub/", true},        {"C:\\T\\X\\sub", "sub/deeper/", true},
      {"C:\\T\\X\\a\\b", "a/b/f.txt", false}, {"C:\\T\\X\\f.txt", "f.txt", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.link) + " for " + c.entry);
    sim::ResetMachine();
    std::filesystem::remove_all(hostRoot_ + "/c/T");
    sim::Files().MakeDirs("C:\\T\\Elsewhere");
    ASSERT_TRUE(sim::Files().MakeLink(c.link, "C:\\T\\Elsewhere"));
    auto reader = Open({c.folder ? ziptest::FolderEntry(c.entry) : Entry(c.entry)});
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(DescribeAndExtract(reader.get(), 0), ZipCannotOpen);
    EXPECT_TRUE(std::filesystem::is_empty(hostRoot_ + "/c/T/Elsewhere"));
    EXPECT_EQ(sim::CountCalls("CreateFileA"), 0u);
  }
  // A real folder beside a link is written as usual.
  auto reader = Open({Entry("a/f.txt", "fine")});
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(DescribeAndExtract(reader.get(), 0), ZipOk);
  EXPECT_EQ(Read("C:\\T\\X\\a\\f.txt"), "fine");
}

TEST_F(ZipReaderTest, NamesAndPathsOverTheLimitAreRefused) {
  // The base folder C:\T\X\ takes 7 of the 259 characters.
  struct Case {
    size_t length;
    ZipResult described;
    ZipResult extracted;
  };
  const Case cases[] = {
      {252, ZipOk, ZipOk},
      {253, ZipOk, ZipCannotOpen},
      {259, ZipOk, ZipCannotOpen},
      {260, ZipCannotOpen, ZipCannotOpen},
      {300, ZipCannotOpen, ZipCannotOpen},
      {4000, ZipCannotOpen, ZipCannotOpen},
  };
  std::vector<ZipEntrySpec> entries;
  for (const auto& c : cases) entries.push_back(Entry(NameOfLength(c.length)));
  auto reader = Open(entries);
  ASSERT_NE(reader, nullptr);
  for (size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(cases[i].length);
    ZipEntryInfo info;
    EXPECT_EQ(reader->GetEntryInfo(static_cast<int32_t>(i), &info), cases[i].described);
    if (cases[i].described == ZipOk) {
      EXPECT_EQ(std::string(info.name), entries[i].name);
    }
    EXPECT_EQ(reader->ExtractEntry(static_cast<int32_t>(i), entries[i].name), cases[i].extracted);
  }
  EXPECT_EQ(Read("C:\\T\\X\\" + entries[0].name), "data");
  EXPECT_EQ(sim::CountCalls("CreateFileA"), 1u);

  // A base folder that leaves no room refuses everything.
  EXPECT_EQ(reader->SetBaseFolder("C:\\T\\" + std::string(300, 'b')), ZipOk);
  EXPECT_EQ(reader->ExtractEntry(0, "f.txt"), ZipCannotOpen);
}

// Patched archives: each record that cannot be trusted fails its entry with
// nothing written, and the reader goes on with the others.
TEST_F(ZipReaderTest, RecordsThatCannotBeTrusted) {
  const std::string bytes = ziptest::DriverLikeBytes(5000, 2);
  const std::string archive = ziptest::BuildArchive(
      {Entry("first.bin", bytes), Entry("second.bin", bytes), Entry("third.bin", bytes)});
  ASSERT_FALSE(archive.empty());
  const size_t central = archive.find("PK\x01\x02");
  const size_t secondCentral = archive.find("PK\x01\x02", central + 4);
  ASSERT_NE(secondCentral, std::string::npos);
  // The first local header is at 0; its data starts at 30 + 9.
  struct Case {
    const char* what;
    std::string archive;
    ZipResult described;
    ZipResult extracted;
  };
  std::vector<Case> cases;
  {
    std::string a = archive;
    a[14] ^= 1;  // local CRC-32
    cases.push_back({"local header disagrees", a, ZipHeaderMismatch, ZipHeaderMismatch});
  }
  {
    std::string a = archive;
    a[0] = 'Q';
    cases.push_back({"no local header", a, ZipHeaderMismatch, ZipHeaderMismatch});
  }
  {
    std::string a = archive;
    PutLittle16(&a, 28, 0xFFFF);  // local extra field past the end
    cases.push_back({"local extra field cut off", a, ZipReadFailed, ZipReadFailed});
  }
  {
    // Without bzip2 support minizip hands such an entry over raw, unchecked.
    ZipEntrySpec first = Entry("first.bin", bytes);
    first.method = 0;
    std::string a =
        ziptest::BuildArchive({first, Entry("second.bin", bytes), Entry("third.bin", bytes)});
    PutLittle16(&a, 8, 12);  // bzip2, in both records
    PutLittle16(&a, a.find("PK\x01\x02") + 10, 12);
    cases.push_back({"a method other than stored or deflated", a, ZipOk, ZipInflateFailed});
  }
  {
    std::string a = archive;
    for (size_t i = 39; i < 39 + 40; ++i) a[i] = '\xFF';
    cases.push_back({"corrupt deflate data", a, ZipOk, ZipInflateFailed});
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    sim::ResetMachine();
    auto reader = Open(c.archive);
    ASSERT_NE(reader, nullptr);
    ZipEntryInfo info;
    EXPECT_EQ(reader->GetEntryInfo(0, &info), c.described);
    EXPECT_EQ(reader->ExtractEntry(0, "first.bin"), c.extracted);
    EXPECT_FALSE(sim::Files().Exists("C:\\T\\X\\first.bin"));
    EXPECT_EQ(DescribeAndExtract(reader.get(), 2), ZipOk);
    EXPECT_EQ(Read("C:\\T\\X\\third.bin"), bytes);
  }

  // A central-directory record that cannot be read: it and every later
  // entry fail; earlier ones stay readable.
  std::string broken = archive;
  broken[secondCentral + 2] = 'X';
  sim::ResetMachine();
  auto reader = Open(broken);
  ASSERT_NE(reader, nullptr);
  ZipEntryInfo info;
  EXPECT_EQ(reader->GetEntryInfo(1, &info), ZipReadFailed);
  EXPECT_EQ(reader->GetEntryInfo(2, &info), ZipReadFailed);
  EXPECT_EQ(reader->ExtractEntry(2, "third.bin"), ZipReadFailed);
  EXPECT_EQ(reader->GetEntryInfo(0, &info), ZipOk);
  EXPECT_STREQ(info.name, "first.bin");
  EXPECT_EQ(reader->ExtractEntry(0, info.name), ZipOk);
  EXPECT_EQ(sim::CountCalls("CreateFileA"), 1u);
}

}  // namespace
