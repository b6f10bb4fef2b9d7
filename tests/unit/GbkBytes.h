// The GBK (code page 936) bytes of a UTF-8 text, converted by iconv. Tests
// compare what the program shows against these, so the check does not rest
// on the compiler that converted the program's own literals. Pass u8
// literals: they stay UTF-8 whatever the execution character set.
#pragma once
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace texttest {

inline std::string Gbk(const char* utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    ADD_FAILURE() << "iconv has no GBK";
    return {};
  }
  std::string in(utf8);
  std::string out(in.size() * 2 + 1, '\0');
  char* inPtr = &in[0];
  size_t inLeft = in.size();
  char* outPtr = &out[0];
  size_t outLeft = out.size();
  const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  EXPECT_NE(rc, static_cast<size_t>(-1)) << utf8;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace texttest
