// The application's main window: the task list, the source opening, the title
// tree, the preview and the conversion commands.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "app/DVDConvertTask.h"
#include "engines/include/DiscEngine.h"
#include "platform/core/Geometry.h"
#include "platform/controls/Control.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/OwnerDraw.h"

class TAction;
class TCanvas;
class TCustomListView;
class TListColumn;
class TListItem;
class TActionList;
class TCropForm;
class TFrameRenderer;
class TProcessingForm;
struct TConversionState;
class TJumpToForm;
class TImage;
class TImage32;
class TImageList;
class TspPngImageList;
class TList;
class TMenuItem;
class TOpenDialog;
class TOutputSettingsForm;
class TPanel;
class TPreviewDialog;
class TSplitForm;
class TTimer;
class TspDynamicSkinForm;
class TspSkinButton;
class TspSkinComboBox;
class TspSkinComboBoxEx;
class TspSkinEdit;
class TspSkinListView;
class TspSkinMenuButton;
class TspSkinPanel;
class TspSkinPopupMenu;
class TspSkinSpinEdit;
class TspSkinStatusBar;
class TspSkinStatusPanel;
class TspSkinToolBar;
class TspSkinTrackBar;
struct DVDConvertTask;
struct TaskTarget;

// The engine the window made, kept for the whole run.
extern DiscEngine* DiscEngineObject;
// How the window gets its engine: `CreateDiscEngine` of the engine library, or what
// a test puts here (it then owns the engine and Release is not called on it).
using DiscEngineFactory = DiscEngine* (*)();
void SetDiscEngineFactory(DiscEngineFactory factory);  // nullptr: the library's
// Frees the engine through the engine's own Release; the entry routine calls it
// after the main window is gone.
void FreeDiscEngine();

class TMainForm : public TForm {
public:
  explicit TMainForm(TComponent* owner);
  ~TMainForm() override;

  // Components of the definition.
  TspSkinStatusBar* spSkinStatusBar1 = nullptr;
  TspSkinStatusPanel* StatusPanel = nullptr;
  TspSkinToolBar* TopPanel = nullptr;
  TspSkinButton* btnOption = nullptr;
  TspSkinButton* btnOpenIFO = nullptr;
  TspSkinButton* btnOpenDVD = nullptr;
  TspSkinButton* btnOpenVOB = nullptr;
  TspSkinMenuButton* spSkinMenuButton1 = nullptr;
  TspSkinMenuButton* spSkinMenuButton2 = nullptr;
  TPanel* FileListBackgroundPanel = nullptr;
  TImage* FileListBackgroundImage = nullptr;
  TspSkinListView* lvTitles = nullptr;
  TspSkinPanel* OutputFolderPanel = nullptr;
  TspSkinEdit* edtOutputFolder = nullptr;
  TspSkinButton* btnBrowse = nullptr;
  TspSkinButton* btnOpenOutputFolder = nullptr;
  TspSkinComboBox* cbAudioStreams = nullptr;
  TspSkinComboBox* cbSubtitleStreams = nullptr;
  TImage32* PreviewImage = nullptr;
  TImage32* NoPreviewImage = nullptr;
  TspSkinPanel* PreviewControlPanel = nullptr;
  TspSkinButton* btnPlay = nullptr;
  TspSkinButton* btnStopPlay = nullptr;
  TspSkinButton* btnPreviousChapter = nullptr;
  TspSkinButton* btnNextChapter = nullptr;
  TspSkinButton* btnJumpTo = nullptr;
  TspSkinTrackBar* tbPreview = nullptr;
  TspSkinButton* btnCrop = nullptr;
  TspSkinButton* btnSplit = nullptr;
  TImage32* GainImage = nullptr;
  TImage32* OffsetImage = nullptr;
  TImage32* SubtitleVOffsetImage = nullptr;
  TImage32* VolumeImage = nullptr;
  TspSkinTrackBar* tbLuminanceGain = nullptr;
  TspSkinTrackBar* tbLuminanceOffset = nullptr;
  TspSkinTrackBar* tbVSubtitleOffset = nullptr;
  TspSkinTrackBar* tbVolume = nullptr;
  TspSkinSpinEdit* edtLuminanceGain = nullptr;
  TspSkinSpinEdit* edtLuminanceOffset = nullptr;
  TspSkinSpinEdit* edtVSubtitleOffset = nullptr;
  TspSkinSpinEdit* edtVolume = nullptr;
  TspSkinPanel* spSkinPanel2 = nullptr;
  TImage* imgLogoPro = nullptr;
  TImage* imgLogoRevo = nullptr;
  TImage* imgLogoStd = nullptr;
  TspSkinButton* btnConfig = nullptr;
  TspSkinButton* btnToX[8] = {};
  TspSkinComboBoxEx* cbTargetFormat = nullptr;
  TspDynamicSkinForm* DSF = nullptr;
  TspSkinPopupMenu* TitlesPopupMenu = nullptr;
  TspSkinPopupMenu* PreviewPopupMenu = nullptr;
  TspSkinPopupMenu* HelpPopupMenu = nullptr;
  TspSkinPopupMenu* ChangeSkinPopupMenu = nullptr;
  TspSkinPopupMenu* ToMorePopupMenu = nullptr;
  TActionList* ActionList1 = nullptr;
  TAction* actOpenDVD = nullptr;
  TAction* actHelp = nullptr;
  // The target actions, by tag: AVI, WMV, RMVB, MP4, MPEG, MOV, 3GP, FLV, MP3, WMA,
  // WAV, OGG, RA, AAC, M4A, APE, MPC, FLAC; and "To More...".
  TAction *actToAVI = nullptr, *actToWMV = nullptr, *actToRMVB = nullptr, *actToMP4 = nullptr,
          *actToMPEG = nullptr, *actToMOV = nullptr, *actTo3GP = nullptr, *actToFLV = nullptr;
  TAction *actToMP3 = nullptr, *actToWMA = nullptr, *actToWAV = nullptr, *actToOGG = nullptr, *actToRA = nullptr,
          *actToAAC = nullptr, *actToM4A = nullptr, *actToAPE = nullptr, *actToMPC = nullptr, *actToFLAC = nullptr;
  TAction* actToMore = nullptr;
  TTimer* PreviewTimer = nullptr;
  TTimer* ConvertingPreviewTimer = nullptr;
  TTimer* ShowResultTimer = nullptr;
  TImageList* ImageList = nullptr;
  TspPngImageList* spPNGImageList1 = nullptr;
  TspPngImageList* spPNGImageList2 = nullptr;
  TspPngImageList* spPNGImageList3 = nullptr;
  // The two file dialogs, made with the window.
  TOpenDialog* OpenDialog = nullptr;
  TOpenDialog* VOBOpenDialog = nullptr;

