#include "package/ZipEncryptionHeader.h"

#include <zlib.h>

namespace package {
namespace {

// One byte of the CRC-32 register update, through zlib: crc32() inverts its
// register before and after, which the keys do not.
uint32_t CrcStep(uint32_t key, uint8_t byte) {
  return static_cast<uint32_t>(crc32(~key & 0xFFFFFFFFu, &byte, 1)) ^ 0xFFFFFFFFu;
}

struct Keys {
  uint32_t k0 = 0x12345678u;
  uint32_t k1 = 0x23456789u;
  uint32_t k2 = 0x34567890u;

  void Update(uint8_t plain) {
    k0 = CrcStep(k0, plain);
    k1 = (k1 + (k0 & 0xFF)) * 134775813u + 1;
    k2 = CrcStep(k2, static_cast<uint8_t>(k1 >> 24));
  }
  uint8_t Stream() const {
    const uint32_t t = (k2 & 0xFFFF) | 2;
    return static_cast<uint8_t>((t * (t ^ 1)) >> 8);
  }
};

}  // namespace

uint8_t DecryptedCheckByte(const uint8_t (&header)[kEncryptionHeaderSize]) {
  Keys keys;
  uint8_t plain = 0;
  for (uint8_t cipher : header) {
    plain = static_cast<uint8_t>(cipher ^ keys.Stream());
    keys.Update(plain);
  }
  return plain;
}

}  // namespace package
