// The scrolling image view: bars and viewport, the picture's place from the bar
// positions, centring, and the size grip that resizes the owner form.
#include "imaging/GR32_ImgView32.h"

#include "imaging/GR32_System.h"
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Screen.h"
#include "platform/core/Math.h"
#include "platform/core/WinApi.h"

// ---------------------------------------------------------------------------
// TIVScrollProperties

Integer TIVScrollProperties::Increment() const { return view_->HorzBar()->Increment(); }

void TIVScrollProperties::SetIncrement(Integer value) {
  view_->HorzBar()->SetIncrement(TRBIncrement(value));
  view_->VertBar()->SetIncrement(TRBIncrement(value));
}

Integer TIVScrollProperties::Size() const { return view_->ScrollBarSize(); }
void TIVScrollProperties::SetSize(Integer value) { view_->SetScrollBarSize(value); }
TScrollBarVisibility TIVScrollProperties::Visibility() const { return view_->ScrollBarVisibility(); }
void TIVScrollProperties::SetVisibility(TScrollBarVisibility value) { view_->SetScrollBarVisibility(value); }

void TIVScrollProperties::Assign(const TPersistent* source) {
  TArrowBarAccess::Assign(source);
  if (const auto* other = dynamic_cast<const TIVScrollProperties*>(source)) {
    SetIncrement(other->Increment());
    SetSize(other->Size());
    SetVisibility(other->Visibility());
  }
}

// ---------------------------------------------------------------------------
// Construction

TCustomImgView32::TCustomImgView32(TComponent* owner) : TCustomImage32(owner) {
  const auto makeBar = [this](TScrollBarKind kind) {
    auto* bar = new TCustomRangeBar(this);
    bar->SetKind(kind);
    bar->SetParent(this);
    bar->SetBorderStyle(bsNone);
    bar->SetCentered(true);
    bar->OnUserChange = TNotifyEvent(this, &TCustomImgView32::ScrollHandler);
    return bar;
  };
  horzBar_ = makeBar(sbHorizontal);
  vertBar_ = makeBar(sbVertical);
  centered_ = true;
  SetScaleMode(smScale);
  SetBitmapAlign(baCustom);
  scrollBars_ = new TIVScrollProperties(this);
  scrollBars_->SetMaster(horzBar_);
  scrollBars_->SetSlave(vertBar_);
  AlignAll();
}

TCustomImgView32::~TCustomImgView32() {
  delete scrollBars_;
  scrollBars_ = nullptr;
}

// ---------------------------------------------------------------------------
// Properties

void TCustomImgView32::SetCentered(bool value) {
  centered_ = value;
  Recenter();
}

void TCustomImgView32::SetSizeGrip(TSizeGripStyle value) {
  if (value == sizeGrip_) return;
  sizeGrip_ = value;
  Invalidate();
}

// The bars' ranges and the picture's place follow a new margin at once.
void TCustomImgView32::SetOverSize(Integer value) {
  if (value == overSize_) return;
  overSize_ = value;
  UpdateScrollBars();
  UpdateImage();
  Invalidate();
}

void TCustomImgView32::SetScrollBarSize(Integer value) {
  if (value == scrollBarSize_) return;
  scrollBarSize_ = value;
  AlignAll();
  UpdateImage();
}

void TCustomImgView32::SetScrollBarVisibility(TScrollBarVisibility value) {
  if (value == scrollBarVisibility_) return;
  scrollBarVisibility_ = value;
  Resize();
}

void TCustomImgView32::SetScaleMode(TScaleMode value) {
  TCustomImage32::SetScaleMode(value);
  Recenter();
}

// ---------------------------------------------------------------------------
// Geometry

bool TCustomImgView32::GetScrollBarsVisible() const {
  if (!scrollBars_ || !horzBar_ || !vertBar_) return true;
  switch (scrollBarVisibility_) {
    case svAlways: return true;
    case svHidden: return false;
    default:
      return horzBar_->Range() > horzBar_->EffectiveWindow() || vertBar_->Range() > vertBar_->EffectiveWindow();
  }
}

