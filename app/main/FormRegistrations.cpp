#include "app/main/FormRegistrations.h"

#include "framed/controls/ControlsPublished.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "framed/settings/RzCommon_RegIniFile.h"
#include "imaging/GR32_Image.h"
#include "imaging/pngimage.h"
#include "imaging/sppngimagePublished.h"
#include "platform/graphics/Picture.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/PeripheryPublished.h"
#include "skin/controls/SkinBoxCtrlsPublished.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/controls/SkinStdCtrlsPublished.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/MenusPublished.h"
#include "skin/data/SkinDataPublished.h"
#include "skin/menus/SkinFormMenuHost.h"

void UseProgramFormDefinitions() {
  UseFormDefinitions();
  TPicture::RegisterFileFormat<TPNGObject>("PNG", "Portable Network Graphics");
  PublishImagingClasses();
  PublishPngImageClasses();
  PublishSkinDataClasses();
  PublishSkinControlClasses();
  PublishSkinStdControlClasses();
  PublishSkinBoxControlClasses();
  PublishSkinPeripheryControlClasses();
  PublishSkinMenuClasses();
  PublishDynamicSkinFormClasses();
  UseSkinMenus();
  PublishFramedControls();
  PublishFrameController();
  PublishRegIniFile();
}
