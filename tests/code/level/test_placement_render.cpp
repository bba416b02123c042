// Level pieces drawn with their shaders by OpenGL: the material types they get,
// and a screenshot of a small room kept under <build dir>/test-artifacts/.

#include "code/src/world/mapcoord.h"
#include "code/src/shaders/shaderenvcallback.h"
#include "code/src/shaders/shaderenvdarkcallback.h"
#include "code/src/shaders/shadermaterials.h"
#include "code/src/level/visualspace.h"
#include "talvoren/shadermanager.h"
#include "tests/support/levelassets.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <irrlicht.h>

#include <filesystem>
#include <vector>

using Belgarune::FloorCode;
using Belgarune::MapCoord;
using Belgarune::PieceKind;
using Belgarune::WallSide;
using Belgarune::WallType;
using irr::core::vector3df;

namespace
{
const irr::u32 kWidth = 480;
const irr::u32 kHeight = 360;

class PlacementRenderTest : public ::testing::Test
{
protected:
    PlacementRenderTest() : m_device(testlevel::createGlDevice(kWidth, kHeight)) {}
    ~PlacementRenderTest() override
    {
        m_space.reset();
        m_shaders.reset();
        if (m_device)
            m_device->drop();
    }

    void SetUp() override
    {
        ASSERT_NE(m_device, nullptr) << "no OpenGL display (run under xvfb-run)";
        m_scene = m_device->getSceneManager();
        m_driver = m_device->getVideoDriver();
        testlevel::writeLevelAssets(m_driver);
        std::filesystem::copy(std::filesystem::path(BELGARUNE_DATA_DIR) / "gamedata" / "shader", "gamedata/shader");
        m_shaders = std::make_unique<Talvoren::ShaderManager>(m_driver);
        m_materials.registerMaterials(*m_shaders);
        m_space = std::make_unique<Belgarune::VisualSpace>(m_scene, m_shaders.get());
    }

    irr::s32 type(const char* shader) const { return m_shaders->getMaterialType(shader); }

    //! Draws one frame and returns its pixels, top row first, as RGBA.
    std::vector<irr::u8> drawFrame()
    {
        std::vector<irr::u8> pixels(kWidth * kHeight * 4);
        std::vector<irr::u8> rows(pixels.size());
        m_driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        m_scene->drawAll();
        glFinish();
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
        m_driver->endScene();
        for (irr::u32 y = 0; y < kHeight; ++y)
            std::copy_n(&rows[(kHeight - 1 - y) * kWidth * 4], kWidth * 4, &pixels[y * kWidth * 4]);
        return pixels;
    }

    void saveArtifact(const std::vector<irr::u8>& pixels, const std::string& name)
    {
        const std::filesystem::path folder = std::filesystem::path(BELGARUNE_GAME_DIR).parent_path() / "test-artifacts";
        std::filesystem::create_directories(folder);
        irr::video::IImage* image =
            m_driver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(kWidth, kHeight));
        for (irr::u32 y = 0; y < kHeight; ++y)
            for (irr::u32 x = 0; x < kWidth; ++x)
            {
                const irr::u8* p = &pixels[(y * kWidth + x) * 4];
                image->setPixel(x, y, irr::video::SColor(255, p[0], p[1], p[2]));
            }
        EXPECT_TRUE(m_driver->writeImageToFile(image, (folder / name).string().c_str()));
        image->drop();
    }

    static irr::video::SColor pixelAt(const std::vector<irr::u8>& pixels, irr::u32 x, irr::u32 y)
    {
        const irr::u8* p = &pixels[(y * kWidth + x) * 4];
        return irr::video::SColor(255, p[0], p[1], p[2]);
    }

    //! The mean colour of a square around (x, y).
    static irr::video::SColor meanAround(const std::vector<irr::u8>& pixels, irr::u32 x, irr::u32 y, irr::u32 half)
    {
        irr::u32 sum[3] = {};
        irr::u32 count = 0;
        for (irr::u32 j = y - half; j <= y + half; ++j)
            for (irr::u32 i = x - half; i <= x + half; ++i, ++count)
            {
                const irr::video::SColor c = pixelAt(pixels, i, j);
                sum[0] += c.getRed();
                sum[1] += c.getGreen();
                sum[2] += c.getBlue();
            }
        return irr::video::SColor(255, sum[0] / count, sum[1] / count, sum[2] / count);
    }

