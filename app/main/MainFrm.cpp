#include "app/main/MainFrm.h"

#include "app/AppInfo.h"
#include "app/DVDConvertTask.h"
#include "app/KelvaneSettings.h"
#include "app/Myshelllib.h"
#include "app/main/FrameRenderer.h"
#include "app/main/ResourceFrm.h"
#include "imaging/GR32.h"
#include "imaging/GR32_Image.h"
#include "imaging/sppngimagelist.h"
#include "platform/comctrls/ListView.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Menus.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Lists.h"
#include "platform/core/Timer.h"
#include "platform/core/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/io/Streams.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBoxEx.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinToolBar.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/menus/SkinPopupMenu.h"

#include <commctrl.h>

TMainForm* MainForm = nullptr;
DiscEngine* DiscEngineObject = nullptr;

namespace {

DiscEngineFactory engineFactory = nullptr;

// The window-class style that gives a window its shadow (XP and later).

// The ten audio entries of the target list; the window offers them through the
// "To More..." menu instead.
constexpr int kFirstAudioTarget = 8;
constexpr int kLastAudioTarget = 17;

// The idle picture the preview shows while no title plays, from the program's
// resources; left empty when they hold none.
void LoadIdlePicture(TBitmap32* into) {
  if (!::FindResourceA(::GetModuleHandleA(nullptr), "NO_PREVIEW.BMP", MAKEINTRESOURCEA(10))) return;
  TResourceStream stream(nullptr, "NO_PREVIEW.BMP", MAKEINTRESOURCEA(10));
  TBitmap picture;
  picture.LoadFromStream(stream);
  into->Assign(&picture);
}

// The engine library's one export, by its ordinal: the 32-bit import library
// loses the export's stdcall decoration, so it is bound at run time.
DiscEngine* LibraryDiscEngine() {
  HMODULE library = ::LoadLibraryA("DiscEngine.dll");
  auto create = library ? reinterpret_cast<CreateDiscEngineFunc>(
                              reinterpret_cast<void*>(::GetProcAddress(library, MAKEINTRESOURCEA(10))))
                        : nullptr;
  if (!create) throw Exception("DiscEngine.dll cannot be loaded");
  return create();
}


}  // namespace

void SetDiscEngineFactory(DiscEngineFactory factory) { engineFactory = factory; }

