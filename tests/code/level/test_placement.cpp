// Placement of level pieces on the null driver: nodes, positions, turns, scales, textures, filing and ids.

#include "code/src/world/mapcoord.h"
#include "code/src/level/visualspace.h"
#include "talvoren/shadermanager.h"
#include "tests/support/levelassets.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <cstdio>
#include <functional>
#include <iterator>

using Belgarune::MapCoord;
using Belgarune::FloorCode;
using Belgarune::PieceKind;
using Belgarune::VisualSpace;
using Belgarune::WallSide;
using Belgarune::WallType;
using irr::core::vector3df;

namespace
{
const MapCoord kCell(12, 0, 300);

class PlacementTest : public ::testing::Test
{
protected:
    PlacementTest()
        : m_device(testlevel::createNullDevice()), m_scene(m_device->getSceneManager()),
          m_shaders(m_device->getVideoDriver()), m_space(m_scene, &m_shaders)
    {
        testlevel::writeLevelAssets(m_device->getVideoDriver());
        for (const char* name : {"env", "env_alpha", "env_dark", "shell"})
            m_shaders.addShader("", "", name, irr::video::EMT_SOLID, nullptr);
    }
    ~PlacementTest() override { m_device->drop(); }

    //! The node the last placement created (the scene's newest top-level node).
    irr::scene::ISceneNode* lastPlaced() const
    {
        const irr::core::list<irr::scene::ISceneNode*>& children = m_scene->getRootSceneNode()->getChildren();
        return children.empty() ? nullptr : *children.getLast();
    }

    size_t nodeCount() const { return m_scene->getRootSceneNode()->getChildren().size(); }

    static std::string textureName(irr::scene::ISceneNode* node, irr::u32 layer, irr::u32 material = 0)
    {
        irr::video::ITexture* texture = node->getMaterial(material).getTexture(layer);
        if (!texture)
            return "";
        const std::string path = texture->getName().getPath().c_str();
        return path.substr(path.find_last_of('/') + 1);
    }

    //! The file name of the mesh the node shows.
    std::string meshName(irr::scene::ISceneNode* node) const
    {
        const irr::scene::IMesh* mesh = static_cast<irr::scene::IMeshSceneNode*>(node)->getMesh();
        const std::string path = m_scene->getMeshCache()->getMeshName(mesh).getPath().c_str();
        return path.substr(path.find_last_of('/') + 1);
    }

    bool remembered(const char* shader, irr::scene::ISceneNode* node) const
    {
        return m_shaders.findEntry(shader)->nodes.linear_search(node) >= 0;
    }

    static void expectNear(const vector3df& actual, const vector3df& expected)
    {
        EXPECT_TRUE(actual.equals(expected, 0.001f))
            << "(" << actual.X << ", " << actual.Y << ", " << actual.Z << ") != (" << expected.X << ", " << expected.Y
            << ", " << expected.Z << ")";
    }

