#include "platform/sim/SimFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/sim/SimCore.h"

namespace sim {
namespace {

constexpr uint32_t kErrorInvalidName = 123;
constexpr uint32_t kErrorDirNotEmpty = 145;
constexpr uint32_t kErrorFileExists = 80;
constexpr uint32_t kErrorDirectory = 267;
constexpr platform::FileTime kCreatedTime = 133000000000000000ull;  // a fixed "now"

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool IsSep(char c) { return c == '\\' || c == '/'; }

std::vector<std::string> Split(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (IsSep(c)) {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

// Characters Windows refuses in a name (':' would open a stream).
bool ValidName(const std::string& name) {
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32) return false;
    if (std::strchr("<>:\"|?*", c)) return false;
  }
  return true;
}

struct HostStat {
  bool exists = false;
  bool dir = false;
  bool link = false;
};

HostStat StatHost(const std::string& host) {
  HostStat s;
  struct stat st;
  if (host.empty() || lstat(host.c_str(), &st) != 0) return s;
  s.exists = true;
  s.link = S_ISLNK(st.st_mode);
  if (s.link) {
    struct stat target;
    s.dir = stat(host.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
  } else {
    s.dir = S_ISDIR(st.st_mode);
  }
  return s;
}

std::string ParentOf(const std::string& absolute) {
  auto pos = absolute.find_last_of('\\');
  if (pos == std::string::npos || pos <= 2) return absolute.substr(0, 3);
  return absolute.substr(0, pos);
}

}  // namespace

std::string MetaKey(const std::string& absoluteWindowsPath) { return Lower(absoluteWindowsPath); }

SimFiles& Files() {
  static SimFiles* files = [] {
    auto* f = new SimFiles();
    OnReset([f] {
      for (auto& fd : f->openFds) close(fd.second);
      std::string root = f->HostRoot();
      *f = SimFiles();
      f->SetHostRoot(root);
    });
    return f;
  }();
  return *files;
}

void SimFiles::SetHostRoot(const std::string& hostRoot) { hostRoot_ = hostRoot; }

std::string SimFiles::Absolute(const std::string& path) const {
  std::string p = path;
  for (char& c : p)
    if (c == '/') c = '\\';
  std::string base;
  std::string rest;
  if (p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]))) {
    base = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(p[0])))) + ":";
    rest = p.substr(2);
    if (rest.empty() || rest[0] != '\\') {
      // Drive-relative: against the current directory when it is on that drive.
      if (Lower(currentDirectory.substr(0, 2)) == Lower(base))
        rest = currentDirectory.substr(2) + "\\" + rest;
      else
        rest = "\\" + rest;
    }
  } else if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') {
    return std::string();  // UNC and device paths do not exist here
  } else if (!p.empty() && p[0] == '\\') {
    base = currentDirectory.substr(0, 2);
    rest = p;
  } else {
    base = currentDirectory.substr(0, 2);
    rest = currentDirectory.substr(2) + "\\" + p;
  }
  std::vector<std::string> out;
  for (const auto& part : Split(rest)) {
    if (part == ".") continue;
    if (part == "..") {
      if (!out.empty()) out.pop_back();
      continue;
    }
    out.push_back(part);
  }
  std::string result = base + "\\";
  for (size_t i = 0; i < out.size(); ++i) result += (i ? "\\" : "") + out[i];
  return result;
}

std::string SimFiles::HostPath(const std::string& windowsPath) const {
  if (hostRoot_.empty()) return std::string();
  std::string abs = Absolute(windowsPath);
  if (abs.size() < 3) return std::string();
  std::string host = hostRoot_ + "/" + Lower(abs.substr(0, 1));
  for (const auto& part : Split(abs.substr(3))) {
    if (!ValidName(part)) return std::string();
    std::string chosen = part;
    // The name as written is the usual case: one lookup, not a scan of the
    // whole folder, as NTFS finds a name without reading every entry.
    struct stat st;
    if (lstat((host + "/" + part).c_str(), &st) != 0) {
      if (DIR* d = opendir(host.c_str())) {
        const std::string lowered = Lower(part);
        while (dirent* e = readdir(d)) {
          if (Lower(e->d_name) == lowered) {
            chosen = e->d_name;
            break;
          }
        }
        closedir(d);
      }
    }
    host += "/" + chosen;
  }
  return host;
}

