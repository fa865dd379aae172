// The profile editor's format pages: the bindings of the definition, the page
// rows the shared handlers work on, frame sizes, the enable rules, the 3GP lists
// that follow their codecs, and the lookups over the value tables.
#include <cmath>

#include "app/main/ResourceFrm.h"
#include "app/output/EditProfileFrm.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/ComboBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinPopupMenu.h"
#include "platform/graphics/ImageList.h"

using namespace page_tables;

namespace {

using T = TEditProfileForm;

// Runs `change` with a control's event detached, so setting it from code is not handled.
template <class Event, class F>
void Detached(Event& event, F&& change) {
  Event saved = event;
  event = Event();
  change();
  event = saved;
}

}  // namespace

void TEditProfileForm::DeclareBindings() {
  DeclareFormBindings(this)
      .Field("VideoPanel", VideoPanel)
      .Field("pcFormats", pcFormats)
      .Field("tsAVI", tsAVI)
      .Field("tsWMV", tsWMV)
      .Field("tsReal", tsReal)
      .Field("tsMP4", tsMP4)
      .Field("tsMPEG", tsMPEG)
      .Field("tsMOV", tsMOV)
      .Field("ts3GP", ts3GP)
      .Field("tsFLV", tsFLV)
      .Field("ProfileInfoPanel", ProfileInfoPanel)
      .Field("cbProfiles", cbProfiles)
      .Field("edtName", edtName)
      .Field("btnNew", btnNew)
      .Field("btnSave", btnSave)
      .Field("btnSaveAs", btnSaveAs)
      .Field("btnDeleteProfile", btnDeleteProfile)
      .Field("btnClose", btnClose)
      .Field("NewPopupMenu", NewPopupMenu)
      .Field("ImageList", ImageList)
      .Field("DSF", DSF)
      .Field("My3GPPanel", My3GPPanel)
      .Field("AVIPanel", AVIPanel)
      .Field("MPEGPanel", MPEGPanel)
      .Field("MP4Panel", MP4Panel)
      .Field("WMVPanel", WMVPanel)
      .Field("RealPanel", RealPanel)
      .Field("MOVPanel", MOVPanel)
      .Field("FLVPanel", FLVPanel)
      .Field("edtAVIWidth", edtAVIWidth)
      .Field("edtAVIHeight", edtAVIHeight)
      .Field("cbAVIFrameSize", cbAVIFrameSize)
      .Field("cbAVIFrameRate", cbAVIFrameRate)
      .Field("cbAVIVideoCodec", cbAVIVideoCodec)
      .Field("edtAVIVideoBitrate", edtAVIVideoBitrate)
      .Field("rbAVIUseCBR", rbAVIUseCBR)
      .Field("rbAVIUseVBR", rbAVIUseVBR)
      .Field("edtAVIVideoVBRMaxBitrate", edtAVIVideoVBRMaxBitrate)
      .Field("edtAVIVideoVBRMinBitrate", edtAVIVideoVBRMinBitrate)
      .Field("rbAVI_MP3", rbAVI_MP3)
      .Field("rbAVI_PCM", rbAVI_PCM)
      .Field("rbAVI_ADPCM", rbAVI_ADPCM)
      .Field("rbAVI_AC3", rbAVI_AC3)
      .Field("rbAVI_ULAW", rbAVI_ULAW)
      .Field("rbAVI_ALAW", rbAVI_ALAW)
      .Field("cbAVIFrequency", cbAVIFrequency)
      .Field("cbAVIChannels", cbAVIChannels)
      .Field("cbAVIAudioBitrate", cbAVIAudioBitrate)
      .Field("edtMPEGWidth", edtMPEGWidth)
      .Field("edtMPEGHeight", edtMPEGHeight)
      .Field("cbMPEGFrameSize", cbMPEGFrameSize)
      .Field("rbMPEG1", rbMPEG1)
      .Field("rbMPEG2", rbMPEG2)
      .Field("cbMPEGFrameRate", cbMPEGFrameRate)
      .Field("edtMPEGVideoBitrate", edtMPEGVideoBitrate)
      .Field("rbMPEGUseCBR", rbMPEGUseCBR)
      .Field("rbMPEGUseVBR", rbMPEGUseVBR)
      .Field("edtMPEGVideoVBRMaxBitrate", edtMPEGVideoVBRMaxBitrate)
      .Field("edtMPEGVideoVBRMinBitrate", edtMPEGVideoVBRMinBitrate)
      .Field("cbMPEGAudioType", cbMPEGAudioType)
      .Field("cbMPEGFrequency", cbMPEGFrequency)
      .Field("cbMPEGChannels", cbMPEGChannels)
      .Field("cbMPEGAudioBitrate", cbMPEGAudioBitrate)
      .Field("lblMPEGAudioBitrate", lblMPEGAudioBitrate)
      .Field("edtMP4Width", edtMP4Width)
      .Field("edtMP4Height", edtMP4Height)
      .Field("cbMP4FrameSize", cbMP4FrameSize)
      .Field("cbMP4FrameRate", cbMP4FrameRate)
      .Field("cbMP4VideoCodec", cbMP4VideoCodec)
      .Field("edtMP4VideoBitrate", edtMP4VideoBitrate)
      .Field("rbMP4UseCBR", rbMP4UseCBR)
      .Field("rbMP4UseVBR", rbMP4UseVBR)
      .Field("edtMP4VideoVBRMaxBitrate", edtMP4VideoVBRMaxBitrate)
      .Field("edtMP4VideoVBRMinBitrate", edtMP4VideoVBRMinBitrate)
      .Field("cbMP4Frequency", cbMP4Frequency)
      .Field("cbMP4Channels", cbMP4Channels)
      .Field("cbMP4AudioBitrate", cbMP4AudioBitrate)
      .Field("edtMOVWidth", edtMOVWidth)
      .Field("edtMOVHeight", edtMOVHeight)
      .Field("cbMOVFrameSize", cbMOVFrameSize)
      .Field("cbMOVFrameRate", cbMOVFrameRate)
      .Field("cbMOVVideoCodec", cbMOVVideoCodec)
      .Field("edtMOVVideoBitrate", edtMOVVideoBitrate)
      .Field("cbMOVFrequency", cbMOVFrequency)
      .Field("cbMOVChannels", cbMOVChannels)
      .Field("cbMOVAudioBitrate", cbMOVAudioBitrate)
      .Field("edtFLVWidth", edtFLVWidth)
      .Field("edtFLVHeight", edtFLVHeight)
      .Field("cbFLVFrameSize", cbFLVFrameSize)
      .Field("cbFLVFrameRate", cbFLVFrameRate)
      .Field("cbFLVVideoCodec", cbFLVVideoCodec)
      .Field("edtFLVVideoBitrate", edtFLVVideoBitrate)
      .Field("cbFLVFrequency", cbFLVFrequency)
      .Field("cbFLVChannels", cbFLVChannels)
      .Field("cbFLVAudioBitrate", cbFLVAudioBitrate)
      .Field("chkUseSystemProfile", chkUseSystemProfile)
      .Field("cbSystemProfile", cbSystemProfile)
      .Field("edtWMVWidth", edtWMVWidth)
      .Field("edtWMVHeight", edtWMVHeight)
      .Field("cbWMVFrameSize", cbWMVFrameSize)
      .Field("cbWMVVersion", cbWMVVersion)
      .Field("cbWMVFrameRate", cbWMVFrameRate)
      .Field("edtWMVVideoBitrate", edtWMVVideoBitrate)
      .Field("chkWMVUseVBR", chkWMVUseVBR)
      .Field("tbWMVVBRQuality", tbWMVVBRQuality)
      .Field("edtWMVVBRQuality", edtWMVVBRQuality)
      .Field("cbWMVAudioFormat", cbWMVAudioFormat)
      .Field("cbRealVideoCodec", cbRealVideoCodec)
      .Field("edtRealWidth", edtRealWidth)
      .Field("edtRealHeight", edtRealHeight)
      .Field("cbRealFrameSize", cbRealFrameSize)
      .Field("cbRealFrameRate", cbRealFrameRate)
      .Field("edtRealVideoBitrate", edtRealVideoBitrate)
      .Field("rbRealUseCBR", rbRealUseCBR)
      .Field("rbRealUseVBR", rbRealUseVBR)
      .Field("edtRealVideoVBRMaxBitrate", edtRealVideoVBRMaxBitrate)
      .Field("lblRealMaxBitrate", lblRealMaxBitrate)
      .Field("chkRealVideoNoiseReduction", chkRealVideoNoiseReduction)
      .Field("cbRealAudioFormat", cbRealAudioFormat)
      .Field("cb3GPFormat", cb3GPFormat)
      .Field("cb3GPVideoCodec", cb3GPVideoCodec)
      .Field("cb3GPFrameSize", cb3GPFrameSize)
      .Field("cb3GPFrameRate", cb3GPFrameRate)
      .Field("cb3GPVideoBitrate", cb3GPVideoBitrate)
      .Field("edt3GPBitrateTolerance", edt3GPBitrateTolerance)
      .Field("cb3GPAudioCodec", cb3GPAudioCodec)
      .Field("cb3GPFrequency", cb3GPFrequency)
      .Field("cb3GPChannels", cb3GPChannels)
      .Field("cb3GPAudioBitrate", cb3GPAudioBitrate)
      .Handler("FormDestroy", this, &T::FormDestroy)
      .Handler("FormKeyPress", this, &T::FormKeyPress)
      .Handler("pcFormatsChange", this, &T::pcFormatsChange)
      .Handler("cbProfilesChange", this, &T::cbProfilesChange)
      .Handler("btnNewClick", this, &T::btnNewClick)
      .Handler("btnSaveClick", this, &T::btnSaveClick)
      .Handler("btnSaveAsClick", this, &T::btnSaveAsClick)
      .Handler("btnDeleteProfileClick", this, &T::btnDeleteProfileClick)
      .Handler("btnCloseClick", this, &T::btnCloseClick)
      .Handler("mnuNewAVIProfileClick", this, &T::NewProfileClick)
      .Handler("mnuNewWMVProfileClick", this, &T::NewProfileClick)
      .Handler("mnuNewRealProfileClick", this, &T::NewProfileClick)
      .Handler("mnuNewMP4ProfileClick", this, &T::NewProfileClick)
      .Handler("mnuNewMPEGProfileClick", this, &T::NewProfileClick)
      .Handler("mnuNew3GPProfileClick", this, &T::NewProfileClick)
      .Handler("mnuNewMOVProfileClick", this, &T::NewProfileClick)
      .Handler("mnuNewFLVProfileClick", this, &T::NewProfileClick)
      .Handler("cbAVIFrameSizeChange", this, &T::FrameSizeListChange)
      .Handler("cbWMVFrameSizeChange", this, &T::FrameSizeListChange)
      .Handler("cbRealFrameSizeChange", this, &T::FrameSizeListChange)
      .Handler("cbMP4FrameSizeChange", this, &T::FrameSizeListChange)
      .Handler("cbMPEGFrameSizeChange", this, &T::FrameSizeListChange)
      .Handler("cbMOVFrameSizeChange", this, &T::FrameSizeListChange)
      .Handler("cbFLVFrameSizeChange", this, &T::FrameSizeListChange)
      .Handler("edtAVIWidthChange", this, &T::FrameSizeEditChange)
      .Handler("edtWMVWidthChange", this, &T::FrameSizeEditChange)
      .Handler("edtRealWidthChange", this, &T::FrameSizeEditChange)
      .Handler("edtMP4WidthChange", this, &T::FrameSizeEditChange)
      .Handler("edtMPEGWidthChange", this, &T::FrameSizeEditChange)
      .Handler("edtMOVWidthChange", this, &T::FrameSizeEditChange)
      .Handler("edtFLVWidthChange", this, &T::FrameSizeEditChange)
      .Handler("edtFLVWidthEditExit", this, &T::SizeEditExit)
      .Handler("cbAVIVideoCodecChange", this, &T::VideoCodecChange)
      .Handler("cbMP4VideoCodecChange", this, &T::VideoCodecChange)
      .Handler("cbMOVVideoCodecChange", this, &T::VideoCodecChange)
      .Handler("rbAVIUseCBRClick", this, &T::RateControlClick)
      .Handler("rbMPEGUseCBRClick", this, &T::RateControlClick)
      .Handler("rbMP4UseCBRClick", this, &T::RateControlClick)
      .Handler("rbRealUseCBRClick", this, &T::rbRealUseCBRClick)
      .Handler("rbAVI_MP3Click", this, &T::rbAVI_MP3Click)
      .Handler("chkWMVUseVBRClick", this, &T::chkWMVUseVBRClick)
      .Handler("chkUseSystemProfileClick", this, &T::chkUseSystemProfileClick)
      .Handler("edtWMVVBRQualityChange", this, &T::edtWMVVBRQualityChange)
      .Handler("tbWMVVBRQualityChange", this, &T::tbWMVVBRQualityChange)
      .Handler("cbRealVideoCodecChange", this, &T::cbRealVideoCodecChange)
      .Handler("cb3GPVideoCodecChange", this, &T::cb3GPVideoCodecChange)
      .Handler("cb3GPAudioCodecChange", this, &T::cb3GPAudioCodecChange)
      .Handler("cbMPEGAudioTypeChange", this, &T::cbMPEGAudioTypeChange);
  DeclareFormBindings(this).Field("DSF", DSF);
}

