#include "code/src/logic/dungeon/actorcatalog.h"

#include "code/src/enemies/enemyinputcomponent.h"
#include "code/src/enemies/maskvisualcomponents.h"
#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/songs/playermusicalcomponent.h"
#include "code/src/view/mask4visualcomponent.h"
#include "code/src/world/emptyinputcomponent.h"
#include "code/src/world/gameactor.h"

namespace Belgarune
{
namespace
{
using irr::core::vector3df;

const irr::s32 kFigureHeight = 5;
const irr::f32 kEnemyVolume = 0.2f;

std::unique_ptr<GameActor> enemy(irr::s32 id, std::unique_ptr<VisualComponent> mask, int soundSet)
{
    return std::make_unique<GameActor>(id, std::make_unique<EnemyInputComponent>(),
                                       std::make_unique<StandardPhysicsComponent>(kFigureHeight), std::move(mask),
                                       std::make_unique<PlayerMusicalComponent>(soundSet, kEnemyVolume));
}

//! A figure that stands still and plays nothing.
std::unique_ptr<GameActor> figure(irr::s32 id, std::unique_ptr<VisualComponent> mask)
{
    return std::make_unique<GameActor>(id, std::make_unique<EmptyInputComponent>(),
                                       std::make_unique<StandardPhysicsComponent>(kFigureHeight), std::move(mask),
                                       nullptr);
}

//! 1 north, 2 south, 3 west, 4 east; nothing for any other value.
vector3df standingDirection(irr::s32 a)
{
    switch (a)
    {
    case 1:
        return vector3df(0.0f, 0.0f, 1.0f);
    case 2:
        return vector3df(0.0f, 0.0f, -1.0f);
    case 3:
        return vector3df(-1.0f, 0.0f, 0.0f);
    case 4:
        return vector3df(1.0f, 0.0f, 0.0f);
    default:
        return vector3df(0.0f, 0.0f, 0.0f);
    }
}
} // namespace

std::unique_ptr<GameActor> createNamedActor(const irr::core::stringw& name, irr::s32 id, const MapCoord& cell,
                                            irr::s32 a)
{
    const vector3df position = cellPosition(cell);
    vector3df rotation = position + vector3df(100.0f, 0.0f, 0.0f);
    std::unique_ptr<GameActor> actor;
    if (name == L"ENEMY_1")
        actor = enemy(id, std::make_unique<MaskVisualComponent>(), 2);
    else if (name == L"SISTER")
        actor = figure(id, std::make_unique<Mask4VisualComponent>());
    else if (name == L"ENEMY_1_2")
    {
        actor = figure(id, std::make_unique<MaskVisualComponent>());
        rotation = standingDirection(a);
    }
    else if (name == L"ENEMY_2")
        actor = enemy(id, std::make_unique<Mask2VisualComponent>(), 3);
    else if (name == L"ENEMY_3")
        actor = enemy(id, std::make_unique<Mask3VisualComponent>(), 4);
    if (actor)
    {
        actor->setPosition(position);
        actor->setRotation(rotation);
    }
    return actor;
}
} // namespace Belgarune
