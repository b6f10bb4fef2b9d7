// Ports that must be defined before a printer can use them: the settings of
// a serial port, and a Standard TCP/IP port written straight into the
// registry of the spooler's port monitor.
#pragma once
#include <string>

namespace ports {

// The port name, and the port's key name below the monitor's Ports key,
// of a TCP/IP printer at `addressText`: "IP_[<address>]".
std::string TcpIpPortName(const std::string& addressText);

// Writes "<baud>,n,8,1,p" as the value `portName` (COM1:) under
// HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Ports. True when the
// value was set.
bool WriteSerialPortSettings(const std::string& portName, const std::string& baudText);

// Defines the raw port 9100 at `addressText` for the Standard TCP/IP Port
// monitor and restarts the spooler so that the monitor reads it. Nothing is
// reported: a printer on the port shows whether it worked.
void CreateTcpIpPort(const std::string& addressText);

// "net stop spooler /y", then "net start spooler", each waited for; net is
// the system folder's own.
void RestartSpooler();

}  // namespace ports
