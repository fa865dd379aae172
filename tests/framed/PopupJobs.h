// Helpers for tests that open a popup: a window that runs queued jobs from inside
// the pop-up's local loop (as a user's action would arrive), the pop-up open for
// an owner, and a rescue that ends a pop-up a broken test would leave open.
#pragma once

#include <deque>
#include <functional>

#include "framed/popups/RzPopupPanel.h"
#include "platform/controls/WinControl.h"

class TJobWindow : public TWinControl {
public:
  using TWinControl::TWinControl;
  void Post(std::function<void()> job) {
    jobs_.push_back(std::move(job));
    ::PostMessageA(Handle(), kRunJob, 0, 0);
  }

protected:
  void WndProc(TMessage& message) override {
    if (message.Msg != kRunJob) return TWinControl::WndProc(message);
    std::function<void()> job = std::move(jobs_.front());
    jobs_.pop_front();
    job();
  }

private:
  static constexpr UINT kRunJob = WM_APP + 7;
  std::deque<std::function<void()>> jobs_;
};

// The pop-up window open for `owner` (its panel is one of the owner's components).
inline TRzPopup* OpenPopup(TComponent* owner) {
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (auto* panel = dynamic_cast<TRzPopupPanel*>(owner->Components(i))) return panel->PopupWindow();
  return nullptr;
}

// Escape to whatever has the focus after eight seconds, so a run never hangs.
class TPopupRescue {
public:
  TPopupRescue() : timer_(::SetTimer(nullptr, 0, 8000, Escape)) {}
  ~TPopupRescue() { ::KillTimer(nullptr, timer_); }

private:
  static void CALLBACK Escape(HWND, UINT, UINT_PTR, DWORD) {
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
  }
  UINT_PTR timer_;
};
