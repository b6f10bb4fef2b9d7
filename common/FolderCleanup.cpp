#include "common/FolderCleanup.h"

#include "common/BoundedFormat.h"
#include "platform/FileSystem.h"

namespace common {
namespace {

// Paths handed to the file calls stay within the system's 260-character limit.
constexpr std::size_t kPathCapacity = 260;

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

}  // namespace

void DeleteFolderContents(const std::string& folder) {
  // "" + "/*.*" would be the root of the current drive: never empty a drive.
  const std::string absolute = folder.empty() ? std::string() : platform::FullPathOf(folder);
  if (absolute.size() <= 3) return;
  std::string pattern;
  // The forward slash is accepted by the file system.
  if (!FormatBounded(&pattern, kPathCapacity, "%s/*.*", folder.c_str())) return;
  platform::FoundFile found;
  const platform::FindHandle search = platform::FindFirstEntry(pattern, &found);
  if (search == platform::kInvalidFindHandle) return;
  do {
    if (IsDotEntry(found.name)) continue;
    std::string path;
    if (!FormatBounded(&path, kPathCapacity, "%s\\%s", absolute.c_str(), found.name.c_str()))
      continue;  // a name that does not fit cannot be reached safely
    const bool isLink = (found.attributes & platform::kFileAttributeReparsePoint) != 0;
    const bool isDirectory = (found.attributes & platform::kFileAttributeDirectory) != 0;
    // Results are not acted on: what cannot go stays, and the rest goes on.
    if (isDirectory && !isLink) {
      DeleteFolderContents(path);
      static_cast<void>(platform::RemoveEmptyDirectory(path));
    } else if (isDirectory) {
      // RemoveDirectory on a directory link removes the link itself.
      static_cast<void>(platform::RemoveEmptyDirectory(path));
    } else {
      static_cast<void>(platform::RemoveFile(path));
    }
  } while (platform::FindNextEntry(search, &found));
  platform::FindEnd(search);
}

}  // namespace common
