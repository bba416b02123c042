#pragma once
// The title menu's music: a start piece, then a loop; it fades in when the
// menu is entered and out when it is left.

#include "platform/sound/isound.h"
#include "platform/sound/soundref.h"

#include <irrTypes.h>

namespace Belgarune
{
//! Plays through the device's sound engine; without one (or without the
//! files) nothing plays. Holds one reference to the sound playing.
class TitleMusic
{
public:
    //! The start piece, loaded paused.
    TitleMusic();

    //! Resumes and fades in from now.
    void enter(irr::u32 now);
    //! Fades out from now.
    void leave(irr::u32 now) { m_leaveTime = now; }
    //! Each frame while the menu is shown.
    void updateShown(irr::u32 now);
    //! Each frame while it is not: the fade-out, then the pause.
    void updateHidden(irr::u32 now);

    //! The sound playing, or null.
    platform::sound::ISound* getSound() const { return m_music.get(); }

    static constexpr irr::u32 kFadeMs = 2000;

private:
    //! Once the start piece has ended (or never was), the loop takes its place;
    //! a loop that cannot be played is not asked for again.
    void loopWhenFinished();

    platform::sound::SoundRef<platform::sound::ISound> m_music;
    bool m_loopTried;
    //! Device times of the last enter and leave.
    irr::u32 m_musicStart;
    irr::u32 m_leaveTime;
};
} // namespace Belgarune
