// Banners, doors and props of the level (piece kinds Panel to Platform).

#include "code/src/level/levelmaterial.h"
#include "code/src/level/proplooks.h"
#include "code/src/world/mapcoord.h"
#include "code/src/level/visualspace.h"
#include "talvoren/shadermanager.h"

#include <IMeshSceneNode.h>
#include <ISceneManager.h>

namespace Belgarune
{
namespace
{
struct PanelLook
{
    const char* surface;
    const char* color;
    irr::f32 scaleX;
};

PanelLook panelLook(irr::s32 variant)
{
    static const PanelLook kLooks[11] = {
        {"QVBannerClear.png", "QVBoden1_cm.png", 0.9f}, {"QVBanner1.png", "QVBanner1_cm.png", 0.9f},
        {"QVBanner2.png", "QVBanner2_cm.png", 0.9f},    {"QVBanner3.png", "QVBanner3_cm.png", 0.9f},
        {"QVBanner4.png", "QVBanner4.png", 0.9f},       {"QVPuzzle2A.png", "QVPuzzle2A_cm.png", 0.6f},
        {"QVPuzzle2D.png", "QVPuzzle2D_cm.png", 0.6f},  {"QVPuzzle2B.png", "QVPuzzle2B_cm.png", 0.6f},
        {"QVPuzzle2C.png", "QVPuzzle2C_cm.png", 0.6f},  {"qvRelief1.png", "qvRelief_cm.png", 1.1f},
        {"qvRelief2.png", "qvRelief2_cm.png", 1.1f},
    };
    if (variant < 0 || variant > 10)
        return {nullptr, nullptr, 0.9f};
    return kLooks[variant];
}

const char* doorMesh(PieceKind kind, irr::s32 variant)
{
    static const char* const kBlockDoors[7] = {"door1.X",   "door1_2.X", "door1_3.X", "door1_4.X",
                                               "door1_5.X", "door1_6.X", "door1_7.X"};
    if (kind == PieceKind::CellDoor)
        return "door2.X";
    return variant >= 1 && variant <= 7 ? kBlockDoors[variant - 1] : nullptr;
}

//! The ceiling's lamp hangs below it and is shown and hidden with it.
void addLamp(irr::scene::ISceneManager* sceneManager, irr::scene::ISceneNode* ceiling)
{
    irr::scene::IMeshSceneNode* lamp = addLevelMesh(sceneManager, "light1.X");
    if (!lamp)
        return;
    switchLightingOff(lamp);
    setAllMaterialTypes(lamp, irr::video::EMT_TRANSPARENT_ADD_COLOR);
    lamp->setParent(ceiling);
    lamp->setPosition(irr::core::vector3df(0.0f, -13.0f, 0.0f));
}

void applyPropShader(irr::scene::ISceneNode* prop, const PropLook& look, Talvoren::ShaderManager* shaders)
{
    switch (look.shader)
    {
    case PropShader::Env:
        if (shaders)
            shaders->setShader(prop, "env", 0, true);
        setAllMaterialTypes(prop, levelMaterialType(shaders, "env"));
        break;
    case PropShader::Shell:
        if (shaders)
            shaders->setShader(prop, "shell", 0, true);
        break;
    case PropShader::EnvType:
        setAllMaterialTypes(prop, levelMaterialType(shaders, "env"));
        break;
    case PropShader::None:
        break;
    }
    if (look.alphaMaterial >= 0)
        setMaterialTypeAt(prop, static_cast<irr::u32>(look.alphaMaterial), levelMaterialType(shaders, "env_alpha"));
}
} // namespace

void VisualSpace::placeObject(PieceKind kind, const MapCoord& cell, irr::s32 variant, WallSide facing, irr::s32 id)
{
    irr::scene::ISceneNode* node = nullptr;
    if (kind == PieceKind::Panel)
        node = createPanel(cell, variant);
    else if (kind == PieceKind::BlockDoor || kind == PieceKind::CellDoor)
        node = createDoor(kind, cell, variant, facing);
    else if (kind >= PieceKind::Pot && kind <= PieceKind::Platform)
        node = createProp(kind, cell, variant, facing);
    if (!node)
        return;
    switchLightingOff(node);
    node->setID(id);
    registerObject(node);
    addNode(node);
}

irr::scene::ISceneNode* VisualSpace::createPanel(const MapCoord& cell, irr::s32 variant)
{
    irr::core::vector3df position = cellCentre(cell);
    position.Y = 7.0f;
    irr::scene::ISceneNode* panel = m_sceneManager->addCubeSceneNode(10.0f, nullptr, -1, position);
    const PanelLook look = panelLook(variant);
    setLevelTexture(panel, 0, look.surface);
    setLevelTexture(panel, 2, look.color);
    panel->setScale(irr::core::vector3df(look.scaleX, 1.0f, 1.1f));
    applyLevelMaterial(panel, m_shaders, "env_alpha", m_anisotropicFiltering);
    return panel;
}

irr::scene::ISceneNode* VisualSpace::createDoor(PieceKind kind, const MapCoord& cell, irr::s32 variant,
                                                WallSide facing)
{
    const char* mesh = doorMesh(kind, variant);
    irr::scene::IMeshSceneNode* door = mesh ? addLevelMesh(m_sceneManager, mesh) : nullptr;
    if (!door)
        return nullptr;
    setLevelTexture(door, 2, kind == PieceKind::BlockDoor ? "blocktuer1_cm.png" : "tex_gittertuer_cm.png");
    irr::core::vector3df position = cellCentre(cell);
    door->setScale(kPieceScale);
    door->setRotation(irr::core::vector3df(0.0f, facingYaw(facing), 0.0f));
    // The cell door hangs off the middle of its cell.
    if (kind == PieceKind::CellDoor && facing == WallSide::MinusZ)
        position.X += 3.0f;
    else if (kind == PieceKind::CellDoor && facing == WallSide::PlusX)
        position += irr::core::vector3df(-2.5f, 0.0f, 2.5f);
    door->setPosition(position);
    if (kind == PieceKind::BlockDoor && variant != 5)
        setMaterialTypeAt(door, 1, levelMaterialType(m_shaders, "env_alpha"));
    applyLevelMaterial(door, m_shaders, "env", m_anisotropicFiltering);
    return door;
}

irr::scene::ISceneNode* VisualSpace::createProp(PieceKind kind, const MapCoord& cell, irr::s32 variant,
                                                WallSide facing)
{
    const PropLook* look = findPropLook(kind, variant);
    irr::scene::IMeshSceneNode* prop = look ? addLevelMesh(m_sceneManager, look->mesh) : nullptr;
    if (!prop)
        return nullptr;
    setLevelTexture(prop, 2, look->color);
    setFirstMaterialTexture(prop, 0, look->firstSurface);
    setFirstMaterialTexture(prop, 2, look->firstColor);
    prop->setScale(look->scale);
    if (look->extra == PropExtra::Lamp)
        addLamp(m_sceneManager, prop);
    else if (look->extra == PropExtra::TwoSided)
        prop->setMaterialFlag(irr::video::EMF_BACK_FACE_CULLING, false);
    applyPropShader(prop, *look, m_shaders);

    irr::core::vector3df rotation = look->turn;
    if (look->yaw == PropYaw::Facing)
        rotation.Y += facingYaw(facing);
    prop->setPosition(cellCentre(cell) + look->offset);
    prop->setRotation(rotation);
    applyFogAndFilters(prop, m_anisotropicFiltering);
    return prop;
}
} // namespace Belgarune