void TEditProfileForm::BuildPageRows() {
  sizeRows_ = {{cbAVIFrameSize, edtAVIWidth, edtAVIHeight, kSizesAVI},
               {cbWMVFrameSize, edtWMVWidth, edtWMVHeight, kSizesAVI},
               {cbRealFrameSize, edtRealWidth, edtRealHeight, kSizesAVI},
               {cbMP4FrameSize, edtMP4Width, edtMP4Height, kSizesMP4},
               {cbMOVFrameSize, edtMOVWidth, edtMOVHeight, kSizesMP4},
               {cbFLVFrameSize, edtFLVWidth, edtFLVHeight, kSizesMP4},
               {cbMPEGFrameSize, edtMPEGWidth, edtMPEGHeight, kSizesMPEG}};
  rateRows_ = {{rbAVIUseCBR, rbAVIUseVBR, edtAVIVideoVBRMaxBitrate, edtAVIVideoVBRMinBitrate},
               {rbMPEGUseCBR, rbMPEGUseVBR, edtMPEGVideoVBRMaxBitrate, edtMPEGVideoVBRMinBitrate},
               {rbMP4UseCBR, rbMP4UseVBR, edtMP4VideoVBRMaxBitrate, edtMP4VideoVBRMinBitrate}};
}

const TEditProfileForm::SizeRow* TEditProfileForm::SizeRowOf(const TObject* control) const {
  for (const SizeRow& row : sizeRows_)
    if (row.List == control || row.Width == control || row.Height == control) return &row;
  return nullptr;
}

