// Writes the fuzz target's seed corpus: archives with hostile names, the
// kinds of entries the reader handles, and truncated and corrupted copies.
#include <cstdio>
#include <string>
#include <vector>

#include "ZipReaderArchiveBuilder.h"

namespace {

using ziptest::ZipEntrySpec;

ZipEntrySpec Entry(const std::string& name, const std::string& data = "seed data") {
  ZipEntrySpec e;
  e.name = name;
  e.data = data;
  return e;
}

bool Write(const std::string& folder, int* number, const std::string& what,
           const std::string& bytes) {
  char name[64];
  std::snprintf(name, sizeof name, "/%03d-", (*number)++);
  const std::string path = folder + name + what;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  int number = 0;
  bool ok = true;

  const std::vector<std::string> hostile = {"../x",
                                            "..\\x",
                                            "a/../../x",
                                            "/abs",
                                            "\\\\server\\share\\x",
                                            "C:x",
                                            "C:\\x",
                                            "x:stream",
                                            "dir/x:stream",
                                            "CON",
                                            "dir/nul.txt",
                                            ".. /x",
                                            "lnk/x",
                                            "lnk/deeper/x",
                                            "a/b/../../../x",
                                            "dir/",
                                            std::string(300, 'n'),
                                            std::string(259, 'm'),
                                            "Windows NT x86/UNIDRV.DLL"};
  std::vector<ZipEntrySpec> all;
  for (const auto& name : hostile) {
    ok = ok && Write(folder, &number, "name.zip", ziptest::BuildArchive({Entry(name)}));
    all.push_back(Entry(name));
  }
  all.push_back(ziptest::FolderEntry("lnk/"));
  all.push_back(ziptest::FolderEntry("Windows x64/"));
  ok = ok && Write(folder, &number, "hostile.zip", ziptest::BuildArchive(all));

  // The kinds of entries: stored, deflated, empty, Unix host, encrypted,
  // extended timestamp behind another block.
  const std::string bytes = ziptest::DriverLikeBytes(3000, 1);
  ZipEntrySpec stored = Entry("Windows x64/stored.bin", bytes);
  stored.method = 0;
  ZipEntrySpec unix = Entry("unix/mode.txt", bytes);
  unix.versionMadeBy = 0x0314;
  unix.externalAttributes = 0x81240000;
  ZipEntrySpec encrypted = Entry("enc.bin", bytes);
  encrypted.encrypted = true;
  ZipEntrySpec timed = Entry("timed.txt", "t");
  timed.localExtra = std::string(
                         "\x0A\x00\x04\x00"
                         "abcd",
                         8) +
                     ziptest::ExtendedTimestamp(7, {1700000000, 1600000000, -1});
  const std::string kinds = ziptest::BuildArchive({ziptest::FolderEntry("Windows x64/"), stored,
                                                   Entry("Windows x64/deflated.bin", bytes),
                                                   Entry("empty.bin", ""), unix, encrypted, timed});
  ok = ok && Write(folder, &number, "kinds.zip", kinds);
  ok = ok && Write(folder, &number, "empty.zip", ziptest::BuildArchive({}));

  // Truncated and corrupted copies.
  for (size_t cut : {kinds.size() / 2, kinds.size() - 22, kinds.size() - 1, size_t{100}}) {
    ok = ok && Write(folder, &number, "truncated.zip", kinds.substr(0, cut));
  }
  for (size_t at : {size_t{8}, size_t{14}, size_t{18}, size_t{26}, size_t{28}, size_t{60},
                    kinds.find("PK\x01\x02") + 20, kinds.find("PK\x01\x02") + 42,
                    kinds.find("PK\x05\x06") + 10, kinds.find("PK\x05\x06") + 16}) {
    std::string corrupted = kinds;
    corrupted[at] = static_cast<char>(corrupted[at] ^ 0xFF);
    ok = ok && Write(folder, &number, "corrupted.zip", corrupted);
  }
  if (!ok) {
    std::fprintf(stderr, "%s: could not write the seeds into %s\n", argv[0], folder.c_str());
    return 1;
  }
  return 0;
}
