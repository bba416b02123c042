#pragma once
// Plays an actor's tones and announces the songs it completes.

namespace Belgarune
{
class GameActor;
class IDungeonView;

class MusicalComponent
{
public:
    virtual ~MusicalComponent() = default;
    //! Does nothing; no caller.
    virtual void hook(GameActor*) {}
    virtual void update(GameActor* actor, IDungeonView* view) = 0;
    //! A tone acts only when its state changes; the base plays nothing.
    virtual void setTone(int, bool) {}
};
} // namespace Belgarune