// ---- Frame sizes ----------------------------------------------------------------

void TEditProfileForm::FrameSizeListChange(TObject* sender) {
  if (const SizeRow* row = SizeRowOf(sender)) ApplyFrameSize(*row);
}

void TEditProfileForm::FrameSizeEditChange(TObject* sender) {
  if (const SizeRow* row = SizeRowOf(sender)) MatchFrameSize(*row);
}

void TEditProfileForm::ApplyFrameSize(const SizeRow& row) {
  int index = row.List->ItemIndex();
  FrameSize size{0, 0};  // "Custom"
  if (index >= 0 && index < static_cast<int>(row.Sizes.size())) size = row.Sizes[index];
  else if (index != static_cast<int>(row.Sizes.size())) return;  // no selection: keep the edits
  Detached(row.Width->OnChange, [&] {
    Detached(row.Height->OnChange, [&] {
      row.Width->SetValue(size.Width);
      row.Height->SetValue(size.Height);
    });
  });
}

void TEditProfileForm::MatchFrameSize(const SizeRow& row) {
  const FrameSize shown{static_cast<std::int32_t>(std::trunc(row.Width->Value())),
                        static_cast<std::int32_t>(std::trunc(row.Height->Value()))};
  int index = static_cast<int>(row.Sizes.size());  // "Custom", the last item
  for (size_t i = 0; i < row.Sizes.size(); ++i) {
    if (row.Sizes[i] == shown) {
      index = static_cast<int>(i);
      break;
    }
  }
  Detached(row.List->OnChange, [&] { row.List->SetItemIndex(index); });
}

