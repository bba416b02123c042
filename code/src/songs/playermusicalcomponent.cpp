#include "code/src/songs/playermusicalcomponent.h"

#include "code/src/events/songevents.h"
#include "code/src/logic/actorclock.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/idungeonview.h"
#include "platform/sound/isoundengine.h"
#include "talvoren/ieventmanager.h"
#include "talvoren/soundsystem/soundengine.h"

namespace Belgarune
{
namespace
{
const irr::f32 kFadeMs = 500.0f;
const irr::f32 kMinDistance = 20.0f;

const char* const kToneFiles[4][PlayerMusicalComponent::kToneCount] = {
    {"sounds/D.wav", "sounds/F.wav", "sounds/A.wav", "sounds/B.wav", "sounds/D1.wav"},
    {"sounds/D_mask1.wav", "sounds/F_mask1.wav", "sounds/A_mask1.wav", "sounds/B_mask1.wav", "sounds/D1_mask1.wav"},
    {"sounds/D_mask2.wav", "sounds/F_mask2.wav", "sounds/A_mask2.wav", "sounds/B_mask2.wav", "sounds/D1_mask2.wav"},
    {"sounds/D_mask3.wav", "sounds/F_mask3.wav", "sounds/A_mask3.wav", "sounds/B_mask3.wav", "sounds/D1_mask3.wav"}};

platform::sound::SoundVector toSoundVector(const irr::core::vector3df& position)
{
    return platform::sound::SoundVector(position.X, position.Y, position.Z);
}
} // namespace

PlayerMusicalComponent::PlayerMusicalComponent(int soundSet, irr::f32 volume, platform::sound::ISoundEngine* engine,
                                               const IActorClock& clock)
    : m_volume(volume), m_clock(&clock), m_recognizer(clock)
{
    for (int tone = 0; tone < kToneCount; ++tone)
    {
        const char* file = toneFile(soundSet, tone);
        if (!engine || !file)
            continue;
        ToneSlot& slot = m_tones[static_cast<std::size_t>(tone)];
        slot.sound = platform::sound::SoundRef<platform::sound::ISound>(
            engine->play3D(file, platform::sound::SoundVector(0.0f, 0.0f, 0.0f), true, true, true,
                           platform::sound::StreamMode::kAutoDetect, false));
        if (!slot.sound)
            continue;
        slot.effects = slot.sound->getSoundEffectControl();
        slot.sound->setVolume(0.0f);
        slot.sound->setMinDistance(kMinDistance);
    }
}

PlayerMusicalComponent::PlayerMusicalComponent(int soundSet, irr::f32 volume)
    : PlayerMusicalComponent(soundSet, volume, Talvoren::getSoundEngine(), deviceActorClock())
{
}

const char* PlayerMusicalComponent::toneFile(int soundSet, int tone)
{
    if (soundSet < 1 || soundSet > 4 || tone < 0 || tone >= kToneCount)
        return nullptr;
    return kToneFiles[soundSet - 1][tone];
}

void PlayerMusicalComponent::setTone(int tone, bool pressed)
{
    if (tone < 0 || tone >= kToneCount)
        return;
    ToneSlot& slot = m_tones[static_cast<std::size_t>(tone)];
    if (slot.pressed == pressed)
        return;
    if (pressed)
        press(slot, tone);
    else
        release(slot);
    const irr::s32 song = m_recognizer.addTone(tone, pressed);
    if (song != -1)
        m_pendingSong = song;
}

void PlayerMusicalComponent::press(ToneSlot& slot, int tone)
{
    slot.fading = false;
    if (slot.sound)
    {
        slot.sound->setVolume(m_volume);
        slot.sound->setIsPaused(false);
        slot.sound->setPlayPosition(0);
    }
    slot.pressed = true;
    m_history.push_back(tone);
}

void PlayerMusicalComponent::release(ToneSlot& slot)
{
    slot.pressed = false;
    slot.fading = true;
    if (slot.sound)
        slot.sound->setIsPaused(false);
    slot.releaseTime = m_clock->timerMs();
}

void PlayerMusicalComponent::update(GameActor* actor, IDungeonView* view)
{
    if (m_pendingSong != -1)
    {
        SongPlayedEvent event(static_cast<irr::u32>(m_pendingSong));
        event.m_position = actor->getPosition();
        m_pendingSong = -1;
        globalTrigger(event);
    }

    const irr::u32 now = m_clock->timerMs();
    for (ToneSlot& slot : m_tones)
    {
        if (!slot.pressed && !slot.fading)
            continue;
        if (slot.sound)
            slot.sound->setPosition(toSoundVector(actor->getPosition()));
        if (!slot.fading)
            continue;
        irr::f32 progress = static_cast<irr::f32>(now - slot.releaseTime) / kFadeMs;
        if (progress > 1.0f)
        {
            progress = 1.0f;
            slot.fading = false;
        }
        if (slot.sound)
            slot.sound->setVolume((1.0f - progress) * m_volume);
    }

    // Only the player's tones are shown; the others' are dropped.
    if (actor->isPlayer())
        reportToView(view);
    m_history.clear();
}

void PlayerMusicalComponent::reportToView(IDungeonView* view)
{
    for (const int tone : m_history)
    {
        if (view)
            view->notifyTonePlayed(static_cast<irr::u32>(tone));
        g_gameBase->m_lastToneTime = static_cast<irr::s32>(m_clock->gameMs());
    }
    if (!view)
        return;
    for (int tone = 0; tone < kToneCount; ++tone)
    {
        if (m_tones[static_cast<std::size_t>(tone)].pressed)
            view->raiseToneGlow(static_cast<irr::u32>(tone));
        else
            view->lowerToneGlow(static_cast<irr::u32>(tone));
    }
}
} // namespace Belgarune
