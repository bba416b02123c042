// Floors, walls and bars of the level.

#include "code/src/level/levelmaterial.h"
#include "code/src/world/mapcoord.h"
#include "code/src/level/visualspace.h"

#include <IMeshSceneNode.h>
#include <ISceneManager.h>

namespace Belgarune
{
namespace
{
struct FloorLook
{
    const char* surface;
    const char* color;
    irr::f32 yaw;
};

FloorLook floorLook(irr::s32 floorKind)
{
    switch (floorKind)
    {
    case 1:
        return {"QVBoden1.png", "QVBoden1_cm.png", 0.0f};
    case 2:
        return {"QVBoden2.png", "QVBoden2_cm.png", 0.0f};
    case 4:
        return {"QVBoden3.png", "QVBoden3_cm.png", 0.0f};
    case 5:
        return {"QVBoden4.png", "QVBoden4_cm.png", 90.0f};
    case 6:
        return {"QVBoden4Uebergang.png", "QVBoden4Uebergang_cm.png", 90.0f};
    default:
        return {nullptr, nullptr, 0.0f};
    }
}

struct WallLook
{
    const char* mesh;
    const char* surface; // null: the mesh's own
    const char* color;
    const char* mix;
    const char* shader;
};

//! Wall types 1..7; the rest have no look.
const WallLook kWallLooks[7] = {
    {"wall1.x", nullptr, "QVWallBig2_cm.png", nullptr, "env"},
    {"wall2.x", nullptr, "QVWall3A2_cm.png", nullptr, "env"},
    {"wall2.x", "QVWall5.png", "QVWall3A2_cm.png", nullptr, "env"},
    {"wall3.x", nullptr, "QVWall4CreepyEdition.png", "QVWall4CreepyEdition.png", "env_dark"},
    {"wall4.x", nullptr, "QVWall6_cm.png", "QVWall6_2.png", "env_dark"},
    {"wall2.x", "QVWall7.png", "QVWall3A2_cm.png", nullptr, "env"},
    {"wall1.x", "QVWallBig2Lightversion.png", "QVWallBig2_cm.png", nullptr, "env"},
};

//! From the cell's centre to the wall on sides 1..4.
const irr::core::vector3df kWallShifts[4] = {
    irr::core::vector3df(0.0f, 0.0f, 5.0f),
    irr::core::vector3df(0.0f, 0.0f, -5.0f),
    irr::core::vector3df(5.0f, 0.0f, 0.0f),
    irr::core::vector3df(-5.0f, 0.0f, 0.0f),
};
} // namespace

void VisualSpace::placePiece(irr::s32 kind, const MapCoord& cell, irr::s32 first, irr::s32 second, irr::s32 third)
{
    if (kind == 0)
        placeFloor(cell, first);
    else if (kind == 1)
        placeWall(cell, first, second);
    else if (kind == 2)
        placeBars(cell, first, second, third);
    else if (kind >= 3 && kind <= 19)
        placeObject(kind, cell, first, second, third);
}

void VisualSpace::placeFloor(const MapCoord& cell, irr::s32 floorKind)
{
    irr::core::vector3df position = cellCentre(cell);
    position.Y = -5.0f;
    irr::scene::ISceneNode* floor = m_sceneManager->addCubeSceneNode(10.0f, nullptr, -1, position);
    const FloorLook look = floorLook(floorKind);
    setLevelTexture(floor, 0, look.surface);
    setLevelTexture(floor, 2, look.color);
    floor->setRotation(irr::core::vector3df(0.0f, look.yaw, 0.0f));
    switchLightingOff(floor);
    applyLevelMaterial(floor, m_shaders, "env");
    addNode(floor);
}

void VisualSpace::placeWall(const MapCoord& cell, irr::s32 wallType, irr::s32 side)
{
    if (wallType < 1 || wallType > 7)
        return;
    const WallLook& look = kWallLooks[wallType - 1];
    irr::scene::IMeshSceneNode* wall = addLevelMesh(m_sceneManager, look.mesh);
    if (!wall)
        return;
    setLevelTexture(wall, 0, look.surface);
    setLevelTexture(wall, 2, look.color);
    setLevelTexture(wall, 3, look.mix);
    wall->setScale(kPieceScale);
    wall->setRotation(irr::core::vector3df(-90.0f, 0.0f, 0.0f));
    switchLightingOff(wall);

    // The dark walls stand upright in their meshes; the others lie on their backs.
    const bool upright = wallType == 4 || wallType == 5;
    irr::core::vector3df position = cellCentre(cell);
    position.Y = upright ? 0.0f : 10.0f;
    if (side >= 1 && side <= 4)
    {
        wall->setRotation(irr::core::vector3df(upright ? 0.0f : -90.0f, facingYaw(side), 0.0f));
        position += kWallShifts[side - 1];
    }
    wall->setPosition(position);
    applyLevelMaterial(wall, m_shaders, look.shader);
    addNode(wall);
}

void VisualSpace::placeBars(const MapCoord& cell, irr::s32 barsType, irr::s32 side, irr::s32 id)
{
    irr::scene::IMeshSceneNode* bars = addLevelMesh(m_sceneManager, barsType == 2 ? "git2.x" : "git1.x");
    if (!bars)
        return;
    bars->setScale(kPieceScale);
    bars->setRotation(irr::core::vector3df(-90.0f, 0.0f, 270.0f));
    irr::core::vector3df position = cellCentre(cell);
    switch (side)
    {
    case 1:
        bars->setRotation(irr::core::vector3df(0.0f, 0.0f, 0.0f));
        position += irr::core::vector3df(-2.5f, 0.0f, -2.5f);
        break;
    case 2:
        bars->setRotation(irr::core::vector3df(0.0f, 0.0f, 0.0f));
        position += irr::core::vector3df(-2.5f, 0.0f, 2.5f);
        break;
    case 3:
        bars->setRotation(irr::core::vector3df(0.0f, 270.0f, 0.0f));
        position += irr::core::vector3df(2.5f, 0.0f, -2.5f);
        break;
    case 4:
        bars->setRotation(irr::core::vector3df(0.0f, 270.0f, 0.0f));
        position += irr::core::vector3df(-2.5f, 0.0f, -2.5f);
        break;
    default:
        break;
    }
    bars->setPosition(position);
    setLevelTexture(bars, 2, "QVSaeule_cm.png");
    applyLevelMaterial(bars, m_shaders, "env");
    bars->setID(id);
    registerObject(bars);
    addNode(bars);
}
} // namespace Belgarune
