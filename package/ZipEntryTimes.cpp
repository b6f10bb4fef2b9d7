#include "package/ZipEntryTimes.h"

namespace package {
namespace {

// 1980-01-01 00:00:00 as a file time.
constexpr platform::FileTime kDosEpoch = 119600064000000000ull;
// 100-nanosecond intervals from 1601-01-01 to 1970-01-01.
constexpr int64_t kUnixEpoch = 116444736000000000ll;
constexpr int64_t kTicksPerSecond = 10000000ll;

uint32_t Little16(const uint8_t* p) { return p[0] | (p[1] << 8); }

platform::FileTime UnixSecondsAt(const uint8_t* p) {
  const uint32_t bits = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
  const int64_t seconds = static_cast<int32_t>(bits);
  return static_cast<platform::FileTime>(seconds * kTicksPerSecond + kUnixEpoch);
}

}  // namespace

platform::FileTime DosTimeToFileTime(uint32_t dosDateTime) {
  const uint32_t date = dosDateTime >> 16;
  const uint32_t time = dosDateTime & 0xFFFF;
  platform::SystemTime calendar;
  calendar.year = static_cast<uint16_t>(1980 + (date >> 9));
  calendar.month = static_cast<uint16_t>((date >> 5) & 0x0F);
  calendar.day = static_cast<uint16_t>(date & 0x1F);
  calendar.hour = static_cast<uint16_t>(time >> 11);
  calendar.minute = static_cast<uint16_t>((time >> 5) & 0x3F);
  calendar.second = static_cast<uint16_t>(2 * (time & 0x1F));
  platform::FileTime local = 0;
  if (!platform::SystemTimeToFileTimeValue(calendar, &local)) local = kDosEpoch;
  platform::FileTime utc = 0;
  if (!platform::LocalFileTimeToUtc(local, &utc)) utc = local;
  return utc;
}

void ApplyExtendedTimestamp(const uint8_t* extra, size_t length, ZipEntryInfo* info) {
  if (length <= 4) return;
  size_t p = 0;
  while (p + 4 < length) {
    const size_t dataSize = Little16(extra + p + 2);
    if (extra[p] != 'U' || extra[p + 1] != 'T') {
      p += 4 + dataSize;
      continue;
    }
    // The block ends where its size says, or with the field.
    const size_t end = p + 4 + dataSize < length ? p + 4 + dataSize : length;
    const uint8_t flags = extra[p + 4];
    size_t at = p + 5;
    platform::FileTime* targets[] = {&info->writeTime, &info->accessTime, &info->creationTime};
    for (int bit = 0; bit < 3; ++bit) {
      if (!(flags & (1 << bit))) continue;
      if (at + 4 > end) break;
      *targets[bit] = UnixSecondsAt(extra + at);
      at += 4;
    }
    return;
  }
}

}  // namespace package