    //! A room of 5 x 6 cells with each wall type, bars, a door, a banner and props.
    void buildRoom()
    {
        for (irr::s32 x = 249; x <= 253; ++x)
            for (irr::s32 z = 249; z <= 254; ++z)
                m_space->placeFloor(MapCoord(x, 0, z), z == 254 ? FloorCode::Dark : FloorCode::Plain);
        // The banner stands in for the fourth.
        const WallType farWall[5] = {WallType::Large, WallType::Stone, WallType::StoneCracked, WallType::None,
                                     WallType::LargeLight};
        for (irr::s32 i = 0; i < 5; ++i)
        {
            if (farWall[i] != WallType::None)
                m_space->placeWall(MapCoord(249 + i, 0, 254), farWall[i], WallSide::PlusZ);
            m_space->placeWall(MapCoord(249 + i, 0, 249), WallType::Large, WallSide::MinusZ);
        }
        const WallType sideWalls[6] = {WallType::Creepy, WallType::Dark,   WallType::StoneCarved,
                                       WallType::Creepy, WallType::Dark,   WallType::Stone};
        for (irr::s32 i = 0; i < 6; ++i)
        {
            m_space->placeWall(MapCoord(249, 0, 249 + i), sideWalls[i], WallSide::MinusX);
            m_space->placeWall(MapCoord(253, 0, 249 + i), sideWalls[5 - i], WallSide::PlusX);
        }
        m_space->placeObject(PieceKind::Panel, MapCoord(252, 0, 255), 1, WallSide::PlusZ, -1);
        m_space->placeBars(MapCoord(250, 0, 253), 1, WallSide::PlusZ, 300);
        m_space->placeObject(PieceKind::BlockDoor, MapCoord(251, 0, 254), 1, WallSide::PlusZ, 301);
        m_space->placeObject(PieceKind::Pot, MapCoord(250, 0, 251), 0, WallSide::PlusZ, 302);
        m_space->placeObject(PieceKind::Pedestal, MapCoord(252, 0, 252), 0, WallSide::PlusZ, 303);
        m_space->placeObject(PieceKind::Instrument, MapCoord(252, 0, 252), 0, WallSide::PlusZ, 304);
        m_space->placeObject(PieceKind::Pillar, MapCoord(249, 0, 252), 0, WallSide::PlusX, 305);
        m_space->placeObject(PieceKind::HealStone, MapCoord(252, 0, 250), 0, WallSide::MinusZ, 306);
        m_space->placeObject(PieceKind::ViolinKey, MapCoord(251, 0, 251), 0, WallSide::PlusZ, 307);
    }

    //! Builds the room, looks into it in a green tone's light, keeps the frame
    //! as an artifact and checks it is lit, and green before the player.
    void checkRoomScreenshot(const std::string& artifact)
    {
        buildRoom();
        const vector3df eye(2510.0f, 11.0f, 2487.0f);
        m_scene->addCameraSceneNode(nullptr, eye, vector3df(2510.0f, 3.0f, 2530.0f));
        m_space->updateVisibility(eye);
        const irr::video::SColorf greenTone(1.0f, 2.0f, 1.0f, 1.0f);
        m_materials.getEnvCallBack()->m_playerLight = greenTone;
        m_materials.getEnvDarkCallBack()->m_playerLight = greenTone;

        drawFrame();
        const std::vector<irr::u8> pixels = drawFrame();
        saveArtifact(pixels, artifact);

        // Below the walls' tops (there is no ceiling) the room fills the frame.
        irr::u32 lit = 0;
        for (irr::u32 i = kWidth * kHeight / 3; i < kWidth * kHeight; ++i)
            if (pixels[i * 4] + pixels[i * 4 + 1] + pixels[i * 4 + 2] > 30)
                ++lit;
        EXPECT_GT(lit, kWidth * kHeight * 2 / 3 * 9 / 10) << "most of the frame should show the room";

        const irr::video::SColor centre = meanAround(pixels, kWidth / 2, kHeight * 3 / 4, 8);
        EXPECT_GT(centre.getGreen(), centre.getRed() + 20) << "the floor before the player takes the light's green";
        EXPECT_GT(centre.getGreen(), centre.getBlue() + 20);
    }

    irr::IrrlichtDevice* m_device;
    irr::scene::ISceneManager* m_scene = nullptr;
    irr::video::IVideoDriver* m_driver = nullptr;
    testsupport::TempWorkDir m_workDir;
    std::unique_ptr<Talvoren::ShaderManager> m_shaders;
    Belgarune::ShaderMaterials m_materials;
    std::unique_ptr<Belgarune::VisualSpace> m_space;
};

