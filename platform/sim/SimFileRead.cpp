// Reading a file through a handle, on the simulated file system.
#include <algorithm>
#include <cstring>

#include "platform/FileSystem.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimFiles.h"

namespace platform {

FileHandle OpenFileForReading(const std::string& path) {
  if (!sim::Enter("CreateFileA")) return kInvalidFileHandle;
  sim::SimFiles& files = sim::Files();
  const std::string stored = files.HostPath(path);
  const sim::StoreStat st = stored.empty() ? sim::StoreStat() : files.Store().Stat(stored);
  if (!st.exists) {
    sim::SetLastError(kErrorFileNotFound);
    return kInvalidFileHandle;
  }
  // A folder opens only with FILE_FLAG_BACKUP_SEMANTICS.
  sim::SimFiles::Reading contents;
  if (st.dir || !files.Store().ReadAll(stored, &contents.bytes)) {
    sim::SetLastError(kErrorAccessDenied);
    return kInvalidFileHandle;
  }
  const FileHandle h = files.nextHandle++;
  // Open without FILE_SHARE_DELETE: DeleteFile fails while the handle lives.
  files.openFiles[h] = sim::MetaKey(files.Absolute(path));
  files.openFds[h] = -1;  // no store handle: the bytes were read at the open
  files.reading[h] = std::move(contents);
  return h;
}

bool ReadFromFile(FileHandle file, void* buffer, uint32_t size, uint32_t* read) {
  *read = 0;
  if (!sim::Enter("ReadFile")) return false;
  const auto it = sim::Files().reading.find(file);
  if (it == sim::Files().reading.end()) {
    sim::SetLastError(kErrorInvalidHandle);
    return false;
  }
  sim::SimFiles::Reading& r = it->second;
  const size_t n = std::min<size_t>(size, r.bytes.size() - r.position);
  if (n > 0) std::memcpy(buffer, r.bytes.data() + r.position, n);
  r.position += n;
  *read = static_cast<uint32_t>(n);
  return true;
}

}  // namespace platform
