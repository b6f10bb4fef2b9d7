#include "package/ZipEntryNames.h"

#include <cstring>

#include "common/AsciiCase.h"
#include "package/ZipEntryInfo.h"

namespace package {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Drops everything up to and including the first `sequence`; false when
// the name does not contain it.
bool DropThrough(std::string* name, const char* sequence) {
  const auto pos = name->find(sequence);
  if (pos == std::string::npos) return false;
  name->erase(0, pos + std::strlen(sequence));
  return true;
}

// Windows trims trailing dots and spaces from a segment, so ".. " and ". ."
// walk up a folder just as ".." does. Three or more dots are refused too:
// no package needs them.
bool IsParentSegment(const std::string& segment) {
  int dots = 0;
  for (char c : segment) {
    if (c == '.') {
      ++dots;
    } else if (c != ' ') {
      return false;
    }
  }
  return dots >= 2;
}

// CON, PRN, AUX, NUL, COM0-9, LPT0-9 (also with the superscript digits of
// code page 1252), CONIN$ and CONOUT$ open a device, whatever extension
// follows and whatever spaces end the name.
bool IsDeviceSegment(const std::string& segment) {
  std::string stem = segment.substr(0, segment.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
    if (common::EqualsIgnoringAsciiCase(stem, device)) return true;
  }
  if (stem.size() != 4) return false;
  const std::string prefix = stem.substr(0, 3);
  if (!common::EqualsIgnoringAsciiCase(prefix, "COM") &&
      !common::EqualsIgnoringAsciiCase(prefix, "LPT"))
    return false;
  const unsigned char digit = static_cast<unsigned char>(stem[3]);
  return (digit >= '0' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

}  // namespace

std::string ApplyNameRules(std::string name) {
  for (;;) {
    if (name.size() >= 2 && name[1] == ':') {
      name.erase(0, 2);
    } else if (!name.empty() && (name[0] == '\\' || name[0] == '/')) {
      // A leading separator of either kind goes, one at a time.
      name.erase(0, 1);
    } else if (!DropThrough(&name, "\\..\\") && !DropThrough(&name, "\\../") &&
               !DropThrough(&name, "/../") && !DropThrough(&name, "/..\\")) {
      return name;
    }
  }
}

bool IsWritableName(const std::string& name, bool directory) {
  if (name.size() >= kZipMaxPath) return false;
  if (name.empty()) return directory;
  if (IsSeparator(name[0])) return false;
  if (name.find(':') != std::string::npos) return false;
  if (name.find('\0') != std::string::npos) return false;
  std::string segment;
  for (size_t i = 0; i <= name.size(); ++i) {
    if (i < name.size() && !IsSeparator(name[i])) {
      segment += name[i];
      continue;
    }
    if (IsParentSegment(segment) || IsDeviceSegment(segment)) return false;
    segment.clear();
  }
  return directory || !IsSeparator(name.back());
}

void SplitFolderAndLeaf(const std::string& name, std::string* folder, std::string* leaf) {
  const auto last = name.find_last_of("\\/");
  if (last == std::string::npos) {
    folder->clear();
    *leaf = name;
    return;
  }
  *folder = name.substr(0, last + 1);
  *leaf = name.substr(last + 1);
}

}  // namespace package