  // State shared by the window's parts.
  std::int32_t SourceCounter = 0;
  TList* TaskList = nullptr;  // of DVDConvertTask*, owned
  DVDConvertTask* CurrentTask = nullptr;
  DVDConvertTask* OpenedTask = nullptr;
  volatile std::uint8_t Painting = 0;
  bool LastOpenResult = false;
  bool Converting = false;

  int TaskCount() const;
  DVDConvertTask* Task(int index) const;

  // Source commands.
  void btnOpenIFOClick(TObject* sender);
  void actOpenDVDExecute(TObject* sender);
  void btnOpenVOBClick(TObject* sender);
  bool OpenDVDFolder(const String& path);

  // Output folder.
  void btnBrowseClick(TObject* sender);
  void edtOutputFolderChange(TObject* sender);
  void btnOpenOutputFolderClick(TObject* sender);

  // Commands.
  void btnOptionClick(TObject* sender);
  void HelpContent1Click(TObject* sender);
  void Support1Click(TObject* sender);
  void KelvaneHomeSite1Click(TObject* sender);
  void AboutKelvane1Click(TObject* sender);
  void mnuSelectSkinClick(TObject* sender);
  void btnHelpMenuClick(const TPoint& screenPoint);

  // The tasks of a newly opened source replace the list; the tree shows them.
  void LoadTitles(const String& sourceText, SourceKind kind);
  // A new task's default streams, by the languages the settings name.
  int FindDefaultAudioStream(const TitleInfo& title) const;
  int FindDefaultSubtitleStream(const TitleInfo& title) const;
  // The stream boxes offer a title's streams; left as they are without an engine.
  void FillAudioStreams(const TitleInfo& title);
  void FillSubtitleStreams(const TitleInfo& title);

