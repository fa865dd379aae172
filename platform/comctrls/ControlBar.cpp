// The control bar (bands laid out in rows, dragged by their grab areas) and the
// version of the common controls.
#include "platform/comctrls/ControlBar.h"

#include <algorithm>
#include <shlwapi.h>

#include "platform/graphics/Frame3D.h"

namespace {
constexpr int kGrab = 11;
}  // namespace

TCustomControlBar::TCustomControlBar(TComponent* owner) : TCustomControl(owner) {
  ControlStyle |= csAcceptsControls | csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks;
  SetBounds(0, 0, 100, 50);
  SetColor(clBtnFace);
}

void TCustomControlBar::SetBevelKind(TBevelKind value) {
  bevelKind_ = value;
  Invalidate();
}

TRect TCustomControlBar::BandRect(const TControl* c) {
  return TRect{c->Left() - kGrab, c->Top() - 2, c->Left() + c->Width() + 2, c->Top() + c->Height() + 2};
}

void TCustomControlBar::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->Visible()) PaintControlFrame(c, Controls(i), BandRect(Controls(i)));
}

// A raised frame with two grip lines in the grab area.
void TCustomControlBar::PaintControlFrame(TCanvas* canvas, TControl*, const TRect& r) {
  TRect frame = r;
  Frame3D(canvas, frame, clBtnHighlight, clBtnShadow, 1);
  for (int x : {r.Left + 3, r.Left + 6}) {
    TRect grip{x, r.Top + 3, x + 3, r.Bottom - 3};
    Frame3D(canvas, grip, clBtnHighlight, clBtnShadow, 1);
  }
}

// Rows from the children's tops; in a row the bands follow one another by their
// left edges, each after the grab area of its own.
void TCustomControlBar::AlignControls(TControl* control, TRect& rect) {
  TCustomControl::AlignControls(control, rect);
  std::vector<TControl*> bands;
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->Visible() && Controls(i)->Align() == alNone) bands.push_back(Controls(i));
  std::stable_sort(bands.begin(), bands.end(), [](TControl* a, TControl* b) {
    return a->Top() != b->Top() ? a->Top() < b->Top() : a->Left() < b->Left();
  });
  int rowTop = 2, rowBottom = 2, rowKey = INT32_MIN, x = kGrab;
  for (TControl* band : bands) {
    int key = RowSnap ? band->Top() / std::max(1, band->Height() + 4) : band->Top();
    if (key != rowKey) {
      rowKey = key;
      rowTop = rowBottom == 2 ? 2 : rowBottom + 4;
      x = kGrab;
    }
    int left = std::max(x, band->Left());
    if (left != band->Left() || rowTop != band->Top()) band->SetBounds(left, rowTop, band->Width(), band->Height());
    x = left + band->Width() + 2 + kGrab;
    rowBottom = std::max(rowBottom, rowTop + band->Height());
  }
}

bool TCustomControlBar::CanAutoSize(int& newWidth, int& newHeight) {
  int bottom = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->Visible()) bottom = std::max(bottom, Controls(i)->Top() + Controls(i)->Height() + 2);
  newHeight = bottom + Height() - ClientHeight();
  (void)newWidth;
  return true;
}

TControl* TCustomControlBar::BandAt(int x, int y) const {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    TRect r = BandRect(c);
    if (c->Visible() && x >= r.Left && x < c->Left() && y >= r.Top && y < r.Bottom) return c;
  }
  return nullptr;
}

void TCustomControlBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !AutoDrag) return;
  dragged_ = BandAt(x, y);
  if (dragged_) dragOffset_ = x - dragged_->Left();
}

void TCustomControlBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (!dragged_ || !(shift & ssLeft)) return;
  dragged_->SetLeft(std::max(kGrab, x - dragOffset_));
  Realign();
  Invalidate();
}

void TCustomControlBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  dragged_ = nullptr;
}

DWORD GetComCtlVersion() {
  static DWORD version = [] {
    HMODULE module = ::GetModuleHandleA("comctl32.dll");
    if (!module) module = ::LoadLibraryA("comctl32.dll");
    auto get = module ? reinterpret_cast<HRESULT(CALLBACK*)(DLLVERSIONINFO*)>(
                            reinterpret_cast<void*>(::GetProcAddress(module, "DllGetVersion")))
                      : nullptr;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof(info);
    if (!get || FAILED(get(&info))) return DWORD{0};
    return static_cast<DWORD>(MAKELONG(info.dwMinorVersion, info.dwMajorVersion));
  }();
  return version;
}
