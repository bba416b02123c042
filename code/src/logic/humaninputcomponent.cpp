#include "code/src/logic/humaninputcomponent.h"

#include "code/src/logic/actorclock.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/item.h"
#include "code/src/world/musicalcomponent.h"
#include "code/src/world/physicscomponent.h"
#include "talvoren/consolelogic.h"
#include "talvoren/ombeldevice.h"

#include <irrMath.h>

#include <cmath>

namespace Belgarune
{
namespace
{
using irr::core::vector3df;

const irr::f32 kStepPerMs = 0.2f;
const irr::f32 kMinStep = 0.1f;
const irr::f32 kTurnPerStep = 0.6f;
const irr::f32 kSlowDownFactor = 0.75f;

//! About the vertical axis, y unchanged.
vector3df rotated(const vector3df& v, irr::f32 degrees)
{
    const irr::f32 radians = degrees * irr::core::DEGTORAD;
    const irr::f32 c = std::cos(radians);
    const irr::f32 s = std::sin(radians);
    return vector3df(v.X * c - v.Z * s, v.Y, v.X * s + v.Z * c);
}
} // namespace

HumanInputComponent::HumanInputComponent(KeyTable keys, const IActorClock& clock)
    : m_keys(std::move(keys)), m_clock(clock)
{
}

bool HumanInputComponent::playerKeyDown(irr::EKEY_CODE key)
{
    if (!g_device)
        return false;
    // Keys typed into the console still reach the key table, but nobody acts on them.
    const Talvoren::ConsoleLogic* console = g_device->getConsole();
    if (console && console->isVisible())
        return false;
    return g_device->isKeyDown(key);
}

HumanInputComponent::HumanInputComponent() : HumanInputComponent(playerKeyDown, deviceActorClock())
{
}

void HumanInputComponent::update(GameActor* actor, PhysicsComponent* physics)
{
    GameBase& game = *g_gameBase;
    if (actor->isPlayer() && !game.m_gameplayActive)
    {
        bool forced[5];
        for (int t = 0; t < 5; ++t)
            forced[t] = game.m_forcedTones[t];
        setTones(*actor, forced);
        return;
    }

    const vector3df pos = actor->getPosition();
    vector3df look = actor->getRotation();
    const irr::f32 step = static_cast<irr::f32>(m_clock.frameMs()) * kStepPerMs;
    if (!(step > kMinStep))
        return;

    vector3df heading = (look - pos).normalize();
    if (game.m_slowDown)
        heading *= kSlowDownFactor;

    if (m_keys(irr::KEY_KEY_A))
    {
        heading = rotated(heading, step * kTurnPerStep);
        look = pos + heading;
    }
    if (m_keys(irr::KEY_KEY_D))
    {
        heading = rotated(heading, -step * kTurnPerStep);
        look = pos + heading;
    }
    actor->setRotation(look);

    if (m_keys(irr::KEY_KEY_Q))
        physics->move(actor, rotated(heading, 90.0f));
    else if (m_keys(irr::KEY_KEY_E))
        physics->move(actor, rotated(heading, -90.0f));
    if (m_keys(irr::KEY_KEY_W))
        physics->move(actor, heading);
    if (m_keys(irr::KEY_KEY_S))
        physics->move(actor, -heading);

    if (actor->isPlayer())
    {
        game.m_playerPosition = actor->getPosition();
        game.m_playerLookAt = actor->getRotation();
    }

    const bool playable = game.m_hasItem[itemSlot(Item::Instrument)] && game.m_toneKeysEnabled;
    bool held[5];
    for (int t = 0; t < 5; ++t)
        held[t] = playable && m_keys(kToneKeys[t]);
    setTones(*actor, held);
}

void HumanInputComponent::setTones(GameActor& actor, const bool (&pressed)[5]) const
{
    MusicalComponent* musical = actor.getMusical();
    if (!musical)
        return;
    for (int t = 0; t < 5; ++t)
        musical->setTone(t, pressed[t]);
}
} // namespace Belgarune
