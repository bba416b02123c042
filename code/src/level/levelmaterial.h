#pragma once
// Meshes, textures and materials of the level pieces, all from gamedata/objects/,
// and the turn of a piece's facing.

#include "code/src/world/wallcodes.h"

#include <irrTypes.h>
#include <vector3d.h>

namespace irr
{
namespace scene
{
class ISceneManager;
class ISceneNode;
class IMeshSceneNode;
} // namespace scene
} // namespace irr

namespace Talvoren
{
class ShaderManager;
}

namespace Belgarune
{
//! The scale of the level's meshes.
inline const irr::core::vector3df kPieceScale(0.2f, 0.2f, 0.2f);

//! A mesh scene node of that file at the scene's root, or null when the mesh
//! cannot be loaded. The scene graph owns the node.
irr::scene::IMeshSceneNode* addLevelMesh(irr::scene::ISceneManager* sceneManager, const char* file);

//! Sets the texture of that file on the layer of every material (a null file
//! sets nothing).
void setLevelTexture(irr::scene::ISceneNode* node, irr::u32 layer, const char* file);
//! The same on material 0 only.
void setFirstMaterialTexture(irr::scene::ISceneNode* node, irr::u32 layer, const char* file);

//! Fog texture on layer 1, trilinear filtering on every material, and
//! anisotropic filtering when asked for.
void applyFogAndFilters(irr::scene::ISceneNode* node, bool anisotropic);
//! applyFogAndFilters, then the named shader on material 0, remembered by the
//! manager (no shader without a manager).
void applyLevelMaterial(irr::scene::ISceneNode* node, Talvoren::ShaderManager* shaders, const char* shaderName,
                        bool anisotropic);

//! The named material type (the solid material without a manager).
irr::s32 levelMaterialType(Talvoren::ShaderManager* shaders, const char* shaderName);
//! Gives every material the type; a failed shader's -1 is not written.
void setAllMaterialTypes(irr::scene::ISceneNode* node, irr::s32 type);
//! Gives the material at index the type, when the node has that many materials
//! and the type is not a failed shader's -1.
void setMaterialTypeAt(irr::scene::ISceneNode* node, irr::u32 index, irr::s32 type);
void switchLightingOff(irr::scene::ISceneNode* node);

//! Facings (and wall sides) PlusZ, MinusZ, PlusX, MinusX turn to 0, 180, 90
//! and 270 degrees; others to 0.
irr::f32 facingYaw(WallSide facing);
} // namespace Belgarune
