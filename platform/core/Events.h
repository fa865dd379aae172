// Method-pointer events: an object and one of its methods, assignable, clearable
// ("none") and comparable, as controls hold their OnClick and OnChange handlers.
#pragma once

#include <cstring>
#include <functional>
#include <memory>

#include "platform/core/System.h"

template <class... Args>
class TEvent {
public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}

  template <class C>
  TEvent(C* object, void (C::*method)(Args...)) : object_(object) {
    static_assert(sizeof(method) <= sizeof(method_), "member pointer too large");
    std::memcpy(method_, &method, sizeof(method));
    invoke_ = [](const TEvent& self, Args... args) {
      void (C::*m)(Args...);
      std::memcpy(&m, self.method_, sizeof(m));
      (static_cast<C*>(self.object_)->*m)(std::forward<Args>(args)...);
    };
  }

  // An event bound to a plain function or lambda; equal only to its own copies.
  template <class F>
  static TEvent Function(F function) {
    TEvent event;
    event.function_ = std::make_shared<std::function<void(Args...)>>(std::move(function));
    event.invoke_ = [](const TEvent& self, Args... args) {
      // A handler may free the object that holds this event: the running copy keeps
      // the function and its captures alive until it returns.
      const auto running = self.function_;
      (*running)(std::forward<Args>(args)...);
    };
    return event;
  }

  explicit operator bool() const { return invoke_ != nullptr; }

  void operator()(Args... args) const {
    if (invoke_) invoke_(*this, std::forward<Args>(args)...);
  }

  // The object the handler belongs to (nullptr for none or a function).
  void* Object() const { return object_; }

  friend bool operator==(const TEvent& a, const TEvent& b) {
    return a.invoke_ == b.invoke_ && a.object_ == b.object_ && a.function_ == b.function_ &&
           std::memcmp(a.method_, b.method_, sizeof(a.method_)) == 0;
  }

private:
  void* object_ = nullptr;
  alignas(void*) unsigned char method_[16] = {};
  void (*invoke_)(const TEvent&, Args...) = nullptr;
  std::shared_ptr<std::function<void(Args...)>> function_;
};

using TNotifyEvent = TEvent<TObject*>;
