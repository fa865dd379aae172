// The profile editor's pages shown from a profile: each page switches to its
// sheet, then sets its controls from the profile's fields in a fixed order (the
// controls' handlers run as they are set, so frame sizes and enable states follow).
#include "app/VideoProfiles.h"
#include "app/output/EditProfileFrm.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinTrackBar.h"

using namespace page_tables;

namespace {

// Selects item `index`, or nothing when the list has no such item (the list
// itself would keep its old selection).
void SelectIndex(TspSkinComboBox* list, int index) {
  list->SetItemIndex(index >= 0 && index < list->Items()->Count() ? index : -1);
}

// Item 0, then the first item whose text equals `text` exactly.
void SelectText(TspSkinComboBox* list, const String& text) {
  if (list->Items()->Count() == 0) return;
  int index = 0;
  for (int i = 0; i < list->Items()->Count(); ++i) {
    if (list->Items()->Strings(i) == text) {
      index = i;
      break;
    }
  }
  list->SetItemIndex(index);
}

}  // namespace

void TEditProfileForm::ShowProfile(const TVideoProfile* profile) {
  paramKeys_->Clear();
  paramValues_->Clear();
  if (!profile) {
    edtName->SetText("(empty)");
    for (int kind = 0; kind < kVideoFormatKindCount; ++kind) PagePanel(kind)->SetVisible(false);
    return;
  }
  ShowProfileOfKind(*profile);
  // A page switch may have shown the new page's listed profile first.
  paramKeys_->Clear();
  paramValues_->Clear();
  for (int i = 0; i < profile->AdditionalParamKeys->Count(); ++i) {
    paramKeys_->Add(profile->AdditionalParamKeys->Get(i));
    paramValues_->Add(i < profile->AdditionalParamValues->Count() ? profile->AdditionalParamValues->Get(i) : String());
  }
}

void TEditProfileForm::ShowProfileOfKind(const TVideoProfile& profile) {
  switch (profile.Kind) {
    case vfk3GP: Show3GPProfile(static_cast<const T3GPProfile&>(profile)); break;
    case vfkAVI: ShowAVIProfile(static_cast<const TAVIProfile&>(profile)); break;
    case vfkMPEG: ShowMPEGProfile(static_cast<const TMPEGProfile&>(profile)); break;
    case vfkMP4: ShowMP4Profile(static_cast<const TMP4Profile&>(profile)); break;
    case vfkWMV: ShowWMVProfile(static_cast<const TWMVProfile&>(profile)); break;
    case vfkReal: ShowRealProfile(static_cast<const TRealProfile&>(profile)); break;
    case vfkMOV: ShowMOVProfile(static_cast<const TMOVProfile&>(profile)); break;
    case vfkFLV: ShowFLVProfile(static_cast<const TFLVProfile&>(profile)); break;
  }
}

void TEditProfileForm::ActivatePage(int kind) {
  bool wasReady = ready_;
  ready_ = false;  // the page switch offers no save while a profile is being shown
  pcFormats->SetActivePage(KindSheet(kind));
  pcFormatsChange(pcFormats);
  ready_ = wasReady;
}

// Remembers what the page started from (its lists keep a value no entry has), and
// shows the page's panel alone.
void TEditProfileForm::FinishShow(int kind, const TVideoProfile& profile) {
  delete shown_[kind];
  shown_[kind] = profile.Clone();
  for (int other = 0; other < kVideoFormatKindCount; ++other) PagePanel(other)->SetVisible(false);
  PagePanel(kind)->SetVisible(true);
}

void TEditProfileForm::ShowRateControl(const RateControlRow& row, bool useVBR, std::int32_t bitrate,
                                       std::int32_t maxBitrate, std::int32_t minBitrate) {
  if (useVBR) {
    row.UseVBR->SetChecked(true);
    row.Max->SetValue(maxBitrate / 1000);
    row.Min->SetValue(minBitrate / 1000);
  } else {
    row.UseCBR->SetChecked(true);
    row.Max->SetValue(bitrate / 1000);
    row.Min->SetValue(0);
  }
}

