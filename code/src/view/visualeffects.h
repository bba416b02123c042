#pragma once
// The dungeon view's running visual effects.

#include <irrArray.h>
#include <irrTypes.h>
#include <vector3d.h>

#include <memory>

namespace irr
{
namespace scene
{
class ISceneManager;
}
} // namespace irr

namespace Belgarune
{
class VisualEffect;

//! Effect kinds of CreateVisualEffectEvent.
enum class EffectKind : irr::s32
{
    Blood = 1,
    DoorDust = 2,
};

//! A started effect of that kind at the position; none for other kinds.
std::unique_ptr<VisualEffect> createVisualEffect(irr::s32 kind, irr::scene::ISceneManager* sceneManager,
                                                 const irr::core::vector3df& position);

//! Updates every effect; those that finished are removed from the scene and
//! from the list, and destroyed. The list owns its effects.
void updateEffects(irr::core::array<VisualEffect*>& effects);
//! Destroys every effect of the list, leaving their nodes to the scene.
void destroyEffects(irr::core::array<VisualEffect*>& effects);
} // namespace Belgarune
