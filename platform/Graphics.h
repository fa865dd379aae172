// The component layer's graphics in one include: colours, fonts, pens, brushes,
// the canvas, graphics (bitmap, icon, metafile, JPEG) and the picture holder.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/Graphic.h"
#include "platform/GraphicsObjects.h"
#include "platform/Icon.h"
#include "platform/JpegImage.h"
#include "platform/Metafile.h"
#include "platform/Picture.h"
