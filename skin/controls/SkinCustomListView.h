// TspSkinCustomListView: the platform list view with its font and colour from
// a "listview" record, its column header subclassed and painted section by
// section from a button record, and its native scroll bars replaced by two
// attached skinned scroll bars that mirror the native scroll state.
// SetSkinData and ChangeSkinData are plain: the skin-change table calls them.
#pragma once

#include <memory>

#include "platform/comctrls/ListView.h"
#include "platform/controls/WindowSubclass.h"
#include "skin/controls/views/ViewScrollBars.h"

using TspDrawHeaderSectionEvent = TEvent<TCanvas*, TListColumn*, bool, TRect>;

class TspSkinCustomListView : public TCustomListView {
public:
  explicit TspSkinCustomListView(TComponent* owner);
  ~TspSkinCustomListView() override;

  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "listview";
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value);
  TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(TColor value);
  bool UseSkinFont = true;
  String HeaderSkinDataName = "resizebutton";
  TspSkinScrollBar* HScrollBar() const { return bars_.H(); }
  void SetHScrollBar(TspSkinScrollBar* value);
  TspSkinScrollBar* VScrollBar() const { return bars_.V(); }
  void SetVScrollBar(TspSkinScrollBar* value);
  TspDrawHeaderSectionEvent OnDrawHeaderSection;

  void ChangeSkinData();
  void UpDateScrollBars();
  HWND SubclassedHeader() const { return header_.Window(); }
  Integer ActiveSection() const { return activeSection_; }
  bool HeaderDown() const { return headerDown_; }
  TRect GetHeaderSectionRect(Integer index);
  void PaintHeader(HDC dc);
  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void HeaderCreated(HWND header) override;

private:
  void HeaderWndProc(TMessage& message);
  void OnVScrollBarChange(TObject*);
  void OnHScrollBarChange(TObject*);
  void ReportBars(bool& changed);
  void IconBars(bool& changed);
  void ListBars(bool& changed);
  bool RecordFound() const { return recordIndex_ != -1; }

  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  std::unique_ptr<TFont> defaultFont_;
  TColor defaultColor_ = clWindow;
  TspViewScrollBars bars_;
  Integer recordIndex_ = -1;
  TWindowSubclass header_;  // the column header, restored before it or this control goes
  Integer activeSection_ = -1;
  bool headerDown_ = false;
  Integer oldVPos_ = 0, oldHPos_ = 0;
};

class TspSkinListView : public TspSkinCustomListView {
public:
  using TspSkinCustomListView::TspSkinCustomListView;
};
