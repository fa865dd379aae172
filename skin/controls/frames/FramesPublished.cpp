// The published properties of the frame-picture controls.
#include "platform/published/Published.h"
#include "skin/controls/PeripheryPublished.h"
#include "skin/controls/frames/FrameSkinControl.h"

namespace {
const TEnumNames kPlacements{"TFramesPlacement", {"fpHorizontal", "fpVertical"}};
const TEnumNames kKinds{"TRegulatorKind", {"rkRound", "rkHorizontal", "rkVertical"}};
const TEnumNames kStates{"TspSkinSwitchState", {"swOff", "swOn"}};
}  // namespace

void PublishSkinFramesPeriphery() {
  using F = TspFrameSkinControl;
  PublishClass<F, TspSkinControl>()
      .Default("SkinDataName", "")
      .Object("DefaultImage", &F::DefaultImage)
      .Object("DefaultMask", &F::DefaultMask)
      .Enum("DefaultFramesPlacement", kPlacements, &F::DefaultFramesPlacement, &F::SetDefaultFramesPlacement,
            fpHorizontal)
      .Integer("DefaultFramesCount", &F::DefaultFramesCount, &F::SetDefaultFramesCount, 1);
  using S = TspSkinSwitch;
  PublishClass<S, F>()
      .Default("Width", 25)
      .Default("Height", 50)
      .Enum("State", kStates, &S::State, &S::SetState, swOff)
      .Integer("TimerInterval", &S::TimerInterval, &S::SetTimerInterval, 50)
      .Event("OnChange", &S::OnChange);
  using A = TspSkinAnimate;
  PublishClass<A, F>()
      .Default("Width", 50)
      .Default("Height", 50)
      .Bool("Active", &A::Active, &A::SetActive, false)
      .Bool("CycleMode", &A::CycleMode, &A::CycleMode, false)
      .Bool("ButtonMode", &A::ButtonMode, &A::ButtonMode, false)
      .Integer("TimerInterval", &A::TimerInterval, &A::SetTimerInterval, 50)
      .Event("OnStart", &A::OnStart)
      .Event("OnStop", &A::OnStop);
  using G = TspSkinFrameGauge;
  PublishClass<G, F>()
      .Default("Width", 50)
      .Default("Height", 50)
      .Integer("MinValue", &G::MinValue, &G::SetMinValue, 0)
      .Integer("MaxValue", &G::MaxValue, &G::SetMaxValue, 100)
      .Integer("Value", &G::Value, &G::SetValue, 50);
  using R = TspSkinFrameRegulator;
  PublishClass<R, F>()
      .Default("Width", 50)
      .Default("Height", 50)
      .Enum("DefaultKind", kKinds, &R::DefaultKind, &R::SetDefaultKind, rkRound)
      .Integer("MinValue", &R::MinValue, &R::SetMinValue, 0)
      .Integer("MaxValue", &R::MaxValue, &R::SetMaxValue, 100)
      .Integer("Value", &R::Value, &R::SetValue, 50)
      .Event("OnChange", &R::OnChange);
}
