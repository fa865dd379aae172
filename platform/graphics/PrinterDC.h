// TPrinterDC: a device context of the default printer, for asking what the
// printer can do (its fonts). A machine without a printer has none: Handle()
// is then null and every user treats that as "nothing to list", not as an error.
#pragma once

#include "platform/core/WinApi.h"

class TPrinterDC {
public:
  TPrinterDC();
  ~TPrinterDC();
  TPrinterDC(const TPrinterDC&) = delete;
  TPrinterDC& operator=(const TPrinterDC&) = delete;

  HDC Handle() const { return dc_; }  // owned; null without a printer
  bool Exists() const { return dc_ != nullptr; }

private:
  HDC dc_ = nullptr;
};