void TEditProfileForm::SizeEditExit(TObject* sender) {
  auto* edit = dynamic_cast<TspSkinSpinEdit*>(sender);
  if (!edit) return;
  const auto step = static_cast<std::int64_t>(edit->Increment);
  if (step <= 0) return;
  const auto value = static_cast<std::int64_t>(std::trunc(edit->Value()));
  if (static_cast<double>(value) == edit->Value() && value % step == 0) return;
  edit->SetValue(static_cast<double>(value / step * step));
}

void TEditProfileForm::VideoCodecChange(TObject* sender) {
  const SizeRow* row = nullptr;
  bool h264 = false;
  if (sender == cbAVIVideoCodec) {
    row = SizeRowOf(cbAVIFrameSize);
    h264 = cbAVIVideoCodec->ItemIndex() == 7;
  } else if (sender == cbMP4VideoCodec) {
    row = SizeRowOf(cbMP4FrameSize);
    h264 = cbMP4VideoCodec->ItemIndex() == 3;
  } else if (sender == cbMOVVideoCodec) {
    row = SizeRowOf(cbMOVFrameSize);
    h264 = cbMOVVideoCodec->ItemIndex() == 3;
  }
  if (!row) return;
  row->Width->SetIncrement(h264 ? 16 : 2);
  row->Height->SetIncrement(h264 ? 16 : 2);
}

