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

FloorLook floorLook(FloorCode code)
{
    switch (code)
    {
    case FloorCode::Plain:
        return {"QVBoden1.png", "QVBoden1_cm.png", 0.0f};
    case FloorCode::Patterned:
        return {"QVBoden2.png", "QVBoden2_cm.png", 0.0f};
    case FloorCode::Gloomy:
        return {"QVBoden3.png", "QVBoden3_cm.png", 0.0f};
    case FloorCode::Dark:
        return {"QVBoden4.png", "QVBoden4_cm.png", 90.0f};
    case FloorCode::DarkEdge:
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

//! Wall types Large..LargeLight; the rest have no look.
const WallLook kWallLooks[7] = {
    {"wall1.x", nullptr, "QVWallBig2_cm.png", nullptr, "env"},
    {"wall2.x", nullptr, "QVWall3A2_cm.png", nullptr, "env"},
    {"wall2.x", "QVWall5.png", "QVWall3A2_cm.png", nullptr, "env"},
    {"wall3.x", nullptr, "QVWall4CreepyEdition.png", "QVWall4CreepyEdition.png", "env_dark"},
    {"wall4.x", nullptr, "QVWall6_cm.png", "QVWall6_2.png", "env_dark"},
    {"wall2.x", "QVWall7.png", "QVWall3A2_cm.png", nullptr, "env"},
    {"wall1.x", "QVWallBig2Lightversion.png", "QVWallBig2_cm.png", nullptr, "env"},
};

//! From the cell's centre to the wall on sides PlusZ..MinusX.
const irr::core::vector3df kWallShifts[4] = {
    irr::core::vector3df(0.0f, 0.0f, 5.0f),
    irr::core::vector3df(0.0f, 0.0f, -5.0f),
    irr::core::vector3df(5.0f, 0.0f, 0.0f),
    irr::core::vector3df(-5.0f, 0.0f, 0.0f),
};
} // namespace

void VisualSpace::placeFloor(const MapCoord& cell, FloorCode code)
{
    irr::core::vector3df position = cellCentre(cell);
    position.Y = -5.0f;
    irr::scene::ISceneNode* floor = m_sceneManager->addCubeSceneNode(10.0f, nullptr, -1, position);
    const FloorLook look = floorLook(code);
    setLevelTexture(floor, 0, look.surface);
    setLevelTexture(floor, 2, look.color);
    floor->setRotation(irr::core::vector3df(0.0f, look.yaw, 0.0f));
    switchLightingOff(floor);
    applyLevelMaterial(floor, m_shaders, "env", m_anisotropicFiltering);
    addNode(floor);
}

void VisualSpace::placeWall(const MapCoord& cell, WallType type, WallSide side)
{
    const irr::s32 typeNumber = static_cast<irr::s32>(type);
    if (typeNumber < 1 || typeNumber > 7)
        return;
    const WallLook& look = kWallLooks[typeNumber - 1];
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
    const bool upright = type == WallType::Creepy || type == WallType::Dark;
    irr::core::vector3df position = cellCentre(cell);
    position.Y = upright ? 0.0f : 10.0f;
    const irr::s32 sideNumber = static_cast<irr::s32>(side);
    if (sideNumber >= 1 && sideNumber <= 4)
    {
        wall->setRotation(irr::core::vector3df(upright ? 0.0f : -90.0f, facingYaw(side), 0.0f));
        position += kWallShifts[sideNumber - 1];
    }
    wall->setPosition(position);
    applyLevelMaterial(wall, m_shaders, look.shader, m_anisotropicFiltering);
    addNode(wall);
}

void VisualSpace::placeBars(const MapCoord& cell, irr::s32 barsType, WallSide side, irr::s32 id)
{
    irr::scene::IMeshSceneNode* bars = addLevelMesh(m_sceneManager, barsType == 2 ? "git2.x" : "git1.x");
    if (!bars)
        return;
    bars->setScale(kPieceScale);
    bars->setRotation(irr::core::vector3df(-90.0f, 0.0f, 270.0f));
    irr::core::vector3df position = cellCentre(cell);
    switch (side)
    {
    case WallSide::PlusZ:
        bars->setRotation(irr::core::vector3df(0.0f, 0.0f, 0.0f));
        position += irr::core::vector3df(-2.5f, 0.0f, -2.5f);
        break;
    case WallSide::MinusZ:
        bars->setRotation(irr::core::vector3df(0.0f, 0.0f, 0.0f));
        position += irr::core::vector3df(-2.5f, 0.0f, 2.5f);
        break;
    case WallSide::PlusX:
        bars->setRotation(irr::core::vector3df(0.0f, 270.0f, 0.0f));
        position += irr::core::vector3df(2.5f, 0.0f, -2.5f);
        break;
    case WallSide::MinusX:
        bars->setRotation(irr::core::vector3df(0.0f, 270.0f, 0.0f));
        position += irr::core::vector3df(-2.5f, 0.0f, -2.5f);
        break;
    default:
        break;
    }
    bars->setPosition(position);
    setLevelTexture(bars, 2, "QVSaeule_cm.png");
    applyLevelMaterial(bars, m_shaders, "env", m_anisotropicFiltering);
    bars->setID(id);
    registerObject(bars);
    addNode(bars);
}
} // namespace Belgarune
