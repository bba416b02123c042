#pragma once
// The instrument of an actor: five looping tone sounds, the song recognizer
// and the announcement of the songs it completes.

#include "code/src/songs/songrecognizer.h"
#include "code/src/world/musicalcomponent.h"
#include "platform/sound/isound.h"
#include "platform/sound/soundref.h"

#include <irrTypes.h>

#include <array>
#include <vector>

namespace platform
{
namespace sound
{
class ISoundEngine;
}
} // namespace platform

namespace Belgarune
{
class IActorClock;

//! One tone's sound and state. Without an engine or with a file that cannot
//! be played the sound stays empty and every call on it is skipped.
struct ToneSlot
{
    bool pressed = false;
    platform::sound::SoundRef<platform::sound::ISound> sound;
    //! Kept from the sound, not used; lives as long as the sound.
    platform::sound::ISoundEffectControl* effects = nullptr;
    bool fading = false;
    //! Device timer at the release.
    irr::u32 releaseTime = 0;
};

//! Serves the player (sound set 1) and the enemies (sets 2 to 4). Holds one
//! reference to each tone sound, released by its destructor, which must run
//! before the sound engine goes. The engine and the clock are not owned.
class PlayerMusicalComponent : public MusicalComponent
{
public:
    static constexpr int kToneCount = 5;

    //! Starts the five tone sounds of the set, looped, paused and silent.
    PlayerMusicalComponent(int soundSet, irr::f32 volume, platform::sound::ISoundEngine* engine,
                           const IActorClock& clock);
    //! With the device's sound engine and clocks.
    PlayerMusicalComponent(int soundSet, irr::f32 volume);

    //! Acts on a change of a tone 0..4 only; other tones are ignored.
    void setTone(int tone, bool pressed) override;
    //! Announces a completed song, moves and fades the sounds; for the player
    //! also reports the played tones and the glows to the view.
    void update(GameActor* actor, IDungeonView* view) override;

    //! The sound file of a tone in a sound set, or null outside 1..4 and 0..4.
    static const char* toneFile(int soundSet, int tone);

private:
    void press(ToneSlot& slot, int tone);
    void release(ToneSlot& slot);
    void reportToView(IDungeonView* view);

    //! Tones 0 to 4; a sixth slot is never used.
    std::array<ToneSlot, kToneCount> m_tones;
    //! Tones pressed since the last update, in order.
    std::vector<int> m_history;
    irr::f32 m_volume;
    const IActorClock* m_clock;
    SongRecognizer m_recognizer;
    irr::s32 m_pendingSong = -1;
};
} // namespace Belgarune
