// The profile editor: one page per video format that shows a video profile's
// settings and builds a profile back from them, a profile list per page, and the
// New, Save, Copy and Delete commands over the profile manager's files. The output
// settings dialog keeps a hidden one and borrows its format pages.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "app/VideoProfile.h"
#include "app/output/ProfilePageTables.h"
#include "platform/controls/CustomForm.h"

class TImageList;
class TMenuItem;
class TProfileManager;
class TTabSheet;
class TspDynamicSkinForm;
class TspSkinButton;
class TspSkinCheckRadioBox;
class TspSkinComboBox;
class TspSkinEdit;
class TspSkinPageControl;
class TspSkinPanel;
class TspSkinPopupMenu;
class TspSkinSpinEdit;
class TspSkinStdLabel;
class TspSkinTabSheet;
class TspSkinTrackBar;
class T3GPProfile;
class TAVIProfile;
class TFLVProfile;
class TMOVProfile;
class TMP4Profile;
class TMPEGProfile;
class TRealProfile;
class TWMVProfile;

class TEditProfileForm : public TForm {
public:
  explicit TEditProfileForm(TComponent* owner);
  ~TEditProfileForm() override;

  // ---- Dialog components.
  TspSkinPanel* VideoPanel = nullptr;
  TspSkinPageControl* pcFormats = nullptr;
  TspSkinTabSheet* tsAVI = nullptr;
  TspSkinTabSheet* tsWMV = nullptr;
  TspSkinTabSheet* tsReal = nullptr;
  TspSkinTabSheet* tsMP4 = nullptr;
  TspSkinTabSheet* tsMPEG = nullptr;
  TspSkinTabSheet* tsMOV = nullptr;
  TspSkinTabSheet* ts3GP = nullptr;
  TspSkinTabSheet* tsFLV = nullptr;
  TspSkinPanel* ProfileInfoPanel = nullptr;
  TspSkinComboBox* cbProfiles = nullptr;
  TspSkinEdit* edtName = nullptr;
  TspSkinButton* btnNew = nullptr;
  TspSkinButton* btnSave = nullptr;
  TspSkinButton* btnSaveAs = nullptr;
  TspSkinButton* btnDeleteProfile = nullptr;
  TspSkinButton* btnClose = nullptr;
  TspSkinPopupMenu* NewPopupMenu = nullptr;
  TImageList* ImageList = nullptr;
  TspDynamicSkinForm* DSF = nullptr;

  // ---- Page panels, by kind (3GP, AVI, MPEG, MP4, WMV, RealMedia, MOV, FLV).
  TspSkinPanel* My3GPPanel = nullptr;
  TspSkinPanel* AVIPanel = nullptr;
  TspSkinPanel* MPEGPanel = nullptr;
  TspSkinPanel* MP4Panel = nullptr;
  TspSkinPanel* WMVPanel = nullptr;
  TspSkinPanel* RealPanel = nullptr;
  TspSkinPanel* MOVPanel = nullptr;
  TspSkinPanel* FLVPanel = nullptr;
  TspSkinPanel* PagePanel(int kind) const;

  // AVI page.
  TspSkinSpinEdit *edtAVIWidth = nullptr, *edtAVIHeight = nullptr;
  TspSkinComboBox *cbAVIFrameSize = nullptr, *cbAVIFrameRate = nullptr, *cbAVIVideoCodec = nullptr;
  TspSkinSpinEdit* edtAVIVideoBitrate = nullptr;
  TspSkinCheckRadioBox *rbAVIUseCBR = nullptr, *rbAVIUseVBR = nullptr;
  TspSkinSpinEdit *edtAVIVideoVBRMaxBitrate = nullptr, *edtAVIVideoVBRMinBitrate = nullptr;
  TspSkinCheckRadioBox *rbAVI_MP3 = nullptr, *rbAVI_PCM = nullptr, *rbAVI_ADPCM = nullptr, *rbAVI_AC3 = nullptr,
                       *rbAVI_ULAW = nullptr, *rbAVI_ALAW = nullptr;
  TspSkinComboBox *cbAVIFrequency = nullptr, *cbAVIChannels = nullptr, *cbAVIAudioBitrate = nullptr;

