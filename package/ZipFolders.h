// Folders below the reader's base folder, made level by level, never
// through a link.
#pragma once
#include <string>

namespace package {

bool IsPathSeparator(char c);

// The path without its final separators, unless that would leave a root
// ("C:\", "\") or a drive-relative "C:".
std::string WithoutFinalSeparator(const std::string& path);

// Makes `base` (when nothing is there) and then each level of `folder`
// below it, parents first. False when a level cannot be made, is a file,
// or is a link (a reparse point: a junction or a symbolic link), base
// included: writing through it would land outside the base folder.
bool EnsureFolder(const std::string& base, const std::string& folder);

}  // namespace package