void TEditProfileForm::ShowAVIProfile(const TAVIProfile& p) {
  ActivatePage(vfkAVI);
  edtName->SetText(p.ProfileName);
  edtAVIWidth->SetValue(p.Width);
  edtAVIHeight->SetValue(p.Height);
  SelectRateItem(p.FrameRate, kRatesAVI, cbAVIFrameRate);
  SelectIndex(cbAVIVideoCodec, p.AVIVideoCodec);
  edtAVIVideoBitrate->SetValue(p.VideoBitrate / 1000);
  ShowRateControl(rateRows_[0], p.UseVBR, p.VideoBitrate, p.VideoVBRMaxBitrate, p.VideoVBRMinBitrate);
  TspSkinCheckRadioBox* codecs[] = {rbAVI_MP3, rbAVI_PCM, rbAVI_ADPCM, rbAVI_ALAW, rbAVI_ULAW, rbAVI_AC3};
  codecs[p.AVIAudioCodec <= 5 ? p.AVIAudioCodec : 0]->SetChecked(true);
  SelectValueItem(p.AudioFrequency, kFrequencies, cbAVIFrequency);
  SelectIndex(cbAVIChannels, p.AudioChannels - 1);
  SelectValueItem(p.AudioBitrate, kAudioBitratesAVI, cbAVIAudioBitrate);
  FinishShow(vfkAVI, p);
}

void TEditProfileForm::ShowMPEGProfile(const TMPEGProfile& p) {
  ActivatePage(vfkMPEG);
  edtName->SetText(p.ProfileName);
  edtMPEGWidth->SetValue(p.Width);
  edtMPEGHeight->SetValue(p.Height);
  (p.MPEGVersion != 0 ? rbMPEG2 : rbMPEG1)->SetChecked(true);
  SelectRateItem(p.FrameRate, kRatesMPEG, cbMPEGFrameRate);
  edtMPEGVideoBitrate->SetValue(p.VideoBitrate / 1000);
  ShowRateControl(rateRows_[1], p.UseVBR, p.VideoBitrate, p.VideoVBRMaxBitrate, p.VideoVBRMinBitrate);
  SelectIndex(cbMPEGAudioType, p.MPEGAudioType);
  SelectValueItem(p.AudioFrequency, kFrequenciesMPEG, cbMPEGFrequency);
  SelectIndex(cbMPEGChannels, p.AudioChannels - 1);
  SelectValueItem(p.AudioBitrate, kAudioBitratesMPEG, cbMPEGAudioBitrate);
  FinishShow(vfkMPEG, p);
}

void TEditProfileForm::ShowMP4Profile(const TMP4Profile& p) {
  ActivatePage(vfkMP4);
  edtName->SetText(p.ProfileName);
  edtMP4Width->SetValue(p.Width);
  edtMP4Height->SetValue(p.Height);
  SelectIndex(cbMP4VideoCodec, p.MP4VideoCodec);
  SelectRateItem(p.FrameRate, kRatesMP4, cbMP4FrameRate);
  edtMP4VideoBitrate->SetValue(p.VideoBitrate / 1000);
  ShowRateControl(rateRows_[2], p.UseVBR, p.VideoBitrate, p.VideoVBRMaxBitrate, p.VideoVBRMinBitrate);
  SelectValueItem(p.AudioFrequency, kFrequencies, cbMP4Frequency);
  SelectIndex(cbMP4Channels, p.AudioChannels - 1);
  SelectValueItem(p.AudioBitrate, kAudioBitratesMP4, cbMP4AudioBitrate);
  FinishShow(vfkMP4, p);
}

void TEditProfileForm::ShowMOVProfile(const TMOVProfile& p) {
  ActivatePage(vfkMOV);
  edtName->SetText(p.ProfileName);
  edtMOVWidth->SetValue(p.Width);
  edtMOVHeight->SetValue(p.Height);
  SelectIndex(cbMOVVideoCodec, p.MOVVideoCodec);
  SelectRateItem(p.FrameRate, kRatesMP4, cbMOVFrameRate);
  edtMOVVideoBitrate->SetValue(p.VideoBitrate / 1000);
  SelectValueItem(p.AudioFrequency, kFrequencies, cbMOVFrequency);
  SelectIndex(cbMOVChannels, p.AudioChannels - 1);
  SelectValueItem(p.AudioBitrate, kAudioBitratesMP4, cbMOVAudioBitrate);
  FinishShow(vfkMOV, p);
}