  // The title tree (its rows, drawing, clicks, keys and popup menu).
  TMenuItem* mnuRemove = nullptr;
  TMenuItem* mnuClear = nullptr;
  TMenuItem* mnuCheck = nullptr;
  TMenuItem* mnuUncheck = nullptr;
  TMenuItem* mnuCheckAll = nullptr;
  TMenuItem* mnuUncheckAll = nullptr;
  TMenuItem* mnuCheckAllChapters = nullptr;
  TMenuItem* mnuUncheckAllChapters = nullptr;
  TMenuItem* mnuSelectAll = nullptr;
  TMenuItem* mnuSelectAllChildren = nullptr;
  void RebuildTitleTree();
  void ClearTitleTree();
  void SelectCurrentTask();
  void SetSelectedChecked(bool value);
  void SetAllChecked(bool value);
  void SetChildrenChecked(bool value);
  void lvTitlesDrawItem(TCustomListView* sender, TListItem* item, TRect rect, TOwnerDrawState state);
  void lvTitlesDrawHeaderSection(TCanvas* canvas, TListColumn* column, bool pressed, TRect rect);
  void lvTitlesMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void lvTitlesKeyPress(TObject* sender, char& key);
  void TitlesPopupMenuPopup(TObject* sender);
  void mnuRemoveClick(TObject* sender);
  void mnuClearClick(TObject* sender);
  void mnuCheckClick(TObject* sender);
  void mnuUncheckClick(TObject* sender);
  void mnuCheckAllClick(TObject* sender);
  void mnuUncheckAllClick(TObject* sender);
  void mnuCheckAllChaptersClick(TObject* sender);
  void mnuUncheckAllChaptersClick(TObject* sender);
  void mnuSelectAllClick(TObject* sender);
  void mnuSelectAllChildrenClick(TObject* sender);

  // Preview.
  void UpdatePreviewControls(DVDConvertTask* task);
  void OpenTaskForPreview(DVDConvertTask* task, bool reopen);
  void StoreTaskSettings();
  void RefreshPreviewStill();
  void FreePreviewConverters();
  static bool VARNEL_STDCALL RenderPreviewFrame(void* context, const std::uint8_t* frame, VideoFrameInfo* info);

  // The target bar and the target commands (MainFrmTargets.cpp).
  void SetupTargetBar();
  void BindAudioActions();
  void SetTargetFormat(int number);
  bool ConfigureOutput();
  void actToAVIExecute(TObject* sender);
  void actToMoreExecute(TObject* sender);

  // Preview (MainFrmPreview.cpp).
  TFrameRenderer* PreviewRenderer = nullptr;  // owned
  // While the crop or split dialog is open, the frames go to it: answers true when
  // it took the frame. Read on the engine's thread under the preview's lock; set
  // it through SetForeignFrameHandler.
  using FrameHandler = std::function<bool(const std::uint8_t* frame, const VideoFrameInfo& info)>;
  FrameHandler ForeignFrameHandler;
  void SetForeignFrameHandler(FrameHandler handler);
  // The crop and split dialogs, set only while one is open (MainFrmCropSplit.cpp).
  TCropForm* OpenCropForm = nullptr;
  TSplitForm* OpenSplitForm = nullptr;
  // Clears the current and the opened task, under the preview's lock, before tasks go.
  void ForgetTasksOfPreview();
  void PreviewTimerTimer(TObject* sender);
  void tbPreviewMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void tbPreviewLastChange(TObject* sender);
  void actPlayPreviewExecute(TObject* sender);
  void actStopPreviewExecute(TObject* sender);
  void actPreviousChapterClickExecute(TObject* sender);
  void actNextChapterExecute(TObject* sender);
  void actJumpToExecute(TObject* sender);
  void actRenderSourceMovieExecute(TObject* sender);
  void actRenderOutputMovieExecute(TObject* sender);
  void cbAudioStreamsChange(TObject* sender);
  void cbSubtitleStreamsChange(TObject* sender);
  void tbLuminanceGainChange(TObject* sender);
  void tbLuminanceOffsetChange(TObject* sender);
  void tbVSubtitleOffsetChange(TObject* sender);
  void tbVolumeChange(TObject* sender);
  void edtLuminanceGainChange(TObject* sender);
  void edtLuminanceOffsetChange(TObject* sender);
  void edtVSubtitleOffsetChange(TObject* sender);
  void edtVolumeChange(TObject* sender);
  void GainImageClick(TObject* sender);
  void OffsetImageClick(TObject* sender);
  void SubtitleVOffsetImageClick(TObject* sender);
  void VolumeImageClick(TObject* sender);

