// Dragging with the mouse from one control onto another (or onto itself): the
// source keeps the mouse while the drag lasts, the control under the pointer is
// asked whether it accepts (OnDragOver), a release over an accepting control
// drops there (OnDragDrop), and the source always hears the end (OnEndDrag).
// A control with DragMode dmAutomatic starts a drag on its own left press; the
// drag begins once the pointer has moved a few pixels.
#pragma once

#include "platform/controls/Control.h"

// Starts dragging `source`: at once, or after the pointer moved `threshold`
// pixels (-1: the system's drag distance) with the left button held.
void BeginDrag(TControl* source, bool immediate, int threshold = -1);
// Ends the drag in progress: over the accepting target when `drop`, else cancelled.
void EndDrag(bool drop);
// The control being dragged, nullptr when no drag is pending or running.
TControl* DragSource();
// True once a pending drag has begun (the pointer moved far enough).
bool Dragging();
// The mouse and key messages the drag takes from `control` while it lasts: true
// when the message was used up by the drag. Called first by every control.
bool DragTrackMessage(TControl* control, TMessage& message);
// A control that goes away stops the drag it takes part in.
void DragForgetControl(TControl* control);
