// lParam of DrvDocumentPropertySheets when its first argument is NULL
// (DOCUMENTPROPERTYHEADER): the spooler asks a driver's configuration module
// for the size of its device mode, or for the device mode itself, with no
// user interface. Shared by the stand-in UNIDRVUI.DLL and its probe.
#pragma once
#include <windows.h>

struct DocumentPropertyHeader {
  WORD cbSize;
  WORD Reserved;
  HANDLE hPrinter;
  LPWSTR pszPrinterName;
  DEVMODEW* pdmIn;
  DEVMODEW* pdmOut;
  DWORD cbOut;
  DWORD fMode;
};
