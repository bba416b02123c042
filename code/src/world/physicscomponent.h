#pragma once
// Moves an actor through the world grid and holds it at its height.

#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
class GameActor;
class IDungeonView;

class PhysicsComponent
{
public:
    explicit PhysicsComponent(irr::s32 height) : m_height(height) {}
    virtual ~PhysicsComponent() = default;

    //! Once per frame, after the input component.
    virtual void update(GameActor* actor, IDungeonView* view) = 0;
    //! The direction's length sets the speed; the base moves nothing.
    virtual void move(GameActor*, const irr::core::vector3df&) {}

    irr::s32 getHeight() const { return m_height; }

protected:
    irr::s32 m_height;
};
} // namespace Belgarune
