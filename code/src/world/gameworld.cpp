#include "code/src/world/gameworld.h"

#include "code/src/world/gameactor.h"
#include "code/src/world/gameitem.h"
#include "code/src/world/nodegraph.h"
#include "talvoren/log.h"

#include <irrString.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

namespace Belgarune
{
namespace
{
using irr::core::vector2d;
using irr::core::vector3df;

// The cell itself first, then its neighbours.
const vector2d<irr::s32> kNeighbourOrder[] = {{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1},
                                              {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

// The diamond of radius 3, ring by ring.
const vector2d<irr::s32> kVisibleOffsets[] = {
    {0, 0},  {1, 0},   {-1, 0}, {0, 1},   {0, -1},  {-2, 0}, {-1, 1}, {0, 2},   {1, 1},
    {2, 0},  {1, -1},  {0, -2}, {-1, -1}, {-3, 0},  {-2, 1}, {-1, 2}, {0, 3},   {1, 2},
    {2, 1},  {3, 0},   {2, -1}, {1, -2},  {0, -3},  {-1, -2}, {-2, -1}};

const irr::s32 kCollisionMargin = 3;
const irr::f32 kPathSampleDistance = 2.5f;
// A path that stays inside the grid needs fewer samples (its diagonal is about
// 2829 of them); a longer one leaves the grid before its last sample anyway.
const irr::f32 kMaxPathSamples = 4096.0f;
const irr::f32 kItemReach = 13.0f;

bool isFinite(const vector3df& pos)
{
    return std::isfinite(pos.X) && std::isfinite(pos.Y) && std::isfinite(pos.Z);
}

vector3df cellCentre(const vector2d<irr::s32>& cell)
{
    return Belgarune::cellCentre(MapCoord(cell.X, 0, cell.Y));
}

// Queries answer only for indices 1..499.
bool isQueriedCell(irr::s32 x, irr::s32 z)
{
    return x >= 1 && x < GameWorld::kGridSize && z >= 1 && z < GameWorld::kGridSize;
}

irr::core::stringw cellText(const MapCoord& cell)
{
    // Irrlicht's own number conversion overflows on the smallest s32.
    return (std::to_wstring(cell.x) + L", " + std::to_wstring(cell.z)).c_str();
}
} // namespace

GameWorld::GameWorld() : m_player(nullptr), m_nodeGraph(std::make_unique<NodeGraph>())
{
}

GameWorld::~GameWorld() = default;

bool GameWorld::isStoredCell(const MapCoord& cell)
{
    return cell.x >= 0 && cell.x < kGridSize && cell.z >= 0 && cell.z < kGridSize;
}

void GameWorld::setCell(const MapCoord& cell, FloorCode code)
{
    if (!isStoredCell(cell))
    {
        Talvoren::logError(L"WORLD: setCell outside the grid at %p, ignored", cellText(cell));
        return;
    }
    m_cells[cell.x][cell.z].kind = code;
    m_cells[cell.x][cell.z].walkable = 1;
}

void GameWorld::setWalkable(const MapCoord& cell, bool walkable)
{
    if (!isStoredCell(cell))
    {
        Talvoren::logError(L"WORLD: setWalkable outside the grid at %p, ignored", cellText(cell));
        return;
    }
    m_cells[cell.x][cell.z].walkable = walkable ? 1 : 0;
}

irr::s32 GameWorld::getCellValue(irr::s32 x, irr::s32 z) const
{
    if (!isQueriedCell(x, z))
        return -1;
    return static_cast<irr::s32>(m_cells[x][z].kind);
}

irr::s32 GameWorld::isWalkable(irr::s32 x, irr::s32 z) const
{
    if (!isQueriedCell(x, z))
        return -1;
    return m_cells[x][z].walkable;
}

bool GameWorld::isPointInCell(const vector3df& pos, const vector2d<irr::s32>& cell, irr::s32 margin)
{
    const irr::f32 reach = 5.0f + static_cast<irr::f32>(margin);
    const vector3df centre = cellCentre(cell);
    return pos.X >= centre.X - reach && pos.X <= centre.X + reach && pos.Z >= centre.Z - reach &&
           pos.Z <= centre.Z + reach;
}

bool GameWorld::cellOfPosition(const vector3df& pos, vector2d<irr::s32>& cell)
{
    if (!isFinite(pos))
        return false;
    const irr::f32 cellI = std::trunc((pos.X - 5.0f) / kCellSize) + 1.0f;
    const irr::f32 cellJ = std::trunc((pos.Z - 5.0f) / kCellSize) + 1.0f;
    const irr::f32 last = static_cast<irr::f32>(kGridSize - 1);
    // Written so that NaN fails every comparison.
    if (!(cellI >= 1.0f && cellI <= last && cellJ >= 1.0f && cellJ <= last))
        return false;
    cell.X = static_cast<irr::s32>(cellI);
    cell.Y = static_cast<irr::s32>(cellJ);
    return true;
}

bool GameWorld::isBlocked(irr::s32 i, irr::s32 j) const
{
    if (i >= kGridSize || j >= kGridSize)
        return true;
    return m_cells[i][j].walkable != 1;
}

bool GameWorld::collides(const vector3df& pos, bool ignoreRound) const
{
    vector2d<irr::s32> centre;
    if (!cellOfPosition(pos, centre))
        return true;

    for (const vector2d<irr::s32>& offset : kNeighbourOrder)
    {
        const vector2d<irr::s32> cell = centre + offset;
        if (isBlocked(cell.X, cell.Y) && isPointInCell(pos, cell, kCollisionMargin))
            return true;
    }
    if (ignoreRound)
        return false;

    const vector3df ground(pos.X, 0.0f, pos.Z);
    for (const RoundCollision& obstacle : m_roundCollisions)
    {
        if (obstacle.radius > obstacle.centre.getDistanceFrom(ground))
            return true;
    }
    return false;
}

bool GameWorld::isPathFree(const vector3df& from, const vector3df& to, bool ignoreRound) const
{
    if (!isFinite(from) || !isFinite(to))
        return false;
    const irr::f32 distance = from.getDistanceFrom(to);
    if (!std::isfinite(distance))
        return false;

    const irr::s32 samples =
        static_cast<irr::s32>(std::min(std::trunc(distance / kPathSampleDistance), kMaxPathSamples));
    const vector3df delta = to - from;
    for (irr::s32 k = 0; k < samples; ++k)
    {
        const vector3df sample = from + delta * (static_cast<irr::f32>(k) / static_cast<irr::f32>(samples));
        if (collides(sample, ignoreRound))
            return false;
    }
    return true;
}

std::vector<vector2d<irr::s32>> GameWorld::getVisibleCells(const vector2d<irr::s32>& cell) const
{
    const vector3df viewpoint = cellCentre(cell);
    // Every other candidate's path starts at the viewpoint; when that collides
    // only the cell itself stays (this also keeps far cells from overflowing).
    if (collides(viewpoint, true))
        return {cell};

    std::vector<vector2d<irr::s32>> visible;
    visible.reserve(std::size(kVisibleOffsets));
    for (const vector2d<irr::s32>& offset : kVisibleOffsets)
    {
        const vector2d<irr::s32> candidate = cell + offset;
        if (isPathFree(viewpoint, cellCentre(candidate), true))
            visible.push_back(candidate);
    }
    return visible;
}

GameActor* GameWorld::addActor(std::unique_ptr<GameActor> actor)
{
    m_actors.push_back(std::move(actor));
    return m_actors.back().get();
}

GameActor* GameWorld::getActorById(irr::s32 id) const
{
    for (const std::unique_ptr<GameActor>& actor : m_actors)
    {
        if (actor->getId() == id)
            return actor.get();
    }
    return nullptr;
}

void GameWorld::updateActors(IDungeonView* view)
{
    // By index: an actor's update may add actors.
    for (std::size_t k = 0; k < m_actors.size(); ++k)
        m_actors[k]->update(this, view);
}

void GameWorld::addItem(const vector3df& pos, irr::u32 id, PieceKind kind)
{
    auto item = std::make_unique<GameItem>();
    item->position = pos;
    item->id = id;
    item->kind = kind;
    m_items.push_back(std::move(item));
}

void GameWorld::removeItem(GameItem* item)
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [item](const std::unique_ptr<GameItem>& held) { return held.get() == item; });
    if (found != m_items.end())
        m_items.erase(found);
}

GameItem* GameWorld::findItemNear(const vector3df& pos) const
{
    for (const std::unique_ptr<GameItem>& item : m_items)
    {
        if (item->position.getDistanceFrom(pos) < kItemReach)
            return item.get();
    }
    return nullptr;
}

void GameWorld::addRoundCollision(const vector3df& centre, irr::s32 radius)
{
    m_roundCollisions.emplace_back(centre, static_cast<irr::f32>(radius));
}
} // namespace Belgarune