  // MPEG page.
  TspSkinSpinEdit *edtMPEGWidth = nullptr, *edtMPEGHeight = nullptr;
  TspSkinComboBox* cbMPEGFrameSize = nullptr;
  TspSkinCheckRadioBox *rbMPEG1 = nullptr, *rbMPEG2 = nullptr;
  TspSkinComboBox* cbMPEGFrameRate = nullptr;
  TspSkinSpinEdit* edtMPEGVideoBitrate = nullptr;
  TspSkinCheckRadioBox *rbMPEGUseCBR = nullptr, *rbMPEGUseVBR = nullptr;
  TspSkinSpinEdit *edtMPEGVideoVBRMaxBitrate = nullptr, *edtMPEGVideoVBRMinBitrate = nullptr;
  TspSkinComboBox *cbMPEGAudioType = nullptr, *cbMPEGFrequency = nullptr, *cbMPEGChannels = nullptr,
                  *cbMPEGAudioBitrate = nullptr;
  TspSkinStdLabel* lblMPEGAudioBitrate = nullptr;

  // MP4 page.
  TspSkinSpinEdit *edtMP4Width = nullptr, *edtMP4Height = nullptr;
  TspSkinComboBox *cbMP4FrameSize = nullptr, *cbMP4FrameRate = nullptr, *cbMP4VideoCodec = nullptr;
  TspSkinSpinEdit* edtMP4VideoBitrate = nullptr;
  TspSkinCheckRadioBox *rbMP4UseCBR = nullptr, *rbMP4UseVBR = nullptr;
  TspSkinSpinEdit *edtMP4VideoVBRMaxBitrate = nullptr, *edtMP4VideoVBRMinBitrate = nullptr;
  TspSkinComboBox *cbMP4Frequency = nullptr, *cbMP4Channels = nullptr, *cbMP4AudioBitrate = nullptr;

  // MOV page.
  TspSkinSpinEdit *edtMOVWidth = nullptr, *edtMOVHeight = nullptr;
  TspSkinComboBox *cbMOVFrameSize = nullptr, *cbMOVFrameRate = nullptr, *cbMOVVideoCodec = nullptr;
  TspSkinSpinEdit* edtMOVVideoBitrate = nullptr;
  TspSkinComboBox *cbMOVFrequency = nullptr, *cbMOVChannels = nullptr, *cbMOVAudioBitrate = nullptr;

  // FLV page.
  TspSkinSpinEdit *edtFLVWidth = nullptr, *edtFLVHeight = nullptr;
  TspSkinComboBox *cbFLVFrameSize = nullptr, *cbFLVFrameRate = nullptr, *cbFLVVideoCodec = nullptr;
  TspSkinSpinEdit* edtFLVVideoBitrate = nullptr;
  TspSkinComboBox *cbFLVFrequency = nullptr, *cbFLVChannels = nullptr, *cbFLVAudioBitrate = nullptr;

  // WMV page.
  TspSkinCheckRadioBox* chkUseSystemProfile = nullptr;
  TspSkinComboBox* cbSystemProfile = nullptr;
  TspSkinSpinEdit *edtWMVWidth = nullptr, *edtWMVHeight = nullptr;
  TspSkinComboBox *cbWMVFrameSize = nullptr, *cbWMVVersion = nullptr, *cbWMVFrameRate = nullptr;
  TspSkinSpinEdit* edtWMVVideoBitrate = nullptr;
  TspSkinCheckRadioBox* chkWMVUseVBR = nullptr;
  TspSkinTrackBar* tbWMVVBRQuality = nullptr;
  TspSkinSpinEdit* edtWMVVBRQuality = nullptr;
  TspSkinComboBox* cbWMVAudioFormat = nullptr;

