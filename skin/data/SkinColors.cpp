#include "skin/data/SkinColors.h"

const SkinRecordTable& TspSkinColors::RecordTable() {
  using C = TspSkinColors;
  static const SkinRecordTable table{nullptr,
                                     {
                                         Key<&C::cBtnFace>("cbtnface"),
                                         Key<&C::cBtnText>("cbtntext"),
                                         Key<&C::cWindow>("cwindow"),
                                         Key<&C::cWindowText>("cwindowtext"),
                                         Key<&C::cHighLight>("chighlight"),
                                         Key<&C::cHighLightText>("chighlighttext"),
                                         Key<&C::cBtnHighLight>("cbtnhighlight"),
                                         Key<&C::cBtnShadow>("cbtnshadow"),
                                         Key<&C::c3DLight>("c3dlight"),
                                         Key<&C::c3DDkShadow>("c3ddkshadow"),
                                     }};
  return table;
}

void TspSkinColors::SetColorsToDefault() {
  cBtnFace = clBtnFace;
  cBtnText = clBtnText;
  cWindow = clWindow;
  cWindowText = clWindowText;
  cHighLight = clHighlight;
  cHighLightText = clHighlightText;
  cBtnHighLight = clBtnHighlight;
  cBtnShadow = clBtnShadow;
  c3DLight = cl3DLight;
  c3DDkShadow = cl3DDkShadow;
}

void TspSkinColors::LoadFromFile(TCustomIniFile& ini) { ReadSkinRecord(ini, "SKINCOLORS", RecordTable(), this); }

void TspSkinColors::SaveToFile(TCustomIniFile& ini) { WriteSkinRecord(ini, "SKINCOLORS", RecordTable(), this); }
