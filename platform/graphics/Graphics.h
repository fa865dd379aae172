// The component layer's graphics in one include: colours, fonts, pens, brushes,
// the canvas, graphics (bitmap, icon, metafile, JPEG) and the picture holder.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Picture.h"
