// The texts of the message boxes, the test page and the port list, in the
// two languages, and the window title. Chinese texts are GBK (code page 936)
// bytes.
#pragma once
#include <cstdint>

namespace texts {

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

// The window title, the same in both languages; also every message box's
// caption.
extern const char kWindowTitle[];

}  // namespace texts
