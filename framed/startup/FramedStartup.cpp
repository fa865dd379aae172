#include "framed/startup/FramedStartup.h"

#include "framed/common/RzCommon_Blink.h"
#include "framed/shell/RzShellDrives.h"
#include "framed/startup/RzBorder_ColorNames.h"
#include "framed/startup/RzButton_Kinds.h"
#include "framed/startup/RzShellIntf.h"
#include "framed/startup/RzShellUtils.h"
#include "framed/theme/RzThemeSrv.h"
#include "framed/theme/RzUxTheme.h"

namespace {

int starts = 0;

}  // namespace

void FramedStartup() {
  if (starts++ > 0) return;
  StartButtonKinds();
  StartColorNames();
  StartShellInterfaces();
  StartShellUtils();
}

void FramedShutdown() {
  if (starts == 0 || --starts > 0) return;
  FreeThemeServices();
  while (ThemeLibraryUsers() > 0) FreeThemeLibrary();
  FreeAndNil(BlinkingControls);
  FreeRzDeviceChangeHandler();
  ReleaseNetApi();
  StopShellUtils();
  StopShellInterfaces();
  StopColorNames();
  StopButtonKinds();
}

int FramedStartCount() { return starts; }
