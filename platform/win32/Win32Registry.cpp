#include <windows.h>

#include "platform/Registry.h"

namespace platform {

static HKEY Key(RegKey key) { return reinterpret_cast<HKEY>(key); }

int32_t OpenRegKey(RegKey parent, const std::string& subKey, uint32_t access, RegKey* key) {
  HKEY opened = nullptr;
  LONG rc = RegOpenKeyExA(Key(parent), subKey.c_str(), 0, access, &opened);
  if (rc == ERROR_SUCCESS) *key = reinterpret_cast<RegKey>(opened);
  return rc;
}

int32_t CreateRegKey(RegKey parent, const std::string& subKey, uint32_t access, RegKey* key) {
  HKEY created = nullptr;
  LONG rc = RegCreateKeyExA(Key(parent), subKey.c_str(), 0, nullptr, 0, access, nullptr,
                            &created, nullptr);
  if (rc == ERROR_SUCCESS) *key = reinterpret_cast<RegKey>(created);
  return rc;
}

int32_t SetRegValue(RegKey key, const std::string& name, uint32_t type, const void* data,
                    uint32_t size) {
  return RegSetValueExA(Key(key), name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

int32_t QueryRegValue(RegKey key, const std::string& name, uint32_t* type, void* data,
                      uint32_t* size) {
  DWORD t = 0;
  DWORD n = *size;
  LONG rc = RegQueryValueExA(Key(key), name.c_str(), nullptr, &t, static_cast<BYTE*>(data), &n);
  if (type) *type = t;
  *size = n;
  return rc;
}

int32_t EnumRegValue(RegKey key, uint32_t index, char* name, uint32_t* nameChars, void* data,
                     uint32_t* dataSize) {
  DWORD nameLen = *nameChars;
  DWORD dataLen = *dataSize;
  LONG rc = RegEnumValueA(Key(key), index, name, &nameLen, nullptr, nullptr,
                          static_cast<BYTE*>(data), &dataLen);
  *nameChars = nameLen;
  *dataSize = dataLen;
  return rc;
}

int32_t CloseRegKey(RegKey key) { return RegCloseKey(Key(key)); }

}  // namespace platform
