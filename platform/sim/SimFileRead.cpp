// Reading a file through a handle, on the simulated file system.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimFiles.h"

namespace platform {

FileHandle OpenFileForReading(const std::string& path) {
  if (!sim::Enter("CreateFileA")) return kInvalidFileHandle;
  const std::string host = sim::Files().HostPath(path);
  struct stat st;
  if (host.empty() || stat(host.c_str(), &st) != 0) {
    sim::SetLastError(kErrorFileNotFound);
    return kInvalidFileHandle;
  }
  // A folder opens only with FILE_FLAG_BACKUP_SEMANTICS.
  const int fd = S_ISDIR(st.st_mode) ? -1 : open(host.c_str(), O_RDONLY);
  if (fd < 0) {
    sim::SetLastError(kErrorAccessDenied);
    return kInvalidFileHandle;
  }
  const FileHandle h = sim::Files().nextHandle++;
  // Open without FILE_SHARE_DELETE: DeleteFile fails while the handle lives.
  sim::Files().openFiles[h] = sim::MetaKey(sim::Files().Absolute(path));
  sim::Files().openFds[h] = fd;
  return h;
}

bool ReadFromFile(FileHandle file, void* buffer, uint32_t size, uint32_t* read) {
  *read = 0;
  if (!sim::Enter("ReadFile")) return false;
  const auto it = sim::Files().openFds.find(file);
  if (it == sim::Files().openFds.end()) {
    sim::SetLastError(kErrorInvalidHandle);
    return false;
  }
  const ssize_t n = ::read(it->second, buffer, size);
  if (n < 0) {
    sim::SetLastError(kErrorAccessDenied);
    return false;
  }
  *read = static_cast<uint32_t>(n);
  return true;
}

}  // namespace platform
