// Helpers for tests that drive windows: run the application's message loop until
// a condition holds, and post mouse and key messages the way the system would.
#pragma once

#include <functional>

#include "platform/controls/Controls.h"

// Handles messages until `done` answers true or `timeoutMs` passed; answers
// whether `done` came true.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 15000);
// Handles the messages that are waiting now.
void PumpMessages();

// Posts a client mouse message to the window that shows `control` (its own, or
// its parent's for a windowless control), at a point of the control's client area.
void PostMouse(TControl* control, UINT msg, int x, int y, WPARAM keys = 0);
// Posts a left click (button down and up) at a point of the control.
void PostClick(TControl* control, int x = 2, int y = 2);
// Posts a key down and up to a window.
void PostKey(HWND window, Word key);