    testsupport::TempWorkDir m_workDir;
    irr::IrrlichtDevice* m_device;
    irr::scene::ISceneManager* m_scene;
    Talvoren::ShaderManager m_shaders;
    VisualSpace m_space;
};

TEST_F(PlacementTest, FloorIsAnUnlitCubeWithItsTexturesFiledButNotListed)
{
    m_space.placeFloor(kCell, FloorCode::Plain);
    irr::scene::ISceneNode* floor = lastPlaced();
    ASSERT_NE(floor, nullptr);
    EXPECT_EQ(floor->getType(), irr::scene::ESNT_CUBE);
    expectNear(floor->getPosition(), vector3df(120.0f, -5.0f, 3000.0f));
    expectNear(floor->getRotation(), vector3df(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(floor->getBoundingBox().getExtent(), vector3df(10.0f, 10.0f, 10.0f));
    EXPECT_EQ(textureName(floor, 0), "QVBoden1.png");
    EXPECT_EQ(textureName(floor, 1), "fog.jpg");
    EXPECT_EQ(textureName(floor, 2), "QVBoden1_cm.png");
    EXPECT_FALSE(floor->getMaterial(0).Lighting);
    EXPECT_TRUE(floor->getMaterial(0).TextureLayer[0].TrilinearFilter);
    EXPECT_GT(floor->getMaterial(0).TextureLayer[0].AnisotropicFilter, 0);
    EXPECT_TRUE(remembered("env", floor));
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(1, 30))[0], floor);
    EXPECT_EQ(floor->getID(), -1);
    EXPECT_EQ(m_space.findObject(-1), nullptr);
}

TEST_F(PlacementTest, FloorKindsChooseTexturesAndTurn)
{
    struct Case
    {
        FloorCode kind;
        const char* surface;
        const char* color;
        irr::f32 yaw;
    };
    const Case cases[] = {{FloorCode::Plain, "QVBoden1.png", "QVBoden1_cm.png", 0.0f},
                          {FloorCode::Patterned, "QVBoden2.png", "QVBoden2_cm.png", 0.0f},
                          {FloorCode::Gloomy, "QVBoden3.png", "QVBoden3_cm.png", 0.0f},
                          {FloorCode::Dark, "QVBoden4.png", "QVBoden4_cm.png", 90.0f},
                          {FloorCode::DarkEdge, "QVBoden4Uebergang.png", "QVBoden4Uebergang_cm.png", 90.0f}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "floor kind " << static_cast<int>(c.kind));
        m_space.placeFloor(kCell, c.kind);
        EXPECT_EQ(textureName(lastPlaced(), 0), c.surface);
        EXPECT_EQ(textureName(lastPlaced(), 2), c.color);
        expectNear(lastPlaced()->getRotation(), vector3df(0.0f, c.yaw, 0.0f));
    }
    // Kind 3 has no textures of its own: only the fog layer.
    m_space.placeFloor(kCell, FloorCode::Sealed);
    EXPECT_EQ(textureName(lastPlaced(), 0), "");
    EXPECT_EQ(textureName(lastPlaced(), 1), "fog.jpg");
    EXPECT_EQ(textureName(lastPlaced(), 2), "");
}

TEST_F(PlacementTest, WallsStandOnTheCellEdgeOfTheirSide)
{
    struct Case
    {
        WallType type;
        WallSide side;
        vector3df position;
        vector3df rotation;
    };
    const Case cases[] = {
        {WallType::Large, WallSide::MinusX, vector3df(115.0f, 10.0f, 3000.0f), vector3df(-90.0f, 270.0f, 0.0f)},
        {WallType::Creepy, WallSide::MinusX, vector3df(115.0f, 0.0f, 3000.0f), vector3df(0.0f, 270.0f, 0.0f)},
        {WallType::Stone, WallSide::PlusZ, vector3df(120.0f, 10.0f, 3005.0f), vector3df(-90.0f, 0.0f, 0.0f)},
        {WallType::Dark, WallSide::MinusZ, vector3df(120.0f, 0.0f, 2995.0f), vector3df(0.0f, 180.0f, 0.0f)},
        {WallType::LargeLight, WallSide::PlusX, vector3df(125.0f, 10.0f, 3000.0f),
         vector3df(-90.0f, 90.0f, 0.0f)},
        // An unknown side leaves the panel lying at the centre, even for the upright types.
        {WallType::Dark, static_cast<WallSide>(9), vector3df(120.0f, 0.0f, 3000.0f),
         vector3df(-90.0f, 0.0f, 0.0f)},
    };
    for (const Case& c : cases)
    {
        m_space.placeWall(kCell, c.type, c.side);
        irr::scene::ISceneNode* wall = lastPlaced();
        SCOPED_TRACE(testing::Message() << "type " << static_cast<int>(c.type) << " side "
                                          << static_cast<int>(c.side));
        expectNear(wall->getPosition(), c.position);
        expectNear(wall->getRotation(), c.rotation);
        expectNear(wall->getScale(), vector3df(0.2f, 0.2f, 0.2f));
        EXPECT_FALSE(wall->getMaterial(0).Lighting);
        EXPECT_EQ(textureName(wall, 1), "fog.jpg");
    }
}

