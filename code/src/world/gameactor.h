#pragma once
// A moving thing of the dungeon: the player or a masked figure.

#include <irrTypes.h>
#include <vector3d.h>

#include <memory>

namespace Belgarune
{
class GameWorld;
class IDungeonView;
class InputComponent;
class MusicalComponent;
class PhysicsComponent;
class VisualComponent;

//! Owns its components; the world owns the actor.
class GameActor
{
public:
    //! Position and look vector start at (0, 0, 0). The physics component is
    //! always given; the others may be null (the caller still includes their
    //! headers, as the null owners are destroyed at the call).
    GameActor(irr::s32 id, std::unique_ptr<InputComponent> input, std::unique_ptr<PhysicsComponent> physics,
              std::unique_ptr<VisualComponent> visual, std::unique_ptr<MusicalComponent> musical);
    ~GameActor();
    GameActor(const GameActor&) = delete;
    GameActor& operator=(const GameActor&) = delete;

    //! One frame: input, physics, visual, musical, each when present.
    void update(GameWorld* world, IDungeonView* view);
    //! Hands the actor to its input component's reset, when it has one.
    void reset();

    irr::core::vector3df getPosition() const { return m_position; }
    void setPosition(const irr::core::vector3df& position) { m_position = position; }
    //! The look vector: the player's look-at point, an enemy's heading.
    irr::core::vector3df getRotation() const { return m_rotation; }
    void setRotation(const irr::core::vector3df& rotation) { m_rotation = rotation; }
    irr::s32 getId() const { return m_id; }
    bool isPlayer() const { return m_isPlayer; }
    void setPlayer(bool isPlayer) { m_isPlayer = isPlayer; }

    PhysicsComponent* getPhysics() const { return m_physics.get(); }
    //! Null for actors without tones.
    MusicalComponent* getMusical() const { return m_musical.get(); }

private:
    irr::core::vector3df m_position;
    irr::core::vector3df m_rotation;
    std::unique_ptr<InputComponent> m_input;
    std::unique_ptr<PhysicsComponent> m_physics;
    std::unique_ptr<VisualComponent> m_visual;
    irr::s32 m_id;
    bool m_isPlayer;
    std::unique_ptr<MusicalComponent> m_musical;
};
} // namespace Belgarune
