// Registration of the skinned list and edit controls (scroll bar, edits, spin
// edit, up-down, list box, combo boxes, list view, header control, page control)
// for form definitions, and of their rows in the skin-change table.
#pragma once

// Publishes the classes (and the skinned control bases first). Safe to call more than once.
void PublishSkinBoxControlClasses();
// Adds the rows through which a form's skin change reaches the page control,
// the edits, the list view and the header control (orders 10, 30, 100, 110).
void RegisterSkinBoxControlsSkinChange();
