// The application's main window: the task list, the source opening, the title
// tree, the preview and the conversion commands.
#pragma once

#include <cstdint>

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
class TImage;
class TImage32;
class TImageList;
class TList;
class TMenuItem;
class TOpenDialog;
class TPanel;
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
  TTimer* PreviewTimer = nullptr;
  TTimer* ConvertingPreviewTimer = nullptr;
  TTimer* ShowResultTimer = nullptr;
  TImageList* ImageList = nullptr;
  TImageList* spPNGImageList1 = nullptr;
  TImageList* spPNGImageList2 = nullptr;
  TImageList* spPNGImageList3 = nullptr;
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

  // The target bar.
  void SetupTargetBar();

protected:
  void CreateParams(TCreateParams& params) override;
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
  void EditProfiles1Click(TObject* sender);
  void ClearTasks();
  // Its own unit: the frame's header and the edits' declare the same messages.
  void DeclareSkinFrameField();
  // The title tree's part of the definition, and what it sets up once it is read.
  void DeclareTitleTreeBindings();
  void SetupTitleTree();
  void ClickTitleRow(TListItem* item);
  void RemoveTasks(const std::vector<DVDConvertTask*>& doomed);
  // The column widths the rows were last drawn with: a header drawn with others
  // repaints the rows.
  std::vector<int> drawnColumnWidths_;
  bool destroyed_ = false;
};

extern TMainForm* MainForm;

// The target every new task starts with, until the output settings dialog chooses it.
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
