#include "platform/sim/SimFiles.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimPaths.h"

namespace sim {
namespace {

constexpr uint32_t kErrorDirNotEmpty = 145;
constexpr uint32_t kErrorFileExists = 80;
constexpr uint32_t kErrorDirectory = 267;
constexpr platform::FileTime kCreatedTime = 133000000000000000ull;  // a fixed "now"
// A handle's store handle when it writes to a device or a named stream.
constexpr int kSinkHandle = -2;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> Split(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

using HostStat = StoreStat;

HostStat StatHost(const std::string& host) {
  return host.empty() ? HostStat() : Files().Store().Stat(host);
}

std::string ParentOf(const std::string& absolute) {
  auto pos = absolute.find_last_of('\\');
  if (pos == std::string::npos || pos <= 2) return absolute.substr(0, 3);
  return absolute.substr(0, pos);
}

const ResolvedPath& Resolve(const std::string& path) { return Files().Resolved(path); }

}  // namespace

std::string MetaKey(const std::string& absoluteWindowsPath) { return Lower(absoluteWindowsPath); }

SimFiles& Files() {
  static SimFiles* files = [] {
    auto* f = new SimFiles();
    OnReset([f] {
      for (auto& fd : f->openFds)
        if (fd.second >= 0) f->Store().Close(fd.second);
      std::string root = f->HostRoot();
      std::shared_ptr<FileStore> store = f->store_;
      *f = SimFiles();
      f->SetHostRoot(root);
      f->store_ = store;
    });
    return f;
  }();
  return *files;
}

void SimFiles::SetHostRoot(const std::string& hostRoot) {
  hostRoot_ = hostRoot;
  store_ = MakeHostStore();
}

MemoryStore& SimFiles::UseMemoryStore(const std::string& root) {
  auto memory = std::make_shared<MemoryStore>();
  store_ = memory;
  hostRoot_ = root;
  return *memory;
}

const ResolvedPath& SimFiles::Resolved(const std::string& path) const {
  for (const auto& recent : recent_)
    if (recent.path == path && recent.currentDirectory == currentDirectory) return recent.resolved;
  Resolution& slot = recent_[nextRecent_];
  nextRecent_ = (nextRecent_ + 1) % 2;
  slot.path = path;
  slot.currentDirectory = currentDirectory;
  slot.resolved = ResolvePath(path, currentDirectory);
  return slot.resolved;
}

std::string SimFiles::Absolute(const std::string& path) const {
  const ResolvedPath& r = Resolved(path);
  if (r.kind != ResolvedPath::kFile) return std::string();
  std::string abs = r.drivePath;
  abs[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(abs[0])));
  if (abs.size() > 3 && abs.back() == '\\') abs.pop_back();
  return abs;
}

std::string SimFiles::HostPath(const std::string& windowsPath) const {
  if (hostRoot_.empty()) return std::string();
  std::string abs = Absolute(windowsPath);
  if (abs.size() < 3) return std::string();
  std::string host = hostRoot_ + "/" + Lower(abs.substr(0, 1));
  for (const auto& part : Split(abs.substr(3))) {
    std::string chosen = part;
    // The name as written is the usual case: one lookup, not a scan of the
    // whole folder, as NTFS finds a name without reading every entry.
    if (!store_->Stat(host + "/" + part).exists) {
      const std::string lowered = Lower(part);
      for (const auto& name : store_->List(host)) {
        if (Lower(name) == lowered) {
          chosen = name;
          break;
        }
      }
    }
    host += "/" + chosen;
  }
  return host;
}

bool SimFiles::WriteFile(const std::string& windowsPath, const std::string& bytes) {
  MakeDirs(ParentOf(Absolute(windowsPath)));
  std::string host = HostPath(windowsPath);
  if (host.empty()) return false;
  int fd = store_->OpenForWriting(host);
  if (fd < 0) return false;
  bool ok = store_->Write(fd, bytes.data(), bytes.size());
  store_->Close(fd);
  return ok;
}

bool SimFiles::ReadFile(const std::string& windowsPath, std::string* bytes) const {
  std::string host = HostPath(windowsPath);
  return !host.empty() && store_->ReadAll(host, bytes);
}

bool SimFiles::MakeDirs(const std::string& windowsPath) {
  std::string abs = Absolute(windowsPath);
  if (abs.size() < 3) return false;
  std::string host = hostRoot_ + "/" + Lower(abs.substr(0, 1));
  store_->MakeDir(hostRoot_);
  store_->MakeDir(host);
  std::string partial = abs.substr(0, 2);
  for (const auto& part : Split(abs.substr(3))) {
    partial += "\\" + part;
    std::string h = HostPath(partial);
    if (h.empty()) return false;
    store_->MakeDir(h);
  }
  return StatHost(HostPath(abs)).dir;
}

bool SimFiles::Exists(const std::string& windowsPath) const {
  return StatHost(HostPath(windowsPath)).exists;
}

bool SimFiles::MakeLink(const std::string& linkPath, const std::string& targetPath) {
  MakeDirs(ParentOf(Absolute(linkPath)));
  std::string target = HostPath(targetPath);
  std::string link = HostPath(linkPath);
  return !target.empty() && !link.empty() && store_->MakeLink(target, link);
}

}  // namespace sim

