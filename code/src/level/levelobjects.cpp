// Banners, doors and props of the level (piece kinds Panel to Platform).

#include "code/src/level/levelmaterial.h"
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

struct PropLook
{
    const char* mesh;
    const char* color;
};

//! Kinds Pot..Platform; null mesh where the variant has none.
PropLook propLook(PieceKind kind, irr::s32 variant)
{
    switch (kind)
    {
    case PieceKind::Pot:
        return {"topf1.X", "qv_topf1B_cm.png"};
    case PieceKind::Pedestal:
        return {"podest1.X", "QVsaule1B_cm.png"};
    case PieceKind::Instrument:
        return {"inst.X", "muschel_uv_b.png"};
    case PieceKind::Pillar:
        return {"saule1.X", "QVSaeule_cm.png"};
    case PieceKind::Ceiling:
        return {"ceil.X", nullptr};
    case PieceKind::Keystone:
        return {"keystone.X", nullptr};
    case PieceKind::Grave:
        switch (variant)
        {
        case 1:
            return {"grave_1.X", "QVGraveQueen_cm.png"};
        case 2:
            return {"grave_2.X", "QVGraveChild_cm.png"};
        case 3:
            return {"grave_3.X", "GraveUnknown_cm.png"};
        default:
            return {nullptr, nullptr};
        }
    case PieceKind::Map:
        return {"map.X", "QVMapBack2_cm.png"};
    case PieceKind::KillsTablet:
        return {"kill1.X", "QVBoden1_cm.png"};
    case PieceKind::ViolinKey:
        return {"item_vio.X", "QVBoden1_cm.png"};
    case PieceKind::BassKey:
        return {"item_bass.X", "QVBoden1_cm.png"};
    case PieceKind::AltoKey:
        return {"item_alt.X", "QVBoden1_cm.png"};
    case PieceKind::HealStone:
        return {"hs.X", "qvHealing_cm.png"};
    case PieceKind::Platform:
        return {variant == 3 ? "plat2.X" : "plat.X", "Plattform_cm.png"};
    default:
        return {nullptr, nullptr};
    }
}

struct KeystoneLook
{
    irr::core::vector3df offset;
    irr::f32 pitch;
    irr::f32 yaw;
    const char* surface;
    const char* color;
};

//! Keystone variants 1..3.
const KeystoneLook kKeystoneLooks[3] = {
    {irr::core::vector3df(7.0f, 0.0f, -6.0f), -90.0f, -135.0f, "QVKeystone1A.png", "QVKeystone1A_cm.png"},
    {irr::core::vector3df(5.0f, 0.0f, -4.0f), -90.0f, -90.0f, "QVKeystone2A.png", "QVKeystone2A_cm.png"},
    {irr::core::vector3df(0.0f, 0.0f, 0.0f), -90.0f, -45.0f, "QVKeystone3A.png", "QVKeystone3A_cm.png"},
};

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
    applyLevelMaterial(panel, m_shaders, "env_alpha");
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
    applyLevelMaterial(door, m_shaders, "env");
    return door;
}

irr::scene::ISceneNode* VisualSpace::createProp(PieceKind kind, const MapCoord& cell, irr::s32 variant,
                                                WallSide facing)
{
    const PropLook look = propLook(kind, variant);
    irr::scene::IMeshSceneNode* prop = look.mesh ? addLevelMesh(m_sceneManager, look.mesh) : nullptr;
    if (!prop)
        return nullptr;
    setLevelTexture(prop, 2, look.color);
    irr::core::vector3df position = cellCentre(cell);
    irr::core::vector3df rotation(0.0f, facingYaw(facing), 0.0f);
    prop->setScale(kPieceScale);

    switch (kind)
    {
    case PieceKind::Pot:
        rotation.Y += 45.0f;
        break;
    case PieceKind::Instrument:
        position.Y = 6.0f;
        rotation.X = -90.0f;
        break;
    case PieceKind::Ceiling:
        position.Y = 22.0f;
        addLamp(m_sceneManager, prop);
        break;
    case PieceKind::Keystone:
        prop->setScale(irr::core::vector3df(0.3f, 0.3f, 0.3f));
        if (variant >= 1 && variant <= 3)
        {
            const KeystoneLook& keystone = kKeystoneLooks[variant - 1];
            position += keystone.offset;
            rotation.X = keystone.pitch;
            rotation.Y = keystone.yaw;
            setFirstMaterialTexture(prop, 0, keystone.surface);
            setFirstMaterialTexture(prop, 2, keystone.color);
        }
        break;
    case PieceKind::Grave:
        position.X += 15.0f;
        if (variant == 3)
            position += irr::core::vector3df(-15.0f, 0.0f, 15.0f);
        break;
    case PieceKind::Map:
        prop->setMaterialFlag(irr::video::EMF_BACK_FACE_CULLING, false);
        position.Y += 2.0f;
        break;
    case PieceKind::KillsTablet:
        position.Y += 16.0f;
        break;
    case PieceKind::ViolinKey:
        position.Y = 7.0f;
        rotation.X = -90.0f;
        break;
    case PieceKind::BassKey:
        position.Y = 7.0f;
        rotation.X = -90.0f;
        rotation.Y = 270.0f;
        break;
    case PieceKind::AltoKey:
        position.Y = 7.0f;
        rotation.Z = 90.0f;
        break;
    default:
        break;
    }

    if (kind == PieceKind::Instrument)
    {
        if (m_shaders)
            m_shaders->setShader(prop, "shell", 0, true);
    }
    else if (kind == PieceKind::Grave)
    {
        setAllMaterialTypes(prop, levelMaterialType(m_shaders, "env"));
        const irr::s32 alpha = levelMaterialType(m_shaders, "env_alpha");
        if (variant == 1)
            setMaterialTypeAt(prop, 5, alpha);
        else
            setMaterialTypeAt(prop, 6, alpha);
    }
    else if (kind != PieceKind::Ceiling)
    {
        if (m_shaders)
            m_shaders->setShader(prop, "env", 0, true);
        setAllMaterialTypes(prop, levelMaterialType(m_shaders, "env"));
    }

    prop->setPosition(position);
    prop->setRotation(rotation);
    applyFogAndFilters(prop);
    return prop;
}
} // namespace Belgarune