TEST_F(PlacementTest, WallTypesChooseMeshTexturesAndShader)
{
    m_space.placeWall(kCell, WallType::Large, WallSide::PlusZ);
    irr::scene::ISceneNode* plain = lastPlaced();
    EXPECT_EQ(textureName(plain, 0), "stone1.png"); // the mesh's own
    EXPECT_EQ(textureName(plain, 2), "QVWallBig2_cm.png");
    EXPECT_EQ(textureName(plain, 3), "");
    EXPECT_TRUE(remembered("env", plain));

    m_space.placeWall(kCell, WallType::StoneCracked, WallSide::PlusZ);
    EXPECT_EQ(textureName(lastPlaced(), 0), "QVWall5.png");
    m_space.placeWall(kCell, WallType::StoneCarved, WallSide::PlusZ);
    EXPECT_EQ(textureName(lastPlaced(), 0), "QVWall7.png");

    m_space.placeWall(kCell, WallType::Creepy, WallSide::PlusZ);
    irr::scene::ISceneNode* creepy = lastPlaced();
    EXPECT_EQ(textureName(creepy, 0), "stone3.png");
    EXPECT_EQ(textureName(creepy, 2), "QVWall4CreepyEdition.png");
    EXPECT_EQ(textureName(creepy, 3), "QVWall4CreepyEdition.png");
    EXPECT_TRUE(remembered("env_dark", creepy));
    EXPECT_FALSE(remembered("env", creepy));

    m_space.placeWall(kCell, WallType::Dark, WallSide::PlusZ);
    EXPECT_EQ(textureName(lastPlaced(), 0), "stone4.png");
    EXPECT_EQ(textureName(lastPlaced(), 3), "QVWall6_2.png");
}

TEST_F(PlacementTest, WallTypesAndBarsTypesChooseTheirMeshes)
{
    const char* const wallMeshes[7] = {"wall1.x", "wall2.x", "wall2.x", "wall3.x", "wall4.x", "wall2.x", "wall1.x"};
    for (irr::s32 type = 1; type <= 7; ++type)
    {
        m_space.placeWall(kCell, static_cast<WallType>(type), WallSide::PlusZ);
        EXPECT_EQ(meshName(lastPlaced()), wallMeshes[type - 1]) << "wall type " << type;
    }
    m_space.placeBars(kCell, 2, WallSide::PlusZ, 1);
    EXPECT_EQ(meshName(lastPlaced()), "git2.x");
    m_space.placeBars(kCell, 3, WallSide::PlusZ, 2);
    EXPECT_EQ(meshName(lastPlaced()), "git1.x");
}

TEST_F(PlacementTest, UnknownWallTypesAndMissingMeshesPlaceNothing)
{
    const size_t before = nodeCount();
    m_space.placeWall(kCell, WallType::None, WallSide::PlusZ);
    m_space.placeWall(kCell, static_cast<WallType>(8), WallSide::PlusZ);
    std::remove("gamedata/objects/wall2.x");
    m_space.placeWall(kCell, WallType::Stone, WallSide::PlusZ);
    EXPECT_EQ(nodeCount(), before);
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(1, 30)).size(), 0u);
}

