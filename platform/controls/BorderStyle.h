// The border of a form, and of a control that has one (bsNone or bsSingle).
#pragma once

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

using TBorderStyle = TFormBorderStyle;  // bsNone or bsSingle for controls
