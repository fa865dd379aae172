// Text placement types shared by the controls that show text: horizontal
// alignment and vertical layout.
#pragma once

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
using TLeftRight = TAlignment;  // taLeftJustify or taRightJustify only

enum TTextLayout { tlTop, tlCenter, tlBottom };