TEST_F(PlacementTest, BarsAreListedByIdAndSidesOneAndFourDifferOnlyInTurn)
{
    m_space.placeBars(kCell, 2, WallSide::PlusX, 41);
    irr::scene::ISceneNode* bars = lastPlaced();
    expectNear(bars->getPosition(), vector3df(122.5f, 0.0f, 2997.5f));
    expectNear(bars->getRotation(), vector3df(0.0f, 270.0f, 0.0f));
    EXPECT_EQ(m_space.findObject(41), bars);
    EXPECT_EQ(textureName(bars, 2), "QVSaeule_cm.png");
    EXPECT_TRUE(bars->getMaterial(0).Lighting); // bars keep their lighting flag
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(1, 29))[0], bars);

    m_space.placeBars(kCell, 1, WallSide::PlusZ, 42);
    irr::scene::ISceneNode* side1 = lastPlaced();
    m_space.placeBars(kCell, 1, WallSide::MinusX, 43);
    irr::scene::ISceneNode* side4 = lastPlaced();
    expectNear(side1->getPosition(), side4->getPosition());
    expectNear(side1->getRotation(), vector3df(0.0f, 0.0f, 0.0f));
    expectNear(side4->getRotation(), vector3df(0.0f, 270.0f, 0.0f));

    m_space.placeBars(kCell, 1, WallSide::MinusZ, 45);
    expectNear(lastPlaced()->getPosition(), vector3df(117.5f, 0.0f, 3002.5f));
    expectNear(lastPlaced()->getRotation(), vector3df(0.0f, 0.0f, 0.0f));

    m_space.placeBars(kCell, 1, WallSide::None, 44);
    expectNear(lastPlaced()->getPosition(), vector3df(120.0f, 0.0f, 3000.0f));
    expectNear(lastPlaced()->getRotation(), vector3df(-90.0f, 0.0f, 270.0f));

    m_space.removeObject(41);
    EXPECT_EQ(m_space.findObject(41), nullptr);
}

TEST_F(PlacementTest, PanelsAreCubesThatNeverTurn)
{
    m_space.placeObject(PieceKind::Panel, kCell, 5, WallSide::PlusX, -1);
    irr::scene::ISceneNode* panel = lastPlaced();
    EXPECT_EQ(panel->getType(), irr::scene::ESNT_CUBE);
    expectNear(panel->getPosition(), vector3df(120.0f, 7.0f, 3000.0f));
    expectNear(panel->getRotation(), vector3df(0.0f, 0.0f, 0.0f));
    expectNear(panel->getScale(), vector3df(0.6f, 1.0f, 1.1f));
    EXPECT_EQ(textureName(panel, 0), "QVPuzzle2A.png");
    EXPECT_EQ(textureName(panel, 2), "QVPuzzle2A_cm.png");
    EXPECT_TRUE(remembered("env_alpha", panel));

    m_space.placeObject(PieceKind::Panel, kCell, 9, WallSide::PlusZ, -1);
    expectNear(lastPlaced()->getScale(), vector3df(1.1f, 1.0f, 1.1f));
    m_space.placeObject(PieceKind::Panel, kCell, 42, WallSide::MinusZ, -1);
    expectNear(lastPlaced()->getScale(), vector3df(0.9f, 1.0f, 1.1f));
    EXPECT_EQ(textureName(lastPlaced(), 0), "");

    // The dungeon logic gives every panel id -1: removal by -1 takes the first.
    m_space.removeObject(-1);
    EXPECT_EQ(m_space.getObjects().size(), 2u);
    EXPECT_NE(m_space.getObjects()[0], panel);
}

