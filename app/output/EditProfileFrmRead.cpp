// The profile editor's pages read into a profile. A list without a selection (the
// shown profile held a value no entry has) keeps the value of the profile the page
// last showed, or the class default when it showed none.
#include <cmath>

#include "app/VideoProfiles.h"
#include "app/output/EditProfileFrm.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinTrackBar.h"

using namespace page_tables;

namespace {

template <class P, class V>
V Kept(const P& fresh, const P* shown, V P::*field) {
  return shown ? shown->*field : fresh.*field;
}

std::int32_t Whole(const TspSkinSpinEdit* edit) { return static_cast<std::int32_t>(std::trunc(edit->Value())); }
std::int32_t Thousands(const TspSkinSpinEdit* edit) {
  return static_cast<std::int32_t>(std::trunc(edit->Value() * 1000.0));
}

template <class V, class T>
V TableAt(const TspSkinComboBox* list, std::span<const T> table, V kept) {
  int index = list->ItemIndex();
  return index >= 0 && index < static_cast<int>(table.size()) ? static_cast<V>(table[index]) : kept;
}

template <class V>
V IndexOr(const TspSkinComboBox* list, V kept, int offset = 0) {
  int index = list->ItemIndex();
  return index >= 0 ? static_cast<V>(index + offset) : kept;
}

}  // namespace

void TEditProfileForm::ReadPage(TVideoProfile& profile) {
  switch (profile.Kind) {
    case vfk3GP: Read3GPPage(static_cast<T3GPProfile&>(profile)); break;
    case vfkAVI: ReadAVIPage(static_cast<TAVIProfile&>(profile)); break;
    case vfkMPEG: ReadMPEGPage(static_cast<TMPEGProfile&>(profile)); break;
    case vfkMP4: ReadMP4Page(static_cast<TMP4Profile&>(profile)); break;
    case vfkWMV: ReadWMVPage(static_cast<TWMVProfile&>(profile)); break;
    case vfkReal: ReadRealPage(static_cast<TRealProfile&>(profile)); break;
    case vfkMOV: ReadMOVPage(static_cast<TMOVProfile&>(profile)); break;
    case vfkFLV: ReadFLVPage(static_cast<TFLVProfile&>(profile)); break;
  }
}

void TEditProfileForm::CopyAdditionalParams(TVideoProfile& profile) const {
  profile.AdditionalParamKeys->Clear();
  profile.AdditionalParamValues->Clear();
  for (int i = 0; i < paramKeys_->Count(); ++i) {
    profile.AdditionalParamKeys->Add(paramKeys_->Get(i));
    profile.AdditionalParamValues->Add(i < paramValues_->Count() ? paramValues_->Get(i) : String());
  }
}

void TEditProfileForm::ReadAVIPage(TAVIProfile& p) {
  using P = TAVIProfile;
  const P* was = Shown<P>(vfkAVI);
  p.ProfileName = edtName->Text();
  p.Width = Whole(edtAVIWidth);
  p.Height = Whole(edtAVIHeight);
  p.FrameRate = TableAt(cbAVIFrameRate, kRatesAVI, Kept(p, was, &P::FrameRate));
  p.AVIVideoCodec = IndexOr(cbAVIVideoCodec, Kept(p, was, &P::AVIVideoCodec));
  p.VideoBitrate = Thousands(edtAVIVideoBitrate);
  p.UseVBR = rbAVIUseVBR->Checked();
  p.VideoVBRMaxBitrate = p.UseVBR ? Thousands(edtAVIVideoVBRMaxBitrate) : Thousands(edtAVIVideoBitrate);
  p.VideoVBRMinBitrate = p.UseVBR ? Thousands(edtAVIVideoVBRMinBitrate) : 0;
  const std::pair<TspSkinCheckRadioBox*, std::uint8_t> codecs[] = {{rbAVI_MP3, 0},  {rbAVI_PCM, 1},  {rbAVI_ADPCM, 2},
                                                                  {rbAVI_ALAW, 3}, {rbAVI_ULAW, 4}, {rbAVI_AC3, 5}};
  for (const auto& [box, code] : codecs) {
    if (box->Checked()) {
      p.AVIAudioCodec = code;
      break;
    }
  }
  p.AudioFrequency = TableAt(cbAVIFrequency, kFrequencies, Kept(p, was, &P::AudioFrequency));
  p.AudioChannels = IndexOr(cbAVIChannels, Kept(p, was, &P::AudioChannels), 1);
  p.AudioBitrate = TableAt(cbAVIAudioBitrate, kAudioBitratesAVI, Kept(p, was, &P::AudioBitrate));
  CopyAdditionalParams(p);
}

