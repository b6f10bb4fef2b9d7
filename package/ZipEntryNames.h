// Entry names: the safety rules applied to a stored name, the test of a
// name the reader is asked to write, and the split into folder and leaf.
#pragma once
#include <string>

namespace package {

// Strips drive prefixes, leading separators and everything up to a
// "\..\", "\../", "/../" or "/..\" sequence, until none of them is left:
// 'C:\dir\f.txt' becomes 'dir\f.txt', 'a\b\..\c' becomes 'c'. Bytes are
// taken one by one, whatever the ANSI code page.
std::string ApplyNameRules(std::string name);

// Whether a name may be written below the base folder: not empty for a
// file, shorter than 260 bytes, relative (no leading separator, no ':' at
// all, so no drive and no NTFS stream), no ".." segment (nor one that
// Windows would trim to "..", such as ".. "), no reserved device name (CON,
// NUL, COM1...) as a segment, and for a file a leaf that is not empty.
bool IsWritableName(const std::string& name, bool directory);

// The leaf is the text after the last '/' or '\' (all of `name` when there
// is none); the folder part is the text before it, its final separator
// included.
void SplitFolderAndLeaf(const std::string& name, std::string* folder, std::string* leaf);

}  // namespace package