TEST_F(PlacementTest, EveryPanelVariantTakesItsTextures)
{
    const char* const looks[11][2] = {
        {"QVBannerClear.png", "QVBoden1_cm.png"}, {"QVBanner1.png", "QVBanner1_cm.png"},
        {"QVBanner2.png", "QVBanner2_cm.png"},    {"QVBanner3.png", "QVBanner3_cm.png"},
        {"QVBanner4.png", "QVBanner4.png"},       {"QVPuzzle2A.png", "QVPuzzle2A_cm.png"},
        {"QVPuzzle2D.png", "QVPuzzle2D_cm.png"},  {"QVPuzzle2B.png", "QVPuzzle2B_cm.png"},
        {"QVPuzzle2C.png", "QVPuzzle2C_cm.png"},  {"qvRelief1.png", "qvRelief_cm.png"},
        {"qvRelief2.png", "qvRelief2_cm.png"}};
    const irr::f32 widths[11] = {0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.6f, 0.6f, 0.6f, 0.6f, 1.1f, 1.1f};
    for (irr::s32 variant = 0; variant <= 10; ++variant)
    {
        SCOPED_TRACE(testing::Message() << "variant " << variant);
        m_space.placeObject(PieceKind::Panel, kCell, variant, WallSide::PlusZ, -1);
        EXPECT_EQ(textureName(lastPlaced(), 0), looks[variant][0]);
        EXPECT_EQ(textureName(lastPlaced(), 2), looks[variant][1]);
        expectNear(lastPlaced()->getScale(), vector3df(widths[variant], 1.0f, 1.1f));
    }
}

TEST_F(PlacementTest, EveryObjectKindAndVariantTakesItsMeshAndColourTexture)
{
    struct Case
    {
        PieceKind kind;
        irr::s32 variant;
        const char* mesh;
        const char* color;
    };
    const Case cases[] = {
        {PieceKind::BlockDoor, 1, "door1.X", "blocktuer1_cm.png"},
        {PieceKind::BlockDoor, 2, "door1_2.X", "blocktuer1_cm.png"},
        {PieceKind::BlockDoor, 3, "door1_3.X", "blocktuer1_cm.png"},
        {PieceKind::BlockDoor, 4, "door1_4.X", "blocktuer1_cm.png"},
        {PieceKind::BlockDoor, 5, "door1_5.X", "blocktuer1_cm.png"},
        {PieceKind::BlockDoor, 6, "door1_6.X", "blocktuer1_cm.png"},
        {PieceKind::BlockDoor, 7, "door1_7.X", "blocktuer1_cm.png"},
        {PieceKind::CellDoor, 9, "door2.X", "tex_gittertuer_cm.png"},
        {PieceKind::Pot, 0, "topf1.X", "qv_topf1B_cm.png"},
        {PieceKind::Pedestal, 0, "podest1.X", "QVsaule1B_cm.png"},
        {PieceKind::Instrument, 0, "inst.X", "muschel_uv_b.png"},
        {PieceKind::Pillar, 0, "saule1.X", "QVSaeule_cm.png"},
        {PieceKind::Ceiling, 0, "ceil.X", ""},
        {PieceKind::Keystone, 2, "keystone.X", "QVKeystone2A_cm.png"},
        {PieceKind::Keystone, 3, "keystone.X", "QVKeystone3A_cm.png"},
        {PieceKind::Grave, 1, "grave_1.X", "QVGraveQueen_cm.png"},
        {PieceKind::Grave, 2, "grave_2.X", "QVGraveChild_cm.png"},
        {PieceKind::Grave, 3, "grave_3.X", "GraveUnknown_cm.png"},
        {PieceKind::Map, 0, "map.X", "QVMapBack2_cm.png"},
        {PieceKind::KillsTablet, 0, "kill1.X", "QVBoden1_cm.png"},
        {PieceKind::ViolinKey, 0, "item_vio.X", "QVBoden1_cm.png"},
        {PieceKind::BassKey, 0, "item_bass.X", "QVBoden1_cm.png"},
        {PieceKind::AltoKey, 0, "item_alt.X", "QVBoden1_cm.png"},
        {PieceKind::HealStone, 0, "hs.X", "qvHealing_cm.png"},
        {PieceKind::Platform, 1, "plat.X", "Plattform_cm.png"},
        {PieceKind::Platform, 3, "plat2.X", "Plattform_cm.png"},
    };
    irr::s32 id = 200;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind) << " variant " << c.variant);
        m_space.placeObject(c.kind, kCell, c.variant, WallSide::PlusZ, id);
        irr::scene::ISceneNode* node = m_space.findObject(id++);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(meshName(node), c.mesh);
        EXPECT_EQ(textureName(node, 2), c.color);
        EXPECT_EQ(textureName(node, 1), "fog.jpg");
    }
}

