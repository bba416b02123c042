#include "code/src/enemies/enemyinputcomponent.h"

#include "code/src/events/playerevents.h"
#include "code/src/logic/actorclock.h"
#include "code/src/songs/songbook.h"
#include "code/src/songs/songtable.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/musicalcomponent.h"
#include "code/src/world/nodegraph.h"
#include "code/src/world/physicscomponent.h"
#include "talvoren/ieventmanager.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/soundsystem/soundengine.h"

#include <ICameraSceneNode.h>

#include <algorithm>

namespace Belgarune
{
namespace
{
const irr::f32 kLoseSight = 80.0f;
const irr::f32 kSpotDistance = 60.0f;
const irr::f32 kNodeReached = 1.0f;
const irr::f32 kPatrolSpeed = 0.025f;
const irr::f32 kChaseSpeed = 0.075f;
const irr::f32 kSlowDown = 0.75f;
const irr::f32 kKillDistance = 3.0f;
const irr::f32 kSingDistance = 90.0f;
const irr::u32 kPlayerId = 0;
// Node to node legs of a patrol in one frame; a frame of seconds stops after them.
const int kMaxLegs = 64;
// Tones 0 to 4; track 5 of a sheet is never sung.
const int kSungTracks = 5;

irr::core::vector3df flatPosition(const GameActor* actor)
{
    irr::core::vector3df flat = actor->getPosition();
    flat.Y = 0.0f;
    return flat;
}

irr::f32 distanceToSegment(const irr::core::vector3df& point, const irr::core::vector3df& from,
                           const irr::core::vector3df& to)
{
    const irr::core::vector3df path = to - from;
    const irr::f32 lengthSq = path.getLengthSQ();
    if (!(lengthSq > 0.0f))
        return point.getDistanceFrom(from);
    const irr::f32 along = std::clamp((point - from).dotProduct(path) / lengthSq, 0.0f, 1.0f);
    return point.getDistanceFrom(from + path * along);
}

const MusicSheet* enemySong()
{
    return g_gameBase->m_songBook ? g_gameBase->m_songBook->getSheet(static_cast<irr::s32>(SongId::MaskSong)) : nullptr;
}
} // namespace

EnemyInputComponent::EnemyInputComponent(platform::sound::ISoundEngine* engine, const IActorClock& clock)
    : m_sheetPlayer(enemySong()), m_engine(engine), m_clock(&clock)
{
}

EnemyInputComponent::EnemyInputComponent() : EnemyInputComponent(Talvoren::getSoundEngine(), deviceActorClock())
{
}

void EnemyInputComponent::reset(GameActor* actor)
{
    m_target = g_gameBase->m_world->getNodeGraph().findNearestNode(actor->getPosition());
}

void EnemyInputComponent::update(GameActor* actor, PhysicsComponent* physics)
{
    if (!g_gameBase->m_gameplayActive)
        return;
    const irr::core::vector3df flat = flatPosition(actor);
    const irr::scene::ICameraSceneNode* camera = g_gameBase->m_camera;
    // Without a camera there is nobody to see or hunt.
    if (camera)
        look(flat, actor->getRotation(), camera->getPosition());
    else
        m_detected = false;

    irr::core::vector3df direction(0.0f, 0.0f, 0.0f);
    const irr::f32 frameMs = static_cast<irr::f32>(m_clock->frameMs());
    if (!m_detected)
        direction = patrol(actor, physics, frameMs * kPatrolSpeed * (g_gameBase->m_slowDown ? kSlowDown : 1.0f));
    else
    {
        direction = (camera->getPosition() - flat).normalize();
        const irr::core::vector3df before = actor->getPosition();
        physics->move(actor, direction * (frameMs * kChaseSpeed));
        if (distanceToSegment(g_gameBase->m_playerPosition, before, actor->getPosition()) < kKillDistance)
            globalTrigger(DieEvent(kPlayerId));
    }

    const irr::core::vector3df position = actor->getPosition();
    actor->setRotation(irr::core::vector3df(direction.X, position.Y, direction.Z));
    sing(actor);
}

void EnemyInputComponent::look(const irr::core::vector3df& flat, const irr::core::vector3df& rotation,
                               const irr::core::vector3df& camera)
{
    const irr::f32 distance = flat.getDistanceFrom(camera);
    if (distance > kLoseSight)
    {
        m_detected = false;
        return;
    }
    if (!(distance < kSpotDistance))
        return;
    const GameWorld& world = *g_gameBase->m_world;
    if (m_detected)
    {
        m_detected = world.isPathFree(flat, camera, false);
        return;
    }
    const irr::core::vector3df viewDirection(rotation.X, 0.0f, rotation.Z);
    const irr::core::vector3df toHero = flat - irr::core::vector3df(camera.X, 0.0f, camera.Z);
    if (viewDirection.dotProduct(toHero) < 0.0f && world.isPathFree(flat, camera, false))
    {
        if (m_engine)
            m_engine->play2D(kAlarmSound, false, false, false, platform::sound::StreamMode::kAutoDetect, false);
        m_detected = true;
    }
}

irr::core::vector3df EnemyInputComponent::patrol(GameActor* actor, PhysicsComponent* physics, irr::f32 speed)
{
    if (!m_target)
        m_target = g_gameBase->m_world->getNodeGraph().findNearestNode(actor->getPosition());
    if (!m_target)
        return irr::core::vector3df(0.0f, 0.0f, 0.0f);

    const irr::f32 reach = physics->frameReach();
    irr::core::vector3df direction;
    for (int leg = 0; leg < kMaxLegs; ++leg)
    {
        const irr::core::vector3df flat = flatPosition(actor);
        if (m_target->m_position.getDistanceFrom(flat) < kNodeReached)
            chooseNextTarget();
        const irr::f32 toNode = m_target->m_position.getDistanceFrom(flat);
        direction = (m_target->m_position - flat).normalize();
        if (!(speed * reach > toNode))
        {
            physics->move(actor, direction * speed);
            return direction;
        }
        // The node lies within this frame's walk: stop on it and go on from there.
        const irr::f32 legSpeed = toNode / reach;
        physics->move(actor, direction * legSpeed);
        speed -= legSpeed;
        // A node next to its neighbours, or one the mask cannot reach: the frame's walk ends.
        if (toNode < kNodeReached || !(m_target->m_position.getDistanceFrom(flatPosition(actor)) < kNodeReached))
            return direction;
    }
    return direction;
}

void EnemyInputComponent::chooseNextTarget()
{
    const std::vector<Node*>& neighbours = m_target->m_neighbours;
    if (neighbours.size() == 1)
    {
        m_target = neighbours.front();
        return;
    }
    if (neighbours.empty())
        return;
    Node* next = m_previous;
    // Every entry naming the node it came from: the enemy turns back.
    if (std::any_of(neighbours.begin(), neighbours.end(), [this](const Node* node) { return node != m_previous; }))
    {
        const irr::s32 count = static_cast<irr::s32>(neighbours.size());
        do
            next = neighbours[static_cast<std::size_t>(Talvoren::OmbelDevice::random(1, count) - 1)];
        while (next == m_previous);
    }
    m_previous = m_target;
    m_target = next;
}

void EnemyInputComponent::sing(GameActor* actor)
{
    MusicalComponent* musical = actor->getMusical();
    if (!musical)
        return;
    const bool near = !(actor->getPosition().getDistanceFrom(g_gameBase->m_playerPosition) > kSingDistance);
    const irr::u32 now = static_cast<irr::u32>(m_clock->gameMs());
    for (int track = 0; track < kSungTracks; ++track)
        musical->setTone(track, near && m_sheetPlayer.isNoteOn(track, now));
}
} // namespace Belgarune
