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
    //! How far a direction of length 1 carries the actor this frame; 0 while
    //! move would move nothing.
    virtual irr::f32 frameReach() const { return 0.0f; }

    irr::s32 getHeight() const { return m_height; }

protected:
    irr::s32 m_height;
};
} // namespace Belgarune
