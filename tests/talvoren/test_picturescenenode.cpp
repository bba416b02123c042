// The picture node: its rectangles and quad on the null driver, its drawing with OpenGL.

#include "code/src/shaders/shadermaterials.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/picturescenenode.h"
#include "talvoren/shadermanager.h"
#include "tests/support/gldevice.h"
#include "tests/support/levelassets.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <irrlicht.h>

#include <filesystem>
#include <vector>

using Talvoren::PictureSceneNode;
using irr::core::rect;

namespace
{
irr::video::ITexture* solidTexture(irr::video::IVideoDriver* driver, const char* name, irr::u32 width,
                                   irr::u32 height, irr::video::SColor color)
{
    irr::video::IImage* image = driver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(width, height));
    image->fill(color);
    irr::video::ITexture* texture = driver->addTexture(name, image);
    image->drop();
    return texture;
}

class PictureNodeTest : public ::testing::Test
{
protected:
    PictureNodeTest()
        : m_device(testlevel::createNullDevice()),
          m_picture(new PictureSceneNode(nullptr, m_device->getSceneManager(), -1))
    {
    }
    ~PictureNodeTest() override
    {
        m_picture->drop();
        m_device->drop();
    }

    irr::video::ITexture* texture(irr::u32 width, irr::u32 height)
    {
        return solidTexture(m_device->getVideoDriver(), "picture", width, height, irr::video::SColor(255, 9, 9, 9));
    }

    irr::IrrlichtDevice* m_device;
    PictureSceneNode* m_picture; // outside the scene graph: the test holds it
};

TEST_F(PictureNodeTest, StartsWithAnUntestedDepthAndAWhiteEmissiveColour)
{
    irr::video::SMaterial& material = m_picture->getMaterial(0);
    EXPECT_EQ(material.ZBuffer, irr::video::ECFN_NEVER);
    EXPECT_EQ(material.EmissiveColor, irr::video::SColor(0, 255, 255, 255));
    EXPECT_EQ(material.DiffuseColor, irr::video::SColor(255, 255, 255, 255));
    EXPECT_EQ(m_picture->getMaterialCount(), 1u);
    EXPECT_EQ(&m_picture->getMaterial(3), &material);
    EXPECT_EQ(m_picture->getTexture(), nullptr);
}

TEST_F(PictureNodeTest, SetImageTakesTextureRectanglesAndBlending)
{
    irr::video::ITexture* picture = texture(128, 64);
    m_picture->setImage(picture, rect<irr::s32>(100, 50, 228, 114), rect<irr::s32>(0, 0, 128, 64));
    EXPECT_EQ(m_picture->getTexture(), picture);
    EXPECT_EQ(m_picture->getMaterial(0).getTexture(0), picture);
    EXPECT_TRUE(m_picture->getMaterial(0).getFlag(irr::video::EMF_BLEND_OPERATION));
    EXPECT_EQ(m_picture->getImageRect(), rect<irr::s32>(100, 50, 228, 114));
    EXPECT_EQ(m_picture->getPosition(), irr::core::vector3df(100.0f, 50.0f, 0.0f));
}

TEST_F(PictureNodeTest, ANullTextureChangesNothing)
{
    irr::video::ITexture* picture = texture(64, 64);
    m_picture->setImage(picture, rect<irr::s32>(1, 2, 65, 66), rect<irr::s32>(0, 0, 64, 64));
    m_picture->setImage(nullptr, rect<irr::s32>(5, 5, 6, 6), rect<irr::s32>(0, 0, 1, 1));
    EXPECT_EQ(m_picture->getTexture(), picture);
    EXPECT_EQ(m_picture->getImageRect(), rect<irr::s32>(1, 2, 65, 66));
    EXPECT_EQ(m_picture->getSourceRect(), rect<irr::s32>(0, 0, 64, 64));
}

