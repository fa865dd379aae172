// The published properties of the slider, the splitters and the animated gauge.
#include "platform/published/Published.h"
#include "skin/controls/PeripheryPublished.h"
#include "skin/controls/bars/SkinAnimateGauge.h"
#include "skin/controls/bars/SkinSlider.h"
#include "skin/controls/bars/SkinSplitter.h"

namespace {

const TEnumNames kOrientations{"TspSliderOrientation", {"soHorizontal", "soVertical"}};
const TEnumNames kSliderOptions{"TspSliderOptions",
                                {"soShowFocus", "soShowPoints", "soSmooth", "soRulerOpaque", "soThumbOpaque"}};

void PublishSlider() {
  using S = TspSkinCustomSlider;
  auto image = [](TspSliderImage index) { return [index](S& s) { return s.Image(index); }; };
  auto stored = [](TspSliderImage index) { return [index](S& s) { return s.StoreImage(index); }; };
  PublishClass<S, TspSkinControl>()
      .Default("Width", 150)
      .Default("Height", 40)
      .Default("SkinDataName", "slider")
      .Default("TabStop", 1)
      .Integer("MinValue", &S::MinValue, &S::SetMinValue, 0)
      .Integer("MaxValue", &S::MaxValue, &S::SetMaxValue, 100)
      .Integer("Value", &S::Value, &S::SetValue, 0)
      .Integer("Increment", &S::Increment, &S::SetIncrement, 10)
      .Enum("Orientation", kOrientations, &S::Orientation, &S::SetOrientation, soHorizontal)
      .Set("Options", kSliderOptions, &S::Options, &S::SetOptions, 0b111)
      .Integer("EdgeSize", &S::EdgeSize, &S::SetEdgeSize, 2)
      .Integer("NumThumbStates", &S::NumThumbStates, &S::SetNumThumbStates, 2)
      .Object("ImageHThumb", image(siHThumb))
      .StoredWhen(stored(siHThumb))
      .Object("ImageHRuler", image(siHRuler))
      .StoredWhen(stored(siHRuler))
      .Object("ImageVThumb", image(siVThumb))
      .StoredWhen(stored(siVThumb))
      .Object("ImageVRuler", image(siVRuler))
      .StoredWhen(stored(siVRuler))
      .Bool("Transparent", &S::Transparent, &S::SetTransparent, false)
      .Bool("UseSkinThumb", &S::UseSkinThumb, &S::UseSkinThumb, true)
      // One byte: bit i set when image i is the user's.
      .Binary(
          "UserImages",
          [](S& s, TStream& stream, const String&) {
            Byte mask = 0;
            if (stream.Read(&mask, 1) == 1) s.SetUserImages(mask);
          },
          [](S& s, TStream& stream) {
            if (s.UserImages() == 0) return false;
            Byte mask = s.UserImages();
            stream.WriteBuffer(&mask, 1);
            return true;
          })
      .Event("OnChange", &S::OnChange)
      .Event("OnChanged", &S::OnChanged)
      .Event("OnDrawPoints", &S::OnDrawPoints);
  PublishClass<TspSkinSlider, S>();
}

void PublishSplitters() {
  using K = TspSkinSplitter;
  PublishClass<K, TSplitter>()
      .Bool("Transparent", &K::Transparent, &K::SetTransparent, false)
      .Integer("DefaultSize", &K::DefaultSize, &K::DefaultSize, 10)
      .Str("SkinDataName", &K::SkinDataName, &K::SkinDataName, "vsplitter")
      .Component<TspSkinData>("SkinData", &K::SkinData, &K::SetSkinData);
  using C = TspCustomSplitter;
  PublishClass<C, TspSkinControl>()
      .Default("Align", alLeft)
      .Default("Width", 3)
      .Default("Cursor", crHSplit)
      .Bool("AutoSnap", &C::AutoSnap, &C::AutoSnap, true)
      .Integer("MinSize", &C::MinSize, &C::SetMinSize, 30)
      .Event("OnCanResize", &C::OnCanResize)
      .Event("OnMoved", &C::OnMoved)
      .Event("OnPaint", &C::OnPaint);
  using X = TspSkinSplitterEx;
  PublishClass<X, C>().Default("SkinDataName", "vsplitter").Integer("DefaultSize", &X::DefaultSize, &X::DefaultSize, 10);
}

void PublishAnimateGauge() {
  using A = TspSkinAnimateGauge;
  PublishClass<A, TspSkinCustomControl>()
      .Default("Width", 100)
      .Default("Height", 20)
      .Default("SkinDataName", "gauge")
      .Str("ProgressText", &A::ProgressText, &A::SetProgressText)
      .Bool("ShowProgressText", &A::ShowProgressText, &A::SetShowProgressText, false)
      .Integer("AnimationPause", &A::AnimationPause, &A::SetAnimationPause, 1000);
}

}  // namespace

void PublishSkinBarsPeriphery() {
  PublishSlider();
  PublishSplitters();
  PublishAnimateGauge();
}