void TEditProfileForm::ReadMPEGPage(TMPEGProfile& p) {
  using P = TMPEGProfile;
  const P* was = Shown<P>(vfkMPEG);
  p.ProfileName = edtName->Text();
  p.Width = Whole(edtMPEGWidth);
  p.Height = Whole(edtMPEGHeight);
  p.MPEGVersion = rbMPEG1->Checked() ? 0 : 1;
  p.FrameRate = TableAt(cbMPEGFrameRate, kRatesMPEG, Kept(p, was, &P::FrameRate));
  p.VideoBitrate = Thousands(edtMPEGVideoBitrate);
  p.UseVBR = rbMPEGUseVBR->Checked();
  p.VideoVBRMaxBitrate = p.UseVBR ? Thousands(edtMPEGVideoVBRMaxBitrate) : Thousands(edtMPEGVideoBitrate);
  p.VideoVBRMinBitrate = p.UseVBR ? Thousands(edtMPEGVideoVBRMinBitrate) : 0;
  p.MPEGAudioType = IndexOr(cbMPEGAudioType, Kept(p, was, &P::MPEGAudioType));
  p.AudioFrequency = TableAt(cbMPEGFrequency, kFrequenciesMPEG, Kept(p, was, &P::AudioFrequency));
  p.AudioChannels = IndexOr(cbMPEGChannels, Kept(p, was, &P::AudioChannels), 1);
  p.AudioBitrate = TableAt(cbMPEGAudioBitrate, kAudioBitratesMPEG, Kept(p, was, &P::AudioBitrate));
  CopyAdditionalParams(p);
}

void TEditProfileForm::ReadMP4Page(TMP4Profile& p) {
  using P = TMP4Profile;
  const P* was = Shown<P>(vfkMP4);
  p.ProfileName = edtName->Text();
  p.Width = Whole(edtMP4Width);
  p.Height = Whole(edtMP4Height);
  p.MP4VideoCodec = IndexOr(cbMP4VideoCodec, Kept(p, was, &P::MP4VideoCodec));
  p.FrameRate = TableAt(cbMP4FrameRate, kRatesMP4, Kept(p, was, &P::FrameRate));
  p.VideoBitrate = Thousands(edtMP4VideoBitrate);
  p.UseVBR = rbMP4UseVBR->Checked();
  p.VideoVBRMaxBitrate = p.UseVBR ? Thousands(edtMP4VideoVBRMaxBitrate) : Thousands(edtMP4VideoBitrate);
  p.VideoVBRMinBitrate = p.UseVBR ? Thousands(edtMP4VideoVBRMinBitrate) : 0;
  p.AudioFrequency = TableAt(cbMP4Frequency, kFrequencies, Kept(p, was, &P::AudioFrequency));
  p.AudioChannels = IndexOr(cbMP4Channels, Kept(p, was, &P::AudioChannels), 1);
  p.AudioBitrate = TableAt(cbMP4AudioBitrate, kAudioBitratesMP4, Kept(p, was, &P::AudioBitrate));
  CopyAdditionalParams(p);
}

void TEditProfileForm::ReadMOVPage(TMOVProfile& p) {
  using P = TMOVProfile;
  const P* was = Shown<P>(vfkMOV);
  p.ProfileName = edtName->Text();
  p.Width = Whole(edtMOVWidth);
  p.Height = Whole(edtMOVHeight);
  p.MOVVideoCodec = IndexOr(cbMOVVideoCodec, Kept(p, was, &P::MOVVideoCodec));
  p.FrameRate = TableAt(cbMOVFrameRate, kRatesMP4, Kept(p, was, &P::FrameRate));
  p.VideoBitrate = Thousands(edtMOVVideoBitrate);
  p.AudioFrequency = TableAt(cbMOVFrequency, kFrequencies, Kept(p, was, &P::AudioFrequency));
  p.AudioChannels = IndexOr(cbMOVChannels, Kept(p, was, &P::AudioChannels), 1);
  p.AudioBitrate = TableAt(cbMOVAudioBitrate, kAudioBitratesMP4, Kept(p, was, &P::AudioBitrate));
  CopyAdditionalParams(p);
}

