// The dungeon logic's frame update: the game's time-driven rules.

#include "code/src/logic/dungeon/dungeongamelogic.h"

#include "code/src/events/gameevents.h"
#include "code/src/menu/menuelogic.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/floorcode.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/idungeonview.h"
#include "talvoren/clock.h"
#include "talvoren/ieventmanager.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/soundsystem/soundengine.h"

#include <ISceneNode.h>

#include <cmath>
#include <string>

namespace Belgarune
{
namespace
{
using irr::core::vector3df;

const irr::s32 kAmbienceEveryMs = 20000;
const irr::s32 kSilentAmbience = 5;
const irr::f32 kGloomyDarkening = 0.00008f;
const irr::f32 kToneLightening = 0.00012f;
const irr::s32 kToneLightMs = 3000;
const irr::f32 kDarkDarkening = 0.00013f;
const irr::f32 kBrightening = 0.00016f;
const irr::f32 kLightFading = 0.0003f;
const irr::f32 kSunLight = 0.0009f;
const irr::u32 kAreaCheckMs = 1500;
} // namespace

void DungeonGameLogic::update()
{
    const Talvoren::Clock& clock = *g_device->getGameClock();
    const irr::s32 now = static_cast<irr::s32>(clock.getTotal());
    const irr::f32 delta = clock.getDelta();

    playAmbience(now);
    if (m_systemState == SystemState::Game || m_systemState == SystemState::Menue)
        g_gameBase->m_world->updateActors(m_view.get());
    updateDarkness(now, delta);
    if (!m_death.isDying())
        updateThreat(delta);
    // Also in the frame the threat caught the player.
    if (m_death.isDying())
        m_death.update(now, *m_view);

    if (m_view->getDarkness() >= 1.0f)
    {
        m_view->addDarkness(-m_view->getDarkness());
        m_death.begin(DeathCause::Darkness, now);
    }
    if (m_songEffect.getEffect() != SongEffect::kLight)
        m_view->addLightShift(-delta * kLightFading);
    updateSongEffect(now, delta);
    checkAreas(now);
    if (m_systemState != SystemState::Menue)
        m_menu->updateMusicFade();
}

void DungeonGameLogic::playAmbience(irr::s32 now)
{
    if (now <= m_ambienceTime + kAmbienceEveryMs)
        return;
    m_ambienceTime = now;
    const irr::s32 number = Talvoren::OmbelDevice::random(1, 9);
    if (number != kSilentAmbience)
        Talvoren::playSoundOnce(("gamedata/music/ambience" + std::to_string(number) + ".wav").c_str());
}

void DungeonGameLogic::updateDarkness(irr::s32 now, irr::f32 delta)
{
    const vector3df& position = g_gameBase->m_playerPosition;
    // The cell by plain division, not the collision cell.
    const irr::s32 kind = g_gameBase->m_world->getCellValue(static_cast<irr::s32>(std::trunc(position.X / 10.0f)),
                                                            static_cast<irr::s32>(std::trunc(position.Z / 10.0f)));
    if (kind == static_cast<irr::s32>(FloorCode::Gloomy))
    {
        m_view->addDarkness(delta * kGloomyDarkening);
        if (now - g_gameBase->m_lastToneTime < kToneLightMs)
            m_view->addDarkness(-delta * kToneLightening);
    }
    else if (kind == static_cast<irr::s32>(FloorCode::Dark))
        m_view->addDarkness(delta * kDarkDarkening);
    else
        m_view->addDarkness(-delta * kBrightening);
}

void DungeonGameLogic::updateThreat(irr::f32 delta)
{
    const irr::f32 distance = DungeonThreat::position().getDistanceFrom(g_gameBase->m_playerPosition);
    const ThreatStep step = m_threat.update(delta, distance, m_songEffect.getEffect() == SongEffect::kSlowDown);
    if (step.approachBegun)
    {
        m_scripts.insertScript(L"gamedata/scripts/kill1.omx");
        return;
    }
    if (step.caught)
        globalTrigger(DieEvent(1));
    // Without its object (not placed yet, or removed) the threat only keeps its time.
    irr::scene::ISceneNode* node = m_view->getObject(kThreatObjectId);
    if (step.height && node)
    {
        vector3df position = node->getPosition();
        position.Y = *step.height;
        node->setPosition(position);
    }
}

void DungeonGameLogic::updateSongEffect(irr::s32 now, irr::f32 delta)
{
    const irr::s32 effect = m_songEffect.getEffect();
    if (effect == SongEffect::kNone)
    {
        g_gameBase->m_slowDown = false;
        return;
    }
    const irr::f32 progress = m_songEffect.progress(now);
    if (effect == SongEffect::kLight)
    {
        m_view->addLightShift(delta * kSunLight);
        m_view->addDarkness(-delta * kSunLight);
    }
    else if (effect == SongEffect::kSlowDown)
    {
        g_gameBase->m_slowDown = true;
        m_view->animateTimeBubble(progress);
    }
    if (progress >= 1.0f)
    {
        g_gameBase->m_toneKeysEnabled = true;
        m_view->setScoreLineStyle(true);
        m_songEffect.end();
    }
}

void DungeonGameLogic::checkAreas(irr::s32 now)
{
    if (static_cast<irr::u32>(now) - m_lastAreaCheck <= kAreaCheckMs)
        return;
    m_triggers.fireByPlace(g_gameBase->m_playerPosition);
    m_lastAreaCheck = static_cast<irr::u32>(now);
    m_respawnPoints.updateCurrent(g_gameBase->m_playerPosition);
}
} // namespace Belgarune