  // The conversion driver (MainFrmConversion.cpp).
  TProcessingForm* ProcessingForm = nullptr;  // set only while it is shown
  void StartConversion();
  void RunConversion();
  void PrepareTaskForConversion(DVDConvertTask& task);
  void ShowTaskStateInTree(DVDConvertTask* task);
  void RepaintTaskRows(DVDConvertTask* task);
  void CopyConvertingPreview(const std::uint8_t* frame, std::int32_t width, std::int32_t height);
  std::int64_t GetWrittenFileSize() const;
  void ConvertingPreviewTimerTimer(TObject* sender);
  void ShowResultTimerTimer(TObject* sender);
  void actStopConvertExecute(TObject* sender);
  void actPauseExecute(TObject* sender);
  static bool VARNEL_STDCALL BeginTitleOutput(void* context, VideoFrameInfo* video, std::int32_t* audio,
                                              TitleBeginInfo* title);
  static bool VARNEL_STDCALL EndTitleOutput(void* context);
  static std::int64_t VARNEL_STDCALL GetOutputSize(void* context);
  static bool VARNEL_STDCALL EncodeVideoFrame(void* context, const std::uint8_t* frame, std::int32_t width,
                                              std::int32_t height, std::int32_t value1, std::int32_t value2,
                                              std::int32_t value3, std::int32_t value4);
  static bool VARNEL_STDCALL EncodeAudioSamples(void* context, const std::int16_t* samples, std::int32_t bytes,
                                                std::int32_t value1, std::int32_t value2, std::int32_t value3,
                                                std::int32_t value4);
  static void VARNEL_STDCALL ReportProgress(void* context, ProgressInfo* progress);
  // The output settings dialog, made on first use and kept while the window lives.
  TOutputSettingsForm* GetOutputSettingsForm();
  // Shows the profile editor modally.
  void EditProfiles1Click(TObject* sender);

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  // The definition is read: what the constructor sets up on the components.
  void Loaded() override;

private:
  void FormCreate(TObject* sender);
  void FormDestroy(TObject* sender);
  void ShowOpenedSource(const String& sourceText, SourceKind kind, bool reopen);
  void PreviewImageResize(TObject* sender);
  void btnCropClick(TObject* sender);
  void btnSplitClick(TObject* sender);
  void btnConfigClick(TObject* sender);
  void cbTargetFormatChange(TObject* sender);
  void rbSourceMovieClick(TObject* sender);
  void edtCropLeftChange(TObject* sender);
  void ClearTasks();
  // Its own unit: the frame's header and the edits' declare the same messages.
  void DeclareSkinFrameField();
  // The preview's frames: made on the engine's side, shown on the window's thread.
  void RenderFrame(const std::uint8_t* frame, const VideoFrameInfo& info);
  void ShowRenderedFrame();
  void ShowIdlePicture();
  void StepChapter(int step);
  // Shows a crop or split dialog modally with the engine's frames going to it.
  int ShowPreviewDialog(TPreviewDialog& dialog);
  // After a crop or split dialog: the slider takes the engine's position.
  void TakeOverPreviewPosition();
  // The tasks a target command changes, and handing them the dialog's choice.
  std::vector<DVDConvertTask*> TargetTasks() const;
  void AssignOutput();
  void ShowSingleTaskTarget();
  // One output file of a conversion: its path, and opening its encoder.
  String OutputPathFor(const DVDConvertTask& task, const TitleBeginInfo& title);
  bool OpenOutput(VideoFrameInfo& video, const std::int32_t* audio, const TitleBeginInfo& title);
  void MakeConversionState();
  void FreeConversionState();
  TConversionState* conversion_ = nullptr;  // owned
  // The title tree's part of the definition, and what it sets up once it is read.
  void DeclareTitleTreeBindings();
  void SetupTitleTree();
  void ClickTitleRow(TListItem* item);
  void RemoveTasks(const std::vector<DVDConvertTask*>& doomed);
  // The column widths the rows were last drawn with: a header drawn with others
  // repaints the rows.
  std::vector<int> drawnColumnWidths_;
  bool destroyed_ = false;
  int previewWidth_ = 0, previewHeight_ = 0;  // the picture's size, for the engine's side
  TOutputSettingsForm* outputSettings_ = nullptr;  // a component of the window
};

extern TMainForm* MainForm;

// The target every new task starts with: the output settings dialog's current choice.
TaskTarget NewTaskTarget();

// The window going away forgets the skin item it made (kept by the skin command).
void ForgetChosenSkinItem(const TComponent* owner);

// The maker's addresses the help menu opens.
extern const char kSupportMailLink[];
extern const char kHomePageAddress[];

// Splits a ";"-separated list of paths into zero-terminated copies, in order, and
// answers their number; an empty piece counts, so an empty text gives one. Never
// more than kMaxVOBFiles copies: the callers' arrays hold that many and the rest of
// the list is left out. Free the copies with FreeFileList.
int SplitFileList(const String& list, char* pieces[kMaxVOBFiles]);
void FreeFileList(char* pieces[], int count);

// The size a preview frame is shown at: unsqueezed to its display aspect when
// asked, then fitted into the picture keeping its ratio; both even.
TSize PreviewFrameSize(int width, int height, double aspect, bool unsqueeze, int imageWidth, int imageHeight);
// The chapter to seek to from `position` (seconds) one chapter back (-1) or on (1).
int ChapterStepTarget(const TitleInfo& title, double position, int step);
// The time a jump seeks to: before the title's end, never below 0.
double JumpTarget(int seconds, double duration);

// The output format a target action's tag (or the hidden list's index) stands for:
// AVI for anything outside 0-17.
OutputFormatCode TargetFormatOfTag(int tag);