namespace platform {

using sim::Files;

static bool Fail(uint32_t code) {
  sim::SetLastError(code);
  return false;
}

static std::string Host(const std::string& path) { return Files().HostPath(path); }

static sim::FileMeta& Meta(const std::string& path) {
  return Files().meta[sim::MetaKey(Files().Absolute(path))];
}

static uint32_t AttributesOf(const std::string& path) {
  sim::HostStat s = sim::StatHost(Host(path));
  if (!s.exists) return kInvalidFileAttributes;
  auto it = Files().meta.find(sim::MetaKey(Files().Absolute(path)));
  uint32_t kept = it == Files().meta.end() ? 0 : it->second.attributes;
  kept &=
      kFileAttributeReadOnly | kFileAttributeHidden | kFileAttributeSystem | kFileAttributeArchive;
  uint32_t a = kept;
  if (s.dir) a |= kFileAttributeDirectory;
  if (s.link) a |= kFileAttributeReparsePoint;
  if (a == 0) a = kFileAttributeNormal;
  return a;
}

uint32_t GetPathAttributes(const std::string& path) {
  if (!sim::Enter("GetFileAttributesA")) return kInvalidFileAttributes;
  uint32_t a = AttributesOf(path);
  if (a == kInvalidFileAttributes) sim::SetLastError(kErrorFileNotFound);
  return a;
}

bool SetPathAttributes(const std::string& path, uint32_t attributes) {
  if (!sim::Enter("SetFileAttributesA")) return false;
  if (AttributesOf(path) == kInvalidFileAttributes) return Fail(kErrorFileNotFound);
  Meta(path).attributes = attributes & ~(kFileAttributeDirectory | kFileAttributeReparsePoint);
  return true;
}

// The error a refused path gives, or 0 when it names something on a drive.
static uint32_t RefusalOf(const std::string& path) {
  const sim::ResolvedPath& r = sim::Resolve(path);
  if (r.kind == sim::ResolvedPath::kRefused) return r.error;
  if (r.kind == sim::ResolvedPath::kDevice) return kErrorAccessDenied;
  return Host(path).empty() ? sim::kErrorInvalidName : 0;
}

bool MakeDirectory(const std::string& path) {
  if (!sim::Enter("CreateDirectoryA")) return false;
  if (uint32_t error = RefusalOf(path)) return Fail(error);
  std::string host = Host(path);
  if (sim::StatHost(host).exists) return Fail(kErrorAlreadyExists);
  std::string abs = Files().Absolute(path);
  if (!sim::StatHost(Host(sim::ParentOf(abs))).dir) return Fail(kErrorPathNotFound);
  if (!Files().Store().MakeDir(host)) return Fail(kErrorAccessDenied);
  Files().meta.erase(sim::MetaKey(abs));
  return true;
}

bool RemoveEmptyDirectory(const std::string& path) {
  if (!sim::Enter("RemoveDirectoryA")) return false;
  if (uint32_t error = RefusalOf(path)) return Fail(error);
  std::string host = Host(path);
  sim::HostStat s = sim::StatHost(host);
  if (!s.exists) return Fail(kErrorFileNotFound);
  if (!s.dir) return Fail(sim::kErrorDirectory);
  if (AttributesOf(path) & kFileAttributeReadOnly) return Fail(kErrorAccessDenied);
  // A link goes as a link; what it points to is not touched.
  switch (Files().Store().RemoveDir(host)) {
    case sim::StoreRemove::kRemoved:
      break;
    case sim::StoreRemove::kNotEmpty:
      return Fail(sim::kErrorDirNotEmpty);
    default:
      return Fail(kErrorAccessDenied);
  }
  Files().meta.erase(sim::MetaKey(Files().Absolute(path)));
  return true;
}

bool RemoveFile(const std::string& path) {
  if (!sim::Enter("DeleteFileA")) return false;
  if (uint32_t error = RefusalOf(path)) return Fail(error);
  std::string host = Host(path);
  sim::HostStat s = sim::StatHost(host);
  if (!s.exists) return Fail(kErrorFileNotFound);
  if (s.dir) return Fail(kErrorAccessDenied);
  if (AttributesOf(path) & kFileAttributeReadOnly) return Fail(kErrorAccessDenied);
  for (const auto& open : Files().openFiles)
    if (open.second == sim::MetaKey(Files().Absolute(path))) return Fail(32);  // sharing violation
  if (!Files().Store().RemoveFile(host)) return Fail(kErrorAccessDenied);
  Files().meta.erase(sim::MetaKey(Files().Absolute(path)));
  return true;
}

bool CopyOneFile(const std::string& source, const std::string& target, bool failIfExists) {
  if (!sim::Enter("CopyFileA")) return false;
  sim::HostStat s = sim::StatHost(Host(source));
  if (!s.exists || s.dir) return Fail(kErrorFileNotFound);
  if (uint32_t error = RefusalOf(target)) return Fail(error);
  std::string hostTarget = Host(target);
  sim::HostStat t = sim::StatHost(hostTarget);
  if (t.exists && failIfExists) return Fail(sim::kErrorFileExists);
  if (t.exists && (t.dir || (AttributesOf(target) & kFileAttributeReadOnly)))
    return Fail(kErrorAccessDenied);
  std::string absTarget = Files().Absolute(target);
  if (!sim::StatHost(Host(sim::ParentOf(absTarget))).dir) return Fail(kErrorPathNotFound);
  std::string bytes;
  if (!Files().ReadFile(source, &bytes)) return Fail(kErrorAccessDenied);
  sim::FileStore& store = Files().Store();
  int fd = store.OpenForWriting(hostTarget);
  if (fd < 0) return Fail(kErrorAccessDenied);
  bool ok = store.Write(fd, bytes.data(), bytes.size());
  store.Close(fd);
  if (!ok) return Fail(kErrorAccessDenied);
  // CopyFile carries the attributes and the write time over.
  auto it = Files().meta.find(sim::MetaKey(Files().Absolute(source)));
  sim::FileMeta m = it == Files().meta.end() ? sim::FileMeta() : it->second;
  Files().meta[sim::MetaKey(absTarget)] = m;
  return true;
}

static FileHandle FailHandle(uint32_t code) {
  sim::SetLastError(code);
  return kInvalidFileHandle;
}

FileHandle CreateFileForWriting(const std::string& path, uint32_t attributes) {
  if (!sim::Enter("CreateFileA")) return kInvalidFileHandle;
  const sim::ResolvedPath r = sim::Resolve(path);  // a copy: other paths are resolved below
  if (r.kind == sim::ResolvedPath::kRefused) return FailHandle(r.error);
  if (r.kind == sim::ResolvedPath::kDevice) {
    // The device opens; what is written goes to it, not to any folder.
    Files().deviceOpens.push_back(r.device);
    FileHandle h = Files().nextHandle++;
    Files().openFiles[h] = "\\\\.\\" + r.device;
    Files().openFds[h] = sim::kSinkHandle;
    return h;
  }
  if (r.trailingSeparator) return FailHandle(sim::kErrorInvalidName);
  std::string host = Host(path);
  if (host.empty()) return FailHandle(sim::kErrorInvalidName);
  sim::HostStat s = sim::StatHost(host);
  if (s.exists && (s.dir || (AttributesOf(path) & kFileAttributeReadOnly)))
    return FailHandle(kErrorAccessDenied);
  std::string abs = Files().Absolute(path);
  if (!sim::StatHost(Host(sim::ParentOf(abs))).dir) return FailHandle(kErrorPathNotFound);
  sim::FileStore& store = Files().Store();
  int fd = sim::kSinkHandle;
  if (r.stream.empty()) {
    fd = store.OpenForWriting(host);
    if (fd < 0) return FailHandle(kErrorAccessDenied);
  } else if (!s.exists) {
    // A named stream: the file it belongs to comes into being, empty; the
    // stream's own bytes are not kept.
    int made = store.OpenForWriting(host);
    if (made < 0) return FailHandle(kErrorAccessDenied);
    store.Close(made);
  }
  if (r.stream.empty() || !s.exists) {
    sim::FileMeta m;
    m.attributes =
        attributes & ~(kFileAttributeDirectory | kFileAttributeReparsePoint | kFileAttributeNormal);
    m.creation = m.access = m.write = sim::kCreatedTime;
    Files().meta[sim::MetaKey(abs)] = m;
  }
  FileHandle h = Files().nextHandle++;
  Files().openFiles[h] = sim::MetaKey(abs);
  Files().openFds[h] = fd;
  return h;
}

bool WriteToFile(FileHandle file, const void* data, uint32_t size) {
  if (!sim::Enter("WriteFile")) return false;
  auto it = Files().openFds.find(file);
  if (it == Files().openFds.end()) return Fail(kErrorInvalidHandle);
  if (it->second == sim::kSinkHandle) return true;
  return Files().Store().Write(it->second, data, size) || Fail(112);
}

bool SetFileTimes(FileHandle file, FileTime creation, FileTime access, FileTime write) {
  if (!sim::Enter("SetFileTime")) return false;
  auto it = Files().openFiles.find(file);
  if (it == Files().openFiles.end()) return Fail(kErrorInvalidHandle);
  sim::FileMeta& m = Files().meta[it->second];
  m.creation = creation;
  m.access = access;
  m.write = write;
  return true;
}

bool CloseFile(FileHandle file) {
  if (!sim::Enter("CloseHandle")) return false;
  auto it = Files().openFds.find(file);
  if (it == Files().openFds.end()) return Fail(kErrorInvalidHandle);
  if (it->second >= 0) Files().Store().Close(it->second);
  Files().openFds.erase(it);
  Files().openFiles.erase(file);
  Files().reading.erase(file);
  return true;
}

namespace {

struct Search {
  std::vector<FoundFile> entries;
  size_t next = 0;
};

std::map<FindHandle, Search>& Searches() {
  static auto* searches = [] {
    auto* s = new std::map<FindHandle, Search>();
    sim::OnReset([s] { s->clear(); });
    return s;
  }();
  return *searches;
}

bool Matches(const std::string& pattern, const std::string& name) {
  if (pattern == "*" || pattern == "*.*") return true;
  return sim::Lower(pattern) == sim::Lower(name);
}

}  // namespace

FindHandle FindFirstEntry(const std::string& pattern, FoundFile* found) {
  if (!sim::Enter("FindFirstFileA")) return kInvalidFindHandle;
  // The pattern's last name may hold wildcards; the folder before it is a
  // path like any other.
  const size_t sep = pattern.find_last_of("\\/");
  std::string folder =
      Files().Absolute(sep == std::string::npos ? "." : pattern.substr(0, sep + 1));
  std::string leaf = sep == std::string::npos ? pattern : pattern.substr(sep + 1);
  if (folder.size() == 2) folder += "\\";
  std::string host = Host(folder);
  Search search;
  if (host.empty() || !sim::StatHost(host).dir) {
    sim::SetLastError(kErrorPathNotFound);
    return kInvalidFindHandle;
  }
  std::vector<std::string> names = Files().Store().List(host);
  if (folder.size() > 3) {
    names.emplace_back(".");
    names.emplace_back("..");
  }
  // NTFS lists names in order; "." and ".." first, except at a drive root.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return sim::Lower(a) < sim::Lower(b);
  });
  const bool root = folder.size() <= 3;
  for (const auto& name : names) {
    if (root && (name == "." || name == "..")) continue;
    if (!Matches(leaf, name)) continue;
    FoundFile f;
    f.name = name;
    f.attributes = (name == "." || name == "..")
                       ? kFileAttributeDirectory
                       : AttributesOf("\\\\?\\" + folder + (root ? "" : "\\") + name);
    search.entries.push_back(f);
  }
  if (search.entries.empty()) {
    sim::SetLastError(kErrorFileNotFound);
    return kInvalidFindHandle;
  }
  *found = search.entries[0];
  search.next = 1;
  FindHandle h = Files().nextFindHandle++;
  Searches()[h] = search;
  ++Files().openSearches;
  return h;
}

