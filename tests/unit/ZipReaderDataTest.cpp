// Entry data and times: stored and deflated data, data that ends early or
// does not match its CRC-32, encrypted entries, MS-DOS and extended times.
#include "ZipReaderFixture.h"

namespace {

using namespace package;
using ziptest::ZipEntrySpec;

ZipEntrySpec Entry(const std::string& name, const std::string& data, int method = 8) {
  ZipEntrySpec e;
  e.name = name;
  e.data = data;
  e.method = method;
  return e;
}

ZipEntrySpec RawEntry(const std::string& name, const std::string& stream, int method,
                      uint32_t uncompressedSize, uint32_t crc, uint32_t attributes = 0x20) {
  ZipEntrySpec e = Entry(name, stream, method);
  e.raw = true;
  e.rawUncompressedSize = uncompressedSize;
  e.rawCrc = crc;
  e.externalAttributes = attributes;
  return e;
}

sim::FileMeta MetaOf(const std::string& path) {
  return sim::Files().meta[sim::MetaKey(sim::Files().Absolute(path))];
}

// 100-nanosecond units since 1601 for seconds since 1970.
platform::FileTime FromUnix(int64_t seconds) {
  return static_cast<platform::FileTime>(seconds * 10000000 + 116444736000000000);
}

TEST_F(ZipReaderTest, StoredAndDeflatedDataComeOutWhole) {
  const std::string bytes = ziptest::DriverLikeBytes(70000, 11);
  auto reader = Open(
      {Entry("stored.bin", bytes, 0), Entry("deflated.bin", bytes, 8), Entry("empty.bin", "", 8)});
  ASSERT_NE(reader, nullptr);
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(DescribeAndExtract(reader.get(), i), ZipOk) << i;
  EXPECT_EQ(Read("C:\\T\\X\\stored.bin"), bytes);
  EXPECT_EQ(Read("C:\\T\\X\\deflated.bin"), bytes);
  ZipEntryInfo info;
  ASSERT_EQ(reader->GetEntryInfo(0, &info), ZipOk);
  EXPECT_EQ(info.compressedSize, 70000u);
  EXPECT_EQ(info.uncompressedSize, 70000u);
  ASSERT_EQ(reader->GetEntryInfo(1, &info), ZipOk);
  EXPECT_LT(info.compressedSize, 70000u * 6 / 10);
  // An empty entry gives an empty file that still gets its times.
  EXPECT_EQ(Read("C:\\T\\X\\empty.bin"), "");
  ASSERT_EQ(reader->GetEntryInfo(2, &info), ZipOk);
  EXPECT_EQ(MetaOf("C:\\T\\X\\empty.bin").write, info.writeTime);
  EXPECT_EQ(sim::CountCalls("SetFileTime"), 3u);
}

// Data that cannot be completed fails the entry and leaves no file: a
// truncated driver file must never be taken for a whole one.
TEST_F(ZipReaderTest, DataThatEndsEarlyOrMismatchesItsCrcLeavesNoFile) {
  const std::string bytes = ziptest::DriverLikeBytes(200000, 5);
  const uint32_t size = static_cast<uint32_t>(bytes.size());
  const uint32_t crc = ziptest::Crc32(bytes);
  const std::string deflated = ziptest::RawDeflate(bytes, 1);
  const std::string half = deflated.substr(0, deflated.size() / 2);
  struct Case {
    const char* what;
    ZipEntrySpec entry;
  };
  const Case cases[] = {
      {"deflated data cut in half", RawEntry("f.bin", half, 8, size, crc)},
      {"read-only, cut in half", RawEntry("f.bin", half, 8, size, crc, 0x21)},
      {"stream ends before the size", RawEntry("f.bin", deflated, 8, size + 10, crc)},
      {"stored data cut in half", RawEntry("f.bin", bytes.substr(0, size / 2), 0, size, crc)},
      {"deflated, CRC-32 off", RawEntry("f.bin", deflated, 8, size, crc ^ 1)},
      {"stored, CRC-32 off", RawEntry("f.bin", bytes, 0, size, crc ^ 0x80000000u)},
      {"deflated garbage", RawEntry("f.bin", std::string(5000, '\xFF'), 8, size, crc)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    sim::ResetMachine();
    auto reader = Open({c.entry});
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(DescribeAndExtract(reader.get(), 0), ZipInflateFailed);
    std::string written = "stale";
    EXPECT_EQ(reader->ExtractEntry(0, "f.bin", &written), ZipInflateFailed);
    EXPECT_EQ(written, "") << "no bytes of a file that was not written";
    EXPECT_FALSE(sim::Files().Exists("C:\\T\\X\\f.bin"));
    EXPECT_EQ(sim::CountCalls("SetFileTime"), 0u);
    EXPECT_TRUE(sim::Files().openFiles.empty());
  }
}

TEST_F(ZipReaderTest, AnEncryptedEntryIsCheckedAgainstItsCheckByte) {
  const std::string secret = ziptest::DriverLikeBytes(30000, 9);
  ZipEntrySpec deflated = Entry("enc.bin", secret);
  deflated.encrypted = true;
  ZipEntrySpec stored = Entry("stored.bin", secret, 0);
  stored.encrypted = true;
  ZipEntrySpec byTime = Entry("time.bin", secret);
  byTime.encrypted = true;
  byTime.flagBase = 8;
  const std::string archive = ziptest::BuildArchive({deflated, stored, byTime});
  ASSERT_FALSE(archive.empty());

  // Without a password the header checks out. minizip's unzip half is
  // built without decryption (unzip.c defines NOUNCRYPT), so the data cannot
  // be read: the entry fails and nothing is written, in both builds.
  auto reader = Open(archive);
  ASSERT_NE(reader, nullptr);
  for (int32_t i = 0; i < 3; ++i) {
    ZipEntryInfo info;
    ASSERT_EQ(reader->GetEntryInfo(i, &info), ZipOk);
    EXPECT_EQ(reader->ExtractEntry(i, info.name), ZipInflateFailed) << i;
    EXPECT_FALSE(sim::Files().Exists("C:\\T\\X\\" + std::string(info.name)));
  }
  EXPECT_EQ(sim::CountCalls("CreateFileA"), 0u);

  // One bit off in each header's last byte: that byte alone changes when
  // decrypted, so the check byte differs. The file already at the target
  // is left as it was.
  std::string tampered = archive;
  for (const char* name : {"enc.bin", "stored.bin", "time.bin"}) {
    const size_t header = tampered.find(name) + std::string(name).size();
    tampered[header + 11] ^= 1;
  }
  sim::ResetMachine();
  std::filesystem::remove_all(hostRoot_ + "/c/T/X");
  sim::Files().WriteFile("C:\\T\\X\\enc.bin", "kept");
  reader = Open(tampered);
  ASSERT_NE(reader, nullptr);
  for (int32_t i = 0; i < 3; ++i)
    EXPECT_EQ(DescribeAndExtract(reader.get(), i), ZipBadPassword) << i;
  EXPECT_EQ(Read("C:\\T\\X\\enc.bin"), "kept");
  EXPECT_FALSE(sim::Files().Exists("C:\\T\\X\\stored.bin"));
  EXPECT_EQ(sim::CountCalls("CreateFileA"), 0u);
}

TEST_F(ZipReaderTest, TimesFromMsDosTimeAndTheExtendedTimestamp) {
  sim::System().timeZoneOffsetMinutes = 480;  // UTC+8
  // 2024-03-02 05:20:30 local is 2024-03-01 21:20:30 UTC.
  const platform::FileTime dos = 133538304300000000ull - 8ull * 3600 * 10000000;
  const int32_t t1 = 1700000000, t2 = 1600000000, t3 = -1;
  const std::string other = std::string(
      "\x0A\x00\x04\x00"
      "abcd",
      8);
  struct Case {
    const char* what;
    std::string extra;
    platform::FileTime write, access, creation;
  };
  const Case cases[] = {
      {"no extra field", "", dos, dos, dos},
      {"flags 1", ziptest::ExtendedTimestamp(1, {t1}), FromUnix(t1), dos, dos},
      {"flags 7", ziptest::ExtendedTimestamp(7, {t1, t2, t3}), FromUnix(t1), FromUnix(t2),
       FromUnix(t3)},
      {"flags 6", ziptest::ExtendedTimestamp(6, {t2, t3}), dos, FromUnix(t2), FromUnix(t3)},
      {"after another block", other + ziptest::ExtendedTimestamp(1, {t1}), FromUnix(t1), dos, dos},
      {"only the first block counts",
       ziptest::ExtendedTimestamp(1, {t1}) + ziptest::ExtendedTimestamp(7, {t2, t2, t2}),
       FromUnix(t1), dos, dos},
      {"flags announce three, block holds one", ziptest::ExtendedTimestamp(7, {t1}) + other,
       FromUnix(t1), dos, dos},
      {"block size runs past the field",
       ziptest::ExtendedTimestamp(7, {t1, t2}).replace(2, 1, "\x0D"), FromUnix(t1), FromUnix(t2),
       dos},
      {"four bytes only", std::string("UT\x00\x00", 4), dos, dos, dos},
  };
  std::vector<ZipEntrySpec> entries;
  for (const auto& c : cases) {
    ZipEntrySpec e = Entry("t" + std::to_string(entries.size()), "x");
    e.localExtra = c.extra;
    entries.push_back(e);
  }
  // No calendar date at all: the earliest time the format holds.
  ZipEntrySpec zero = Entry("zero", "x");
  zero.dosDateTime = 0;
  entries.push_back(zero);
  auto reader = Open(entries);
  ASSERT_NE(reader, nullptr);
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].what);
    ZipEntryInfo info;
    ASSERT_EQ(reader->GetEntryInfo(static_cast<int32_t>(i), &info), ZipOk);
    EXPECT_EQ(info.writeTime, cases[i].write);
    EXPECT_EQ(info.accessTime, cases[i].access);
    EXPECT_EQ(info.creationTime, cases[i].creation);
  }
  ZipEntryInfo info;
  ASSERT_EQ(reader->GetEntryInfo(static_cast<int32_t>(std::size(cases)), &info), ZipOk);
  const platform::FileTime epoch1980 = 119600064000000000ull - 8ull * 3600 * 10000000;
  EXPECT_EQ(info.writeTime, epoch1980);
  EXPECT_EQ(info.accessTime, epoch1980);

  // The written file carries the entry's three times.
  ASSERT_EQ(DescribeAndExtract(reader.get(), 2), ZipOk);
  const sim::FileMeta meta = MetaOf("C:\\T\\X\\t2");
  EXPECT_EQ(meta.write, FromUnix(t1));
  EXPECT_EQ(meta.access, FromUnix(t2));
  EXPECT_EQ(meta.creation, FromUnix(t3));
}

}  // namespace
