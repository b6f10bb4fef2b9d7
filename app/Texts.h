// The texts of the main dialog, its message boxes and its test page, in the
// two languages. Chinese texts are GBK (code page 936) bytes.
#pragma once
#include <cstdint>

namespace app {

// Exactly 2052 selects Chinese; every other language identifier English.
bool IsChineseLanguage(int32_t uiLanguage);

// The message-box and test-page texts, by role.
struct MessageTexts {
  const char* InstallError;
  const char* InstallErrorRunAsAdmin;
  const char* InstallErrorAntivirus;
  const char* InstallErrorRunAsAdminAntivirus;
  const char* DriverInstallFailed;
  const char* DriverInstallFailedAntivirus;
  const char* InstallSucceeded;
  const char* TestPageText;
  // The spooler refused the printer itself (after the driver was added).
  const char* PrinterAddFailed;
};
const MessageTexts& MessageTextsFor(int32_t uiLanguage);

// The texts of the port list: prompts on top of the list, and the notices
// shown in its place when no port of the kind was found.
struct PortListTexts {
  const char* SelectUsbPortPrompt;
  const char* NoUsbPrinterNotice;
  const char* SelectSerialPortPrompt;
  const char* NoSerialPortNotice;
  const char* SelectParallelPortPrompt;
  const char* NoParallelPortNotice;
};
const PortListTexts& PortListTextsFor(int32_t uiLanguage);

// The window title, the same in both languages.
extern const char kWindowTitle[];

// The control texts that change with the language, in the order in which
// they are written.
struct ControlText {
  int controlId;
  const char* text;
};
constexpr int kLanguageControlCount = 12;
const ControlText* LanguageControlTextsFor(int32_t uiLanguage);

}  // namespace app
