// Fixtures of the menu tests: a skin made in code whose menu pieces are solid
// zones (one pixel tells which piece was drawn), an engine with a fixed work
// area, a fake form skinning component that hosts the engine, and a form that
// hands it its messages.
#pragma once

#include <memory>

#include "platform/controls/Forms.h"
#include "skin/menus/SkinMenus.h"
#include "tests/skin/SkinTestPictures.h"

// Zones of the menu atlas (picture 0).
constexpr TColor kNormalFace = clRed, kActiveFace = clBlue, kDivider = clGreen, kCheck = clYellow,
                 kRadio = clFuchsia, kArrow = clAqua, kHeader = TColor(0x0080FF), kFrame = clMaroon,
                 kItems = clSilver, kFrame1 = TColor(0x00FF80), kFrame2 = TColor(0x8000FF);

// A 16 x 16 mark tile: white border (its transparent colour), a solid 8 x 8 middle.
inline void PaintMark(TBitmap& atlas, int x, int y, int w, TColor color) {
  atlas.Canvas()->Brush()->SetColor(clWhite);
  atlas.Canvas()->FillRect(TRect{x, y, x + w, y + 16});
  atlas.Canvas()->Brush()->SetColor(color);
  atlas.Canvas()->FillRect(TRect{x + w / 2 - 4, y + 4, x + w / 2 + 4, y + 12});
}

class ZoneMenuSkin {
public:
  explicit ZoneMenuSkin(bool withItemRecord = true) : data(nullptr) {
    auto atlas = std::make_unique<TBitmap>();
    PaintZones(*atlas, 200, 100,
               {{{0, 0, 100, 20}, kNormalFace},
                {{0, 20, 100, 40}, kActiveFace},
                {{0, 40, 100, 44}, kDivider},
                {{0, 60, 100, 80}, kHeader},
                {{0, 80, 100, 100}, kFrame1},
                {{100, 80, 200, 100}, kFrame2}});
    PaintMark(*atlas, 100, 0, 16, kCheck);
    PaintMark(*atlas, 116, 0, 16, kRadio);
    PaintMark(*atlas, 132, 0, 8, kArrow);
    auto window = std::make_unique<TBitmap>();
    PaintZones(*window, 30, 30, {{{0, 0, 30, 30}, kFrame}, {{3, 3, 27, 27}, kItems}});
    data.ActivePictures.push_back(std::move(atlas));
    data.ActivePictures.push_back(std::move(window));
    TspDataSkinPopupWindow& popup = *data.PopupWindow;
    popup.WindowPictureIndex = 1;
    popup.LeftTopPoint = {3, 3}, popup.RightTopPoint = {27, 3};
    popup.LeftBottomPoint = {3, 27}, popup.RightBottomPoint = {27, 27};
    popup.ItemsRect = {3, 3, 27, 27};
    popup.ScrollMarkerColor = clGray, popup.ScrollMarkerActiveColor = clBlack;
    popup.LeftStretch = popup.TopStretch = popup.RightStretch = popup.BottomStretch = true;
    popup.stretcheffect = true;
    if (withItemRecord) {
      auto item = std::make_unique<TspDataSkinMenuItem>("menuitem");
      item->activepictureindex = 0;
      item->skinrect = {0, 0, 100, 20};
      item->activeskinrect = {0, 20, 100, 40};
      item->DividerRect = {0, 40, 100, 44};
      item->TextRect = {20, 0, 90, 20};
      item->ItemLeftOffset = item->ItemRightOffset = 2;
      item->FontName = "Arial", item->FontHeight = 14;
      item->FontColor = clBlack, item->ActiveFontColor = clWhite, item->unenabledfontcolor = clGray;
      item->stretcheffect = item->InActiveStretchEffect = item->DividerStretchEffect = true;
      item->CheckImageRect = item->ActiveCheckImageRect = {100, 0, 116, 16};
      item->RadioImageRect = item->ActiveRadioImageRect = {116, 0, 132, 16};
      item->ArrowImageRect = item->ActiveArrowImageRect = {132, 0, 140, 16};
      MenuItem = item.get();
      data.ObjectList.push_back(std::move(item));
    }
    auto header = std::make_unique<TspDataSkinLabelControl>("menuheader");
    header->pictureindex = 0;
    header->skinrect = {0, 60, 100, 80};
    header->lefttoppoint = {2, 0}, header->righttoppoint = {98, 0};
    header->clientrect = {2, 0, 98, 20};
    header->fontcolor = clWhite;
    data.CtrlList.push_back(std::move(header));
    data.Empty = false;
  }
  TspSkinData data;
  TspDataSkinMenuItem* MenuItem = nullptr;
};

// An engine whose work area is fixed, so that sizes and places are known.
class FixedAreaMenu : public TspSkinMenu {
public:
  FixedAreaMenu(TComponent* owner, TCustomForm* form, TRect area = {0, 0, 1280, 1000})
      : TspSkinMenu(owner, form), Area(area) {}
  TRect GetWorkArea() override { return Area; }
  TRect Area;
};

class FakeFormComponent;

// A form that hands its messages to the fake component first.
class MenuForm : public TForm {
public:
  using TForm::TForm;
  FakeFormComponent* Host = nullptr;  // owned by the form as a component

protected:
  void Dispatch(TMessage& message) override;
};

// A form skinning component as far as menus need one.
class FakeFormComponent : public TComponent, public TspSkinMenuHost {
public:
  explicit FakeFormComponent(TCustomForm* form, TspSkinData* skin = nullptr)
      : TComponent(form), Skin(skin), Engine(std::make_unique<FixedAreaMenu>(nullptr, form)),
        Menus(std::make_unique<TspFormMenus>(nullptr, this, form)) {}
  TspSkinMenu* SkinMenu() override { return Engine.get(); }
  TspSkinData* MenuSkinData() override { return Skin; }
  void SkinMenuOpen() override {
    ++Opens;
    Menus->SkinMenuOpen();
  }
  void SkinMenuClose() override {
    ++Closes;
    Menus->SkinMenuClose();
  }
  TspSkinData* Skin;
  std::unique_ptr<FixedAreaMenu> Engine;
  std::unique_ptr<TspFormMenus> Menus;
  int Opens = 0, Closes = 0;
  ~FakeFormComponent() override {
    if (auto* form = dynamic_cast<MenuForm*>(Owner()))
      if (form->Host == this) form->Host = nullptr;
  }
};

inline void MenuForm::Dispatch(TMessage& message) {
  if (Host && Host->Menus->HandleFormMessage(message)) return;
  TForm::Dispatch(message);
}

// Adds a child item with a caption (and an optional name) to a menu item.
inline TMenuItem* AddItem(TMenuItem* parent, const String& caption, const String& name = String()) {
  auto* item = new TMenuItem(parent);
  item->SetCaption(caption);
  if (!name.empty()) item->SetName(name);
  parent->Add(item);
  return item;
}

// Where the tests leave the pictures they capture, to look at by hand.
String CaptureFolder();
