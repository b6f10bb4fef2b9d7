// The registry (advapi32 Reg*A). Results are Win32 error codes, 0 on success.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

using RegKey = std::uintptr_t;
constexpr RegKey kHkeyCurrentUser = 0x80000001u;
constexpr RegKey kHkeyLocalMachine = 0x80000002u;

constexpr uint32_t kKeyRead = 0x20019;
constexpr uint32_t kKeyWrite = 0x20006;
constexpr uint32_t kKeyReadWrite = kKeyRead | kKeyWrite;  // 0x2001F

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;

// RegOpenKeyExA(parent, subKey, 0, access, key).
int32_t OpenRegKey(RegKey parent, const std::string& subKey, uint32_t access, RegKey* key);

// RegCreateKeyExA: no class, options 0 (non-volatile), default security,
// disposition not asked for. Opens the key when it exists.
int32_t CreateRegKey(RegKey parent, const std::string& subKey, uint32_t access, RegKey* key);

// RegSetValueExA. `size` counts every byte handed over, terminators included.
int32_t SetRegValue(RegKey key, const std::string& name, uint32_t type, const void* data,
                    uint32_t size);

// RegQueryValueExA. `type` may be null. On entry *size is the buffer size.
int32_t QueryRegValue(RegKey key, const std::string& name, uint32_t* type, void* data,
                      uint32_t* size);

// RegEnumValueA. On entry *nameChars and *dataSize are the buffer sizes; the
// type is not asked for. Returns kErrorNoMoreItems past the last value.
int32_t EnumRegValue(RegKey key, uint32_t index, char* name, uint32_t* nameChars, void* data,
                     uint32_t* dataSize);

// RegCloseKey.
int32_t CloseRegKey(RegKey key);

}  // namespace platform
