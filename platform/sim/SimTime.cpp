#include "platform/Time.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimMachine.h"

namespace platform {
namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

constexpr uint64_t kTicksPerSecond = 10000000ull;

}  // namespace

bool SystemTimeToFileTimeValue(const SystemTime& t, FileTime* fileTime) {
  if (!sim::Enter("SystemTimeToFileTime")) return false;
  if (t.year < 1601 || t.year > 30827 || t.month < 1 || t.month > 12 || t.day < 1 ||
      t.day > DaysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59 ||
      t.milliseconds > 999) {
    sim::SetLastError(kErrorInvalidParameter);
    return false;
  }
  uint64_t days = 0;
  for (int y = 1601; y < t.year; ++y) days += IsLeap(y) ? 366 : 365;
  for (int m = 1; m < t.month; ++m) days += static_cast<uint64_t>(DaysInMonth(t.year, m));
  days += static_cast<uint64_t>(t.day - 1);
  uint64_t seconds = days * 86400ull + t.hour * 3600ull + t.minute * 60ull + t.second;
  *fileTime = seconds * kTicksPerSecond + t.milliseconds * 10000ull;
  return true;
}

bool LocalFileTimeToUtc(FileTime local, FileTime* utc) {
  if (!sim::Enter("LocalFileTimeToFileTime")) return false;
  const int64_t offset =
      static_cast<int64_t>(sim::System().timeZoneOffsetMinutes) * 60 * static_cast<int64_t>(kTicksPerSecond);
  *utc = static_cast<FileTime>(static_cast<int64_t>(local) - offset);
  return true;
}

SystemTime LocalTimeNow() {
  sim::Enter("GetLocalTime");  // cannot fail
  return sim::System().localNow;
}

}  // namespace platform
