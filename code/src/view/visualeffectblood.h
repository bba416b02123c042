#pragma once
// A splash of blood that falls straight to the ground in 600 ms.

#include "code/src/view/visualeffect.h"

#include <irrTypes.h>
#include <vector3d.h>

namespace irr
{
namespace scene
{
class ISceneManager;
class IBillboardSceneNode;
} // namespace scene
} // namespace irr

namespace Belgarune
{
//! The scene graph owns the billboard until remove takes it out.
class VisualEffectBlood : public VisualEffect
{
public:
    VisualEffectBlood(irr::scene::ISceneManager* sceneManager, const irr::core::vector3df& position);

    void start() override {}
    void update() override;
    bool isFinished() override { return m_finished; }
    void remove() override;

private:
    irr::scene::IBillboardSceneNode* m_node;
    irr::u32 m_startTime;
    bool m_finished = false;
    irr::core::vector3df m_position;
};
} // namespace Belgarune
