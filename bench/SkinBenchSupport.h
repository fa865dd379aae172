// What the skinned-control benchmarks share: the VARNEL skin of the program
// folder, shown forms with controls put on them, a full repaint of a window with
// its children, and one BitBlt of a window's client area as the floor.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "bench/BenchSupport.h"
#include "platform/controls/Forms.h"
#include "skin/data/SkinData.h"

namespace bench {

// Loads the program folder's VARNEL skin; says so and answers false without it.
inline bool LoadVarnelSkin(TspSkinData& data, int argc, char** argv) {
  std::string skinIni = ProgramFolder(argc, argv) + "Skins\\VARNEL\\Skin.ini";
  if (data.LoadFromFile(skinIni)) return true;
  std::printf("no VARNEL skin at %s\n", skinIni.c_str());
  return false;
}

inline std::unique_ptr<TForm> ShownForm(int width, int height) {
  std::unique_ptr<TForm> form(NewForm<TForm>(nullptr));
  form->SetBounds(0, 0, width, height);
  form->Show();
  return form;
}

// A new control of class C on `parent` at r, with the caption when one is given.
template <class C>
C* Put(TWinControl* parent, TRect r, const String& caption = String()) {
  auto* c = new C(parent);
  c->SetParent(parent);
  c->SetBoundsRect(r);
  if (!caption.empty()) c->SetCaption(caption);
  return c;
}

inline void RedrawAll(TWinControl* c) {
  ::RedrawWindow(c->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Seconds per BitBlt of the window's client area from a memory bitmap.
inline double BitBltOf(TWinControl* c) {
  HDC screen = ::GetDC(c->Handle());
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, c->ClientWidth(), c->ClientHeight());
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  double t = SecondsPerCall([&] { ::BitBlt(screen, 0, 0, c->ClientWidth(), c->ClientHeight(), memory, 0, 0, SRCCOPY); });
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(c->Handle(), screen);
  return t;
}

}  // namespace bench
