// Windows path cases, and how to observe them through the platform layer:
// one table that the unit tests run over the simulated file system and an
// end-to-end program runs over the real calls under Wine.
//
// What a case observes is what the package extraction's "nothing outside
// the folder" rests on: the full path GetFullPathNameA gives, and where a
// file (or folder) created under that name really lands below C:\T, the
// folder that holds the extraction folder C:\T\base. "base\x" is inside;
// anything else is outside. The expected answers are Windows' (XP to 10).
// Where Wine answers otherwise, the case says so and gives Wine's answer.
#pragma once
#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace pathcases {

#define KDR_BASE "C:\\T\\base"

// `lands`: "refused" (the call failed and nothing appeared), "existing" (it
// opened a file that was there), "no file" (a device: nothing may appear,
// whether or not the device opens), or the names that appeared, from C:\T.
struct PathCase {
  PathCase(std::string what_, std::string path_, std::string full_, std::string lands_,
           bool folder_ = false, bool device_ = false)
      : what(std::move(what_)),
        path(std::move(path_)),
        full(std::move(full_)),
        lands(std::move(lands_)),
        folder(folder_),
        device(device_) {}
  // Wine's answers for a case where it is known to differ from Windows.
  PathCase OnWine(std::string full_, std::string lands_, std::string note) const {
    PathCase c = *this;
    c.wineFull = std::move(full_);
    c.wineLands = std::move(lands_);
    c.wineNote = std::move(note);
    return c;
  }

  std::string what;
  std::string path;
  std::string full;
  std::string lands;
  bool folder = false;  // CreateDirectoryA instead of CreateFileA
  bool device = false;
  // Where Wine differs from Windows: its answers, and why.
  std::string wineFull;
  std::string wineLands;
  std::string wineNote;
};

