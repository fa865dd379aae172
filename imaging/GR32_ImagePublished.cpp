// The published properties of the paint box, the image control and the bitmap,
// as form definitions read and write them.
#include "imaging/GR32_Image.h"
#include "imaging/GR32_ImgView32.h"
#include "platform/published/FormsPublished.h"

namespace {

const TEnumNames kRepaintModes{"TRepaintMode", {"rmFull", "rmDirect", "rmOptimizer"}};
const TEnumNames kPaintBoxOptions{"TPaintBoxOptions", {"pboWantArrowKeys", "pboAutoFocus"}};
const TEnumNames kScaleModes{"TScaleMode",
                             {"smNormal", "smStretch", "smScale", "smResize", "smOptimal", "smOptimalScaled"}};
const TEnumNames kBitmapAligns{"TBitmapAlign", {"baTopLeft", "baCenter", "baTile", "baCustom"}};
const TEnumNames kDrawModes{"TDrawMode", {"dmOpaque", "dmBlend", "dmCustom", "dmTransparent"}};

// What the control classes below do not publish of their platform bases.
template <class T>
void HideUnpublished(TPublishedBuilder<T>& builder, std::initializer_list<const char*> names) {
  for (const char* name : names) builder.Class().Hide(name);
}

}  // namespace

void PublishImagingClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  UseFormDefinitions();

  PublishClass<TBitmap32>()
      .Str("ResamplerClassName", &TBitmap32::ResamplerClassName, &TBitmap32::SetResamplerClassName,
           "TNearestResampler")
      .Enum("DrawMode", kDrawModes, &TBitmap32::DrawMode, &TBitmap32::SetDrawMode, dmOpaque)
      .Integer("MasterAlpha", &TBitmap32::MasterAlpha, &TBitmap32::SetMasterAlpha, 255);

  auto paintBox = PublishClass<TPaintBox32, TCustomControl>();
  HideUnpublished(paintBox, {"Caption", "Color", "ParentColor", "Font", "ParentFont", "Enabled", "Hint",
                             "OnContextPopup", "OnKeyDown", "OnKeyUp", "OnKeyPress", "OnEnter", "OnExit"});
  paintBox.Set("Options", kPaintBoxOptions, &TPaintBox32::Options, &TPaintBox32::SetOptions, 0)
      .Enum("RepaintMode", kRepaintModes, &TPaintBox32::RepaintMode, &TPaintBox32::SetRepaintMode, rmFull)
      .Event("OnGDIOverlay", &TPaintBox32::OnGDIOverlay)
      .Event("OnMouseEnter", &TPaintBox32::OnMouseEnter)
      .Event("OnMouseLeave", &TPaintBox32::OnMouseLeave)
      .Event("OnPaintBuffer", &TPaintBox32::OnPaintBuffer);

  auto image = PublishClass<TImage32, TCustomControl>();
  HideUnpublished(image, {"Caption", "Font", "ParentFont", "Enabled", "Hint", "OnContextPopup", "OnEnter", "OnExit"});
  image.Object("Bitmap", &TImage32::Bitmap)
      .Enum("BitmapAlign", kBitmapAligns, &TImage32::BitmapAlign, &TImage32::SetBitmapAlign, baTopLeft)
      .NoDefault()
      .Enum("RepaintMode", kRepaintModes, &TImage32::RepaintMode, &TImage32::SetRepaintMode, rmFull)
      .Float("Scale", &TImage32::Scale, &TImage32::SetScale, 1.0)
      .Enum("ScaleMode", kScaleModes, &TImage32::ScaleMode, &TImage32::SetScaleMode, smNormal)
      .NoDefault()
      .Event("OnBitmapResize", &TImage32::OnBitmapResize)
      .Event("OnChange", &TImage32::OnChange)
      .Event("OnGDIOverlay", &TImage32::OnGDIOverlay)
      .Event("OnInitStages", &TImage32::OnInitStages)
      .Event("OnMouseDown", &TImage32::OnMouseDown)
      .Event("OnMouseMove", &TImage32::OnMouseMove)
      .Event("OnMouseUp", &TImage32::OnMouseUp)
      .Event("OnMouseEnter", &TImage32::OnMouseEnter)
      .Event("OnMouseLeave", &TImage32::OnMouseLeave)
      .Event("OnPaintStage", &TImage32::OnPaintStage);

  PublishImgViewClasses();
}
