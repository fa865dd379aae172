#include "framed/components/ComponentsPublished.h"

#include "framed/components/RzCustomColors.h"
#include "framed/components/RzDialogComponent.h"
#include "framed/components/RzMenuController.h"
#include "platform/published/Published.h"

namespace {

const TEnumNames kPositions{"TPosition",
                            {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                             "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};

}  // namespace

void PublishFramedComponents() {
  using C = TRzCustomColors;
  PublishClass<C, TComponent>()
      .Lines("Colors", &C::Colors)
      .Component<TRzRegIniFile>("RegIniFile", &C::RegIniFile, &C::SetRegIniFile);

  using M = TRzMenuController;
  PublishClass<M, TComponent>()
      .Bool("GradientColorDefault", &M::GradientColorDefault, &M::GradientColorDefault, true)
      .Color("GradientColorStart", &M::GradientColorStart, &M::GradientColorStart, clBtnFace)
      .Color("GradientColorStop", &M::GradientColorStop, &M::GradientColorStop, clBtnShadow)
      .Color("FrameColor", &M::FrameColor, &M::FrameColor, cl3DDkShadow)
      .Color("MenuColor", &M::MenuColor, &M::MenuColor, clWhite)
      .Color("MenuFontColor", &M::MenuFontColor, &M::MenuFontColor, clBlack)
      .Bool("ThemeAware", &M::ThemeAware, &M::ThemeAware, true);

  using D = TRzDialogComponent;
  PublishClass<D, TComponent>()
      .Bool("CenterToParent", &D::CenterToParent, &D::SetCenterToParent, false)
      .Integer("OriginLeft", &D::OriginLeft, &D::OriginLeft, 100)
      .Integer("OriginTop", &D::OriginTop, &D::OriginTop, 100)
      .Enum("Position", kPositions, &D::Position, &D::Position, poScreenCenter);
}
