#pragma once
// The level objects scripts create by name, and what each does to the world.

#include "code/src/world/piecekind.h"

#include <irrString.h>
#include <irrTypes.h>

namespace Belgarune
{
enum class WorldChange
{
    None,
    //! The cell becomes unwalkable.
    BlockCell,
    //! A circular obstacle on the cell.
    Obstacle,
    //! An item to pick up.
    Item,
};

struct LevelObjectKind
{
    const wchar_t* name;
    PieceKind kind;
    WorldChange change;
    //! An obstacle's radius.
    irr::s32 radius;
    //! An item's height.
    irr::f32 height;
};

//! The kind spelled exactly so (letter case counts), or null.
const LevelObjectKind* findLevelObject(const irr::core::stringw& name);
} // namespace Belgarune
