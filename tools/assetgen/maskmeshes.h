#pragma once
// Meshes of the floating masks: curved face shells whose texture space matches the painted faces.

#include "tools/assetgen/mesh.h"
#include "tools/assetgen/masktextures.h"

#include <string>

namespace assetgen
{
struct MaskShape
{
    float width = 24;
    float height = 30;
    float depth = 7;       //!< how far the face curves forward
    float thickness = 1.5f;
    float chin = 0.15f;    //!< narrowing toward the bottom (0 = oval)
    float nose = 2.0f;     //!< height of the nose ridge
    Vec3 centre;           //!< of the face, in the upright frame (x right, y up, front toward -Z)
    FaceLayout layout;
};

//! A mask shell built upright with its front toward -Z, then placed.
Mesh mask(const MaskShape& shape, const std::string& texture, const Placement& placement);

//! The frames the masks' scene nodes expect.
Placement faceTowardMinusX();        //!< upright along +Y, face toward -X
Placement faceTowardPlusYZUp();      //!< upright along +Z, face toward +Y
Placement faceTowardPlusYUpIsMinusZ(); //!< upright along -Z, face toward +Y
} // namespace assetgen
