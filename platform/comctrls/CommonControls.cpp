#include "platform/comctrls/CommonControls.h"

void InitCommonControlClasses(DWORD classes) {
  static DWORD registered = 0;
  if ((registered & classes) == classes) return;
  INITCOMMONCONTROLSEX init = {sizeof(init), classes};
  if (::InitCommonControlsEx(&init)) registered |= classes;
}
