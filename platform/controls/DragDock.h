// Drag, dock and reading-order vocabulary of the controls: the bidirectional
// modes, the drag and dock kinds and modes, the input-method modes, and the event
// types of dragging and docking. Controls keep these settings so that form
// definitions that carry them read and write back unchanged; dragging runs in
// DragDrop.h, and the layer docks nothing by the mouse.
#pragma once

#include "platform/core/Events.h"
#include "platform/core/Geometry.h"

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum TImeMode {
  imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese, imSHanguel,
  imHanguel
};
using THelpContext = int;

class TControl;

using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
using TEndDragEvent = TEvent<TObject*, TObject*, int, int>;
using TStartDragEvent = TEvent<TObject*, TObject*&>;
using TDockDropEvent = TEvent<TObject*, TObject*, int, int>;
using TDockOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
using TUnDockEvent = TEvent<TObject*, TControl*, TObject*, bool&>;
using TGetSiteInfoEvent = TEvent<TObject*, TControl*, TRect&, TPoint, bool&>;
using TConstrainedResizeEvent = TEvent<TObject*, int&, int&, int&, int&>;
