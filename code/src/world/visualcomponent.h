#pragma once
// Shows an actor in the dungeon view.

namespace Belgarune
{
class GameActor;
class IDungeonView;

class VisualComponent
{
public:
    virtual ~VisualComponent() = default;
    virtual void update(GameActor* actor, IDungeonView* view) = 0;
};
} // namespace Belgarune
