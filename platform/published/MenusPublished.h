// The published properties of menus, actions, timers and image lists, and the
// rules that nest a menu item in its menu or item and an action in its list.
#pragma once

// Each is safe to call more than once.
void PublishMenuClasses();
void PublishActionClasses();
void PublishTimerClass();
