#include "platform/sim/SimPaths.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "platform/Types.h"

namespace sim {
namespace {

using platform::kErrorFileNotFound;
using platform::kErrorPathNotFound;
constexpr uint32_t kErrorBadNetPath = 53;
constexpr uint32_t kErrorFilenameExcedRange = 206;

bool IsSep(char c) { return c == '\\' || c == '/'; }

bool IsDriveLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

bool EqualsNoCase(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != b[i]) return false;
  return true;
}

std::vector<std::string> SplitOn(const std::string& text, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(sep, start);
    parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// RtlIsDosDeviceName_U as Windows XP to 10 apply it: the last name of the
// path, cut at its first '.' or ':' and without trailing spaces, is a DOS
// device whatever folder is in front of it. Windows 11 keeps this only for
// a bare name; the stricter rule is the one a check must assume.
std::string DeviceOf(const std::string& path) {
  if (path.size() >= 2 && IsSep(path[0]) && IsSep(path[1])) return std::string();
  size_t start = 0;
  const size_t sep = path.find_last_of("\\/");
  if (sep != std::string::npos)
    start = sep + 1;
  else if (path.size() >= 2 && path[1] == ':' && IsDriveLetter(path[0]))
    start = 2;
  std::string name = path.substr(start);
  name = name.substr(0, name.find_first_of(".:"));
  while (!name.empty() && name.back() == ' ') name.pop_back();
  for (const char* device : {"CON", "PRN", "AUX", "NUL"})
    if (EqualsNoCase(name, device)) return name;
  if (name.size() == 4 && name[3] >= '1' && name[3] <= '9') {
    const std::string stem = name.substr(0, 3);
    if (EqualsNoCase(stem, "COM") || EqualsNoCase(stem, "LPT")) return name;
  }
  return std::string();
}

// The drive or share a path starts from, and what follows it.
void SplitRoot(const std::string& p, std::string* root, std::string* rest) {
  if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') {
    if (p.size() >= 3 && (p[2] == '.' || p[2] == '?') && (p.size() == 3 || p[3] == '\\')) {
      *root = p.substr(0, 3);
      *rest = p.size() > 3 ? p.substr(3) : std::string();
      return;
    }
    // \\server\share: '..' never climbs above the share.
    size_t end = p.find('\\', 2);
    if (end != std::string::npos) end = p.find('\\', end + 1);
    *root = p.substr(0, end);
    *rest = end == std::string::npos ? std::string() : p.substr(end);
    return;
  }
  *root = p.substr(0, 2);
  *rest = p.substr(2);
}

// Folders walked and names trimmed as RtlGetFullPathName_U does it (Vista
// on): "." and ".." are taken first; then an inner name loses one final
// '.', and the last name, unless a separator ends the path, loses all its
// final dots and spaces. A last name that is nothing but those ("..." or
// ".. ") names the folder it is in.
std::string Collapse(const std::string& root, const std::string& rest) {
  std::vector<std::string> names;
  for (const auto& name : SplitOn(rest, '\\'))
    if (!name.empty()) names.push_back(name);
  bool endsInSeparator = !rest.empty() && rest.back() == '\\';
  std::vector<std::string> out;
  for (size_t i = 0; i < names.size(); ++i) {
    std::string name = names[i];
    if (name == ".") continue;
    if (name == "..") {
      if (!out.empty()) out.pop_back();
      continue;
    }
    if (i + 1 == names.size() && !endsInSeparator) {
      while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
      if (name.empty()) {
        endsInSeparator = true;
        continue;
      }
    } else if (name.back() == '.' && (name.size() < 2 || name[name.size() - 2] != '.')) {
      name.pop_back();
    }
    out.push_back(name);
  }
  std::string result = root + "\\";
  for (size_t i = 0; i < out.size(); ++i) result += (i ? "\\" : "") + out[i];
  if (endsInSeparator && !out.empty()) result += "\\";
  return result;
}

bool IsDrivePath(const std::string& p) {
  return p.size() >= 3 && IsDriveLetter(p[0]) && p[1] == ':' && p[2] == '\\';
}

ResolvedPath Refused(uint32_t error) {
  ResolvedPath r;
  r.kind = ResolvedPath::kRefused;
  r.error = error;
  return r;
}

bool ValidChars(const std::string& name, bool raw) {
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32 || std::strchr("<>\"|?*", c)) return false;
    if (raw && c == '/') return false;
  }
  return true;
}

