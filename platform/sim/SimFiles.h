// The simulated file system: Windows paths mapped onto a host folder.
//
// "C:\T\X\f.txt" lives at <root>/c/T/X/f.txt. Names match without regard to
// case, either separator is accepted, and the attributes Windows keeps
// beside a file (read-only, hidden, system, archive) and its three times are
// kept here, so read-only is honoured even when the tests run as root. Host
// symbolic links stand for directory links and junctions: they report the
// reparse-point attribute and are removed as links.
//
// Paths follow Windows' rules (platform/sim/SimPaths.h): trailing dots and
// spaces trimmed, DOS device names, data streams, MAX_PATH. The bytes live
// in a host folder or, for the fuzz target, in memory.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Time.h"
#include "platform/sim/SimFileStore.h"
#include "platform/sim/SimHandles.h"
#include "platform/sim/SimPaths.h"

namespace sim {

class SimFiles;
SimFiles& Files();

struct FileMeta {
  uint32_t attributes = 0;  // beyond directory and reparse point
  platform::FileTime creation = 0;
  platform::FileTime access = 0;
  platform::FileTime write = 0;
};

class SimFiles {
 public:
  // The host folder that holds the drives, and the store on the host. Tests
  // set it (a fresh scratch folder) before using files.
  void SetHostRoot(const std::string& hostRoot);
  const std::string& HostRoot() const { return hostRoot_; }
  // A fresh, empty store in memory below the store path `root`; it stays
  // across machine resets, as host files do.
  MemoryStore& UseMemoryStore(const std::string& root = "mem");
  FileStore& Store() const { return *store_; }

  // The host path for a Windows path, resolving each existing name without
  // regard to case. Empty for a path that is not absolute.
  // Empty too for a device, a share or a name Windows refuses.
  std::string HostPath(const std::string& windowsPath) const;
  // The absolute, normalised Windows form of a path on a drive (relative
  // paths are taken against the current directory), without a stream
  // suffix; separators become '\'. Empty where HostPath is.
  std::string Absolute(const std::string& windowsPath) const;
  // What the file calls open for a path against the current directory.
  const ResolvedPath& Resolved(const std::string& windowsPath) const;

  // Test helpers.
  bool WriteFile(const std::string& windowsPath, const std::string& bytes);
  bool ReadFile(const std::string& windowsPath, std::string* bytes) const;
  bool MakeDirs(const std::string& windowsPath);
  bool Exists(const std::string& windowsPath) const;
  // Makes `linkPath` a directory link to `targetPath` (both Windows paths).
  bool MakeLink(const std::string& linkPath, const std::string& targetPath);

  // Per-file metadata by lower-case absolute Windows path.
  std::map<std::string, FileMeta> meta;
  std::string currentDirectory = "C:\\";
  std::string tempPath = "C:\\Users\\user\\AppData\\Local\\Temp\\";
  // Open write handles: the file's meta key per handle.
  std::map<uintptr_t, std::string> openFiles;
  std::map<uintptr_t, int> openFds;
  // Files open for reading: their bytes as opened, and how far they were read.
  struct Reading {
    std::string bytes;
    size_t position = 0;
  };
  std::map<uintptr_t, Reading> reading;
  uintptr_t nextHandle = kFileHandles;
  uintptr_t nextFindHandle = kFindHandles;
  int openSearches = 0;
  // Every device a file call opened ("NUL", "COM1", ...): a write there
  // leaves the folder it was meant for.
  std::vector<std::string> deviceOpens;

 private:
  friend SimFiles& Files();  // a reset keeps the store
  std::string hostRoot_;
  std::shared_ptr<FileStore> store_ = MakeHostStore();
  // One call resolves the same path several times: the last answers.
  struct Resolution {
    std::string path;
    std::string currentDirectory;
    ResolvedPath resolved;
  };
  mutable Resolution recent_[2];
  mutable int nextRecent_ = 0;
};
SimFiles& Files();

// Lower-cased key for `meta`.
std::string MetaKey(const std::string& absoluteWindowsPath);

}  // namespace sim