// ---- Enable rules -----------------------------------------------------------------

void TEditProfileForm::RateControlClick(TObject* sender) {
  for (const RateControlRow& row : rateRows_) {
    if (sender && sender != row.UseCBR && sender != row.UseVBR) continue;
    bool on = row.UseVBR->Enabled() && row.UseVBR->Checked();
    row.Max->SetEnabled(on);
    row.Min->SetEnabled(row.Max->Enabled());
  }
}

void TEditProfileForm::rbRealUseCBRClick(TObject*) { edtRealVideoVBRMaxBitrate->SetEnabled(rbRealUseVBR->Checked()); }

void TEditProfileForm::rbAVI_MP3Click(TObject*) { cbAVIAudioBitrate->SetEnabled(rbAVI_MP3->Checked()); }

void TEditProfileForm::chkWMVUseVBRClick(TObject*) {
  edtWMVVBRQuality->SetEnabled(chkWMVUseVBR->Enabled() && chkWMVUseVBR->Checked());
  tbWMVVBRQuality->SetEnabled(edtWMVVBRQuality->Enabled());
}

void TEditProfileForm::chkUseSystemProfileClick(TObject*) {
  bool system = chkUseSystemProfile->Checked();
  cbSystemProfile->SetEnabled(system);
  for (TControl* control : std::initializer_list<TControl*>{cbWMVFrameSize, edtWMVWidth, edtWMVHeight, cbWMVVersion,
                                                           edtWMVVideoBitrate, chkWMVUseVBR, edtWMVVBRQuality,
                                                           tbWMVVBRQuality, cbWMVAudioFormat})
    control->SetEnabled(!system);
}

void TEditProfileForm::cbRealVideoCodecChange(TObject*) {
  if (cbRealVideoCodec->ItemIndex() == 0) {  // Real Video 8 has no VBR
    rbRealUseVBR->SetEnabled(false);
    edtRealVideoVBRMaxBitrate->SetEnabled(false);
    rbRealUseCBR->SetEnabled(false);
    rbRealUseCBR->SetChecked(true);
  } else {
    rbRealUseVBR->SetEnabled(true);
    edtRealVideoVBRMaxBitrate->SetEnabled(true);
    rbRealUseCBR->SetEnabled(true);
    rbRealUseCBRClick(rbRealUseCBR);
  }
}

void TEditProfileForm::cbMPEGAudioTypeChange(TObject*) {}

void TEditProfileForm::edtWMVVBRQualityChange(TObject*) {
  Detached(tbWMVVBRQuality->OnChange, [&] { tbWMVVBRQuality->SetValue(static_cast<int>(edtWMVVBRQuality->Value())); });
}

void TEditProfileForm::tbWMVVBRQualityChange(TObject*) {
  Detached(edtWMVVBRQuality->OnChange, [&] { edtWMVVBRQuality->SetValue(tbWMVVBRQuality->Value()); });
}