void FreeDiscEngine() {
  // An engine a test handed in stays the test's.
  if (DiscEngineObject && !engineFactory) DiscEngineObject->Release();
  DiscEngineObject = nullptr;
}

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
  DeclareFormBindings(this)
      .Field("spSkinStatusBar1", spSkinStatusBar1)
      .Field("StatusPanel", StatusPanel)
      .Field("TopPanel", TopPanel)
      .Field("btnOption", btnOption)
      .Field("btnOpenIFO", btnOpenIFO)
      .Field("btnOpenDVD", btnOpenDVD)
      .Field("btnOpenVOB", btnOpenVOB)
      .Field("spSkinMenuButton1", spSkinMenuButton1)
      .Field("spSkinMenuButton2", spSkinMenuButton2)
      .Field("FileListBackgroundPanel", FileListBackgroundPanel)
      .Field("FileListBackgroundImage", FileListBackgroundImage)
      .Field("lvTitles", lvTitles)
      .Field("OutputFolderPanel", OutputFolderPanel)
      .Field("edtOutputFolder", edtOutputFolder)
      .Field("btnBrowse", btnBrowse)
      .Field("btnOpenOutputFolder", btnOpenOutputFolder)
      .Field("cbAudioStreams", cbAudioStreams)
      .Field("cbSubtitleStreams", cbSubtitleStreams)
      .Field("PreviewImage", PreviewImage)
      .Field("NoPreviewImage", NoPreviewImage)
      .Field("PreviewControlPanel", PreviewControlPanel)
      .Field("btnPlay", btnPlay)
      .Field("btnStopPlay", btnStopPlay)
      .Field("btnPreviousChapter", btnPreviousChapter)
      .Field("btnNextChapter", btnNextChapter)
      .Field("btnJumpTo", btnJumpTo)
      .Field("tbPreview", tbPreview)
      .Field("btnCrop", btnCrop)
      .Field("btnSplit", btnSplit)
      .Field("GainImage", GainImage)
      .Field("OffsetImage", OffsetImage)
      .Field("SubtitleVOffsetImage", SubtitleVOffsetImage)
      .Field("VolumeImage", VolumeImage)
      .Field("tbLuminanceGain", tbLuminanceGain)
      .Field("tbLuminanceOffset", tbLuminanceOffset)
      .Field("tbVSubtitleOffset", tbVSubtitleOffset)
      .Field("tbVolume", tbVolume)
      .Field("edtLuminanceGain", edtLuminanceGain)
      .Field("edtLuminanceOffset", edtLuminanceOffset)
      .Field("edtVSubtitleOffset", edtVSubtitleOffset)
      .Field("edtVolume", edtVolume)
      .Field("spSkinPanel2", spSkinPanel2)
      .Field("imgLogoPro", imgLogoPro)
      .Field("imgLogoRevo", imgLogoRevo)
      .Field("imgLogoStd", imgLogoStd)
      .Field("btnConfig", btnConfig)
      .Field("btnToX1", btnToX[0])
      .Field("btnToX2", btnToX[1])
      .Field("btnToX3", btnToX[2])
      .Field("btnToX4", btnToX[3])
      .Field("btnToX5", btnToX[4])
      .Field("btnToX6", btnToX[5])
      .Field("btnToX7", btnToX[6])
      .Field("btnToX8", btnToX[7])
      .Field("cbTargetFormat", cbTargetFormat)
      .Field("TitlesPopupMenu", TitlesPopupMenu)
      .Field("PreviewPopupMenu", PreviewPopupMenu)
      .Field("HelpPopupMenu", HelpPopupMenu)
      .Field("ChangeSkinPopupMenu", ChangeSkinPopupMenu)
      .Field("ToMorePopupMenu", ToMorePopupMenu)
      .Field("ActionList1", ActionList1)
      .Field("actOpenDVD", actOpenDVD)
      .Field("actHelp", actHelp)
      .Field("actToAVI", actToAVI)
      .Field("actToWMV", actToWMV)
      .Field("actToRMVB", actToRMVB)
      .Field("actToMP4", actToMP4)
      .Field("actToMPEG", actToMPEG)
      .Field("actToMOV", actToMOV)
      .Field("actTo3GP", actTo3GP)
      .Field("actToFLV", actToFLV)
      .Field("actToMP3", actToMP3)
      .Field("actToWMA", actToWMA)
      .Field("actToWAV", actToWAV)
      .Field("actToOGG", actToOGG)
      .Field("actToRA", actToRA)
      .Field("actToAAC", actToAAC)
      .Field("actToM4A", actToM4A)
      .Field("actToAPE", actToAPE)
      .Field("actToMPC", actToMPC)
      .Field("actToFLAC", actToFLAC)
      .Field("actToMore", actToMore)
      .Field("PreviewTimer", PreviewTimer)
      .Field("ConvertingPreviewTimer", ConvertingPreviewTimer)
      .Field("ShowResultTimer", ShowResultTimer)
      .Field("ImageList", ImageList)
      .Field("spPNGImageList1", spPNGImageList1)
      .Field("spPNGImageList2", spPNGImageList2)
      .Field("spPNGImageList3", spPNGImageList3)
      .Handler("FormCreate", this, &TMainForm::FormCreate)
      .Handler("FormDestroy", this, &TMainForm::FormDestroy)
      .Handler("btnOpenIFOClick", this, &TMainForm::btnOpenIFOClick)
      .Handler("actOpenDVDExecute", this, &TMainForm::actOpenDVDExecute)
      .Handler("btnOpenVOBClick", this, &TMainForm::btnOpenVOBClick)
      .Handler("btnBrowseClick", this, &TMainForm::btnBrowseClick)
      .Handler("edtOutputFolderChange", this, &TMainForm::edtOutputFolderChange)
      .Handler("btnOpenOutputFolderClick", this, &TMainForm::btnOpenOutputFolderClick)
      .Handler("btnOptionClick", this, &TMainForm::btnOptionClick)
      .Handler("HelpContent1Click", this, &TMainForm::HelpContent1Click)
      .Handler("Support1Click", this, &TMainForm::Support1Click)
      .Handler("KelvaneHomeSite1Click", this, &TMainForm::KelvaneHomeSite1Click)
      .Handler("AboutKelvane1Click", this, &TMainForm::AboutKelvane1Click)
      .Handler("mnuSelectSkinClick", this, &TMainForm::mnuSelectSkinClick)
      .Handler("PreviewImageResize", this, &TMainForm::PreviewImageResize)
      .Handler("btnCropClick", this, &TMainForm::btnCropClick)
      .Handler("btnSplitClick", this, &TMainForm::btnSplitClick)
      .Handler("btnConfigClick", this, &TMainForm::btnConfigClick)
      .Handler("cbTargetFormatChange", this, &TMainForm::cbTargetFormatChange)
      .Handler("rbSourceMovieClick", this, &TMainForm::rbSourceMovieClick)
      .Handler("edtCropLeftChange", this, &TMainForm::edtCropLeftChange)
      .Handler("EditProfiles1Click", this, &TMainForm::EditProfiles1Click)
      .Handler("PreviewTimerTimer", this, &TMainForm::PreviewTimerTimer)
      .Handler("tbPreviewMouseDown", this, &TMainForm::tbPreviewMouseDown)
      .Handler("tbPreviewLastChange", this, &TMainForm::tbPreviewLastChange)
      .Handler("actPlayPreviewExecute", this, &TMainForm::actPlayPreviewExecute)
      .Handler("actStopPreviewExecute", this, &TMainForm::actStopPreviewExecute)
      .Handler("actPreviousChapterClickExecute", this, &TMainForm::actPreviousChapterClickExecute)
      .Handler("actNextChapterExecute", this, &TMainForm::actNextChapterExecute)
      .Handler("actJumpToExecute", this, &TMainForm::actJumpToExecute)
      .Handler("actRenderSourceMovieExecute", this, &TMainForm::actRenderSourceMovieExecute)
      .Handler("actRenderOutputMovieExecute", this, &TMainForm::actRenderOutputMovieExecute)
      .Handler("cbAudioStreamsChange", this, &TMainForm::cbAudioStreamsChange)
      .Handler("cbSubtitleStreamsChange", this, &TMainForm::cbSubtitleStreamsChange)
      .Handler("tbLuminanceGainChange", this, &TMainForm::tbLuminanceGainChange)
      .Handler("tbLuminanceOffsetChange", this, &TMainForm::tbLuminanceOffsetChange)
      .Handler("tbVSubtitleOffsetChange", this, &TMainForm::tbVSubtitleOffsetChange)
      .Handler("tbVolumeChange", this, &TMainForm::tbVolumeChange)
      .Handler("edtLuminanceGainChange", this, &TMainForm::edtLuminanceGainChange)
      .Handler("edtLuminanceOffsetChange", this, &TMainForm::edtLuminanceOffsetChange)
      .Handler("edtVSubtitleOffsetChange", this, &TMainForm::edtVSubtitleOffsetChange)
      .Handler("edtVolumeChange", this, &TMainForm::edtVolumeChange)
      .Handler("GainImageClick", this, &TMainForm::GainImageClick)
      .Handler("OffsetImageClick", this, &TMainForm::OffsetImageClick)
      .Handler("SubtitleVOffsetImageClick", this, &TMainForm::SubtitleVOffsetImageClick)
      .Handler("VolumeImageClick", this, &TMainForm::VolumeImageClick)
      .Handler("ConvertingPreviewTimerTimer", this, &TMainForm::ConvertingPreviewTimerTimer)
      .Handler("ShowResultTimerTimer", this, &TMainForm::ShowResultTimerTimer)
      .Handler("actStopConvertExecute", this, &TMainForm::actStopConvertExecute)
      .Handler("actPauseExecute", this, &TMainForm::actPauseExecute)
      .Handler("actToAVIExecute", this, &TMainForm::actToAVIExecute)
      .Handler("actToMoreExecute", this, &TMainForm::actToMoreExecute);

  DeclareSkinFrameField();
  DeclareTitleTreeBindings();
  TaskList = new TList();
  PreviewRenderer = new TFrameRenderer();
  MakeConversionState();
  OpenDialog = new TOpenDialog(this);
  OpenDialog->Filter = "DVD IFO Files|VTS_*.ifo|ALL IFO Files|*.ifo";
  OpenDialog->DefaultExt = "VTS_*.ifo";
  VOBOpenDialog = new TOpenDialog(this);
  VOBOpenDialog->Filter = "VOB, VRO Files(*.vob, *.vro)|*.vob;*.vro";
  VOBOpenDialog->Options = OpenOption(ofAllowMultiSelect) | OpenOption(ofHideReadOnly) | OpenOption(ofEnableSizing);

  DiscEngineObject = engineFactory ? engineFactory() : LibraryDiscEngine();
  DiscEngineCallbacks callbacks{};
  callbacks.WindowHandle = nullptr;  // given once the window exists (Loaded)
  callbacks.Context = this;
  callbacks.OnPreviewFrame = &TMainForm::RenderPreviewFrame;
  DiscEngineObject->SetCallbacks(&callbacks);
}