Integer TCustomImgView32::GetScrollBarSize() const {
  if (!GetScrollBarsVisible()) return 0;
  return scrollBarSize_ != 0 ? scrollBarSize_ : ::GetSystemMetrics(SM_CYHSCROLL);
}

TRect TCustomImgView32::GetViewportRect() {
  const Integer s = GetScrollBarSize();
  return TRect{0, 0, Width() - s, Height() - s};
}

TRect TCustomImgView32::GetSizeGripRect() const {
  const Integer s = GetScrollBarSize();
  return TRect{Width() - s, Height() - s, Width(), Height()};
}

bool TCustomImgView32::IsSizeGripVisible() const {
  if (sizeGrip_ != sgAuto) return sizeGrip_ == sgAlways;
  const TControl* control = this;
  for (;;) {
    if (control->Align() != alClient) return false;
    const TWinControl* parent = control->Parent();
    if (!parent) return false;
    if (dynamic_cast<const TCustomForm*>(parent)) return true;
    control = parent;
  }
}

Integer TCustomImgView32::ScaledOverSize() const { return Integer(Round(Extended(overSize_) * ScaleX())); }

void TCustomImgView32::AlignAll() {
  if (!horzBar_ || !vertBar_) return;
  const TRect v = GetViewportRect();
  const bool visible = GetScrollBarsVisible();
  horzBar_->SetBounds(v.Left, v.Bottom, v.Right - v.Left, Height() - v.Bottom);
  vertBar_->SetBounds(v.Right, v.Top, Width() - v.Right, v.Bottom - v.Top);
  horzBar_->SetVisible(visible);
  vertBar_->SetVisible(visible);
  horzBar_->Repaint();
  vertBar_->Repaint();
}

// ---------------------------------------------------------------------------
// Scrolling

void TCustomImgView32::UpdateScrollBars() {
  if (!horzBar_ || !vertBar_) return;
  const TSize size = GetBitmapSize();
  const Integer margins = Integer(Round(2.0 * overSize_ * ScaleX()));
  horzBar_->SetRange(size.cx + margins);
  vertBar_->SetRange(size.cy + margins);
  if (scrollBarVisibility_ == svAuto) AlignAll();
}

void TCustomImgView32::UpdateImage() {
  if (!horzBar_ || !vertBar_) return;
  const TSize size = GetBitmapSize();
  const TRect v = GetViewportRect();
  const Integer ofs = ScaledOverSize();
  BeginUpdate();
  if (centered_ && v.Width() > size.cx + 2 * ofs) SetOffsetHorz(float(v.Width() - size.cx) / 2);
  else SetOffsetHorz(float(ofs) - horzBar_->Position());
  if (centered_ && v.Height() > size.cy + 2 * ofs) SetOffsetVert(float(v.Height() - size.cy) / 2);
  else SetOffsetVert(float(ofs) - vertBar_->Position());
  InvalidateCache();
  EndUpdate();
  Changed();
}

void TCustomImgView32::Scroll(Integer dx, Integer dy) {
  scrollUpdateSuspended_ = true;
  horzBar_->SetPosition(horzBar_->Position() + dx);
  vertBar_->SetPosition(vertBar_->Position() + dy);
  scrollUpdateSuspended_ = false;
  UpdateImage();
}

void TCustomImgView32::ScrollToCenter(Integer x, Integer y) {
  scrollUpdateSuspended_ = true;
  AlignAll();
  const TRect v = GetViewportRect();
  const Integer ofs = ScaledOverSize();
  horzBar_->SetPosition(x * ScaleX() - v.Width() / 2.0f + ofs);
  vertBar_->SetPosition(y * ScaleX() - v.Height() / 2.0f + ofs);
  scrollUpdateSuspended_ = false;
  UpdateImage();
}

