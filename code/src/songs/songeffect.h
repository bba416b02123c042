#pragma once
// The running song effect: which one, since when, for how long, and its music.

#include "code/src/songs/songtable.h"
#include "platform/sound/isound.h"
#include "platform/sound/soundref.h"

#include <irrTypes.h>

namespace Belgarune
{
//! Holds one reference to the effect's music while the effect runs.
class SongEffect
{
public:
    //! An effect is known by the id of the song that starts it.
    static constexpr irr::s32 kNone = -1;
    static constexpr irr::s32 kSlowDown = static_cast<irr::s32>(SongId::Requiem);
    static constexpr irr::s32 kLight = static_cast<irr::s32>(SongId::OdeToSol);
    static constexpr irr::s32 kGrowth = static_cast<irr::s32>(SongId::Minuet);

    //! Replaces any running effect; its music handle is released first (the
    //! old music plays on). The music plays once through the device's sound
    //! engine, when there is one.
    void start(irr::s32 effect, irr::s32 nowMs, irr::s32 durationMs, const char* musicFile);
    //! No effect any more; the music handle is released.
    void end();
    //! 0..1 of the duration passed at nowMs.
    irr::f32 progress(irr::s32 nowMs) const;
    void pauseMusic(bool paused);

    irr::s32 getEffect() const { return m_effect; }
    platform::sound::ISound* getMusic() const { return m_music.get(); }

private:
    irr::s32 m_start = 0;
    irr::s32 m_duration = 0;
    irr::s32 m_effect = kNone;
    platform::sound::SoundRef<platform::sound::ISound> m_music;
};
} // namespace Belgarune