bool FindNextEntry(FindHandle searchHandle, FoundFile* found) {
  if (!sim::Enter("FindNextFileA")) return false;
  auto it = Searches().find(searchHandle);
  if (it == Searches().end()) return Fail(kErrorInvalidHandle);
  if (it->second.next >= it->second.entries.size()) return Fail(18);  // ERROR_NO_MORE_FILES
  *found = it->second.entries[it->second.next++];
  return true;
}

void FindEnd(FindHandle searchHandle) {
  sim::Enter("FindClose");
  if (Searches().erase(searchHandle)) --Files().openSearches;
}

std::string FullPathOf(const std::string& path) {
  if (!sim::Enter("GetFullPathNameA")) return std::string();
  return sim::FullPathName(path, Files().currentDirectory);
}

static uint32_t CopyOut(const std::string& text, char* buffer, uint32_t size) {
  if (text.size() + 1 > size) return static_cast<uint32_t>(text.size() + 1);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<uint32_t>(text.size());
}

uint32_t GetCurrentDirectoryText(char* buffer, uint32_t size) {
  if (!sim::Enter("GetCurrentDirectoryA")) return 0;
  return CopyOut(Files().currentDirectory, buffer, size);
}

bool SetCurrentDirectoryPath(const std::string& path) {
  if (!sim::Enter("SetCurrentDirectoryA")) return false;
  std::string abs = Files().Absolute(path);
  if (abs.empty() || !sim::StatHost(Host(abs)).dir) return Fail(kErrorPathNotFound);
  Files().currentDirectory = abs;
  return true;
}

uint32_t GetTempPathText(char* buffer, uint32_t size) {
  if (!sim::Enter("GetTempPathA")) return 0;
  return CopyOut(Files().tempPath, buffer, size);
}

}  // namespace platform
