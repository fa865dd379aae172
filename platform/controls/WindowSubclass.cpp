#include "platform/controls/WindowSubclass.h"

#include <map>
#include <vector>

// The subclasses of one window, first attached first. An entry whose owner went
// while a foreign procedure sat above it stays as a pass-through.
struct TSubclassChain {
  struct Link {
    TWindowSubclass* Owner;
    WNDPROC Previous;
  };
  static std::map<HWND, std::vector<Link>>& Chains() {
    static std::map<HWND, std::vector<Link>> chains;
    return chains;
  }
  // Which entry the next call of Proc for a window is meant for (a call through
  // from the entry above); -1: the top one.
  static inline thread_local HWND pendingWindow = nullptr;
  static inline thread_local int pendingIndex = -1;

  static LRESULT CallThrough(HWND window, int index, TMessage& message);
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static void ReleaseWindow(HWND window);
};

LRESULT TSubclassChain::CallThrough(HWND window, int index, TMessage& message) {
  auto& chain = Chains()[window];
  WNDPROC previous = chain[index].Previous;
  if (previous == &Proc) {
    pendingWindow = window;
    pendingIndex = index - 1;
  }
  return ::CallWindowProcA(previous, window, message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK TSubclassChain::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto it = Chains().find(window);
  if (it == Chains().end() || it->second.empty()) return ::DefWindowProcA(window, msg, wParam, lParam);
  int index = static_cast<int>(it->second.size()) - 1;
  if (pendingWindow == window && pendingIndex >= 0 && pendingIndex <= index) index = pendingIndex;
  pendingWindow = nullptr;
  pendingIndex = -1;
  TMessage message = MakeMessage(msg, wParam, lParam);
  TWindowSubclass* owner = it->second[index].Owner;
  if (owner && owner->handler_) {
    try {
      owner->handler_(message);
    } catch (...) {
      HandleControlException(nullptr);
    }
  } else {
    message.Result = CallThrough(window, index, message);
  }
  if (msg == WM_NCDESTROY) ReleaseWindow(window);
  return message.Result;
}

// The window is going: every subclass lets go and the first procedure returns.
void TSubclassChain::ReleaseWindow(HWND window) {
  auto it = Chains().find(window);
  if (it == Chains().end()) return;
  std::vector<Link> chain = std::move(it->second);
  Chains().erase(it);
  for (Link& link : chain)
    if (link.Owner) link.Owner->window_ = nullptr;
  if (!chain.empty() && ::IsWindow(window))
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain.front().Previous));
}

void TWindowSubclass::Attach(HWND window, const TWndMethod& handler) {
  Restore();
  if (!window || !::IsWindow(window)) throw EInvalidOperation("Cannot take over a window that does not exist");
  auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
  TSubclassChain::Chains()[window].push_back({this, previous});
  handler_ = handler;
  window_ = window;
  if (previous != &TSubclassChain::Proc)
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TSubclassChain::Proc));
}

void TWindowSubclass::Restore() {
  if (!window_) return;
  HWND window = window_;
  window_ = nullptr;
  handler_ = nullptr;
  auto it = TSubclassChain::Chains().find(window);
  if (it == TSubclassChain::Chains().end()) return;
  auto& chain = it->second;
  int index = -1;
  for (int i = 0; i < static_cast<int>(chain.size()); ++i)
    if (chain[i].Owner == this) index = i;
  if (index < 0) return;
  const bool top = index == static_cast<int>(chain.size()) - 1;
  const bool ours = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC)) == &TSubclassChain::Proc;
  if (top && !ours) {
    chain[index].Owner = nullptr;  // a foreign procedure above still calls through here
    return;
  }
  if (!top) chain[index + 1].Previous = chain[index].Previous;
  const WNDPROC previous = chain[index].Previous;
  chain.erase(chain.begin() + index);
  if (top && previous != &TSubclassChain::Proc)
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  if (chain.empty()) TSubclassChain::Chains().erase(it);
}

void TWindowSubclass::CallPrevious(TMessage& message) {
  if (!window_) return;
  auto& chain = TSubclassChain::Chains()[window_];
  for (int i = 0; i < static_cast<int>(chain.size()); ++i)
    if (chain[i].Owner == this) {
      message.Result = TSubclassChain::CallThrough(window_, i, message);
      return;
    }
}
