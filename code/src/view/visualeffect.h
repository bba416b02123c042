#pragma once
// A short-lived picture in the scene, run by the dungeon view until it finishes.

namespace Belgarune
{
class VisualEffect
{
public:
    virtual ~VisualEffect() = default;
    //! Called once, right after creation.
    virtual void start() = 0;
    //! Advances the effect by the device time passed since its creation.
    virtual void update() = 0;
    virtual bool isFinished() = 0;
    //! Takes the effect's node out of the scene.
    virtual void remove() = 0;
};
} // namespace Belgarune
