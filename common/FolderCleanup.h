// Emptying the package folder.
#pragma once
#include <string>

namespace common {

// Deletes everything inside `folder` (given without a trailing separator),
// depth first; the folder itself stays. A directory link or junction inside
// is removed as a link and never entered, so nothing it points to is
// touched. A file that cannot be deleted (read-only, or held open) stays,
// and so does every folder above it; the clean-up goes on with the next
// entry. An empty path or a drive root is refused: nothing is deleted.
void DeleteFolderContents(const std::string& folder);

}  // namespace common
