#pragma once
// The input of a masked enemy: patrol on the node graph, spot the hero, hunt
// and kill him, and sing song 2 while he is near.

#include "code/src/songs/sheetplayer.h"
#include "code/src/world/inputcomponent.h"
#include "platform/sound/isoundengine.h"

#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
class IActorClock;
struct Node;

//! Reaches the world, the camera and the player through g_gameBase. The
//! nodes belong to the world's graph; the engine (may be null) and the clock
//! are not owned. The actor must have a musical component to sing.
class EnemyInputComponent : public InputComponent
{
public:
    static constexpr const char* kAlarmSound = "gamedata/music/detected.wav";

    //! Takes song 2 of the song book; without it the enemy stays silent.
    EnemyInputComponent(platform::sound::ISoundEngine* engine, const IActorClock& clock);
    //! With the device's sound engine and clocks.
    EnemyInputComponent();

    //! Nothing while gameplay is off; otherwise sight, patrol or chase, heading and song.
    void update(GameActor* actor, PhysicsComponent* physics) override;
    //! Aims at the patrol node nearest to the actor.
    void reset(GameActor* actor) override;

    bool isDetected() const { return m_detected; }
    const Node* getTarget() const { return m_target; }

private:
    void look(const irr::core::vector3df& flat, const irr::core::vector3df& rotation,
              const irr::core::vector3df& camera);
    //! Walks the frame's distance along the graph, node after node as short
    //! frames would; returns the last direction taken.
    irr::core::vector3df patrol(GameActor* actor, PhysicsComponent* physics, irr::f32 speed);
    //! The next node from the target: a random neighbour other than the previous node.
    void chooseNextTarget();
    void sing(GameActor* actor);

    Node* m_target = nullptr;
    Node* m_previous = nullptr;
    SheetPlayer m_sheetPlayer;
    bool m_detected = false;
    platform::sound::ISoundEngine* m_engine;
    const IActorClock* m_clock;
};
} // namespace Belgarune