  // RealMedia page.
  TspSkinComboBox* cbRealVideoCodec = nullptr;
  TspSkinSpinEdit *edtRealWidth = nullptr, *edtRealHeight = nullptr;
  TspSkinComboBox *cbRealFrameSize = nullptr, *cbRealFrameRate = nullptr;
  TspSkinSpinEdit* edtRealVideoBitrate = nullptr;
  TspSkinCheckRadioBox *rbRealUseCBR = nullptr, *rbRealUseVBR = nullptr;
  TspSkinSpinEdit* edtRealVideoVBRMaxBitrate = nullptr;
  TspSkinStdLabel* lblRealMaxBitrate = nullptr;
  TspSkinCheckRadioBox* chkRealVideoNoiseReduction = nullptr;
  TspSkinComboBox* cbRealAudioFormat = nullptr;

  // 3GP page.
  TspSkinComboBox *cb3GPFormat = nullptr, *cb3GPVideoCodec = nullptr, *cb3GPFrameSize = nullptr,
                  *cb3GPFrameRate = nullptr, *cb3GPVideoBitrate = nullptr;
  TspSkinSpinEdit* edt3GPBitrateTolerance = nullptr;
  TspSkinComboBox *cb3GPAudioCodec = nullptr, *cb3GPFrequency = nullptr, *cb3GPChannels = nullptr,
                  *cb3GPAudioBitrate = nullptr;

  // ---- Pages (profile <-> controls).
  void ShowProfile(const TVideoProfile* profile);
  void Show3GPProfile(const T3GPProfile& profile);
  void ShowAVIProfile(const TAVIProfile& profile);
  void ShowMPEGProfile(const TMPEGProfile& profile);
  void ShowMP4Profile(const TMP4Profile& profile);
  void ShowWMVProfile(const TWMVProfile& profile);
  void ShowRealProfile(const TRealProfile& profile);
  void ShowMOVProfile(const TMOVProfile& profile);
  void ShowFLVProfile(const TFLVProfile& profile);
  void Read3GPPage(T3GPProfile& profile);
  void ReadAVIPage(TAVIProfile& profile);
  void ReadMPEGPage(TMPEGProfile& profile);
  void ReadMP4Page(TMP4Profile& profile);
  void ReadWMVPage(TWMVProfile& profile);
  void ReadRealPage(TRealProfile& profile);
  void ReadMOVPage(TMOVProfile& profile);
  void ReadFLVPage(TFLVProfile& profile);
  // Shows the profile on its page / fills a new profile of `kind` from its page.
  void ShowProfileOfKind(const TVideoProfile& profile);
  void ReadPage(TVideoProfile& profile);
  void CopyAdditionalParams(TVideoProfile& profile) const;
  void FillSystemProfiles();
  void FillWMVAudioFormats();
  void FillRealAudioFormats();
  const TStringList* AdditionalParamKeys() const { return paramKeys_; }
  const TStringList* AdditionalParamValues() const { return paramValues_; }

  // Lookups over the tables; each selects in `list` (-1 when nothing matches but
  // for Match3GPFrameSize, which then selects the last item).
  static void SelectValueItem(std::int32_t value, std::span<const std::int32_t> table, TspSkinComboBox* list);
  static void SelectRateItem(double rate, std::span<const double> table, TspSkinComboBox* list);
  void Match3GPFrameSize(std::int32_t width, std::int32_t height);

  // ---- Dialog (profile list and commands).
  bool SavePendingProfile();
  void FillProfileList();
  int SelectRememberedProfile(const String& name);
  void RememberProfileName(const String& text);
  void InitPages();
  int CurrentKind() const { return currentKind_; }
  int CurrentIndex() const { return currentIndex_; }
  bool NewProfilePending() const { return newProfile_; }
  // The kind of a page index (0 AVI ... 7 FLV) and the sheet of a kind.
  static int PageKind(int pageIndex);
  TspSkinTabSheet* KindSheet(int kind) const;
  // The profile of a list item: null for "No Profile in this category".
  TVideoProfile* ListedProfile(int index) const;
  // How many profiles the editor has taken out of the manager and not yet freed.
  int ProfilesAwaitingFree() const { return static_cast<int>(dropped_.size()); }

