#pragma once
// What an actor wants to do: keys for the player, patrol and chase for an enemy.

namespace Belgarune
{
class GameActor;
class PhysicsComponent;

class InputComponent
{
public:
    virtual ~InputComponent() = default;
    //! Moves the actor through physics->move and sets its tones.
    virtual void update(GameActor* actor, PhysicsComponent* physics) = 0;
    virtual void reset(GameActor* actor) = 0;
};
} // namespace Belgarune