TMainForm::~TMainForm() {
  BeforeDestruction();
  delete PreviewRenderer;
  FreeConversionState();
  if (MainForm == this) MainForm = nullptr;
}

void TMainForm::Loaded() {
  TForm::Loaded();
  SetCaption(String(kProductName) + " Version " + kVersionText);
  edtOutputFolder->SetText(GetSettings()->DefaultOutputFolder);

  DiscEngineCallbacks callbacks{};
  callbacks.WindowHandle = reinterpret_cast<void*>(Handle());
  callbacks.Context = this;
  callbacks.OnPreviewFrame = &TMainForm::RenderPreviewFrame;
  DiscEngineObject->SetCallbacks(&callbacks);

  SetupTitleTree();
  LoadIdlePicture(NoPreviewImage->Bitmap());
  UpdatePreviewControls(nullptr);
  PreviewImage->Bitmap()->Assign(NoPreviewImage->Bitmap());
  for (TspSkinButton* glyphOnly : {btnPlay, btnStopPlay, btnPreviousChapter, btnNextChapter, btnJumpTo})
    glyphOnly->SetCaption("");

  cbTargetFormat->SetItemIndex(0);
  LastOpenResult = false;
  imgLogoRevo->SetVisible(true);
  imgLogoPro->SetVisible(false);
  imgLogoStd->SetVisible(false);
  SetupTargetBar();
  Converting = false;
}

