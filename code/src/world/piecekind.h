#pragma once
// The kinds of level pieces, numbered as the game's events and object tables
// number them.

#include <irrTypes.h>

#include <optional>

namespace Belgarune
{
enum class PieceKind : irr::s32
{
    Floor = 0,
    Wall = 1,
    Bars = 2,
    Panel = 3,
    BlockDoor = 4,
    CellDoor = 5,
    Pot = 6,
    Pedestal = 7,
    Instrument = 8,
    Pillar = 9,
    Ceiling = 10,
    Keystone = 11,
    Grave = 12,
    Map = 13,
    KillsTablet = 14,
    ViolinKey = 15,
    BassKey = 16,
    AltoKey = 17,
    HealStone = 18,
    Platform = 19,
};

//! The kind of a number 0..19; none for any other number.
std::optional<PieceKind> toPieceKind(irr::s32 number);
} // namespace Belgarune
