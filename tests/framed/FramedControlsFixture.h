// A shown form to place framed controls on, with the family's classes published
// so definitions can be read, and helpers that paint a control into a bitmap.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "framed/controls/ControlsPublished.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "tests/harness/WindowPump.h"

class FramedForm : public testing::Test {
protected:
  void SetUp() override {
    PublishFramedControls();
    form = NewForm<TForm>(nullptr);
    form->SetBounds(40, 40, 420, 320);
    form->SetColor(clBtnFace);
  }
  void TearDown() override { delete form; }

  // Shows the form and makes it the active window, so its controls take the focus.
  void ShowForm() {
    form->Show();
    ::SetForegroundWindow(form->Handle());
    ::SetActiveWindow(form->Handle());
    PumpMessages();
  }

  template <class C>
  C* Make(const TRect& bounds, TWinControl* parent = nullptr) {
    auto* control = new C(form);
    control->SetParent(parent ? parent : form);
    control->SetBoundsRect(bounds);
    return control;
  }

  TForm* form = nullptr;
};

// The pixels a windowed control shows, read from its own window.
inline TColor ShownPixel(TWinControl* control, int x, int y) {
  HDC dc = ::GetDC(control->Handle());
  const COLORREF c = ::GetPixel(dc, x, y);
  ::ReleaseDC(control->Handle(), dc);
  return static_cast<TColor>(c);
}