bool SimFiles::WriteFile(const std::string& windowsPath, const std::string& bytes) {
  MakeDirs(ParentOf(Absolute(windowsPath)));
  std::string host = HostPath(windowsPath);
  int fd = open(host.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  bool ok = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  close(fd);
  return ok;
}

bool SimFiles::ReadFile(const std::string& windowsPath, std::string* bytes) const {
  std::string host = HostPath(windowsPath);
  int fd = open(host.c_str(), O_RDONLY);
  if (fd < 0) return false;
  bytes->clear();
  char buf[65536];
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0) bytes->append(buf, static_cast<size_t>(n));
  close(fd);
  return n == 0;
}

bool SimFiles::MakeDirs(const std::string& windowsPath) {
  std::string abs = Absolute(windowsPath);
  std::string host = hostRoot_ + "/" + Lower(abs.substr(0, 1));
  mkdir(hostRoot_.c_str(), 0755);
  mkdir(host.c_str(), 0755);
  std::string partial = abs.substr(0, 2);
  for (const auto& part : Split(abs.substr(3))) {
    partial += "\\" + part;
    std::string h = HostPath(partial);
    if (h.empty()) return false;
    mkdir(h.c_str(), 0755);
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
  return !target.empty() && !link.empty() && symlink(target.c_str(), link.c_str()) == 0;
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

bool MakeDirectory(const std::string& path) {
  if (!sim::Enter("CreateDirectoryA")) return false;
  std::string host = Host(path);
  if (host.empty()) return Fail(sim::kErrorInvalidName);
  if (sim::StatHost(host).exists) return Fail(kErrorAlreadyExists);
  std::string abs = Files().Absolute(path);
  if (!sim::StatHost(Host(sim::ParentOf(abs))).dir) return Fail(kErrorPathNotFound);
  if (mkdir(host.c_str(), 0755) != 0) return Fail(kErrorAccessDenied);
  Files().meta.erase(sim::MetaKey(abs));
  return true;
}

bool RemoveEmptyDirectory(const std::string& path) {
  if (!sim::Enter("RemoveDirectoryA")) return false;
  std::string host = Host(path);
  sim::HostStat s = sim::StatHost(host);
  if (!s.exists) return Fail(kErrorFileNotFound);
  if (!s.dir) return Fail(sim::kErrorDirectory);
  if (AttributesOf(path) & kFileAttributeReadOnly) return Fail(kErrorAccessDenied);
  // A link goes as a link; what it points to is not touched.
  int rc = s.link ? unlink(host.c_str()) : rmdir(host.c_str());
  if (rc != 0) return Fail(errno == ENOTEMPTY ? sim::kErrorDirNotEmpty : kErrorAccessDenied);
  Files().meta.erase(sim::MetaKey(Files().Absolute(path)));
  return true;
}

bool RemoveFile(const std::string& path) {
  if (!sim::Enter("DeleteFileA")) return false;
  std::string host = Host(path);
  sim::HostStat s = sim::StatHost(host);
  if (!s.exists) return Fail(kErrorFileNotFound);
  if (s.dir) return Fail(kErrorAccessDenied);
  if (AttributesOf(path) & kFileAttributeReadOnly) return Fail(kErrorAccessDenied);
  for (const auto& open : Files().openFiles)
    if (open.second == sim::MetaKey(Files().Absolute(path))) return Fail(32);  // sharing violation
  if (unlink(host.c_str()) != 0) return Fail(kErrorAccessDenied);
  Files().meta.erase(sim::MetaKey(Files().Absolute(path)));
  return true;
}

bool CopyOneFile(const std::string& source, const std::string& target, bool failIfExists) {
  if (!sim::Enter("CopyFileA")) return false;
  sim::HostStat s = sim::StatHost(Host(source));
  if (!s.exists || s.dir) return Fail(kErrorFileNotFound);
  std::string hostTarget = Host(target);
  if (hostTarget.empty()) return Fail(sim::kErrorInvalidName);
  sim::HostStat t = sim::StatHost(hostTarget);
  if (t.exists && failIfExists) return Fail(sim::kErrorFileExists);
  if (t.exists && (t.dir || (AttributesOf(target) & kFileAttributeReadOnly)))
    return Fail(kErrorAccessDenied);
  std::string absTarget = Files().Absolute(target);
  if (!sim::StatHost(Host(sim::ParentOf(absTarget))).dir) return Fail(kErrorPathNotFound);
  std::string bytes;
  if (!Files().ReadFile(source, &bytes)) return Fail(kErrorAccessDenied);
  int fd = open(hostTarget.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return Fail(kErrorAccessDenied);
  bool ok = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  close(fd);
  if (!ok) return Fail(kErrorAccessDenied);
  // CopyFile carries the attributes and the write time over.
  auto it = Files().meta.find(sim::MetaKey(Files().Absolute(source)));
  sim::FileMeta m = it == Files().meta.end() ? sim::FileMeta() : it->second;
  Files().meta[sim::MetaKey(absTarget)] = m;
  return true;
}

FileHandle CreateFileForWriting(const std::string& path, uint32_t attributes) {
  if (!sim::Enter("CreateFileA")) return kInvalidFileHandle;
  std::string host = Host(path);
  if (host.empty()) {
    sim::SetLastError(sim::kErrorInvalidName);
    return kInvalidFileHandle;
  }
  sim::HostStat s = sim::StatHost(host);
  if (s.exists && (s.dir || (AttributesOf(path) & kFileAttributeReadOnly))) {
    sim::SetLastError(kErrorAccessDenied);
    return kInvalidFileHandle;
  }
  std::string abs = Files().Absolute(path);
  if (!sim::StatHost(Host(sim::ParentOf(abs))).dir) {
    sim::SetLastError(kErrorPathNotFound);
    return kInvalidFileHandle;
  }
  int fd = open(host.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) {
    sim::SetLastError(kErrorAccessDenied);
    return kInvalidFileHandle;
  }
  sim::FileMeta m;
  m.attributes =
      attributes & ~(kFileAttributeDirectory | kFileAttributeReparsePoint | kFileAttributeNormal);
  m.creation = m.access = m.write = sim::kCreatedTime;
  Files().meta[sim::MetaKey(abs)] = m;
  FileHandle h = Files().nextHandle++;
  Files().openFiles[h] = sim::MetaKey(abs);
  Files().openFds[h] = fd;
  return h;
}

bool WriteToFile(FileHandle file, const void* data, uint32_t size) {
  if (!sim::Enter("WriteFile")) return false;
  auto it = Files().openFds.find(file);
  if (it == Files().openFds.end()) return Fail(kErrorInvalidHandle);
  return write(it->second, data, size) == static_cast<ssize_t>(size) || Fail(112);
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
  close(it->second);
  Files().openFds.erase(it);
  Files().openFiles.erase(file);
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
  std::string abs = Files().Absolute(pattern);
  if (abs.empty()) {
    sim::SetLastError(kErrorPathNotFound);
    return kInvalidFindHandle;
  }
  std::string folder = sim::ParentOf(abs);
  std::string leaf = abs.substr(abs.find_last_of('\\') + 1);
  std::string host = Host(folder);
  Search search;
  DIR* d = host.empty() ? nullptr : opendir(host.c_str());
  if (!d) {
    sim::SetLastError(kErrorPathNotFound);
    return kInvalidFindHandle;
  }
  std::vector<std::string> names;
  while (dirent* e = readdir(d)) names.emplace_back(e->d_name);
  closedir(d);
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
    f.attributes = (name == "." || name == "..") ? kFileAttributeDirectory
                                                 : AttributesOf(folder + (root ? "" : "\\") + name);
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
  return Files().Absolute(path);
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