TEST_F(PlacementRenderTest, PiecesGetTheirShadersMaterialTypes)
{
    const MapCoord cell(12, 0, 300);
    m_space->placeWall(cell, WallType::Creepy, WallSide::PlusZ);
    EXPECT_EQ(m_space->getCell(Belgarune::VisualSpace::Cell(1, 30))[0]->getMaterial(0).MaterialType, type("env_dark"));

    m_space->placeObject(PieceKind::BlockDoor, cell, 1, WallSide::PlusZ, 1);
    irr::scene::ISceneNode* door = m_space->findObject(1);
    EXPECT_EQ(door->getMaterial(0).MaterialType, type("env"));
    EXPECT_EQ(door->getMaterial(1).MaterialType, type("env_alpha"));
    m_space->placeObject(PieceKind::BlockDoor, cell, 5, WallSide::PlusZ, 2);
    EXPECT_EQ(m_space->findObject(2)->getMaterial(1).MaterialType, irr::video::EMT_SOLID);

    m_space->placeObject(PieceKind::Grave, cell, 1, WallSide::PlusZ, 3);
    irr::scene::ISceneNode* queen = m_space->findObject(3);
    EXPECT_EQ(queen->getMaterial(4).MaterialType, type("env"));
    EXPECT_EQ(queen->getMaterial(5).MaterialType, type("env_alpha"));
    EXPECT_EQ(queen->getMaterial(6).MaterialType, type("env"));
    m_space->placeObject(PieceKind::Grave, cell, 2, WallSide::PlusZ, 4);
    EXPECT_EQ(m_space->findObject(4)->getMaterial(5).MaterialType, type("env"));
    EXPECT_EQ(m_space->findObject(4)->getMaterial(6).MaterialType, type("env_alpha"));

    m_space->placeObject(PieceKind::ViolinKey, cell, 0, WallSide::PlusZ, 5);
    irr::scene::ISceneNode* key = m_space->findObject(5);
    EXPECT_EQ(key->getMaterial(0).MaterialType, type("env"));
    m_space->placeObject(PieceKind::Instrument, cell, 0, WallSide::PlusZ, 6);
    EXPECT_EQ(m_space->findObject(6)->getMaterial(0).MaterialType, type("shell"));
    m_space->placeObject(PieceKind::Panel, cell, 2, WallSide::PlusZ, 7);
    EXPECT_EQ(m_space->findObject(7)->getMaterial(0).MaterialType, type("env_alpha"));
    m_space->placeObject(PieceKind::Ceiling, cell, 0, WallSide::PlusZ, 8);
    EXPECT_EQ(m_space->findObject(8)->getMaterial(0).MaterialType, irr::video::EMT_SOLID);
}

TEST_F(PlacementRenderTest, MaterialsBeyondANodesCountAreNeverWritten)
{
    // One-material meshes where the placers set materials 1 and 5.
    testlevel::writeTextFile("gamedata/objects/door1_3.X",
                             testlevel::xMesh({testlevel::uprightQuad(25.0f, 0.0f, 100.0f)}, 1, "wood.png"));
    testlevel::writeTextFile("gamedata/objects/grave_1.X",
                             testlevel::xMesh({testlevel::uprightQuad(10.0f, 0.0f, 20.0f)}, 1, "prop.png"));
    const irr::video::SMaterial identityBefore = irr::video::IdentityMaterial;
    m_space->placeObject(PieceKind::BlockDoor, MapCoord(12, 0, 300), 3, WallSide::PlusZ, 60);
    m_space->placeObject(PieceKind::Grave, MapCoord(12, 0, 300), 1, WallSide::PlusZ, 61);
    EXPECT_EQ(m_space->findObject(61)->getMaterialCount(), 1u);
    EXPECT_EQ(m_space->findObject(61)->getMaterial(0).MaterialType, type("env"));
    EXPECT_EQ(irr::video::IdentityMaterial, identityBefore);
}

TEST_F(PlacementRenderTest, RemovedObjectsAreForgottenByTheirShader)
{
    m_space->placeObject(PieceKind::BlockDoor, MapCoord(12, 0, 300), 1, WallSide::PlusZ, 9);
    m_space->placeObject(PieceKind::Instrument, MapCoord(12, 0, 300), 0, WallSide::PlusZ, 10);
    EXPECT_EQ(m_shaders->findEntry("env")->nodes.size(), 1u);
    EXPECT_EQ(m_shaders->findEntry("shell")->nodes.size(), 1u);
    m_space->removeObject(9);
    m_space->removeObject(10);
    EXPECT_EQ(m_shaders->findEntry("env")->nodes.size(), 0u);
    EXPECT_EQ(m_shaders->findEntry("shell")->nodes.size(), 0u);
}

TEST_F(PlacementRenderTest, ARoomStandsInThePlayersLight)
{
    checkRoomScreenshot("placement_room.png");
}

// The same room from the game's own meshes and textures, as the asset generator
// writes them into the game tree.
TEST_F(PlacementRenderTest, TheGamesOwnPiecesStandInTheRoom)
{
    const std::filesystem::path objects = std::filesystem::path(BELGARUNE_GAME_DIR) / "gamedata" / "objects";
    ASSERT_TRUE(std::filesystem::exists(objects / "wall1.x")) << "build the game tree first";
    std::filesystem::remove_all("gamedata/objects");
    std::filesystem::create_directory_symlink(objects, "gamedata/objects");
    checkRoomScreenshot("placement_room_assets.png");
}
} // namespace