TEST_F(PictureNodeTest, SetPositionMovesTheRectangleByItsTruncatedCorner)
{
    m_picture->setImage(texture(64, 32), rect<irr::s32>(0, 0, 64, 32), rect<irr::s32>(0, 0, 64, 32));
    m_picture->setPosition(irr::core::vector3df(10.7f, 20.2f, 0.0f));
    EXPECT_EQ(m_picture->getImageRect(), rect<irr::s32>(10, 20, 74, 52));
    EXPECT_EQ(m_picture->getPosition(), irr::core::vector3df(10.7f, 20.2f, 0.0f));
}

TEST_F(PictureNodeTest, ScaleShrinksTheDrawnRectangleAboutItsCentre)
{
    m_picture->setImage(texture(64, 64), rect<irr::s32>(100, 100, 164, 164), rect<irr::s32>(0, 0, 64, 64));
    EXPECT_EQ(m_picture->getDrawnRect(), rect<irr::s32>(100, 100, 164, 164));
    m_picture->setScale(irr::core::vector3df(0.5f, 0.5f, 1.0f));
    EXPECT_EQ(m_picture->getDrawnRect(), rect<irr::s32>(116, 116, 148, 148));
    m_picture->setScale(irr::core::vector3df(1.0f, 0.25f, 7.0f));
    EXPECT_EQ(m_picture->getDrawnRect(), rect<irr::s32>(100, 124, 164, 140));
}

TEST_F(PictureNodeTest, OnlyAnActiveCameraLetsTheQuadBeDrawn)
{
    m_picture->setImage(texture(64, 64), rect<irr::s32>(0, 0, 64, 64), rect<irr::s32>(0, 0, 64, 64));
    irr::video::IVideoDriver* driver = m_device->getVideoDriver();
    // The driver counts the triangles of a frame when the frame ends.
    const auto trianglesOfAFrame = [&] {
        driver->beginScene(true, true, irr::video::SColor(0, 0, 0, 0));
        m_picture->render();
        driver->endScene();
        return driver->getPrimitiveCountDrawn();
    };
    EXPECT_EQ(trianglesOfAFrame(), 0u) << "without a camera nothing is drawn";
    m_device->getSceneManager()->addCameraSceneNode();
    EXPECT_EQ(trianglesOfAFrame(), 2u) << "with one the quad's two triangles are";
}

namespace
{
//! Keeps the render pass each of its draws ran in.
class PassRecordingPicture : public PictureSceneNode
{
public:
    using PictureSceneNode::PictureSceneNode;
    void render() override
    {
        passes.push_back(SceneManager->getSceneNodeRenderPass());
        PictureSceneNode::render();
    }
    std::vector<irr::scene::E_SCENE_NODE_RENDER_PASS> passes;
};
} // namespace

TEST_F(PictureNodeTest, APictureInTheSceneIsDrawnWithTheBlendedEffectsAfterTheSolidScene)
{
    irr::scene::ISceneManager* scene = m_device->getSceneManager();
    scene->addCameraSceneNode();
    auto* picture = new PassRecordingPicture(scene->getRootSceneNode(), scene, -1);
    picture->setImage(texture(64, 64), rect<irr::s32>(0, 0, 64, 64), rect<irr::s32>(0, 0, 64, 64));
    scene->drawAll();
    EXPECT_EQ(picture->passes, std::vector<irr::scene::E_SCENE_NODE_RENDER_PASS>{irr::scene::ESNRP_TRANSPARENT_EFFECT});
    picture->drop();
}

//! Drawing with the OpenGL driver in a 256 x 256 window.
class PictureDrawingTest : public ::testing::Test
{
protected:
    PictureDrawingTest() : m_device(testlevel::createGlDevice(256, 256)) {}
    ~PictureDrawingTest() override
    {
        if (m_picture)
            m_picture->drop();
        if (m_device)
            m_device->drop();
    }

    void SetUp() override
    {
        ASSERT_NE(m_device, nullptr) << "no OpenGL display (run under xvfb-run)";
        m_scene = m_device->getSceneManager();
        m_driver = m_device->getVideoDriver();
        m_scene->addCameraSceneNode(nullptr, irr::core::vector3df(0, 0, -50), irr::core::vector3df(0, 0, 0));
        m_picture = new PictureSceneNode(nullptr, m_scene, -1);
        m_picture->getMaterial(0).Lighting = false;
        m_picture->setImage(solidTexture(m_driver, "red", 64, 64, irr::video::SColor(255, 250, 0, 0)),
                            rect<irr::s32>(100, 100, 164, 164), rect<irr::s32>(0, 0, 64, 64));
    }

