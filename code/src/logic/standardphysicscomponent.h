#pragma once
// The game's one physics component: moves with sliding collision against the
// grid and the circular obstacles of the global world.

#include "code/src/world/physicscomponent.h"

#include <functional>

namespace Belgarune
{
class StandardPhysicsComponent : public PhysicsComponent
{
public:
    //! The real frame time in whole milliseconds.
    using FrameTime = std::function<irr::u32()>;

    //! Height 7 for the player, 5 for every other actor. The frame time is
    //! the device's unless another source is given.
    explicit StandardPhysicsComponent(irr::s32 height, FrameTime frameTime = deviceFrameTime);

    //! Holds position and look vector at the height; places the camera for the player.
    void update(GameActor* actor, IDungeonView* view) override;
    //! The frame's reach times the direction's length, walked in pieces of at
    //! most a quarter cell so that no wall or bars are stepped over. Each piece
    //! slides: x part first, then z part; a piece blocked every way ends the move.
    void move(GameActor* actor, const irr::core::vector3df& direction) override;
    //! 0.0125 units per millisecond of the frame; 0 for frames of 7 ms or less.
    irr::f32 frameReach() const override;

    //! The global device's frame time; 0 without a device.
    static irr::u32 deviceFrameTime();

private:
    FrameTime m_frameTime;
};
} // namespace Belgarune