// ---- 3GP lists ----------------------------------------------------------------------

void TEditProfileForm::Fill3GPList(TspSkinComboBox* list, std::vector<int>& objects,
                                   std::initializer_list<std::pair<const char*, int>> items, int selected) {
  list->Items()->Clear();
  objects.clear();
  for (const auto& [text, object] : items) {
    list->Items()->Add(text);
    objects.push_back(object);
  }
  list->SetItemIndex(selected);
}

int TEditProfileForm::Object3GP(const std::vector<int>& objects, TspSkinComboBox* list) const {
  int index = list->ItemIndex();
  return index >= 0 && index < static_cast<int>(objects.size()) ? objects[index] : -1;
}

void TEditProfileForm::cb3GPVideoCodecChange(TObject*) {
  if (cb3GPVideoCodec->ItemIndex() == 0) {  // H263 takes three sizes and four rates
    Fill3GPList(cb3GPFrameSize, sizeObjects3GP_, {{"128 x 96(SQCIF)", 0}, {"176 x 144 (QCIF)", 2}, {"352 x 288 (CIF)", 6}}, 1);
    Fill3GPList(cb3GPFrameRate, rateObjects3GP_,
                {{"11.988 fps", 0}, {"12.5 fps", 1}, {"14.985 fps", 2}, {"15.00 fps", 3}}, 3);
    return;
  }
  Fill3GPList(cb3GPFrameSize, sizeObjects3GP_,
              {{"128 x 96(SQCIF)", 0}, {"160 x 120", 1}, {"176 x 144 (QCIF)", 2}, {"220 x 176", 3}, {"240 x 192", 4},
               {"320 x 240(QVGA)", 5}, {"352 x 288 (CIF)", 6}},
              2);
  Fill3GPList(cb3GPFrameRate, rateObjects3GP_,
              {{"11.988 fps", 0}, {"12.5 fps", 1}, {"14.985 fps", 2}, {"15.00 fps", 3}, {"18.00 fps", 4},
               {"20.00 fps", 5}, {"23.98 fps", 6}, {"25 fps", 7}, {"29.97 fps", 8}, {"30 fps", 9}},
              3);
}

void TEditProfileForm::cb3GPAudioCodecChange(TObject*) {
  std::vector<int> channels;
  switch (cb3GPAudioCodec->ItemIndex()) {
    case 0:  // AMR-NB
      Fill3GPList(cb3GPFrequency, frequencyObjects3GP_, {{"8000 Hz", 8}}, 0);
      Fill3GPList(cb3GPChannels, channels, {{"1 (Mono)", 0}}, 0);
      Fill3GPList(cb3GPAudioBitrate, bitrateObjects3GP_,
                  {{"4.75 kbps", 0}, {"5.15 kbps", 1}, {"5.9 kbps", 2}, {"6.7 kbps", 4}, {"7.4 kbps", 5},
                   {"7.95 kbps", 6}, {"10.2 kbps", 8}, {"12.2 kbps", 9}},
                  7);
      break;
    case 1:  // AMR-WB
      Fill3GPList(cb3GPFrequency, frequencyObjects3GP_, {{"16000 Hz", 5}}, 0);
      Fill3GPList(cb3GPChannels, channels, {{"1 (Mono)", 0}}, 0);
      Fill3GPList(cb3GPAudioBitrate, bitrateObjects3GP_,
                  {{"6.6 kbps", 3}, {"8.85 kbps", 7}, {"12.65 kbps", 10}, {"14.25 kbps", 11}, {"15.85 kbps", 12},
                   {"18.25 kbps", 13}, {"19.85 kbps", 14}, {"23.05 kbps", 16}, {"23.85 kbps", 17}},
                  8);
      break;
    case 2:  // AAC
      Fill3GPList(cb3GPFrequency, frequencyObjects3GP_,
                  {{"48000 Hz", 0}, {"44100 Hz", 1}, {"32000 Hz", 2}, {"24000 Hz", 3}, {"22050 Hz", 4},
                   {"16000 Hz", 5}, {"12000 Hz", 6}, {"11025 Hz", 7}, {"8000 Hz", 8}},
                  4);
      Fill3GPList(cb3GPChannels, channels, {{"1 (Mono)", 0}, {"2 (Stereo)", 1}}, 1);
      Fill3GPList(cb3GPAudioBitrate, bitrateObjects3GP_,
                  {{"24 kbps", 18}, {"32 kbps", 19}, {"48 kbps", 20}, {"56 kbps", 21}, {"64 kbps", 22},
                   {"96 kbps", 23}, {"112 kbps", 24}, {"128 kbps", 25}},
                  2);
      break;
  }
}

