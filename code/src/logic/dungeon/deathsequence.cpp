#include "code/src/logic/dungeon/deathsequence.h"

#include "code/src/events/gameevents.h"
#include "code/src/logic/dungeon/respawnpoints.h"
#include "code/src/logic/dungeon/scriptrunner.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/idungeonview.h"
#include "talvoren/ieventmanager.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/soundsystem/soundengine.h"

#include <ICameraSceneNode.h>

namespace Belgarune
{
namespace
{
using irr::core::vector3df;

//! The share of the sequence over which the overlay fades in.
const irr::f32 kFadeShare = 0.4f;

struct CauseFacts
{
    const char* sound;
    //! Null: none.
    const wchar_t* script;
};

CauseFacts causeFacts(DeathCause cause)
{
    if (cause == DeathCause::Blow)
        return {"gamedata/music/breaking_wood.wav", L"gamedata/scripts/reset.omx"};
    return {"gamedata/music/sinister-child-laughing-2.wav", nullptr};
}
} // namespace

DeathSequence::DeathSequence(IScriptRunner& scripts, const RespawnPoints& respawnPoints)
    : m_scripts(scripts), m_respawnPoints(respawnPoints)
{
}

void DeathSequence::begin(DeathCause cause, irr::s32 now)
{
    const CauseFacts facts = causeFacts(cause);
    Talvoren::playSoundOnce(facts.sound);
    m_dying = true;
    m_start = now;
    m_scripts.inject(L"setGameState( \"SEQUENCE\");");
    if (facts.script)
        m_scripts.insertScript(facts.script);
    // After the script's first statements, which may move the player.
    m_position = g_gameBase->m_playerPosition;
    m_direction = g_gameBase->m_playerLookAt;
}

void DeathSequence::update(irr::s32 now, IDungeonView& view)
{
    const irr::f32 t = static_cast<irr::f32>(now - m_start) / static_cast<irr::f32>(kDurationMs);
    g_gameBase->m_blackScreen = 1.0f;
    const irr::f32 rest = 1.0f - t / kFadeShare;
    const irr::f32 alpha = t < kFadeShare ? 1.0f - rest * rest : 1.0f;
    view.setOverlayAlpha(alpha);
    if (irr::scene::ICameraSceneNode* camera = g_gameBase->m_camera)
    {
        const vector3df eye(m_position.X, 1.0f - 0.7f * alpha, m_position.Z);
        camera->setPosition(eye);
        camera->setTarget(eye + vector3df(0.0f, -1.0f, 0.0f) * (1.0f - alpha) + m_direction * alpha);
    }
    if (t >= 1.0f)
        end(view);
}

void DeathSequence::reset()
{
    m_dying = false;
    m_start = 0;
    m_position = vector3df(0.0f, 0.0f, 0.0f);
    m_direction = vector3df(0.0f, 0.0f, 0.0f);
}

void DeathSequence::end(IDungeonView& view)
{
    m_scripts.inject(L"setScreen( \"BLACK\", 0.0, 1000, \"LINEAR\" );");
    m_scripts.inject(L"setGameState( \"GAMEPLAY\");");
    m_dying = false;
    view.setOverlayAlpha(0.0f);
    view.loseHeart();
    respawn();
    if (g_gameBase->m_hp <= 0)
        g_device->quit();
}

void DeathSequence::respawn()
{
    // Before any respawn point the player stays where he died.
    const RespawnPoint* point = m_respawnPoints.getCurrent();
    if (!point)
        return;
    PlaceObjectEvent place;
    place.m_cell = MapCoord(point->cell.x, 0, point->cell.z);
    place.m_actorId = 0;
    globalTrigger(place);
}
} // namespace Belgarune
