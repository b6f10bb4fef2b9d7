// Any input, opened as an archive in memory: every entry is described and
// extracted into a fresh folder of the simulated file system, as the package
// extraction does it. Anything that appears on the host outside that
// folder, or a file handle left open, aborts the run.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "package/ZipReader.h"
#include "platform/FileSystem.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimFiles.h"

namespace {

namespace fs = std::filesystem;

// Enough for every entry an input of the fuzzer's sizes can hold.
constexpr int32_t kMaxEntries = 1 << 16;

std::string g_root;

[[noreturn]] void Escaped(const std::string& what) {
  std::fprintf(stderr, "zip reader fuzz: %s\n", what.c_str());
  std::abort();
}

fs::path Base() { return fs::path(g_root) / "c" / "F" / "base"; }

// The host tree every input starts from: the base folder, a folder beside
// it, and a link inside the base folder that leads there.
void MakeSkeleton() {
  std::error_code ignored;
  fs::remove_all(g_root, ignored);
  fs::create_directories(g_root);
  sim::ResetMachine();
  sim::Files().SetHostRoot(g_root);
  sim::Files().MakeDirs("C:\\F\\base");
  sim::Files().MakeDirs("C:\\F\\outside");
  if (!sim::Files().MakeLink("C:\\F\\base\\lnk", "C:\\F\\outside")) Escaped("cannot make the link");
}

// Empties the base folder again, all but the link: cheaper than making the
// whole tree anew for every input.
void FreshMachine() {
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(Base(), ignored)) {
    if (entry.path().filename() != "lnk") fs::remove_all(entry.path(), ignored);
  }
  sim::ResetMachine();
  sim::Files().SetHostRoot(g_root);
  platform::SetCurrentDirectoryPath("C:\\F\\base");
}

// Everything on the host must lie below the base folder; the folder the
// link leads to stays empty.
void CheckHost() {
  const fs::path base = Base();
  for (auto it = fs::recursive_directory_iterator(g_root); it != fs::end(it); ++it) {
    const fs::path relative = fs::relative(it->path(), g_root);
    const std::string text = relative.generic_string();
    if (text == "c" || text == "c/F" || text == "c/F/base" || text == "c/F/outside") continue;
    if (text.rfind("c/F/base/", 0) == 0) continue;
    Escaped("written outside the base folder: " + text);
  }
  if (!fs::is_symlink(base / "lnk")) Escaped("the link was replaced");
  if (!sim::Files().openFiles.empty()) Escaped("a file handle was left open");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_root = std::string(KDR_FUZZ_SCRATCH_DIR) + "/root-" + std::to_string(getpid());
  MakeSkeleton();
  // A run that ends normally leaves no tree behind; one that aborts does.
  std::atexit([] {
    std::error_code ignored;
    fs::remove_all(g_root, ignored);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > UINT32_MAX) return 0;
  FreshMachine();
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
  CheckHost();
  return 0;
}