// The names below the drive root, checked as NTFS checks them; a ':' in the
// last one opens a data stream of the file before it.
ResolvedPath CheckDrivePath(const std::string& drivePath, bool raw) {
  std::vector<std::string> names = SplitOn(drivePath.substr(3), '\\');
  if (names.size() == 1 && names[0].empty()) names.clear();
  const bool endsInSeparator = !names.empty() && names.back().empty();
  if (endsInSeparator) names.pop_back();
  ResolvedPath r;
  r.kind = ResolvedPath::kFile;
  r.drivePath = drivePath.substr(0, 2);
  for (size_t i = 0; i < names.size(); ++i) {
    std::string name = names[i];
    if (name.empty()) return Refused(kErrorInvalidName);
    if (raw && (name == "." || name == "..")) return Refused(kErrorInvalidName);
    const size_t colon = name.find(':');
    if (colon != std::string::npos) {
      if (i + 1 != names.size() || endsInSeparator) return Refused(kErrorInvalidName);
      const std::vector<std::string> parts = SplitOn(name.substr(colon + 1), ':');
      const std::string stream = parts[0];
      if (parts.size() > 2 || (parts.size() == 2 && !EqualsNoCase(parts[1], "$DATA")) ||
          (parts.size() == 1 && stream.empty()) || !ValidChars(stream, raw) ||
          stream.find('\\') != std::string::npos) {
        return Refused(kErrorInvalidName);
      }
      r.stream = stream;
      name = name.substr(0, colon);
      if (name.empty()) return Refused(kErrorInvalidName);
    }
    if (name.size() > kMaxNameLength || !ValidChars(name, raw)) return Refused(kErrorInvalidName);
    r.drivePath += "\\" + name;
  }
  if (names.empty()) r.drivePath += "\\";
  r.trailingSeparator = endsInSeparator;
  return r;
}

// GetFullPathName's answer, however long.
std::string Normalise(const std::string& path, const std::string& currentDirectory) {
  if (path.empty() || path.size() > kMaxAnsiPath) return std::string();
  // "\\?\" too is normalised here; only the file calls take it as written.
  const std::string device = DeviceOf(path);
  if (!device.empty()) return "\\\\.\\" + device;
  std::string p = path;
  for (char& c : p)
    if (c == '/') c = '\\';
  const std::string& cwd = currentDirectory;
  if (p.size() >= 2 && p[1] == ':' && IsDriveLetter(p[0]) && (p.size() == 2 || p[2] != '\\')) {
    // Drive-relative: the current directory when it is on that drive.
    const bool sameDrive = cwd.size() >= 2 && cwd[1] == ':' &&
                           std::tolower(static_cast<unsigned char>(cwd[0])) ==
                               std::tolower(static_cast<unsigned char>(p[0]));
    p = sameDrive ? cwd + "\\" + p.substr(2) : p.substr(0, 2) + "\\" + p.substr(2);
  } else if (!p.empty() && p[0] == '\\' && (p.size() == 1 || p[1] != '\\')) {
    std::string root;
    std::string rest;
    SplitRoot(cwd, &root, &rest);
    p = root + p;
  } else if (!(p.size() >= 2 && p[0] == '\\' && p[1] == '\\') &&
             !(p.size() >= 2 && p[1] == ':' && IsDriveLetter(p[0]))) {
    p = cwd + "\\" + p;
  }
  std::string root;
  std::string rest;
  SplitRoot(p, &root, &rest);
  return Collapse(root, rest);
}

}  // namespace

std::string FullPathName(const std::string& path, const std::string& currentDirectory) {
  const std::string full = Normalise(path, currentDirectory);
  return full.size() >= kFullPathBuffer ? std::string() : full;
}

ResolvedPath ResolvePath(const std::string& path, const std::string& currentDirectory) {
  if (path.empty()) return Refused(kErrorPathNotFound);
  if (path.size() > kMaxAnsiPath) return Refused(kErrorFilenameExcedRange);
  if (path.compare(0, 4, "\\\\?\\") == 0) {
    // No normalisation at all: the names go to the file system as written.
    const std::string rest = path.substr(4);
    if (!IsDrivePath(rest)) return Refused(kErrorFileNotFound);
    return CheckDrivePath(rest, true);
  }
  const std::string full = Normalise(path, currentDirectory);
  if (full.empty()) return Refused(kErrorFilenameExcedRange);
  // "\\.\" and a "//?/" that was normalised into "\\?\".
  if (full.compare(0, 4, "\\\\.\\") == 0 || full.compare(0, 4, "\\\\?\\") == 0) {
    const std::string device = DeviceOf(path);
    if (!device.empty()) {
      ResolvedPath r;
      r.kind = ResolvedPath::kDevice;
      r.device = device;
      return r;
    }
    const std::string rest = full.substr(4);
    if (!IsDrivePath(rest)) return Refused(kErrorFileNotFound);
    return CheckDrivePath(rest, false);
  }
  if (full.compare(0, 2, "\\\\") == 0) return Refused(kErrorBadNetPath);
  return CheckDrivePath(full, false);
}

}  // namespace sim
