#pragma once
// How the floating masks move: a random wobble of their heading, a slow turn
// towards the heading they should have, and a bobbing height.

#include <irrTypes.h>
#include <vector3d.h>

namespace irr
{
namespace scene
{
class ISceneNode;
}
} // namespace irr

namespace Belgarune
{
//! The wobble: a new random yaw offset every second of device time, decaying
//! towards 0 by 0.05 degrees per game millisecond.
class MaskWobble
{
public:
    //! The yaw offset in degrees for this update.
    irr::f32 update(irr::u32 nowMs, irr::f32 gameDeltaMs);

private:
    irr::f32 m_turnOffset = 0.0f;
    irr::u32 m_lastTurn = 0;
};

//! Height of the bobbing at device time now.
irr::f32 bobbing(irr::u32 nowMs, irr::f32 amplitude);

//! The yaw moved from current towards target by 0.1 degrees per game
//! millisecond; within a degree it stays. No wrapping at 360.
irr::f32 turnTowards(irr::f32 current, irr::f32 target, irr::f32 gameDeltaMs);

//! Places the node at the position with the rotation, its yaw turned from
//! its current yaw towards the rotation's.
void placeMask(irr::scene::ISceneNode* node, irr::core::vector3df rotation, const irr::core::vector3df& position,
               irr::f32 gameDeltaMs);

//! Device time and the game clock's last frame time, as the masks read them.
irr::u32 maskNow();
irr::f32 maskGameDelta();
} // namespace Belgarune