void TEditProfileForm::ShowFLVProfile(const TFLVProfile& p) {
  ActivatePage(vfkFLV);
  edtName->SetText(p.ProfileName);
  edtFLVWidth->SetValue(p.Width);
  edtFLVHeight->SetValue(p.Height);
  SelectRateItem(p.FrameRate, kRatesFLV, cbFLVFrameRate);
  edtFLVVideoBitrate->SetValue(p.VideoBitrate / 1000);
  SelectValueItem(p.AudioFrequency, kFrequencies, cbFLVFrequency);
  SelectIndex(cbFLVChannels, p.AudioChannels - 1);
  SelectValueItem(p.AudioBitrate, kAudioBitratesFLV, cbFLVAudioBitrate);
  FinishShow(vfkFLV, p);
}

void TEditProfileForm::ShowWMVProfile(const TWMVProfile& p) {
  ActivatePage(vfkWMV);
  edtName->SetText(p.ProfileName);
  chkUseSystemProfile->SetChecked(p.UseSystemProfile);
  if (p.UseSystemProfile) SelectText(cbSystemProfile, p.SystemProfileName);
  edtWMVWidth->SetValue(p.Width);
  edtWMVHeight->SetValue(p.Height);
  SelectIndex(cbWMVVersion, p.WMV_Version);
  SelectRateItem(p.FrameRate, kRatesWMV, cbWMVFrameRate);
  edtWMVVideoBitrate->SetValue(p.VideoBitrate / 1000);
  chkWMVUseVBR->SetChecked(p.UseVBR);
  tbWMVVBRQuality->SetValue(p.UseVBR ? p.VBRVideoQuality : 90);
  SelectText(cbWMVAudioFormat, p.AudioFormatName);
  FinishShow(vfkWMV, p);
}

void TEditProfileForm::ShowRealProfile(const TRealProfile& p) {
  ActivatePage(vfkReal);
  edtName->SetText(p.ProfileName);
  edtRealWidth->SetValue(p.Width);
  edtRealHeight->SetValue(p.Height);
  SelectIndex(cbRealVideoCodec, p.RealVersion);
  SelectRateItem(p.FrameRate, kRatesWMV, cbRealFrameRate);
  edtRealVideoBitrate->SetValue(p.VideoBitrate / 1000);
  chkRealVideoNoiseReduction->SetChecked(p.VideoNoiseReduction);
  (p.UseVBR ? rbRealUseVBR : rbRealUseCBR)->SetChecked(true);
  edtRealVideoVBRMaxBitrate->SetValue((p.UseVBR ? p.VideoVBRMaxBitrate : p.VideoBitrate) / 1000);
  SelectText(cbRealAudioFormat, p.AudioFormatName);
  cbRealVideoCodecChange(cbRealVideoCodec);
  FinishShow(vfkReal, p);
}

void TEditProfileForm::Show3GPProfile(const T3GPProfile& p) {
  ActivatePage(vfk3GP);
  edtName->SetText(p.ProfileName);
  SelectIndex(cb3GPVideoCodec, p.VideoCodec);
  cb3GPVideoCodecChange(cb3GPVideoCodec);
  SelectIndex(cb3GPFormat, p.Format3GP);
  Match3GPFrameSize(p.Width, p.Height);
  SelectRateItem(p.FrameRate, kRates3GP, cb3GPFrameRate);
  SelectValueItem(p.VideoBitrate, kVideoBitrates3GP, cb3GPVideoBitrate);
  edt3GPBitrateTolerance->SetValue(p.VideoBitrateTolerance / 1000);
  SelectIndex(cb3GPAudioCodec, p.AudioCodec);
  cb3GPAudioCodecChange(cb3GPAudioCodec);
  auto selectByObject = [](TspSkinComboBox* list, const std::vector<int>& objects, std::span<const std::int32_t> table,
                           std::int32_t value) {
    int index = list->Items()->Count() - 1;
    for (int i = 0; i < static_cast<int>(objects.size()); ++i) {
      if (objects[i] >= 0 && objects[i] < static_cast<int>(table.size()) && table[objects[i]] == value) {
        index = i;
        break;
      }
    }
    list->SetItemIndex(index);
  };
  selectByObject(cb3GPFrequency, frequencyObjects3GP_, kFrequencies3GP, p.AudioFrequency);
  SelectIndex(cb3GPChannels, p.AudioChannels - 1);
  selectByObject(cb3GPAudioBitrate, bitrateObjects3GP_, kAudioBitrates3GP, p.AudioBitrate);
  FinishShow(vfk3GP, p);
}
