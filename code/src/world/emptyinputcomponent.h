#pragma once
// The input of an actor that stands still.

#include "code/src/world/inputcomponent.h"

namespace Belgarune
{
class EmptyInputComponent : public InputComponent
{
public:
    void update(GameActor*, PhysicsComponent*) override {}
    void reset(GameActor*) override {}
};
} // namespace Belgarune