void TEditProfileForm::Match3GPFrameSize(std::int32_t width, std::int32_t height) {
  const FrameSize wanted{width, height};
  int index = cb3GPFrameSize->Items()->Count() - 1;
  for (int i = 0; i < static_cast<int>(sizeObjects3GP_.size()); ++i) {
    int object = sizeObjects3GP_[i];
    if (object >= 0 && object < static_cast<int>(kSizes3GP.size()) && kSizes3GP[object] == wanted) {
      index = i;
      break;
    }
  }
  cb3GPFrameSize->SetItemIndex(index);
}

// ---- Lookups --------------------------------------------------------------------------

void TEditProfileForm::SelectValueItem(std::int32_t value, std::span<const std::int32_t> table, TspSkinComboBox* list) {
  int index = -1;
  for (size_t i = 0; i < table.size() && static_cast<int>(i) < list->Items()->Count(); ++i) {
    if (table[i] == value) {
      index = static_cast<int>(i);
      break;
    }
  }
  list->SetItemIndex(index);
}

void TEditProfileForm::SelectRateItem(double rate, std::span<const double> table, TspSkinComboBox* list) {
  int index = -1;
  for (size_t i = 0; i < table.size() && static_cast<int>(i) < list->Items()->Count(); ++i) {
    if (table[i] == rate) {
      index = static_cast<int>(i);
      break;
    }
  }
  list->SetItemIndex(index);
}

// ---- Making the pages ready -------------------------------------------------------------

void TEditProfileForm::InitPages() {
  for (TspSkinPanel* panel : {My3GPPanel, AVIPanel, MPEGPanel, MP4Panel, WMVPanel, RealPanel}) panel->SetVisible(false);
  for (TspSkinComboBox* list : {cbMPEGFrameSize, cbMP4FrameSize, cbWMVFrameSize, cbRealFrameSize, cbAVIFrameSize})
    FrameSizeListChange(list);
  RateControlClick(rbMPEGUseCBR);
  cbMPEGAudioTypeChange(cbMPEGAudioType);
  RateControlClick(rbAVIUseCBR);
  rbAVI_MP3Click(rbAVI_MP3);
  RateControlClick(rbMP4UseCBR);
  chkWMVUseVBRClick(chkWMVUseVBR);
  rbRealUseCBRClick(rbRealUseCBR);
  chkUseSystemProfileClick(chkUseSystemProfile);
  // The 3GP lists carry their table indexes from the start, so a 3GP profile can
  // be built before any has been shown.
  cb3GPVideoCodecChange(cb3GPVideoCodec);
  cb3GPAudioCodecChange(cb3GPAudioCodec);
  FillProfileList();
  FillSystemProfiles();
  FillWMVAudioFormats();
  FillRealAudioFormats();
  ready_ = true;
}

namespace {

void CopyItems(const TComboBox* from, TspSkinComboBox* to) {
  to->Items()->Clear();
  if (from)
    for (int i = 0; i < from->Items()->Count(); ++i) to->Items()->Add(from->Items()->Strings(i));
  if (to->Items()->Count() > 0) to->SetItemIndex(0);
}

}  // namespace

void TEditProfileForm::FillSystemProfiles() { CopyItems(ResourceForm ? ResourceForm->cbSystemProfile : nullptr, cbSystemProfile); }

void TEditProfileForm::FillWMVAudioFormats() { CopyItems(ResourceForm ? ResourceForm->cbWMVAudioFormat : nullptr, cbWMVAudioFormat); }

void TEditProfileForm::FillRealAudioFormats() {
  CopyItems(ResourceForm ? ResourceForm->cbRealAudioFormat : nullptr, cbRealAudioFormat);
}
