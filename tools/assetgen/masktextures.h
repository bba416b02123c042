#pragma once
// Painted faces of the masks, in the face space that the mask meshes map onto their textures:
// u left to right across the face, v top to bottom.

#include "tools/assetgen/canvas.h"

#include <cstdint>

namespace assetgen
{
enum class MaskMarking
{
    Tears,   //!< dark lines running down from the eyes
    Stripes, //!< horizontal war paint across the eyes
    Spiral,  //!< curling lines on the cheeks
    Veil,    //!< a veil over the lower face (the sister)
};

//! Where the mask meshes put the features, in face coordinates (-1..1, y up).
struct FaceLayout
{
    float eyeX = 0.36f;
    float eyeY = 0.18f;
    float eyeRadius = 0.17f;
    float mouthY = -0.48f;
};

struct MaskPaint
{
    std::uint32_t seed = 1;
    Colour face = rgb(225, 215, 200);
    Colour marking = rgb(120, 10, 20);
    MaskMarking pattern = MaskMarking::Tears;
    FaceLayout layout;
};

Canvas maskFace(const MaskPaint& paint);
//! The colour texture of a mask: its face softened, dark features kept dark and no white clipped.
Canvas maskColourMap(const Canvas& face);
} // namespace assetgen
