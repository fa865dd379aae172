// Types shared by the skinned controls: the frame of the default looks of
// panels, labels and status panels, and the label's text cutting. Scoped, as the
// platform's bevel cut of panels uses the same short names.
#pragma once

enum class TspSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
enum TspEllipsType2 { spetNoneEllips, spetEllips };