void TCustomImgView32::Recenter() {
  if (!horzBar_ || !vertBar_) return;
  InvalidateCache();
  horzBar_->SetCentered(centered_);
  vertBar_->SetCentered(centered_);
  UpdateScrollBars();
  UpdateImage();
  if (centered_) ScrollToCenter(Bitmap()->Width() / 2, Bitmap()->Height() / 2);
  else ScrollToCenter(0, 0);
}

void TCustomImgView32::ScrollHandler(TObject* sender) {
  if (scrollUpdateSuspended_) return;
  if (auto* bar = dynamic_cast<TControl*>(sender)) bar->Repaint();
  UpdateImage();
  DoScroll();
  Repaint();
}

// ---------------------------------------------------------------------------
// Notifications from the image control and the platform

void TCustomImgView32::BitmapResized() {
  TCustomImage32::BitmapResized();
  UpdateScrollBars();
  if (centered_) {
    ScrollToCenter(Bitmap()->Width() / 2, Bitmap()->Height() / 2);
  } else {
    horzBar_->SetPosition(0);
    vertBar_->SetPosition(0);
    UpdateImage();
  }
}

void TCustomImgView32::DoScaleChange() {
  TCustomImage32::DoScaleChange();
  InvalidateCache();
  UpdateScrollBars();
  UpdateImage();
  Invalidate();
}

void TCustomImgView32::Resize() {
  AlignAll();
  DrawSizeGripCorner();
  InvalidateCache();
  UpdateScrollBars();
  UpdateImage();
  Invalidate();
  TCustomImage32::Resize();
}

void TCustomImgView32::Loaded() {
  AlignAll();
  Invalidate();
  UpdateScrollBars();
  if (centered_) ScrollToCenter(Bitmap()->Width() / 2, Bitmap()->Height() / 2);
  TCustomImage32::Loaded();
}

// ---------------------------------------------------------------------------
// Painting and the size grip

void TCustomImgView32::DrawSizeGripCorner() {
  if (!HandleAllocated()) return;
  const TRect r = GetSizeGripRect();
  if (r.Width() <= 0 || r.Height() <= 0) return;
  if (IsSizeGripVisible()) return DoDrawSizeGrip(r);
  RECT rr{r.Left, r.Top, r.Right, r.Bottom};
  ::FillRect(Canvas()->Handle(), &rr, ::GetSysColorBrush(COLOR_BTNFACE));
}

void TCustomImgView32::DoDrawSizeGrip(TRect r) {
  RECT rr{r.Left, r.Top, r.Right, r.Bottom};
  const HDC dc = Canvas()->Handle();
  if (USE_THEMES) {
    ::FillRect(dc, &rr, ::GetSysColorBrush(COLOR_BTNFACE));
    DrawThemeBackground(SCROLLBAR_THEME, dc, 10, 1, &rr, nullptr);
    return;
  }
  ::DrawFrameControl(dc, &rr, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void TCustomImgView32::Paint() {
  DrawSizeGripCorner();
  TCustomImage32::Paint();
}

// A press in the grip resizes the owner form as a press on its bottom-right
// border would: the form is sent the sizing press at the cursor's screen point.
void TCustomImgView32::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (IsSizeGripVisible() && form && GetSizeGripRect().Contains(TPoint{x, y})) {
    Application.ProcessMessages();
    SetMouseCapture(false);
    const TPoint screen = ClientToScreen(TPoint{x, y});
    ::SendMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(screen.X, screen.Y));
    return;
  }
  TCustomImage32::MouseDown(button, shift, x, y);
}

void TCustomImgView32::MouseMove(TShiftState shift, int x, int y) {
  TCustomImage32::MouseMove(shift, x, y);
  if (IsSizeGripVisible() && GetSizeGripRect().Contains(TPoint{x, y})) Screen.SetCursor(crSizeNWSE);
}
