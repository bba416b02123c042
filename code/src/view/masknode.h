#pragma once
// The scene node of a mask.

#include <irrTypes.h>
#include <vector3d.h>

namespace irr
{
namespace scene
{
class IMeshSceneNode;
}
} // namespace irr

namespace Belgarune
{
//! A node of the mesh (in gamedata/objects/) at the scene's root, tilted by
//! (0, 0, -20), scaled, with the colour texture on layer 2 and the "env"
//! material; null when the mesh cannot be loaded. The scene graph owns it.
irr::scene::IMeshSceneNode* addMaskNode(const char* mesh, const irr::core::vector3df& scale,
                                        const char* colourTexture);
} // namespace Belgarune
