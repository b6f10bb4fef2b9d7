#include "platform/sim/SimFileStore.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace sim {
namespace {

class HostStore : public FileStore {
 public:
  StoreStat Stat(const std::string& path) override {
    StoreStat s;
    struct stat st;
    if (path.empty() || lstat(path.c_str(), &st) != 0) return s;
    s.exists = true;
    s.link = S_ISLNK(st.st_mode);
    if (s.link) {
      struct stat target;
      s.dir = stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
    } else {
      s.dir = S_ISDIR(st.st_mode);
    }
    return s;
  }
  std::vector<std::string> List(const std::string& dir) override {
    std::vector<std::string> names;
    DIR* d = opendir(dir.c_str());
    if (!d) return names;
    while (dirent* e = readdir(d)) {
      const std::string name = e->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(d);
    return names;
  }
  bool MakeDir(const std::string& path) override { return mkdir(path.c_str(), 0755) == 0; }
  StoreRemove RemoveDir(const std::string& path) override {
    const StoreStat s = Stat(path);
    if (!s.exists) return StoreRemove::kMissing;
    if ((s.link ? unlink(path.c_str()) : rmdir(path.c_str())) == 0) return StoreRemove::kRemoved;
    return errno == ENOTEMPTY ? StoreRemove::kNotEmpty : StoreRemove::kFailed;
  }
  bool RemoveFile(const std::string& path) override { return unlink(path.c_str()) == 0; }
  int OpenForWriting(const std::string& path) override {
    return open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  bool Write(int handle, const void* data, size_t size) override {
    return write(handle, data, size) == static_cast<ssize_t>(size);
  }
  void Close(int handle) override { close(handle); }
  bool ReadAll(const std::string& path, std::string* bytes) override {
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    bytes->clear();
    char buf[65536];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) bytes->append(buf, static_cast<size_t>(n));
    close(fd);
    return n == 0;
  }
  bool MakeLink(const std::string& target, const std::string& link) override {
    return symlink(target.c_str(), link.c_str()) == 0;
  }
};

std::string ParentOf(const std::string& path) {
  const auto pos = path.rfind('/');
  return pos == std::string::npos ? std::string() : path.substr(0, pos);
}

}  // namespace

std::unique_ptr<FileStore> MakeHostStore() { return std::make_unique<HostStore>(); }

std::string MemoryStore::Real(const std::string& path, bool follow) const {
  // Links are few: each is tried as a prefix of the path. A bound on the
  // hops stops a loop of links.
  std::string real = path;
  for (int hops = 0; hops <= 32; ++hops) {
    bool moved = false;
    for (const auto& link : links_) {
      const std::string& at = link.first;
      if (real.compare(0, at.size(), at) != 0) continue;
      if (real.size() == at.size() ? !follow : real[at.size()] != '/') continue;
      real = link.second + real.substr(at.size());
      moved = true;
      break;
    }
    if (!moved) return real;
  }
  return std::string();
}

MemoryStore::Node* MemoryStore::Find(const std::string& realPath) {
  auto it = nodes_.find(realPath);
  return it == nodes_.end() ? nullptr : &it->second;
}

bool MemoryStore::ParentIsDir(const std::string& realPath) {
  const std::string parent = ParentOf(realPath);
  if (parent.empty()) return true;
  const Node* node = Find(Real(parent, true));
  return node && node->kind == Node::kDir;
}

StoreStat MemoryStore::Stat(const std::string& path) {
  StoreStat s;
  const Node* node = Find(Real(path, false));
  if (!node) return s;
  s.exists = true;
  s.link = node->kind == Node::kLink;
  if (s.link) {
    const Node* target = Find(Real(path, true));
    s.dir = target && target->kind == Node::kDir;
  } else {
    s.dir = node->kind == Node::kDir;
  }
  return s;
}

std::vector<std::string> MemoryStore::List(const std::string& dir) {
  std::vector<std::string> names;
  const std::string prefix = Real(dir, true) + "/";
  for (auto it = nodes_.lower_bound(prefix); it != nodes_.end(); ++it) {
    if (it->first.compare(0, prefix.size(), prefix) != 0) break;
    const std::string rest = it->first.substr(prefix.size());
    if (rest.find('/') == std::string::npos) names.push_back(rest);
  }
  return names;
}

bool MemoryStore::MakeDir(const std::string& path) {
  const std::string real = Real(path, false);
  if (real.empty() || Find(real) || !ParentIsDir(real)) return false;
  nodes_[real] = Node();
  return true;
}

StoreRemove MemoryStore::RemoveDir(const std::string& path) {
  const std::string real = Real(path, false);
  const Node* node = Find(real);
  if (!node) return StoreRemove::kMissing;
  if (node->kind == Node::kFile) return StoreRemove::kFailed;
  if (node->kind == Node::kDir && !List(real).empty()) return StoreRemove::kNotEmpty;
  nodes_.erase(real);
  links_.erase(real);
  return StoreRemove::kRemoved;
}

bool MemoryStore::RemoveFile(const std::string& path) {
  const std::string real = Real(path, false);
  const Node* node = Find(real);
  if (!node || node->kind == Node::kDir) return false;
  nodes_.erase(real);
  links_.erase(real);
  return true;
}

int MemoryStore::OpenForWriting(const std::string& path) {
  const std::string real = Real(path, true);
  if (real.empty() || !ParentIsDir(real)) return -1;
  Node* node = Find(real);
  if (node && node->kind != Node::kFile) return -1;
  Node& file = nodes_[real];
  file.kind = Node::kFile;
  file.bytes.clear();
  open_[nextHandle_] = real;
  return nextHandle_++;
}

bool MemoryStore::Write(int handle, const void* data, size_t size) {
  auto it = open_.find(handle);
  if (it == open_.end()) return false;
  Node* node = Find(it->second);
  if (!node) return false;
  node->bytes.append(static_cast<const char*>(data), size);
  return true;
}

void MemoryStore::Close(int handle) { open_.erase(handle); }

bool MemoryStore::ReadAll(const std::string& path, std::string* bytes) {
  const Node* node = Find(Real(path, true));
  if (!node || node->kind != Node::kFile) return false;
  *bytes = node->bytes;
  return true;
}

bool MemoryStore::MakeLink(const std::string& target, const std::string& link) {
  const std::string real = Real(link, false);
  if (real.empty() || Find(real) || !ParentIsDir(real)) return false;
  Node node;
  node.kind = Node::kLink;
  node.target = target;
  nodes_[real] = node;
  links_[real] = target;
  return true;
}

}  // namespace sim