TEST_F(PlacementTest, DoorsTurnByFacingAndCellDoorsShift)
{
    m_space.placeObject(PieceKind::BlockDoor, kCell, 1, WallSide::PlusX, 50);
    irr::scene::ISceneNode* block = lastPlaced();
    expectNear(block->getPosition(), vector3df(120.0f, 0.0f, 3000.0f));
    expectNear(block->getRotation(), vector3df(0.0f, 90.0f, 0.0f));
    expectNear(block->getScale(), vector3df(0.2f, 0.2f, 0.2f));
    EXPECT_EQ(textureName(block, 2, 1), "blocktuer1_cm.png");
    EXPECT_TRUE(remembered("env", block));
    EXPECT_EQ(m_space.findObject(50), block);

    m_space.placeObject(PieceKind::CellDoor, kCell, 0, WallSide::MinusZ, 51);
    expectNear(lastPlaced()->getPosition(), vector3df(123.0f, 0.0f, 3000.0f));
    expectNear(lastPlaced()->getRotation(), vector3df(0.0f, 180.0f, 0.0f));
    EXPECT_EQ(textureName(lastPlaced(), 2), "tex_gittertuer_cm.png");
    m_space.placeObject(PieceKind::CellDoor, kCell, 0, WallSide::PlusX, 52);
    expectNear(lastPlaced()->getPosition(), vector3df(117.5f, 0.0f, 3002.5f));
    m_space.placeObject(PieceKind::CellDoor, kCell, 0, WallSide::MinusX, 53);
    expectNear(lastPlaced()->getPosition(), vector3df(120.0f, 0.0f, 3000.0f));
    expectNear(lastPlaced()->getRotation(), vector3df(0.0f, 270.0f, 0.0f));

    const size_t before = nodeCount();
    m_space.placeObject(PieceKind::BlockDoor, kCell, 8, WallSide::PlusZ, 54);
    EXPECT_EQ(nodeCount(), before);
    EXPECT_EQ(m_space.findObject(54), nullptr);
}

TEST_F(PlacementTest, KeysAndInstrumentFloatAndTurnTheirOwnWay)
{
    m_space.placeObject(PieceKind::ViolinKey, kCell, 0, WallSide::MinusZ, 70);
    irr::scene::ISceneNode* violin = lastPlaced();
    expectNear(violin->getPosition(), vector3df(120.0f, 7.0f, 3000.0f));
    expectNear(violin->getRotation(), vector3df(-90.0f, 180.0f, 0.0f));
    expectNear(violin->getScale(), vector3df(0.2f, 0.2f, 0.2f));
    EXPECT_FALSE(violin->getMaterial(0).Lighting);
    EXPECT_TRUE(remembered("env", violin));
    EXPECT_EQ(violin->getID(), 70);
    EXPECT_EQ(textureName(violin, 1), "fog.jpg");
    EXPECT_EQ(textureName(violin, 2), "QVBoden1_cm.png");

    for (irr::s32 facing = 0; facing <= 4; ++facing)
    {
        m_space.placeObject(PieceKind::BassKey, kCell, 0, static_cast<WallSide>(facing), 71);
        expectNear(lastPlaced()->getRotation(), vector3df(-90.0f, 270.0f, 0.0f));
    }
    m_space.placeObject(PieceKind::AltoKey, kCell, 0, WallSide::PlusX, 72);
    expectNear(lastPlaced()->getPosition(), vector3df(120.0f, 7.0f, 3000.0f));
    expectNear(lastPlaced()->getRotation(), vector3df(0.0f, 90.0f, 90.0f));

    m_space.placeObject(PieceKind::Instrument, kCell, 0, WallSide::PlusZ, 73);
    expectNear(lastPlaced()->getPosition(), vector3df(120.0f, 6.0f, 3000.0f));
    expectNear(lastPlaced()->getRotation(), vector3df(-90.0f, 0.0f, 0.0f));
    EXPECT_TRUE(remembered("shell", lastPlaced()));
    EXPECT_FALSE(remembered("env", lastPlaced()));
}

