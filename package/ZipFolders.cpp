#include "package/ZipFolders.h"

#include "platform/FileSystem.h"

namespace package {
namespace {

// One level: an existing real folder, or a new one.
bool EnsureLevel(const std::string& path) {
  const std::string level = WithoutFinalSeparator(path);
  const uint32_t attributes = platform::GetPathAttributes(level);
  if (attributes == platform::kInvalidFileAttributes) return platform::MakeDirectory(level);
  if (attributes & platform::kFileAttributeReparsePoint) return false;
  return (attributes & platform::kFileAttributeDirectory) != 0;
}

}  // namespace

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string WithoutFinalSeparator(const std::string& path) {
  size_t end = path.size();
  while (end > 0 && IsPathSeparator(path[end - 1])) --end;
  if (end == 0 || (end == 2 && path[1] == ':')) return path;
  return path.substr(0, end);
}

bool EnsureFolder(const std::string& base, const std::string& folder) {
  if (!EnsureLevel(base)) return false;
  for (size_t i = 1; i < folder.size(); ++i) {
    if (IsPathSeparator(folder[i]) && !IsPathSeparator(folder[i - 1])) {
      if (!EnsureLevel(base + folder.substr(0, i))) return false;
    }
  }
  if (!folder.empty() && !IsPathSeparator(folder.back())) return EnsureLevel(base + folder);
  return true;
}

}  // namespace package