    //! One frame: the scene, then the picture; returns the pixel at (x, y) from the top left.
    irr::video::SColor drawAndRead(irr::s32 x, irr::s32 y)
    {
        m_driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        m_scene->drawAll();
        m_picture->render();
        GLubyte pixel[4] = {};
        glFinish();
        glReadPixels(x, 255 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        m_driver->endScene();
        return irr::video::SColor(255, pixel[0], pixel[1], pixel[2]);
    }

    irr::IrrlichtDevice* m_device;
    irr::scene::ISceneManager* m_scene = nullptr;
    irr::video::IVideoDriver* m_driver = nullptr;
    PictureSceneNode* m_picture = nullptr;
};

// The null driver's textures have no size: texture coordinates need a real one.
TEST_F(PictureDrawingTest, TheQuadCoversTheSourceRectangleInTextureCoordinates)
{
    m_picture->setImage(solidTexture(m_driver, "wide", 128, 64, irr::video::SColor(255, 0, 0, 0)),
                        rect<irr::s32>(0, 0, 64, 64), rect<irr::s32>(0, 0, 64, 64));
    const irr::video::S3DVertex& upperLeft = m_picture->getVertex(0);
    const irr::video::S3DVertex& lowerRight = m_picture->getVertex(3);
    EXPECT_EQ(upperLeft.TCoords, irr::core::vector2df(0.0f, 0.0f));
    EXPECT_EQ(lowerRight.TCoords, irr::core::vector2df(0.5f, 1.0f));
    EXPECT_EQ(m_picture->getVertex(1).TCoords, irr::core::vector2df(0.5f, 0.0f));
    EXPECT_EQ(m_picture->getVertex(2).TCoords, irr::core::vector2df(0.0f, 1.0f));
    EXPECT_EQ(upperLeft.Color, irr::video::SColor(255, 255, 255, 255));
    EXPECT_EQ(m_picture->getBoundingBox().MinEdge, irr::core::vector3df(-0.5f, -0.5f, 0.0f));
    EXPECT_EQ(m_picture->getBoundingBox().MaxEdge, irr::core::vector3df(0.5f, 0.5f, 0.0f));

    m_picture->buildQuad(rect<irr::s32>(32, 16, 96, 48));
    EXPECT_EQ(m_picture->getVertex(0).TCoords, irr::core::vector2df(0.25f, 0.25f));
    EXPECT_EQ(m_picture->getVertex(3).TCoords, irr::core::vector2df(0.75f, 0.75f));
}

TEST_F(PictureDrawingTest, ThePictureFillsItsScreenRectangle)
{
    EXPECT_GT(drawAndRead(102, 102).getRed(), 200u);
    EXPECT_GT(drawAndRead(161, 161).getRed(), 200u);
    EXPECT_EQ(drawAndRead(97, 130).getRed(), 0u);
    EXPECT_EQ(drawAndRead(130, 167).getRed(), 0u);
}

TEST_F(PictureDrawingTest, AScaledPictureShrinksAboutItsCentre)
{
    m_picture->setScale(irr::core::vector3df(0.5f, 0.5f, 1.0f));
    EXPECT_EQ(drawAndRead(110, 110).getRed(), 0u);
    EXPECT_GT(drawAndRead(118, 118).getRed(), 200u);
    EXPECT_GT(drawAndRead(146, 146).getRed(), 200u);
    EXPECT_EQ(drawAndRead(152, 152).getRed(), 0u);
}

TEST_F(PictureDrawingTest, ThePictureIsDrawnOverNearerGeometry)
{
    // Unlit but for its emissive colour: a blue cube 20 to 30 units before the camera.
    irr::scene::IMeshSceneNode* wall = m_scene->addCubeSceneNode(10.0f, nullptr, -1, irr::core::vector3df(0, 0, -25));
    wall->getMaterial(0).EmissiveColor = irr::video::SColor(255, 0, 0, 255);
    EXPECT_GT(drawAndRead(90, 90).getBlue(), 200u);
    const irr::video::SColor covered = drawAndRead(130, 130);
    EXPECT_GT(covered.getRed(), 200u);
    EXPECT_EQ(covered.getBlue(), 0u);
}

TEST_F(PictureDrawingTest, WithoutAnActiveCameraNothingIsDrawn)
{
    m_scene->setActiveCamera(nullptr);
    EXPECT_EQ(drawAndRead(130, 130).getRed(), 0u);
}

TEST_F(PictureDrawingTest, ThePicMaterialTakesColourAndOpacityFromTheDiffuseColour)
{
    testsupport::TempWorkDir workDir;
    std::filesystem::create_directories("gamedata");
    std::filesystem::copy(std::filesystem::path(BELGARUNE_DATA_DIR) / "gamedata" / "shader", "gamedata/shader");
    Talvoren::ShaderManager shaders(m_driver);
    Belgarune::ShaderMaterials materials;
    materials.registerMaterials(shaders);
    m_picture->setImage(solidTexture(m_driver, "white", 64, 64, irr::video::SColor(255, 255, 255, 255)),
                        rect<irr::s32>(100, 100, 164, 164), rect<irr::s32>(0, 0, 64, 64));
    m_picture->setMaterialType(static_cast<irr::video::E_MATERIAL_TYPE>(shaders.getMaterialType("pic")));

    m_picture->getMaterial(0).DiffuseColor = irr::video::SColor(255, 0, 255, 0);
    const irr::video::SColor green = drawAndRead(130, 130);
    EXPECT_EQ(green.getRed(), 0u);
    EXPECT_GT(green.getGreen(), 250u);

    m_picture->getMaterial(0).DiffuseColor = irr::video::SColor(128, 255, 255, 255);
    EXPECT_NEAR(drawAndRead(130, 130).getRed(), 128u, 3u);

    m_picture->getMaterial(0).DiffuseColor = irr::video::SColor(0, 255, 255, 255);
    EXPECT_EQ(drawAndRead(130, 130).getRed(), 0u);
}
} // namespace

