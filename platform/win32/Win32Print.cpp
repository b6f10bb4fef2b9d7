#include <windows.h>

#include "platform/PrintDevice.h"

namespace platform {

static HDC Dc(Handle dc) { return reinterpret_cast<HDC>(dc); }

Handle CreatePrinterDeviceContext(const std::string& printerName) {
  return reinterpret_cast<Handle>(CreateDCA(nullptr, printerName.c_str(), nullptr, nullptr));
}

int32_t StartDocument(Handle dc, const std::string& documentName) {
  DOCINFOA info = {};
  info.cbSize = sizeof(info);
  info.lpszDocName = documentName.c_str();
  return StartDocA(Dc(dc), &info);
}

int32_t StartDocumentPage(Handle dc) { return StartPage(Dc(dc)); }

int32_t DrawTextBlock(Handle dc, const std::string& text, const TextRect& rect,
                      uint32_t format) {
  RECT r = {rect.left, rect.top, rect.right, rect.bottom};
  return DrawTextA(Dc(dc), text.c_str(), static_cast<int>(text.size()), &r, format);
}

bool TextOutAt(Handle dc, int32_t x, int32_t y, const std::string& text) {
  return TextOutA(Dc(dc), x, y, text.c_str(), static_cast<int>(text.size())) != FALSE;
}

int32_t EndDocumentPage(Handle dc) { return EndPage(Dc(dc)); }
int32_t EndDocument(Handle dc) { return EndDoc(Dc(dc)); }
bool DeleteDeviceContext(Handle dc) { return DeleteDC(Dc(dc)) != FALSE; }

}  // namespace platform
