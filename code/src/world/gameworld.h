#pragma once
// The dungeon's model: a grid of 500 x 500 cells with its actors, items and
// circular obstacles, and the collision and line-of-sight queries on it.

#include "code/src/world/floorcode.h"
#include "code/src/world/mapcoord.h"
#include "code/src/world/piecekind.h"
#include "code/src/world/roundcollision.h"
#include "code/src/world/worldcell.h"

#include <irrTypes.h>
#include <vector2d.h>
#include <vector3d.h>

#include <memory>
#include <vector>

namespace Belgarune
{
class GameActor;
class IDungeonView;
class NodeGraph;
struct GameItem;

//! Cell (i, j) has its centre at world (10 i, y, 10 j); the height plays no part.
//! Owns its actors, items and patrol graph; the player is one of its actors.
class GameWorld
{
public:
    static constexpr irr::s32 kGridSize = 500;
    static constexpr irr::f32 kCellSize = 10.0f;

    //! Every cell blocked, no actors, items or obstacles.
    GameWorld();
    ~GameWorld();
    GameWorld(const GameWorld&) = delete;
    GameWorld& operator=(const GameWorld&) = delete;

    // Grid. Setters take x as the first and z as the second index and ignore
    // (with an error) cells outside 0..499; queries outside 1..499 give -1.
    void setCell(const MapCoord& cell, FloorCode code);
    void setWalkable(const MapCoord& cell, bool walkable);
    irr::s32 getCellValue(irr::s32 x, irr::s32 z) const;
    irr::s32 isWalkable(irr::s32 x, irr::s32 z) const;

    //! Cell indices of a world position as collides takes them: trunc((x - 5) / 10) + 1
    //! and the same of z. False when they lie outside 1..499 or pos is not finite.
    static bool cellOfPosition(const irr::core::vector3df& pos, irr::core::vector2d<irr::s32>& cell);
    //! (pos.x, pos.z) inside the closed square of the cell widened by margin.
    static bool isPointInCell(const irr::core::vector3df& pos, const irr::core::vector2d<irr::s32>& cell,
                              irr::s32 margin);
    //! Blocked cells keep a body 3 units away; the circular obstacles count
    //! unless ignoreRound. Outside the grid and non-finite positions collide.
    bool collides(const irr::core::vector3df& pos, bool ignoreRound) const;
    //! Samples every 2.5 units from `from` (tested) towards `to` (never tested).
    bool isPathFree(const irr::core::vector3df& from, const irr::core::vector3df& to, bool ignoreRound) const;
    //! The cells of the diamond of radius 3 around cell whose centres can be
    //! seen from its centre, in a fixed order; the cell itself always.
    std::vector<irr::core::vector2d<irr::s32>> getVisibleCells(const irr::core::vector2d<irr::s32>& cell) const;

    // Actors, in the order added.
    GameActor* addActor(std::unique_ptr<GameActor> actor);
    //! The first actor with that id, or null.
    GameActor* getActorById(irr::s32 id) const;
    void setPlayer(GameActor* player) { m_player = player; }
    GameActor* getPlayer() const { return m_player; }
    void updateActors(IDungeonView* view);

    // Items and obstacles.
    void addItem(const irr::core::vector3df& pos, irr::u32 id, PieceKind kind);
    //! Deletes the item; the others keep their order.
    void removeItem(GameItem* item);
    //! The first item closer than 13 units, or null.
    GameItem* findItemNear(const irr::core::vector3df& pos) const;
    void addRoundCollision(const irr::core::vector3df& centre, irr::s32 radius);

    //! The enemies' patrol graph: empty until the dungeon logic's set-up loads it once.
    NodeGraph& getNodeGraph() { return *m_nodeGraph; }

private:
    static bool isStoredCell(const MapCoord& cell);
    //! Index 500 of a neighbour lies beyond the storage and counts as blocked.
    bool isBlocked(irr::s32 i, irr::s32 j) const;

    WorldCell m_cells[kGridSize][kGridSize];
    std::vector<std::unique_ptr<GameActor>> m_actors;
    std::vector<std::unique_ptr<GameItem>> m_items;
    GameActor* m_player;
    std::vector<RoundCollision> m_roundCollisions;
    std::unique_ptr<NodeGraph> m_nodeGraph;
};
} // namespace Belgarune
