#pragma once
// A cloud of dust where a door opened: it billows for 1.4 s, then fades; the
// effect ends after 7 s.

#include "code/src/view/visualeffect.h"

#include <irrTypes.h>
#include <vector3d.h>

namespace irr
{
namespace scene
{
class ISceneManager;
class IParticleSystemSceneNode;
} // namespace scene
} // namespace irr

namespace Belgarune
{
//! The scene graph owns the particle node (with its emitter and affector)
//! until remove takes it out.
class VisualEffectDoorDust : public VisualEffect
{
public:
    VisualEffectDoorDust(irr::scene::ISceneManager* sceneManager, const irr::core::vector3df& position);

    void start() override {}
    void update() override;
    bool isFinished() override { return m_finished; }
    void remove() override;

private:
    irr::scene::IParticleSystemSceneNode* m_node;
    irr::u32 m_startTime;
    bool m_finished = false;
    irr::core::vector3df m_position;
};
} // namespace Belgarune
