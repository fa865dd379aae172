// The default printer is named in the "windows" section's "device" entry as
// "name,driver,port"; an empty or malformed entry means there is no printer.
#include "platform/graphics/PrinterDC.h"

#include <string>

TPrinterDC::TPrinterDC() {
  char device[512] = {};
  ::GetProfileStringA("windows", "device", "", device, sizeof(device));
  const std::string entry(device);
  const size_t comma = entry.find(',');
  if (comma == std::string::npos || comma == 0) return;
  const size_t second = entry.find(',', comma + 1);
  const std::string name = entry.substr(0, comma);
  const std::string driver = entry.substr(comma + 1, second == std::string::npos ? std::string::npos : second - comma - 1);
  if (driver.empty()) return;
  dc_ = ::CreateDCA(driver.c_str(), name.c_str(), nullptr, nullptr);
}

TPrinterDC::~TPrinterDC() {
  if (dc_) ::DeleteDC(dc_);
}
