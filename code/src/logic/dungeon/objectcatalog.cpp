#include "code/src/logic/dungeon/objectcatalog.h"

namespace Belgarune
{
namespace
{
const LevelObjectKind kObjects[] = {
    {L"Q1_1", PieceKind::Panel, WorldChange::None, 0, 0.0f},
    {L"BARS", PieceKind::Bars, WorldChange::BlockCell, 0, 0.0f},
    {L"DOOR_BLOCK_1", PieceKind::BlockDoor, WorldChange::BlockCell, 0, 0.0f},
    {L"DOOR_CELL_1", PieceKind::CellDoor, WorldChange::BlockCell, 0, 0.0f},
    {L"TOPF", PieceKind::Pot, WorldChange::Obstacle, 5, 0.0f},
    {L"PODEST", PieceKind::Pedestal, WorldChange::Obstacle, 7, 0.0f},
    {L"HEALSTONE", PieceKind::HealStone, WorldChange::BlockCell, 0, 0.0f},
    {L"PLATFORM", PieceKind::Platform, WorldChange::None, 0, 0.0f},
    {L"INST", PieceKind::Instrument, WorldChange::Item, 0, 0.0f},
    {L"KEY_VIO", PieceKind::ViolinKey, WorldChange::Item, 0, 6.0f},
    {L"KEY_BASS", PieceKind::BassKey, WorldChange::Item, 0, 0.0f},
    {L"KEY_ALT", PieceKind::AltoKey, WorldChange::Item, 0, 0.0f},
    {L"MAP", PieceKind::Map, WorldChange::Item, 0, 0.0f},
    {L"KILLS_T", PieceKind::KillsTablet, WorldChange::None, 0, 0.0f},
    {L"SAULE", PieceKind::Pillar, WorldChange::Obstacle, 5, 0.0f},
    {L"CEIL", PieceKind::Ceiling, WorldChange::None, 0, 0.0f},
    {L"KEYSTONE", PieceKind::Keystone, WorldChange::Obstacle, 5, 0.0f},
    {L"GRAVE", PieceKind::Grave, WorldChange::None, 0, 0.0f},
};
} // namespace

const LevelObjectKind* findLevelObject(const irr::core::stringw& name)
{
    for (const LevelObjectKind& object : kObjects)
    {
        if (name == object.name)
            return &object;
    }
    return nullptr;
}
} // namespace Belgarune
