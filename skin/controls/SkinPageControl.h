// TspSkinPageControl: the platform page control with its frame, page
// background and tabs drawn by the skinned tab strip (a "tab" record or the
// default look), close buttons on the tabs, images per tab, the skinned up-down
// in place of the native tab scroller, and a tab row that can be hidden. Each
// tab stands for a visible page; a skinned page keeps its tab's close state.
// SetSkinData and ChangeSkinData are plain: the skin-change table calls them.
#pragma once

#include "platform/comctrls/PageControl.h"
#include "skin/controls/SkinCustomTabSheet.h"
#include "skin/controls/tabs/SkinTabs.h"

using TspCloseEvent = TEvent<TObject*, bool&>;

class TspSkinPageControl : public TspSkinTabs<TPageControl> {
public:
  explicit TspSkinPageControl(TComponent* owner);

  bool FreeOnClose = false;
  TspCloseEvent OnClose;

  void ChangeSkinData() override;
  bool CheckVisibleTabs() const;
  void DoClose() override;
  void HideTabs();
  void ShowTabs();
  bool TabsHidden() const { return tabsHidden_; }
  TspSkinCustomTabSheet* SkinPage(Integer pageIndex) const;

protected:
  Integer ItemCount() const override { return PageCount(); }
  Integer ItemOfTab(Integer tab) const override;
  String ItemCaption(Integer page) const override { return Pages(page)->Caption(); }
  Integer ItemImage(Integer page) const override;
  bool ItemEnabled(Integer page) const override { return Pages(page)->Enabled(); }
  TspTabCloseRef ItemClose(Integer page) override;
  bool TabsShown() const override { return !tabsHidden_; }
  bool HasActiveTab() const override { return CheckVisibleTabs() && ActivePage(); }
  Integer CaptionShift() const override { return 2; }
  TSize UpDownSize() const override { return {2 * DefaultHeight(), DefaultHeight()}; }

  void Dispatch(TMessage& message) override;
  void Change() override;
  void AdjustRect(RECT& r) override;

private:
  bool tabsHidden_ = false;
  TTabPosition savedPosition_ = tpTop;
  bool savedMultiLine_ = false;
  Integer savedTabHeight_ = -1;
};