namespace
{
TEST(DeviceLogoTest, TheLogoIsAPictureUnderTheRootDrawnInTheTransparentPass)
{
    testsupport::TempWorkDir workDir;
    testsupport::installLanguageFiles();
    irr::IrrlichtDevice* writer = testlevel::createNullDevice();
    ASSERT_TRUE(testlevel::writeTexture(writer->getVideoDriver(), "talvoren/logo.png",
                                        irr::video::SColor(255, 40, 220, 90)));
    writer->drop();
    Talvoren::OmbelDevice device;
    g_device = &device;
    struct ClearDevice
    {
        ~ClearDevice() { g_device = nullptr; }
    } clearDevice;
    ASSERT_TRUE(testsupport::initOpenGlDevice(device, irr::core::dimension2du(200, 100)))
        << "no OpenGL display (run under xvfb-run)";
    irr::video::IVideoDriver* driver = device.getVideoDriver();

    device.showLogo();
    irr::scene::ISceneManager* scene = device.getSceneManager();
    ASSERT_EQ(scene->getRootSceneNode()->getChildren().size(), 1u);
    auto* logo = static_cast<PictureSceneNode*>(*scene->getRootSceneNode()->getChildren().begin());
    EXPECT_EQ(logo->getID(), 0);
    EXPECT_EQ(logo->getImageRect(), rect<irr::s32>(50, 25, 150, 75));

    scene->addCameraSceneNode();
    driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
    scene->drawAll();
    GLubyte centre[4] = {};
    GLubyte outside[4] = {};
    glFinish();
    glReadPixels(100, 50, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, centre);
    glReadPixels(20, 50, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, outside);
    driver->endScene();
    EXPECT_NEAR(centre[1], 220, 3);
    EXPECT_EQ(outside[1], 0);
}
} // namespace
