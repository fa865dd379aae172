#include "platform/core/Events.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A handler that frees the holder of its own event (an action freeing itself, a
// window closing on its click) must still read its captures after the free.
TEST(Events, AHandlerThatDestroysItsEventKeepsItsCapturesUntilItReturns) {
  struct THolder {
    TNotifyEvent OnClick;
  };
  auto holder = std::make_unique<THolder>();
  auto capturedText = std::make_shared<String>("still here");
  String seenAfterFree;
  holder->OnClick = TNotifyEvent::Function([&holder, capturedText, &seenAfterFree](TObject*) {
    holder.reset();
    seenAfterFree = *capturedText;
  });
  holder->OnClick(nullptr);
  EXPECT_EQ(seenAfterFree, "still here");
  EXPECT_EQ(capturedText.use_count(), 1);
}

}  // namespace
