// How the printer is connected: the index of the radio button chosen among
// 1006 to 1009, as the dialog's data exchange stores it in m_nConnectionType.
#pragma once
#include <cstdint>

enum ConnectionType : int32_t {
  kConnectionUsb = 0,
  kConnectionSerial = 1,
  kConnectionParallel = 2,
  kConnectionEthernet = 3,
};
