#include "code/src/logic/standardphysicscomponent.h"

#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/idungeonview.h"
#include "talvoren/ombeldevice.h"

#include <utility>

namespace Belgarune
{
namespace
{
const irr::f32 kSpeedPerMs = 0.0125f;
// Compared in double: 8 ms gives a single-precision step just above it, 7 ms not.
const double kMinStep = 0.1;
} // namespace

StandardPhysicsComponent::StandardPhysicsComponent(irr::s32 height, FrameTime frameTime)
    : PhysicsComponent(height), m_frameTime(std::move(frameTime))
{
}

irr::u32 StandardPhysicsComponent::deviceFrameTime()
{
    return g_device ? g_device->getFrameDeltaMs() : 0;
}

void StandardPhysicsComponent::update(GameActor* actor, IDungeonView* view)
{
    irr::core::vector3df position = actor->getPosition();
    irr::core::vector3df look = actor->getRotation();
    position.Y = static_cast<irr::f32>(m_height);
    look.Y = static_cast<irr::f32>(m_height);
    actor->setPosition(position);
    actor->setRotation(look);

    if (actor->isPlayer() && view)
        view->setCameraPose(position, look);
}

void StandardPhysicsComponent::move(GameActor* actor, const irr::core::vector3df& direction)
{
    const irr::core::vector3df start = actor->getPosition();
    const irr::core::vector3df offset = start - actor->getRotation();

    const irr::f32 step = static_cast<irr::f32>(m_frameTime()) * kSpeedPerMs;
    if (!(static_cast<double>(step) > kMinStep))
        return;

    const GameWorld& world = *g_gameBase->m_world;
    const irr::core::vector3df delta = direction * step;
    irr::core::vector3df candidate = start + delta;
    if (world.collides(candidate, false))
    {
        candidate = start + irr::core::vector3df(delta.X, delta.Y, 0.0f);
        if (world.collides(candidate, false))
        {
            candidate = start + irr::core::vector3df(0.0f, delta.Y, delta.Z);
            // Blocked every way: position and look vector stay as they are.
            if (world.collides(candidate, false))
                return;
        }
    }
    actor->setRotation(candidate - offset);
    actor->setPosition(candidate);
}
} // namespace Belgarune