void TEditProfileForm::ReadFLVPage(TFLVProfile& p) {
  using P = TFLVProfile;
  const P* was = Shown<P>(vfkFLV);
  p.ProfileName = edtName->Text();
  p.Width = Whole(edtFLVWidth);
  p.Height = Whole(edtFLVHeight);
  p.FrameRate = TableAt(cbFLVFrameRate, kRatesFLV, Kept(p, was, &P::FrameRate));
  p.VideoBitrate = Thousands(edtFLVVideoBitrate);
  p.AudioFrequency = TableAt(cbFLVFrequency, kFrequencies, Kept(p, was, &P::AudioFrequency));
  p.AudioChannels = IndexOr(cbFLVChannels, Kept(p, was, &P::AudioChannels), 1);
  p.AudioBitrate = TableAt(cbFLVAudioBitrate, kAudioBitratesFLV, Kept(p, was, &P::AudioBitrate));
  CopyAdditionalParams(p);
}

void TEditProfileForm::ReadWMVPage(TWMVProfile& p) {
  using P = TWMVProfile;
  const P* was = Shown<P>(vfkWMV);
  p.ProfileName = edtName->Text();
  p.UseSystemProfile = chkUseSystemProfile->Checked();
  p.SystemProfileName = cbSystemProfile->Text();
  p.Width = Whole(edtWMVWidth);
  p.Height = Whole(edtWMVHeight);
  p.WMV_Version = IndexOr(cbWMVVersion, Kept(p, was, &P::WMV_Version));
  p.FrameRate = TableAt(cbWMVFrameRate, kRatesWMV, Kept(p, was, &P::FrameRate));
  p.VideoBitrate = Thousands(edtWMVVideoBitrate);
  p.UseVBR = chkWMVUseVBR->Checked();
  p.VBRVideoQuality = p.UseVBR ? tbWMVVBRQuality->Value() : 0;
  p.AudioFormatName = cbWMVAudioFormat->Text();
  CopyAdditionalParams(p);
}

void TEditProfileForm::ReadRealPage(TRealProfile& p) {
  using P = TRealProfile;
  const P* was = Shown<P>(vfkReal);
  p.ProfileName = edtName->Text();
  p.RealVersion = IndexOr(cbRealVideoCodec, Kept(p, was, &P::RealVersion));
  p.Width = Whole(edtRealWidth);
  p.Height = Whole(edtRealHeight);
  p.FrameRate = TableAt(cbRealFrameRate, kRatesWMV, Kept(p, was, &P::FrameRate));
  p.VideoBitrate = Thousands(edtRealVideoBitrate);
  p.UseVBR = rbRealUseVBR->Checked();
  p.VideoVBRMaxBitrate = p.UseVBR ? Thousands(edtRealVideoVBRMaxBitrate) : Thousands(edtRealVideoBitrate);
  p.VideoNoiseReduction = chkRealVideoNoiseReduction->Checked();
  p.AudioFormatName = cbRealAudioFormat->Text();
  CopyAdditionalParams(p);
}

void TEditProfileForm::Read3GPPage(T3GPProfile& p) {
  using P = T3GPProfile;
  const P* was = Shown<P>(vfk3GP);
  p.ProfileName = edtName->Text();
  p.Format3GP = IndexOr(cb3GPFormat, Kept(p, was, &P::Format3GP));
  p.VideoCodec = IndexOr(cb3GPVideoCodec, Kept(p, was, &P::VideoCodec));
  int size = Object3GP(sizeObjects3GP_, cb3GPFrameSize);
  if (size >= 0 && size < static_cast<int>(kSizes3GP.size())) {
    p.Width = kSizes3GP[size].Width;
    p.Height = kSizes3GP[size].Height;
  } else if (was) {
    p.Width = was->Width;
    p.Height = was->Height;
  }
  p.FrameRate = TableAt(cb3GPFrameRate, kRates3GP, Kept(p, was, &P::FrameRate));
  p.VideoBitrate = TableAt(cb3GPVideoBitrate, kVideoBitrates3GP, Kept(p, was, &P::VideoBitrate));
  p.VideoBitrateTolerance = Thousands(edt3GPBitrateTolerance);
  p.AudioCodec = IndexOr(cb3GPAudioCodec, Kept(p, was, &P::AudioCodec));
  int frequency = Object3GP(frequencyObjects3GP_, cb3GPFrequency);
  p.AudioFrequency = frequency >= 0 && frequency < static_cast<int>(kFrequencies3GP.size()) ? kFrequencies3GP[frequency]
                                                                                           : Kept(p, was, &P::AudioFrequency);
  p.AudioChannels = IndexOr(cb3GPChannels, Kept(p, was, &P::AudioChannels), 1);
  int bitrate = Object3GP(bitrateObjects3GP_, cb3GPAudioBitrate);
  p.AudioBitrate = bitrate >= 0 && bitrate < static_cast<int>(kAudioBitrates3GP.size()) ? kAudioBitrates3GP[bitrate]
                                                                                        : Kept(p, was, &P::AudioBitrate);
  CopyAdditionalParams(p);
}