TEST_F(PlacementTest, GravesShiftByVariantAndUnknownVariantsPlaceNothing)
{
    m_space.placeObject(PieceKind::Grave, kCell, 3, WallSide::PlusZ, 80);
    expectNear(lastPlaced()->getPosition(), vector3df(120.0f, 0.0f, 3015.0f));
    EXPECT_EQ(textureName(lastPlaced(), 2), "GraveUnknown_cm.png");
    EXPECT_FALSE(remembered("env", lastPlaced()));
    m_space.placeObject(PieceKind::Grave, kCell, 1, WallSide::PlusZ, 81);
    expectNear(lastPlaced()->getPosition(), vector3df(135.0f, 0.0f, 3000.0f));
    EXPECT_EQ(lastPlaced()->getMaterialCount(), 7u);

    const size_t before = nodeCount();
    m_space.placeObject(PieceKind::Grave, kCell, 4, WallSide::PlusZ, 82);
    EXPECT_EQ(nodeCount(), before);
}

TEST_F(PlacementTest, PropsTakeTheirKindsOwnChanges)
{
    m_space.placeObject(PieceKind::Pot, kCell, 0, WallSide::PlusX, 90);
    expectNear(lastPlaced()->getRotation(), vector3df(0.0f, 135.0f, 0.0f));
    m_space.placeObject(PieceKind::KillsTablet, kCell, 0, WallSide::PlusZ, 91);
    expectNear(lastPlaced()->getPosition(), vector3df(120.0f, 16.0f, 3000.0f));
    m_space.placeObject(PieceKind::Map, kCell, 0, WallSide::MinusX, 92);
    expectNear(lastPlaced()->getPosition(), vector3df(120.0f, 2.0f, 3000.0f));
    expectNear(lastPlaced()->getRotation(), vector3df(0.0f, 270.0f, 0.0f));
    EXPECT_FALSE(lastPlaced()->getMaterial(0).BackfaceCulling);
    m_space.placeObject(PieceKind::Pillar, kCell, 0, static_cast<WallSide>(7), 93);
    expectNear(lastPlaced()->getRotation(), vector3df(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(textureName(lastPlaced(), 2), "QVSaeule_cm.png");
}

TEST_F(PlacementTest, KeystonesTakeTheirOffsetTurnAndTexturesOnTheFirstMaterial)
{
    m_space.placeObject(PieceKind::Keystone, kCell, 1, WallSide::MinusZ, 12);
    irr::scene::ISceneNode* keystone = lastPlaced();
    expectNear(keystone->getPosition(), vector3df(127.0f, 0.0f, 2994.0f));
    expectNear(keystone->getRotation(), vector3df(-90.0f, -135.0f, 0.0f));
    expectNear(keystone->getScale(), vector3df(0.3f, 0.3f, 0.3f));
    EXPECT_EQ(textureName(keystone, 0), "QVKeystone1A.png");
    EXPECT_EQ(textureName(keystone, 2), "QVKeystone1A_cm.png");

    m_space.placeObject(PieceKind::Keystone, kCell, 7, WallSide::MinusZ, 13);
    expectNear(lastPlaced()->getPosition(), vector3df(120.0f, 0.0f, 3000.0f));
    expectNear(lastPlaced()->getRotation(), vector3df(0.0f, 180.0f, 0.0f));
    EXPECT_EQ(textureName(lastPlaced(), 0), "prop.png");
    EXPECT_EQ(textureName(lastPlaced(), 2), "");
}

TEST_F(PlacementTest, TheCeilingCarriesItsLampAndNoShader)
{
    m_space.placeObject(PieceKind::Ceiling, kCell, 0, WallSide::PlusZ, 100);
    irr::scene::ISceneNode* ceiling = lastPlaced();
    expectNear(ceiling->getPosition(), vector3df(120.0f, 22.0f, 3000.0f));
    EXPECT_FALSE(remembered("env", ceiling));
    EXPECT_EQ(textureName(ceiling, 1), "fog.jpg");
    ASSERT_EQ(ceiling->getChildren().size(), 1u);
    irr::scene::ISceneNode* lamp = *ceiling->getChildren().begin();
    expectNear(lamp->getPosition(), vector3df(0.0f, -13.0f, 0.0f));
    EXPECT_EQ(lamp->getMaterial(0).MaterialType, irr::video::EMT_TRANSPARENT_ADD_COLOR);
    EXPECT_FALSE(lamp->getMaterial(0).Lighting);
    EXPECT_EQ(m_space.getObjects().size(), 1u);
    EXPECT_EQ(m_space.getCell(VisualSpace::Cell(1, 30)).size(), 1u);
}

TEST_F(PlacementTest, KindsOutsideTheObjectRangeCreateNothing)
{
    const size_t before = nodeCount();
    m_space.placeObject(static_cast<PieceKind>(20), kCell, 1, WallSide::PlusZ, 110);
    m_space.placeObject(PieceKind::Bars, kCell, 1, WallSide::PlusZ, 111);
    EXPECT_EQ(nodeCount(), before);
    EXPECT_TRUE(m_space.getObjects().empty());
}

TEST_F(PlacementTest, PlatformsChooseTheirMeshByVariant)
{
    testsupport::writeFile("gamedata/objects/plat2.X",
                           testlevel::xMesh({testlevel::uprightQuad(10.0f, 0.0f, 20.0f)}, 1, "wood.png"));
    m_space.placeObject(PieceKind::Platform, kCell, 3, WallSide::PlusZ, 120);
    EXPECT_EQ(textureName(lastPlaced(), 0), "wood.png");
    m_space.placeObject(PieceKind::Platform, kCell, 2, WallSide::PlusZ, 121);
    EXPECT_EQ(textureName(lastPlaced(), 0), "prop.png");
}

TEST_F(PlacementTest, WithoutAnisotropicFilteringEveryPieceKeepsOnlyTrilinear)
{
    m_space.setAnisotropicFiltering(false);
    const std::function<void()> placements[] = {
        [&] { m_space.placeFloor(kCell, FloorCode::Plain); },
        [&] { m_space.placeWall(kCell, WallType::Stone, WallSide::PlusZ); },
        [&] { m_space.placeBars(kCell, 2, WallSide::PlusZ, 130); },
        [&] { m_space.placeObject(PieceKind::Panel, kCell, 5, WallSide::PlusX, -1); },
        [&] { m_space.placeObject(PieceKind::BlockDoor, kCell, 1, WallSide::PlusX, 131); },
        [&] { m_space.placeObject(PieceKind::Pillar, kCell, 0, WallSide::PlusZ, 132); },
    };
    for (size_t i = 0; i < std::size(placements); ++i)
    {
        SCOPED_TRACE(testing::Message() << "placement " << i);
        const size_t before = nodeCount();
        placements[i]();
        ASSERT_EQ(nodeCount(), before + 1);
        irr::scene::ISceneNode* piece = lastPlaced();
        for (irr::u32 m = 0; m < piece->getMaterialCount(); ++m)
        {
            EXPECT_TRUE(piece->getMaterial(m).TextureLayer[0].TrilinearFilter);
            EXPECT_EQ(piece->getMaterial(m).TextureLayer[0].AnisotropicFilter, 0);
        }
    }
}
} // namespace
