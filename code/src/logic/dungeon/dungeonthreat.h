#pragma once
// The fixed threat of the dungeon: it drops on a player who comes near and
// rises again.

#include <irrTypes.h>
#include <vector3d.h>

#include <optional>

namespace Belgarune
{
//! What one frame of the threat asks for.
struct ThreatStep
{
    //! The player came near: the kill script starts.
    bool approachBegun = false;
    //! The player was caught.
    bool caught = false;
    //! The threat object's new height, when it moves.
    std::optional<irr::f32> height;
};

//! Idle, approaching (500 ms) or retreating (3000 ms); the timer runs at
//! 1/100 of the game time while the slow-down holds the player near it.
class DungeonThreat
{
public:
    //! At map coordinate (260, 260).
    static irr::core::vector3df position();

    //! One frame of deltaMs game time with the player at that distance;
    //! timeBubble: the slow-down song effect is running.
    ThreatStep update(irr::f32 deltaMs, irr::f32 playerDistance, bool timeBubble);

    bool isApproaching() const { return m_approaching; }
    bool isRetreating() const { return m_retreating; }

private:
    bool m_approaching = false;
    bool m_retreating = false;
    irr::f32 m_timer = 0.0f;
};
} // namespace Belgarune
