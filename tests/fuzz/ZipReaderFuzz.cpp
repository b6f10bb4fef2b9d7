// Any input, opened as an archive in memory: every entry is described and
// extracted into a fresh folder of the simulated file system, as the package
// extraction does it. Anything that appears outside that folder, a device
// opened, or a file handle left open, aborts the run.
//
// The file system lives in memory, with the same Windows path rules as the
// host-backed one the unit tests use, so an input costs no system call.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "package/ZipReader.h"
#include "platform/FileSystem.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimFiles.h"

namespace {

// Enough for every entry an input of the fuzzer's sizes can hold.
constexpr int32_t kMaxEntries = 1 << 16;

const std::string kRoot = "mem";
const std::string kBase = kRoot + "/c/F/base";
const std::string kOutside = kRoot + "/c/F/outside";

[[noreturn]] void Escaped(const std::string& what) {
  std::fprintf(stderr, "zip reader fuzz: %s\n", what.c_str());
  std::abort();
}

// The tree every input starts from: the base folder, a folder beside it,
// and a link inside the base folder that leads there.
sim::MemoryStore* FreshMachine() {
  sim::ResetMachine();
  sim::MemoryStore& store = sim::Files().UseMemoryStore(kRoot);
  sim::Files().MakeDirs("C:\\F\\base");
  sim::Files().MakeDirs("C:\\F\\outside");
  if (!sim::Files().MakeLink("C:\\F\\base\\lnk", "C:\\F\\outside")) Escaped("cannot make the link");
  platform::SetCurrentDirectoryPath("C:\\F\\base");
  return &store;
}

// Everything in the store must lie below the base folder; the link stays a
// link and the folder it leads to stays empty.
void CheckStore(const sim::MemoryStore& store) {
  for (const auto& node : store.Nodes()) {
    const std::string& path = node.first;
    if (path == kRoot || path == kRoot + "/c" || path == kRoot + "/c/F" || path == kBase ||
        path == kOutside) {
      continue;
    }
    if (path.compare(0, kBase.size() + 1, kBase + "/") == 0) continue;
    Escaped("written outside the base folder: " + path);
  }
  const auto link = store.Nodes().find(kBase + "/lnk");
  if (link == store.Nodes().end() || link->second.kind != sim::MemoryStore::Node::kLink)
    Escaped("the link was replaced");
  if (!sim::Files().deviceOpens.empty())
    Escaped("a device was opened: " + sim::Files().deviceOpens[0]);
  if (!sim::Files().openFiles.empty()) Escaped("a file handle was left open");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > UINT32_MAX) return 0;
  const sim::MemoryStore* store = FreshMachine();
  auto reader = package::ZipReader::OpenFromMemory(data, static_cast<uint32_t>(size));
  if (reader) {
    package::ZipEntryInfo info;
    reader->GetEntryInfo(-1, &info);
    const int32_t count = info.index < kMaxEntries ? info.index : kMaxEntries;
    reader->SetBaseFolder("C:\\F\\base\\");
    for (int32_t i = 0; i < count; ++i) {
      info.name[0] = '\0';
      reader->GetEntryInfo(i, &info);
      reader->ExtractEntry(i, info.name);
    }
    reader->Close();
  }
  CheckStore(*store);
  return 0;
}
