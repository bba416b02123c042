// The screen band of scene nodes on the null driver, against Irrlicht's own
// projection of their corners.

#include "code/src/view/screenband.h"

#include <gtest/gtest.h>

#include <irrlicht.h>

#include <cstdlib>

using irr::core::rect;
using irr::core::vector3df;

namespace
{
const irr::core::dimension2du kScreen(800, 600);
const irr::s32 kMargin = 2;

class ScreenBandTest : public ::testing::Test
{
protected:
    ScreenBandTest() : m_device(irr::createDevice(irr::video::EDT_NULL, kScreen)), m_scene(m_device->getSceneManager())
    {
        m_camera = m_scene->addCameraSceneNode(nullptr, vector3df(0.0f, 0.0f, -100.0f), vector3df(0.0f, 0.0f, 0.0f));
        m_camera->setAspectRatio(static_cast<irr::f32>(kScreen.Width) / kScreen.Height);
    }
    ~ScreenBandTest() override { m_device->drop(); }

    irr::scene::ISceneNode* cubeAt(const vector3df& position)
    {
        irr::scene::ISceneNode* cube = m_scene->addCubeSceneNode(10.0f, nullptr, -1, position);
        m_nodes.push_back(cube);
        return cube;
    }
    //! Updates the camera's matrices and the nodes' transforms as a frame does.
    rect<irr::s32> band()
    {
        m_scene->drawAll();
        return Belgarune::screenBand(*m_camera, m_nodes, kScreen, kMargin);
    }
    //! Irrlicht's projection of every corner, widened by the margin.
    rect<irr::s32> reference()
    {
        rect<irr::s32> covered;
        bool any = false;
        for (irr::u32 i = 0; i < m_nodes.size(); ++i)
        {
            vector3df corners[8];
            m_nodes[i]->getTransformedBoundingBox().getEdges(corners);
            for (const vector3df& corner : corners)
            {
                const irr::core::position2di point =
                    m_scene->getSceneCollisionManager()->getScreenCoordinatesFrom3DPosition(corner, m_camera);
                if (any)
                    covered.addInternalPoint(point);
                else
                    covered = rect<irr::s32>(point, point);
                any = true;
            }
        }
        return rect<irr::s32>(covered.UpperLeftCorner.X - kMargin, covered.UpperLeftCorner.Y - kMargin,
                              covered.LowerRightCorner.X + kMargin, covered.LowerRightCorner.Y + kMargin);
    }

    irr::IrrlichtDevice* m_device;
    irr::scene::ISceneManager* m_scene;
    irr::scene::ICameraSceneNode* m_camera;
    irr::core::array<irr::scene::ISceneNode*> m_nodes;
};

void expectNear(const rect<irr::s32>& actual, const rect<irr::s32>& expected)
{
    EXPECT_LE(std::abs(actual.UpperLeftCorner.X - expected.UpperLeftCorner.X), 1);
    EXPECT_LE(std::abs(actual.UpperLeftCorner.Y - expected.UpperLeftCorner.Y), 1);
    EXPECT_LE(std::abs(actual.LowerRightCorner.X - expected.LowerRightCorner.X), 1);
    EXPECT_LE(std::abs(actual.LowerRightCorner.Y - expected.LowerRightCorner.Y), 1);
}
} // namespace

TEST_F(ScreenBandTest, CoversTheProjectedCornersOfEveryNodeWithTheMargin)
{
    cubeAt(vector3df(0.0f, 0.0f, 0.0f));
    cubeAt(vector3df(-20.0f, 10.0f, 30.0f))->setScale(vector3df(2.0f, 0.5f, 1.0f));
    const rect<irr::s32> covered = band();
    expectNear(covered, reference());
    EXPECT_LT(covered.getArea(), static_cast<irr::s32>(kScreen.Width * kScreen.Height / 4));
}

TEST_F(ScreenBandTest, IsCutToTheScreen)
{
    cubeAt(vector3df(90.0f, 0.0f, 0.0f));
    const rect<irr::s32> covered = band();
    rect<irr::s32> expected = reference();
    expected.clipAgainst(rect<irr::s32>(0, 0, kScreen.Width, kScreen.Height));
    expectNear(covered, expected);
    EXPECT_EQ(covered.LowerRightCorner.X, static_cast<irr::s32>(kScreen.Width));
}

TEST_F(ScreenBandTest, ACornerBehindTheEyeTakesTheWholeScreenAndNoNodesNothing)
{
    EXPECT_EQ(band().getArea(), 0);
    cubeAt(vector3df(0.0f, 0.0f, -200.0f));
    EXPECT_EQ(band(), rect<irr::s32>(0, 0, kScreen.Width, kScreen.Height));
}
