// The texts of the tables that are used as printf formats at run time, in
// every language: each must carry exactly the conversions its call passes,
// in order. The compiler checks none of them, and one conversion too many
// reads an argument that was never passed.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "install/InstallTexts.h"
#include "texts/Texts.h"

namespace {

// The conversions of a printf format, in order: the length modifier and the
// conversion character ("s", "d", "ld"), "*" for a width or precision taken
// from the arguments. "%%" takes none.
std::vector<std::string> Conversions(const char* format) {
  std::vector<std::string> out;
  for (const char* p = format; *p; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    while (*p && std::strchr("-+ #0'", *p)) ++p;
    if (*p == '*') {
      out.push_back("*");
      ++p;
    }
    while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
    if (*p == '.') {
      ++p;
      if (*p == '*') {
        out.push_back("*");
        ++p;
      }
      while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
    }
    std::string conversion;
    while (*p && std::strchr("hlLqjzt", *p)) conversion += *p++;
    if (!*p) {
      out.push_back("incomplete");
      break;
    }
    out.push_back(conversion + *p);
  }
  return out;
}

using List = std::vector<std::string>;

TEST(TableFormatsTest, ConversionsAreReadAsPrintfReadsThem) {
  EXPECT_EQ(Conversions("plain text"), List{});
  EXPECT_EQ(Conversions("100%% done"), List{});
  EXPECT_EQ(Conversions("%s (copy %d)"), (List{"s", "d"}));
  EXPECT_EQ(Conversions("%-5.*ld|%02x|%lu"), (List{"*", "ld", "x", "lu"}));
  EXPECT_EQ(Conversions("name: %s\r\n%"), (List{"s", "incomplete"}));
}

struct LanguageCase {
  const char* name;
  int32_t uiLanguage;
};

// English for every language but 2052.
const LanguageCase kLanguages[] = {{"English", 1033}, {"Chinese", 2052}, {"other", 1031}};

TEST(TableFormatsTest, EveryFormatCarriesWhatItsCallPasses) {
  struct Use {
    const char* call;
    const char* (*text)(int32_t);
    List passes;
  };
  const Use uses[] = {
      // install/InstallFlow.cpp: FormatBounded(..., InstallSucceeded,
      // InstalledPrinterName, portName.c_str())
      {"InstallSucceeded",
       [](int32_t language) { return texts::MessageTextsFor(language).InstallSucceeded; },
       {"s", "s"}},
      // install/UniquePrinterName.cpp: FormatBounded(..., CopySuffixFormat,
      // baseName.c_str(), n) with int n
      {"CopySuffixFormat", install::CopySuffixFormat, {"s", "d"}},
  };
  for (const auto& use : uses) {
    for (const auto& language : kLanguages) {
      const char* text = use.text(language.uiLanguage);
      ASSERT_NE(text, nullptr) << use.call << ", " << language.name;
      EXPECT_EQ(Conversions(text), use.passes) << use.call << ", " << language.name;
    }
  }
}

// The other texts are shown as they are, never formatted; a conversion in
// one would mean it is on its way to becoming a format unchecked.
TEST(TableFormatsTest, TextsShownAsTheyAreCarryNoConversion) {
  for (const auto& language : kLanguages) {
    const texts::MessageTexts& m = texts::MessageTextsFor(language.uiLanguage);
    for (const char* text : {m.InstallError, m.InstallErrorRunAsAdmin, m.InstallErrorAntivirus,
                             m.InstallErrorRunAsAdminAntivirus, m.DriverInstallFailed,
                             m.DriverInstallFailedAntivirus, m.TestPageText, m.PrinterAddFailed}) {
      EXPECT_EQ(Conversions(text), List{}) << language.name << ": " << text;
    }
    const texts::PortListTexts& p = texts::PortListTextsFor(language.uiLanguage);
    for (const char* text :
         {p.SelectUsbPortPrompt, p.NoUsbPrinterNotice, p.SelectSerialPortPrompt,
          p.NoSerialPortNotice, p.SelectParallelPortPrompt, p.NoParallelPortNotice}) {
      EXPECT_EQ(Conversions(text), List{}) << language.name << ": " << text;
    }
  }
}

}  // namespace