inline std::vector<PathCase> Cases() {
  const std::string a249(249, 'a');
  // Measured with Wine 8 on ext4: CreateFileA makes a file whose name holds
  // the colon, where NTFS opens a data stream of the file before it.
  const char kNoStreams[] = "Wine keeps no data streams: the colon stays in the file's name";
  std::vector<PathCase> c = {
      // Separators, parents, relative forms.
      {"a file in the folder", KDR_BASE "\\new.txt", KDR_BASE "\\new.txt", "base\\new.txt"},
      {"forward slashes", "C:/T/base/new.txt", KDR_BASE "\\new.txt", "base\\new.txt"},
      {"mixed and doubled separators", "C:\\T/base\\\\sub/..\\new.txt", KDR_BASE "\\new.txt",
       "base\\new.txt"},
      {"a parent with backslashes", KDR_BASE "\\..\\new.txt", "C:\\T\\new.txt", "new.txt"},
      {"a parent with slashes", KDR_BASE "/../new.txt", "C:\\T\\new.txt", "new.txt"},
      {"parents stop at the drive root", "C:\\..\\..\\T\\new.txt", "C:\\T\\new.txt", "new.txt"},
      {"relative to the current folder", "new.txt", KDR_BASE "\\new.txt", "base\\new.txt"},
      {"a relative parent", "..\\new.txt", "C:\\T\\new.txt", "new.txt"},
      {"relative to the drive root", "\\T\\new.txt", "C:\\T\\new.txt", "new.txt"},
      {"drive-relative, the current drive", "C:new.txt", KDR_BASE "\\new.txt", "base\\new.txt"},
      {"drive-relative with a parent", "C:..\\new.txt", "C:\\T\\new.txt", "new.txt"},
      {"drive-relative, a drive that is not there", "Q:new.txt", "Q:\\new.txt", "refused"},
      // Shares and device paths.
      {"a share", "\\\\server\\share\\new.txt", "\\\\server\\share\\new.txt", "refused"},
      {"a share with slashes", "//server/share/new.txt", "\\\\server\\share\\new.txt", "refused"},
      {"parents stop at the share", "\\\\server\\share\\..\\..\\new.txt",
       "\\\\server\\share\\new.txt", "refused"},
      {"\\\\?\\ with a drive", "\\\\?\\" KDR_BASE "\\new.txt", "\\\\?\\" KDR_BASE "\\new.txt",
       "base\\new.txt"},
      // GetFullPathNameA normalises a \\?\ path like any other; the file
      // calls take it as written.
      {"\\\\?\\ keeps a trailing dot", "\\\\?\\" KDR_BASE "\\dot.", "\\\\?\\" KDR_BASE "\\dot",
       "base\\dot."},
      {"\\\\?\\ does not walk '..'", "\\\\?\\" KDR_BASE "\\..\\new.txt", "\\\\?\\C:\\T\\new.txt",
       "refused"},
      {"\\\\?\\ takes '/' for a character", "\\\\?\\C:/T/base/new.txt",
       "\\\\?\\" KDR_BASE "\\new.txt", "refused"},
      {"\\\\.\\ is normalised", "\\\\.\\" KDR_BASE "\\sub\\..\\new.txt",
       "\\\\.\\" KDR_BASE "\\new.txt", "base\\new.txt"},
      {"//?/ is normalised", "//?/C:/T/base/sub/../new.txt", "\\\\?\\" KDR_BASE "\\new.txt",
       "base\\new.txt"},
      // Trailing dots and spaces: Windows strips them from the last name.
      {"a trailing dot", KDR_BASE "\\UNIDRV.DLL.", KDR_BASE "\\UNIDRV.DLL", "existing"},
      {"a trailing space", KDR_BASE "\\UNIDRV.DLL ", KDR_BASE "\\UNIDRV.DLL", "existing"},
      {"trailing dots and spaces", KDR_BASE "\\UNIDRV.DLL. . ", KDR_BASE "\\UNIDRV.DLL",
       "existing"},
      {"a new name with trailing dots", KDR_BASE "\\new. . .", KDR_BASE "\\new", "base\\new"},
      {"an inner name loses one dot", KDR_BASE "\\sub.\\new.txt", KDR_BASE "\\sub\\new.txt",
       "base\\sub\\new.txt"},
      {"an inner name keeps its space", KDR_BASE "\\sub \\new.txt", KDR_BASE "\\sub \\new.txt",
       "refused"},
      {"'.. ' inside is a name, not a parent", KDR_BASE "\\.. \\new.txt", KDR_BASE "\\.. \\new.txt",
       "refused"},
      {"'.. ' at the end names the folder", KDR_BASE "\\sub\\.. ", KDR_BASE "\\sub\\", "refused"},
      {"'...' at the end names the folder", KDR_BASE "\\...", KDR_BASE "\\", "refused"},
      {"a new folder with a trailing dot and space", KDR_BASE "\\newdir. ", KDR_BASE "\\newdir",
       "base\\newdir", true},
      {"\\\\?\\ keeps a folder's trailing space", "\\\\?\\" KDR_BASE "\\newdir ",
       "\\\\?\\" KDR_BASE "\\newdir", "base\\newdir ", true},
      // Case.
      {"another case finds the same file", KDR_BASE "\\unidrv.dll", KDR_BASE "\\unidrv.dll",
       "existing"},
      {"another case finds the same folders", "c:\\t\\BASE\\SUB\\new.txt",
       "c:\\t\\BASE\\SUB\\new.txt", "base\\sub\\new.txt"},
      // Devices: the last name, without extension or trailing spaces, in
      // any folder (Windows 11 keeps only the bare names).
      {"NUL in a folder", KDR_BASE "\\NUL", "\\\\.\\NUL", "no file", false, true},
      {"nul.txt", KDR_BASE "\\nul.txt", "\\\\.\\nul", "no file", false, true},
      {"CON", KDR_BASE "\\CON", "\\\\.\\CON", "no file", false, true},
      {"COM1", KDR_BASE "\\COM1", "\\\\.\\COM1", "no file", false, true},
      {"lpt1.log", KDR_BASE "\\lpt1.log", "\\\\.\\lpt1", "no file", false, true},
      {"AUX with a trailing space", KDR_BASE "\\AUX ", "\\\\.\\AUX", "no file", false, true},
      {"prn with two extensions", KDR_BASE "\\prn.txt.bak", "\\\\.\\prn", "no file", false, true},
      {"COM1 with a colon", KDR_BASE "\\COM1:", "\\\\.\\COM1", "no file", false, true},
      {"a bare NUL", "NUL", "\\\\.\\NUL", "no file", false, true},
      {"COM0 is no device", KDR_BASE "\\COM0", KDR_BASE "\\COM0", "base\\COM0"},
      {"CONSOLE is no device", KDR_BASE "\\CONSOLE", KDR_BASE "\\CONSOLE", "base\\CONSOLE"},
      {"a device name as a folder is no device", KDR_BASE "\\nul\\x.txt", KDR_BASE "\\nul\\x.txt",
       "refused"},
      // Data streams (NTFS): the file is the name before the colon.
      PathCase{"a named stream", KDR_BASE "\\f.txt:x", KDR_BASE "\\f.txt:x", "base\\f.txt"}.OnWine(
          KDR_BASE "\\f.txt:x", "base\\f.txt:x", kNoStreams),
      PathCase{"the unnamed data stream", KDR_BASE "\\f.txt::$DATA", KDR_BASE "\\f.txt::$DATA",
               "base\\f.txt"}
          .OnWine(KDR_BASE "\\f.txt::$DATA", "base\\f.txt::$DATA", kNoStreams),
      {"a colon in a folder name", KDR_BASE "\\a:b\\c.txt", KDR_BASE "\\a:b\\c.txt", "refused"},
      // Lengths: a narrow path of more than MAX_PATH characters fails as
      // written, before it is normalised; a full path of MAX_PATH does not
      // fit GetFullPathNameA's MAX_PATH buffer; a name holds 255.
      {"259 characters", KDR_BASE "\\" + a249, KDR_BASE "\\" + a249, "base\\" + a249},
      {"260 characters", KDR_BASE "\\" + a249 + "a", "", "base\\" + a249 + "a"},
      {"261 characters", KDR_BASE "\\" + a249 + "aa", "", "refused"},
      {"260 characters that normalise to fewer", KDR_BASE "\\sub\\..\\" + std::string(243, 'a'),
       KDR_BASE "\\" + std::string(243, 'a'), "base\\" + std::string(243, 'a')},
      {"261 characters that normalise to fewer", KDR_BASE "\\sub\\..\\" + std::string(244, 'a'), "",
       "refused"},
      {"a 256-character name", "C:\\" + std::string(256, 'a'), "C:\\" + std::string(256, 'a'),
       "refused"},
  };
  return c;
}

