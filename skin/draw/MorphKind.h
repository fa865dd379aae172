// The morph transition a skin record names, as one call.
#pragma once

#include "skin/data/SkinTypes.h"
#include "skin/draw/Speffbmp.h"

// Blends `from` toward `to` by kf with the record's transition.
void MorphByKind(TspEffectBmp& from, const TspEffectBmp& to, double kf, TMorphKind kind);
