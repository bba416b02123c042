#pragma once
// The hero's death, from the blow or the darkness that takes him through the
// fall into black to the lost heart and the respawn.

#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
class IDungeonView;
class IScriptRunner;
class RespawnPoints;

enum class DeathCause
{
    //! Caught by an enemy, the threat or a trap: the wood breaks and the reset script runs.
    Blow,
    //! Full darkness: a child laughs.
    Darkness,
};

//! The runner and the respawn points are not owned and outlive the sequence.
//! The hit points go through the view's hit-point display.
class DeathSequence
{
public:
    static constexpr irr::s32 kDurationMs = 4000;

    DeathSequence(IScriptRunner& scripts, const RespawnPoints& respawnPoints);

    //! Dying from now, also when dying already (the timing starts over): the
    //! SEQUENCE line, then the cause's script; the death pose is taken after both.
    void begin(DeathCause cause, irr::s32 now);
    //! One frame of dying: the black screen, the overlay and the falling camera;
    //! at the end the GAMEPLAY lines, a heart less, the respawn and, with no
    //! heart left, the end of the program.
    void update(irr::s32 now, IDungeonView& view);
    //! Not dying, no pose.
    void reset();

    bool isDying() const { return m_dying; }

private:
    void end(IDungeonView& view);
    void respawn();

    IScriptRunner& m_scripts;
    const RespawnPoints& m_respawnPoints;
    bool m_dying = false;
    irr::s32 m_start = 0;
    irr::core::vector3df m_position;
    irr::core::vector3df m_direction;
};
} // namespace Belgarune
