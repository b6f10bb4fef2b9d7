// Where the simulated file system keeps its bytes: a host folder (the unit
// tests, which may look at the files) or memory (the fuzz target, which must
// not pay a system call per step). Paths here are store paths: '/'-joined,
// exact case, already resolved by the Windows rules of SimFiles.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sim {

struct StoreStat {
  bool exists = false;
  bool dir = false;   // a folder, or a link that leads to one
  bool link = false;  // the name itself is a link (not followed)
};

enum class StoreRemove { kRemoved, kMissing, kNotEmpty, kFailed };

class FileStore {
 public:
  virtual ~FileStore() = default;
  virtual StoreStat Stat(const std::string& path) = 0;
  virtual std::vector<std::string> List(const std::string& dir) = 0;
  virtual bool MakeDir(const std::string& path) = 0;
  // A folder must be empty; a link goes as a link.
  virtual StoreRemove RemoveDir(const std::string& path) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Creates or truncates a file; a handle of the store's own, or -1.
  virtual int OpenForWriting(const std::string& path) = 0;
  virtual bool Write(int handle, const void* data, size_t size) = 0;
  virtual void Close(int handle) = 0;
  virtual bool ReadAll(const std::string& path, std::string* bytes) = 0;
  virtual bool MakeLink(const std::string& target, const std::string& link) = 0;
};

std::unique_ptr<FileStore> MakeHostStore();

// Folders, files and links in memory. A link leads to another store path
// and is followed inside a path, as the host follows a symbolic link.
class MemoryStore : public FileStore {
 public:
  struct Node {
    enum Kind { kDir, kFile, kLink } kind = kDir;
    std::string bytes;   // a file's data
    std::string target;  // a link's store path
  };

  StoreStat Stat(const std::string& path) override;
  std::vector<std::string> List(const std::string& dir) override;
  bool MakeDir(const std::string& path) override;
  StoreRemove RemoveDir(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  int OpenForWriting(const std::string& path) override;
  bool Write(int handle, const void* data, size_t size) override;
  void Close(int handle) override;
  bool ReadAll(const std::string& path, std::string* bytes) override;
  bool MakeLink(const std::string& target, const std::string& link) override;

  // Every node by its store path, as created (links not followed).
  const std::map<std::string, Node>& Nodes() const { return nodes_; }

 private:
  // The path with every link before its last name followed; with `follow`
  // the last name too.
  std::string Real(const std::string& path, bool follow) const;
  Node* Find(const std::string& realPath);
  bool ParentIsDir(const std::string& realPath);

  std::map<std::string, Node> nodes_;
  std::map<std::string, std::string> links_;  // link path to target
  std::map<int, std::string> open_;
  int nextHandle_ = 3;
};

}  // namespace sim
