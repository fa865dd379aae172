// The published properties of controls and forms, and the rule that nests a
// control in the windowed control around it.
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/graphics/Icon.h"
#include "platform/published/ControlsPublished.h"
#include "platform/published/CorePublished.h"
#include "platform/published/FormsPublished.h"

namespace {

const TEnumNames kAligns{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
const TEnumNames kAnchors{"TAnchors", {"akLeft", "akTop", "akRight", "akBottom"}};
const TEnumNames kFormBorderStyles{"TFormBorderStyle",
                               {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const TEnumNames kBorderIcons{"TBorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const TEnumNames kPositions{"TPosition",
                            {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                             "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
const TEnumNames kFormStyles{"TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
const TEnumNames kWindowStates{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};

TAnchors AnchorsOfAlign(TAlign align) {
  switch (align) {
    case alTop: return akLeft | akTop | akRight;
    case alBottom: return akLeft | akRight | akBottom;
    case alLeft: return akLeft | akTop | akBottom;
    case alRight: return akRight | akTop | akBottom;
    case alClient: return akLeft | akTop | akRight | akBottom;
    default: return akLeft | akTop;
  }
}

// A control nested in a windowed control gets it as its parent; a control nested
// in a windowless one is an error, as it could never show.
bool PlaceControl(TComponent* child, TComponent* container) {
  auto* control = dynamic_cast<TControl*>(child);
  if (!control || !dynamic_cast<TControl*>(container)) return false;
  auto* parent = dynamic_cast<TWinControl*>(container);
  if (!parent) throw EInvalidOperation(container->Name() + " is no windowed control and cannot hold controls");
  control->SetParent(parent);
  return true;
}

TComponent* ControlContainer(TComponent* child) {
  auto* control = dynamic_cast<TControl*>(child);
  return control ? control->Parent() : nullptr;
}

}  // namespace

void PublishControlClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishCoreClasses();

  PublishClass<TSizeConstraints>()
      .Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
      .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
      .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
      .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth);

  PublishClass<TControl, TComponent>()
      .Integer("Left", &TControl::Left, &TControl::SetLeft)
      .NoDefault()
      .Integer("Top", &TControl::Top, &TControl::SetTop)
      .NoDefault()
      .Integer("Width", &TControl::Width, &TControl::SetWidth)
      .NoDefault()
      .Integer("Height", &TControl::Height, &TControl::SetHeight)
      .NoDefault()
      // Client sizes are another view of the size: read, never written.
      .Integer("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth)
      .StoredWhen([](TControl&) { return false; })
      .Integer("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight)
      .StoredWhen([](TControl&) { return false; })
      .Enum("Align", kAligns, &TControl::Align, &TControl::SetAlign, alNone)
      // Setting Align sets the anchors it goes with; only other anchors are written.
      .Set("Anchors", kAnchors, &TControl::Anchors, &TControl::SetAnchors)
      .NoDefault()
      .StoredWhen([](TControl& control) { return control.Anchors() != AnchorsOfAlign(control.Align()); })
      .Object("Constraints", &TControl::Constraints)
      .Bool("AutoSize", &TControl::AutoSize, &TControl::SetAutoSize, false)
      .Str("Caption", &TControl::Caption, &TControl::SetCaption)
      .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
      .Color("Color", &TControl::Color, &TControl::SetColor, clWindow)
      .StoredWhen([](TControl& control) { return !control.ParentColor(); })
      .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
      .Object("Font", &TControl::Font)
      .StoredWhen([](TControl& control) { return !control.ParentFont(); })
      .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
      .Bool("Visible", &TControl::Visible, &TControl::SetVisible, true)
      .Str("Hint", &TControl::Hint, &TControl::SetHint)
      .Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
      .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false)
      .StoredWhen([](TControl& control) { return !control.ParentShowHint(); })
      .Component<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
      .IdentInt("Cursor", CursorIdents(), &TControl::Cursor, &TControl::SetCursor, crDefault)
      .Event("OnClick", &TControl::OnClick)
      .Event("OnDblClick", &TControl::OnDblClick)
      .Event("OnMouseDown", &TControl::OnMouseDown)
      .Event("OnMouseUp", &TControl::OnMouseUp)
      .Event("OnMouseMove", &TControl::OnMouseMove)
      .Event("OnMouseWheel", &TControl::OnMouseWheel)
      .Event("OnResize", &TControl::OnResize)
      .Event("OnCanResize", &TControl::OnCanResize)
      .Event("OnContextPopup", &TControl::OnContextPopup);

  PublishClass<TWinControl, TControl>()
      .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
      .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
      .NoDefault()
      .Event("OnKeyDown", &TWinControl::OnKeyDown)
      .Event("OnKeyUp", &TWinControl::OnKeyUp)
      .Event("OnKeyPress", &TWinControl::OnKeyPress)
      .Event("OnEnter", &TWinControl::OnEnter)
      .Event("OnExit", &TWinControl::OnExit);
  PublishClass<TGraphicControl, TControl>();
  PublishClass<TCustomControl, TWinControl>();
  PublishClass<TScrollingWinControl, TWinControl>().Bool("AutoScroll", &TScrollingWinControl::AutoScroll,
                                                         &TScrollingWinControl::SetAutoScroll, false);
  PublishClass<TFrame, TScrollingWinControl>();

  PublishClass<TCustomForm, TScrollingWinControl>()
      .Default("Color", clBtnFace)
      .Default("Visible", Int64(0))
      .Hide("TabStop")
      .Hide("TabOrder")
      .Enum("BorderStyle", kFormBorderStyles, &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, bsSizeable)
      .Set("BorderIcons", kBorderIcons, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
           biSystemMenu | biMinimize | biMaximize)
      .Enum("Position", kPositions, &TCustomForm::Position, &TCustomForm::SetPosition, poDesigned)
      .Enum("FormStyle", kFormStyles, &TCustomForm::FormStyle, &TCustomForm::SetFormStyle, fsNormal)
      .Enum("WindowState", kWindowStates, &TCustomForm::WindowState, &TCustomForm::SetWindowState, wsNormal)
      .Bool("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview, false)
      .Object("Icon", &TCustomForm::Icon)
      .Component<TWinControl>("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
      .Event("OnCreate", &TCustomForm::OnCreate)
      .Event("OnDestroy", &TCustomForm::OnDestroy)
      .Event("OnShow", &TCustomForm::OnShow)
      .Event("OnHide", &TCustomForm::OnHide)
      .Event("OnActivate", &TCustomForm::OnActivate)
      .Event("OnDeactivate", &TCustomForm::OnDeactivate)
      .Event("OnPaint", &TCustomForm::OnPaint)
      .Event("OnClose", &TCustomForm::OnClose)
      .Event("OnCloseQuery", &TCustomForm::OnCloseQuery)
      .Event("OnShortCut", &TCustomForm::OnShortCut);
  PublishClass<TForm, TCustomForm>();

  RegisterChildPlacement({PlaceControl, ControlContainer});
}