void TMainForm::FormCreate(TObject*) {
  for (int index = kLastAudioTarget; index >= kFirstAudioTarget; --index)
    if (index < cbTargetFormat->ItemsEx()->Count()) cbTargetFormat->ItemsEx()->Delete(index);
  // Deleting entries drops the box's choice; it keeps showing the first target.
  if (cbTargetFormat->ItemIndex() < 0) cbTargetFormat->SetItemIndex(0);

  // The background covers the empty list below its header.
  FileListBackgroundPanel->SetParent(lvTitles);
  RECT header{};
  if (HWND headerWindow = reinterpret_cast<HWND>(SendMessageA(lvTitles->Handle(), LVM_GETHEADER, 0, 0)))
    GetWindowRect(headerWindow, &header);
  FileListBackgroundPanel->SetBounds(0, header.bottom - header.top, lvTitles->ClientWidth(),
                                     lvTitles->ClientHeight() - (header.bottom - header.top));
  FileListBackgroundPanel->SetVisible(TaskCount() == 0);

  if (ResourceForm && ResourceForm->cbSkins) {
    TStrings* skins = ResourceForm->cbSkins->Items();
    for (int i = 0; i < skins->Count(); ++i) {
      auto* item = new TMenuItem(this);
      item->SetCaption(skins->Strings(i));
      item->SetGroupIndex(99);
      item->OnClick = TNotifyEvent(this, &TMainForm::mnuSelectSkinClick);
      ChangeSkinPopupMenu->Items()->Add(item);
    }
  }
}

void TMainForm::FormDestroy(TObject*) {
  if (destroyed_) return;
  destroyed_ = true;
  // No frame may arrive for a window that goes: playback stops, and a frame in
  // the making is waited for by the preview's lock.
  if (DiscEngineObject && DiscEngineObject->IsPlaying()) DiscEngineObject->Stop();
  ForgetChosenSkinItem(this);
  ForgetTasksOfPreview();
  ClearTitleTree();  // its rows point at the tasks
  ClearTasks();
  delete TaskList;
  TaskList = nullptr;
}

void TMainForm::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.WindowClass.style |= DropShadowClassStyle();
}

int TMainForm::TaskCount() const { return TaskList ? TaskList->Count() : 0; }

DVDConvertTask* TMainForm::Task(int index) const { return static_cast<DVDConvertTask*>(TaskList->Items(index)); }

void TMainForm::ClearTasks() {
  if (!TaskList) return;
  ForgetTasksOfPreview();
  for (int i = 0; i < TaskList->Count(); ++i) delete Task(i);
  TaskList->Clear();
}

void TMainForm::btnHelpMenuClick(const TPoint& screenPoint) { HelpPopupMenu->Popup(screenPoint.X, screenPoint.Y); }
