#include <cstring>

#include "platform/DebugOutput.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "platform/PrintDevice.h"
#include "platform/Resources.h"
#include "platform/SystemInfo.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimMachine.h"

namespace sim {


SimSystem& System() { return ServiceInstance<SimSystem>(); }
SimLogs& Logs() { return ServiceInstance<SimLogs>(); }
SimResources& Resources() { return ServiceInstance<SimResources>(); }

static std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

void SimResources::Put(uint32_t id, const std::string& type, std::string bytes) {
  resources[{id, Upper(type)}] = std::move(bytes);
}

}  // namespace sim

namespace platform {

uint16_t NativeProcessorArchitecture() {
  sim::Enter("GetNativeSystemInfo");  // cannot fail
  return sim::System().nativeArchitecture;
}

bool QueryWindowsVersion(WindowsVersion* version) {
  if (!sim::Enter("GetVersionExA")) return false;
  *version = sim::System().version;
  return true;
}

uint16_t UserDefaultUiLanguage() {
  sim::Enter("GetUserDefaultUILanguage");  // cannot fail
  return sim::System().uiLanguage;
}

bool SetDllSearchDirectory(const char* path) {
  if (!sim::Enter("SetDllDirectoryA")) return false;
  sim::System().dllDirectorySet = true;
  sim::System().dllDirectory = path ? path : "";
  return true;
}

bool SetDefaultDllSearchDirectories(uint32_t flags) {
  if (!sim::Enter("SetDefaultDllDirectories")) return false;
  if (!sim::System().hasSetDefaultDllDirectories) return false;
  sim::System().defaultDllDirectories = flags;
  return true;
}

void PauseMilliseconds(uint32_t milliseconds) {
  sim::Enter("Sleep");  // cannot fail
  sim::System().pauses.push_back(milliseconds);
}

void WriteDebugLine(const std::string& text) {
  sim::Enter("OutputDebugStringA");  // cannot fail
  sim::Logs().debug.push_back(text);
}

int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   uint32_t flags) {
  if (!sim::Enter("MessageBoxA")) return 0;
  sim::Logs().messageBoxes.push_back({owner, text, caption, flags});
  // Copies: the hook may show a box of its own.
  const auto whileOpen = sim::Logs().whileMessageBoxOpen;
  const sim::SimMessageBox box = sim::Logs().messageBoxes.back();
  if (whileOpen) whileOpen(box);
  return 1;  // IDOK
}

bool LoadModuleResource(uint32_t id, const std::string& type, const uint8_t** data,
                        uint32_t* size) {
  if (!sim::Enter("FindResourceA")) return false;
  auto it = sim::Resources().resources.find({id, sim::Upper(type)});
  if (it == sim::Resources().resources.end()) {
    sim::SetLastError(1813);  // ERROR_RESOURCE_TYPE_NOT_FOUND
    return false;
  }
  *data = reinterpret_cast<const uint8_t*>(it->second.data());
  *size = static_cast<uint32_t>(it->second.size());
  return true;
}

// ---- printing: the print log records every call on a device context ----

static bool LiveDc(Handle dc) { return dc != kNoHandle; }

Handle CreatePrinterDeviceContext(const std::string& printerName) {
  if (!sim::Enter("CreateDCA")) return kNoHandle;
  if (!sim::Spooler().FindPrinter(printerName)) return kNoHandle;
  sim::PrintOp op;
  op.op = "CreateDC";
  op.text = printerName;
  sim::Logs().print.push_back(op);
  ++sim::Logs().openDeviceContexts;
  return 0x5000;
}

static int32_t RecordPrintOp(const char* call, const char* name, Handle dc,
                             const std::string& text = std::string()) {
  if (!sim::Enter(call) || !LiveDc(dc)) return 0;
  sim::PrintOp op;
  op.op = name;
  op.text = text;
  sim::Logs().print.push_back(op);
  return 1;
}

int32_t StartDocument(Handle dc, const std::string& documentName) {
  return RecordPrintOp("StartDocA", "StartDoc", dc, documentName);
}
int32_t StartDocumentPage(Handle dc) { return RecordPrintOp("StartPage", "StartPage", dc); }

int32_t DrawTextBlock(Handle dc, const std::string& text, const TextRect& rect,
                      uint32_t format) {
  if (!sim::Enter("DrawTextA") || !LiveDc(dc)) return 0;
  sim::PrintOp op;
  op.op = "DrawText";
  op.text = text;
  op.rect = rect;
  op.format = format;
  sim::Logs().print.push_back(op);
  return 1;
}

bool TextOutAt(Handle dc, int32_t x, int32_t y, const std::string& text) {
  if (!sim::Enter("TextOutA") || !LiveDc(dc)) return false;
  sim::PrintOp op;
  op.op = "TextOut";
  op.text = text;
  op.x = x;
  op.y = y;
  sim::Logs().print.push_back(op);
  return true;
}

int32_t EndDocumentPage(Handle dc) { return RecordPrintOp("EndPage", "EndPage", dc); }
int32_t EndDocument(Handle dc) { return RecordPrintOp("EndDoc", "EndDoc", dc); }

bool DeleteDeviceContext(Handle dc) {
  if (!sim::Enter("DeleteDC") || !LiveDc(dc)) return false;
  --sim::Logs().openDeviceContexts;
  sim::PrintOp op;
  op.op = "DeleteDC";
  sim::Logs().print.push_back(op);
  return true;
}

}  // namespace platform