#undef KDR_BASE

const char kTop[] = "C:\\T";
const char kBase[] = "C:\\T\\base";

// C:\T\base with a file UNIDRV.DLL and a folder sub; the current directory
// is the base folder.
inline bool PrepareTree() {
  platform::MakeDirectory(kTop);
  platform::MakeDirectory(kBase);
  platform::MakeDirectory(std::string(kBase) + "\\sub");
  const platform::FileHandle h =
      platform::CreateFileForWriting(std::string(kBase) + "\\UNIDRV.DLL", 0x80);
  if (h == platform::kInvalidFileHandle) return false;
  platform::CloseFile(h);
  return platform::SetCurrentDirectoryPath(kBase);
}

// Every name below C:\T, as "base\sub\x". Through \\?\ so that names with
// trailing dots or spaces are listed and walked as they are.
inline void ListTree(const std::string& relative, std::set<std::string>* names) {
  const std::string folder =
      std::string("\\\\?\\") + kTop + (relative.empty() ? "" : "\\") + relative;
  platform::FoundFile found;
  const platform::FindHandle search = platform::FindFirstEntry(folder + "\\*", &found);
  if (search == platform::kInvalidFindHandle) return;
  do {
    if (found.name == "." || found.name == "..") continue;
    const std::string name = relative.empty() ? found.name : relative + "\\" + found.name;
    names->insert(name);
    if (found.attributes & platform::kFileAttributeDirectory) ListTree(name, names);
  } while (platform::FindNextEntry(search, &found));
  platform::FindEnd(search);
}

inline std::set<std::string> Tree() {
  std::set<std::string> names;
  ListTree("", &names);
  return names;
}

struct Observed {
  std::string full;
  std::string lands;
};

// Runs one case against a prepared tree and puts the tree back as it was.
inline Observed Observe(const PathCase& c) {
  Observed o;
  platform::SetCurrentDirectoryPath(kBase);
  o.full = platform::FullPathOf(c.path);
  const std::set<std::string> before = Tree();
  bool made = false;
  if (c.folder) {
    made = platform::MakeDirectory(c.path);
  } else {
    const platform::FileHandle h = platform::CreateFileForWriting(c.path, 0x80);
    made = h != platform::kInvalidFileHandle;
    if (made) platform::CloseFile(h);
  }
  std::vector<std::string> added;
  for (const auto& name : Tree())
    if (!before.count(name)) added.push_back(name);
  if (added.empty()) {
    o.lands = c.device ? "no file" : made ? "existing" : "refused";
    return o;
  }
  for (const auto& name : added) o.lands += (o.lands.empty() ? "" : ";") + name;
  // Deepest first, through \\?\ so that the name is taken as it is.
  std::sort(added.begin(), added.end(),
            [](const std::string& x, const std::string& y) { return x.size() > y.size(); });
  for (const auto& name : added) {
    const std::string path = std::string("\\\\?\\") + kTop + "\\" + name;
    if (platform::GetPathAttributes(path) & platform::kFileAttributeDirectory)
      platform::RemoveEmptyDirectory(path);
    else
      platform::RemoveFile(path);
  }
  return o;
}

}  // namespace pathcases
