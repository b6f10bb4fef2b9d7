// Printing through a printer device context (gdi32, user32 DrawTextA).
#pragma once
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

struct TextRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

constexpr uint32_t kDtNoClip = 0x100;

// CreateDCA(NULL, printerName, NULL, NULL). kNoHandle on failure.
Handle CreatePrinterDeviceContext(const std::string& printerName);
// StartDocA with the document name only (no output file, data type, flags).
int32_t StartDocument(Handle dc, const std::string& documentName);
int32_t StartDocumentPage(Handle dc);                                         // StartPage
int32_t DrawTextBlock(Handle dc, const std::string& text, const TextRect& rect,
                      uint32_t format);                                       // DrawTextA
bool TextOutAt(Handle dc, int32_t x, int32_t y, const std::string& text);     // TextOutA
int32_t EndDocumentPage(Handle dc);                                           // EndPage
int32_t EndDocument(Handle dc);                                               // EndDoc
bool DeleteDeviceContext(Handle dc);                                          // DeleteDC

}  // namespace platform
