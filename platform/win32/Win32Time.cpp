#include <windows.h>

#include "platform/Time.h"

namespace platform {

static FileTime FromFileTime(const FILETIME& ft) {
  return (static_cast<FileTime>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

bool SystemTimeToFileTimeValue(const SystemTime& t, FileTime* fileTime) {
  SYSTEMTIME st = {t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds};
  FILETIME ft;
  if (!SystemTimeToFileTime(&st, &ft)) return false;
  *fileTime = FromFileTime(ft);
  return true;
}

bool LocalFileTimeToUtc(FileTime local, FileTime* utc) {
  FILETIME in;
  in.dwLowDateTime = static_cast<DWORD>(local & 0xFFFFFFFFu);
  in.dwHighDateTime = static_cast<DWORD>(local >> 32);
  FILETIME out;
  if (!LocalFileTimeToFileTime(&in, &out)) return false;
  *utc = FromFileTime(out);
  return true;
}

SystemTime LocalTimeNow() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  SystemTime t;
  t.year = st.wYear;
  t.month = st.wMonth;
  t.dayOfWeek = st.wDayOfWeek;
  t.day = st.wDay;
  t.hour = st.wHour;
  t.minute = st.wMinute;
  t.second = st.wSecond;
  t.milliseconds = st.wMilliseconds;
  return t;
}

}  // namespace platform
