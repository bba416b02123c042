#include "code/src/logic/standardphysicscomponent.h"

#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/idungeonview.h"
#include "talvoren/ombeldevice.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace Belgarune
{
namespace
{
const irr::f32 kSpeedPerMs = 0.0125f;
// Compared in double: 8 ms gives a single-precision step just above it, 7 ms not.
const double kMinStep = 0.1;
// A quarter cell: a piece cannot pass the 16 units that a blocked cell keeps clear.
const irr::f32 kPieceLength = 2.5f;
// The grid's diagonal, 5000 units times the square root of 2, in pieces.
const irr::f32 kMaxPieces = 2829.0f;

// from + delta, else its x part, else its z part; none when all three collide.
std::optional<irr::core::vector3df> slide(const GameWorld& world, const irr::core::vector3df& from,
                                          const irr::core::vector3df& delta)
{
    for (const irr::core::vector3df& candidate :
         {from + delta, from + irr::core::vector3df(delta.X, delta.Y, 0.0f),
          from + irr::core::vector3df(0.0f, delta.Y, delta.Z)})
    {
        if (!world.collides(candidate, false))
            return candidate;
    }
    return std::nullopt;
}
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

irr::f32 StandardPhysicsComponent::frameReach() const
{
    const irr::f32 step = static_cast<irr::f32>(m_frameTime()) * kSpeedPerMs;
    return static_cast<double>(step) > kMinStep ? step : 0.0f;
}

void StandardPhysicsComponent::move(GameActor* actor, const irr::core::vector3df& direction)
{
    const irr::f32 reach = frameReach();
    if (reach == 0.0f)
        return;

    const irr::core::vector3df start = actor->getPosition();
    const irr::core::vector3df delta = direction * reach;
    const irr::f32 length = delta.getLength();
    // Written so that NaN takes one piece; a move across the whole grid is cut there.
    const irr::s32 pieces =
        length > kPieceLength ? static_cast<irr::s32>(std::min(std::ceil(length / kPieceLength), kMaxPieces)) : 1;
    const irr::core::vector3df piece = delta / static_cast<irr::f32>(pieces);

    const GameWorld& world = *g_gameBase->m_world;
    irr::core::vector3df position = start;
    bool moved = false;
    for (irr::s32 k = 0; k < pieces; ++k)
    {
        // Blocked every way: the later pieces, the same vector from the same spot, would be too.
        const std::optional<irr::core::vector3df> next = slide(world, position, piece);
        if (!next)
            break;
        position = *next;
        moved = true;
    }
    // Blocked every way at once: position and look vector stay as they are.
    if (!moved)
        return;
    actor->setRotation(position - (start - actor->getRotation()));
    actor->setPosition(position);
}
} // namespace Belgarune
