// Calendar and file times (kernel32 time conversion).
#pragma once
#include <cstdint>

namespace platform {

// SYSTEMTIME.
struct SystemTime {
  uint16_t year = 0;
  uint16_t month = 0;
  uint16_t dayOfWeek = 0;
  uint16_t day = 0;
  uint16_t hour = 0;
  uint16_t minute = 0;
  uint16_t second = 0;
  uint16_t milliseconds = 0;
};

// A FILETIME as one number: 100-nanosecond units since 1601-01-01.
using FileTime = uint64_t;

// SystemTimeToFileTime. False for a time that is not a calendar time.
bool SystemTimeToFileTimeValue(const SystemTime& time, FileTime* fileTime);

// LocalFileTimeToFileTime: the time-zone offset in force now.
bool LocalFileTimeToUtc(FileTime local, FileTime* utc);

// GetLocalTime.
SystemTime LocalTimeNow();

}  // namespace platform