  // ---- Handlers of the definition, public for the tests' driving.
  void pcFormatsChange(TObject* sender);
  void cbProfilesChange(TObject* sender);
  void btnNewClick(TObject* sender);
  void NewProfileClick(TObject* sender);  // every "New ... Profile" item
  void btnSaveClick(TObject* sender);
  void btnSaveAsClick(TObject* sender);
  void btnDeleteProfileClick(TObject* sender);
  void btnCloseClick(TObject* sender);
  void FrameSizeListChange(TObject* sender);  // ApplyFrameSize
  void FrameSizeEditChange(TObject* sender);  // MatchFrameSize
  void SizeEditExit(TObject* sender);
  void VideoCodecChange(TObject* sender);     // AVI, MP4, MOV: the size step
  void RateControlClick(TObject* sender);     // AVI, MPEG, MP4 CBR/VBR
  void rbRealUseCBRClick(TObject* sender);
  void rbAVI_MP3Click(TObject* sender);
  void chkWMVUseVBRClick(TObject* sender);
  void chkUseSystemProfileClick(TObject* sender);
  void edtWMVVBRQualityChange(TObject* sender);
  void tbWMVVBRQualityChange(TObject* sender);
  void cbRealVideoCodecChange(TObject* sender);
  void cb3GPVideoCodecChange(TObject* sender);
  void cb3GPAudioCodecChange(TObject* sender);
  void cbMPEGAudioTypeChange(TObject* sender);

  // The profile manager the editor works on: the resource form's unless a test set one.
  static void SetProfileManagerOverride(TProfileManager* manager);

protected:
  void CreateParams(TCreateParams& params) override;
  void Loaded() override;

private:
  struct SizeRow {
    TspSkinComboBox* List;
    TspSkinSpinEdit* Width;
    TspSkinSpinEdit* Height;
    std::span<const FrameSize> Sizes;
  };
  struct RateControlRow {
    TspSkinCheckRadioBox* UseCBR;
    TspSkinCheckRadioBox* UseVBR;
    TspSkinSpinEdit* Max;
    TspSkinSpinEdit* Min;
  };
  void DeclareBindings();
  void BuildPageRows();
  const SizeRow* SizeRowOf(const TObject* control) const;
  void ApplyFrameSize(const SizeRow& row);
  void MatchFrameSize(const SizeRow& row);
  void ShowRateControl(const RateControlRow& row, bool useVBR, std::int32_t bitrate, std::int32_t maxBitrate,
                       std::int32_t minBitrate);
  void ActivatePage(int kind);
  void FinishShow(int kind, const TVideoProfile& profile);
  template <class P>
  const P* Shown(int kind) const {
    return static_cast<const P*>(shown_[kind]);
  }
  void Fill3GPList(TspSkinComboBox* list, std::vector<int>& objects, std::initializer_list<std::pair<const char*, int>> items,
                   int selected);
  int Object3GP(const std::vector<int>& objects, TspSkinComboBox* list) const;
  TVideoProfile* ReadPendingProfile();
  bool SaveIntoManager(TVideoProfile* made, const TVideoProfile* replaced, bool askOverwrite);
  void DropFromManager(TVideoProfile* profile, bool keepFile);
  void FreeDroppedProfiles();
  void FormDestroy(TObject* sender);
  void FormKeyPress(TObject* sender, char& key);
  TProfileManager* Profiles() const;

  bool newProfile_ = false;
  bool ready_ = false;
  std::uint8_t currentKind_ = 3;  // differs from the first page's kind, so the first switch fills the list
  std::int32_t currentIndex_ = -1;
  bool fillingList_ = false;
  String rememberedNames_[kVideoFormatKindCount];
  TStringList* paramKeys_ = nullptr;    // owned
  TStringList* paramValues_ = nullptr;  // owned
  std::vector<TVideoProfile*> listedProfiles_;  // borrowed from the manager, by cbProfiles item
  std::vector<TVideoProfile*> dropped_;         // owned: taken out of the manager, freed at the next refill
  TVideoProfile* shown_[kVideoFormatKindCount] = {};  // owned clones of each page's last shown profile
  std::vector<int> sizeObjects3GP_, rateObjects3GP_, frequencyObjects3GP_, bitrateObjects3GP_;
  std::vector<SizeRow> sizeRows_;
  std::vector<RateControlRow> rateRows_;
  bool destroyed_ = false;
};
