// The ten colours of a skin, [SKINCOLORS]: 0 after construction, the system
// colours after a clear, the skin's values (0 for a missing key) after a load.
#pragma once

#include "platform/Colors.h"
#include "skin/data/SkinRecordTable.h"

class TspSkinColors : public TObject {
public:
  static const SkinRecordTable& RecordTable();
  void SetColorsToDefault();
  void LoadFromFile(TCustomIniFile& ini);
  void SaveToFile(TCustomIniFile& ini);  // the caller erases the section first

  TColor cBtnFace = 0;
  TColor cBtnText = 0;
  TColor cWindow = 0;
  TColor cWindowText = 0;
  TColor cHighLight = 0;
  TColor cHighLightText = 0;
  TColor cBtnHighLight = 0;
  TColor cBtnShadow = 0;
  TColor c3DLight = 0;
  TColor c3DDkShadow = 0;
};
