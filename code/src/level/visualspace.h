#pragma once
// The level's scene content: its pieces filed in a coarse grid of space cells,
// of which only those around the viewer are shown, and its objects by id.

#include "code/src/world/floorcode.h"
#include "code/src/world/piecekind.h"
#include "code/src/world/wallcodes.h"

#include <irrArray.h>
#include <irrTypes.h>
#include <vector2d.h>
#include <vector3d.h>

#include <map>
#include <vector>

namespace irr
{
namespace scene
{
class ISceneManager;
class ISceneNode;
} // namespace scene
} // namespace irr

namespace Talvoren
{
class ShaderManager;
}

namespace Belgarune
{
struct MapCoord;
class VisualEffect;

//! A space cell is 100 x 100 world units (10 x 10 map cells); 50 x 50 of them
//! cover world x and z from 0 to 5000. The scene graph owns the nodes; the
//! space holds plain pointers to them. The dungeon view owns the space.
class VisualSpace
{
public:
    using Cell = irr::core::vector2d<irr::s32>;
    static constexpr irr::s32 kCellCount = 50;

    //! Takes the shader manager from the device (none without a device).
    explicit VisualSpace(irr::scene::ISceneManager* sceneManager);
    //! shaders may be null: pieces then keep their base materials.
    VisualSpace(irr::scene::ISceneManager* sceneManager, Talvoren::ShaderManager* shaders);

    //! The space cell of a position: x and z divided by 100, truncated toward zero.
    static Cell cellOf(const irr::core::vector3df& position);
    static bool isInside(const Cell& cell);

    //! Files the node in the cell of its current position (no duplicate check);
    //! a position outside the grid is logged and leaves the node unfiled.
    void addNode(irr::scene::ISceneNode* node);
    //! Unfiles the node from the cell it was filed in, wherever it stands now;
    //! an unfiled node outside the grid is logged.
    void removeNode(irr::scene::ISceneNode* node);

    //! The first listed object with that id, or null.
    irr::scene::ISceneNode* findObject(irr::s32 id) const;
    irr::scene::ISceneNode* getObject(irr::s32 id) const { return findObject(id); }
    //! Unfiles and destroys the first listed object with that id.
    void removeObject(irr::s32 id);
    //! Destroys the first listed object with that id: unfiled, forgotten by the
    //! shader manager, removed from the scene and from the list.
    void destroyObject(irr::s32 id);
    void registerObject(irr::scene::ISceneNode* node) { m_objects.push_back(node); }

    //! Shows the nine cells around the viewer's cell and hides all others, but
    //! only when the viewer's cell changed since the last call. A viewer in
    //! cell (0, 0) or below on both axes sees nothing.
    void updateVisibility(const irr::core::vector3df& viewer);
    //! setVisible on every node filed in the cell.
    void setCellVisible(const Cell& cell, bool visible);

    //! Whether pieces placed from now on filter their textures anisotropically (on at first).
    void setAnisotropicFiltering(bool on) { m_anisotropicFiltering = on; }

    //! Level pieces. Each creates its node through the scene manager and files it.
    void placeFloor(const MapCoord& cell, FloorCode code);
    void placeWall(const MapCoord& cell, WallType type, WallSide side);
    void placeBars(const MapCoord& cell, irr::s32 barsType, WallSide side, irr::s32 id);
    //! Kinds Panel..Platform (banners, doors and props); other kinds create nothing.
    void placeObject(PieceKind kind, const MapCoord& cell, irr::s32 variant, WallSide facing, irr::s32 id);

    const irr::core::array<irr::scene::ISceneNode*>& getObjects() const { return m_objects; }
    const irr::core::array<irr::scene::ISceneNode*>& getCell(const Cell& cell) const;
    //! The dungeon view's running visual effects; not touched by the space.
    irr::core::array<VisualEffect*>& getEffects() { return m_effects; }

private:
    irr::scene::ISceneNode* createPanel(const MapCoord& cell, irr::s32 variant);
    irr::scene::ISceneNode* createDoor(PieceKind kind, const MapCoord& cell, irr::s32 variant, WallSide facing);
    irr::scene::ISceneNode* createProp(PieceKind kind, const MapCoord& cell, irr::s32 variant, WallSide facing);

    irr::core::array<irr::scene::ISceneNode*> m_objects;
    irr::core::array<VisualEffect*> m_effects;
    irr::scene::ISceneManager* m_sceneManager;
    Talvoren::ShaderManager* m_shaders;
    bool m_anisotropicFiltering = true;
    irr::core::array<irr::scene::ISceneNode*> m_cells[kCellCount][kCellCount];
    Cell m_lastViewerCell;
    //! The cells each node was filed in, in filing order.
    std::map<irr::scene::ISceneNode*, std::vector<Cell>> m_filings;
};
} // namespace Belgarune
