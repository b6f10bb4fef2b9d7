// The 12-byte header of an entry under the zip format's traditional
// encryption, read without a password.
#pragma once
#include <cstdint>

namespace package {

constexpr uint32_t kEncryptionHeaderSize = 12;

// The header's last byte, decrypted with the initial keys alone. minizip
// never looks at it (its unzip half is built without decryption), so the
// reader makes this check itself.
uint8_t DecryptedCheckByte(const uint8_t (&header)[kEncryptionHeaderSize]);

}  // namespace package
