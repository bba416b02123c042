// The generator's building blocks: mesh winding and texture orientation, frames, seamless
// noise, picture composition, loops and the .x writer read back by Irrlicht.
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/maskmeshes.h"
#include "tools/assetgen/mesh.h"
#include "tools/assetgen/music.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/sound.h"
#include "tools/assetgen/synth.h"
#include "tools/assetgen/xfilewriter.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <cmath>

namespace
{
using namespace assetgen;

Vec3 windingNormal(const Mesh& mesh, const Triangle& t)
{
    const Vec3& a = mesh.vertices()[t.a].position;
    return cross(mesh.vertices()[t.b].position - a, mesh.vertices()[t.c].position - a);
}

Vec3 centroid(const Mesh& mesh, const Triangle& t)
{
    return (mesh.vertices()[t.a].position + mesh.vertices()[t.b].position + mesh.vertices()[t.c].position) * (1.0f / 3);
}

TEST(MeshBuilder, TrianglesFaceWhereTheirNormalsPoint)
{
    Mesh mesh;
    const unsigned m = mesh.addMaterial("");
    const unsigned a = mesh.addVertex({{0, 0, 0}, {0, 0, -1}});
    const unsigned b = mesh.addVertex({{1, 0, 0}, {0, 0, -1}});
    const unsigned c = mesh.addVertex({{0, 1, 0}, {0, 0, -1}});
    mesh.addTriangle(a, b, c, m);
    ASSERT_EQ(mesh.triangles().size(), 1u);
    EXPECT_LT(windingNormal(mesh, mesh.triangles()[0]).z, 0) << "turned to face -Z";
    mesh.addTriangle(a, a, c, m);
    EXPECT_EQ(mesh.triangles().size(), 1u) << "degenerate triangles are dropped";
}

TEST(MeshBuilder, ClosedShapesFaceOutward)
{
    Mesh mesh;
    const unsigned m = mesh.addMaterial("");
    mesh.addBox({-1, -2, -3}, {1, 2, 3}, m);
    mesh.addLathe({{0, 10}, {5, 10}, {5, 20}, {0, 20}}, 12, m);
    mesh.addEllipsoid({0, 40, 0}, {3, 2, 1}, 16, m);
    for (const Triangle& t : mesh.triangles())
    {
        const Vec3 c = centroid(mesh, t);
        const Vec3 centre = c.y < 5 ? Vec3{0, 0, 0} : (c.y < 30 ? Vec3{0, 15, 0} : Vec3{0, 40, 0});
        EXPECT_GT(dot(windingNormal(mesh, t), c - centre), 0) << "at " << c.x << " " << c.y << " " << c.z;
    }
}

TEST(MeshBuilder, BoxFacesShowTheirTextureUprightFromOutside)
{
    Mesh mesh;
    mesh.addBox({-1, -1, -1}, {1, 1, 1}, mesh.addMaterial(""));
    for (const Vertex& v : mesh.vertices())
    {
        if (v.normal.z > 0.5f || v.normal.z < -0.5f || v.normal.x > 0.5f || v.normal.x < -0.5f)
        {
            // Side faces: the top edge has v = 0; seen from outside, u grows to the right.
            EXPECT_FLOAT_EQ(v.v, v.position.y > 0 ? 0.0f : 1.0f);
            const Vec3 right = cross(v.normal, {0, 1, 0});
            EXPECT_FLOAT_EQ(v.u, dot(v.position, right) > 0 ? 1.0f : 0.0f);
        }
    }
}

TEST(MeshBuilder, FramesAreRotations)
{
    for (const Placement& p : {Placement::zUp(), Placement::xUp(), faceTowardMinusX(), faceTowardPlusYZUp(),
                               faceTowardPlusYUpIsMinusZ()})
    {
        const Vec3 z = cross(p.axisX, p.axisY);
        EXPECT_NEAR(dot(z, p.axisZ), 1.0f, 1e-6f) << "right-handed and orthonormal";
    }
    EXPECT_NEAR(Placement::zUp().point({0, 1, 0}).z, 1.0f, 1e-6f);
    EXPECT_NEAR(Placement::xUp().point({0, 1, 0}).x, 1.0f, 1e-6f);
    EXPECT_NEAR(faceTowardMinusX().point({0, 0, -1}).x, -1.0f, 1e-6f) << "the front looks toward -X";
    EXPECT_NEAR(faceTowardPlusYUpIsMinusZ().point({0, 1, 0}).z, -1.0f, 1e-6f) << "up is -Z";
    EXPECT_NEAR(faceTowardPlusYUpIsMinusZ().point({0, 0, -1}).y, 1.0f, 1e-6f) << "the front looks toward +Y";
}

TEST(Noise, WrapsAtTheTileEdges)
{
    const PeriodicNoise noise(7);
    for (float v : {0.1f, 0.37f, 0.8f})
    {
        EXPECT_NEAR(noise.fbm(0.0f, v, 4, 4), noise.fbm(1.0f, v, 4, 4), 1e-5f);
        EXPECT_NEAR(noise.fbm(v, 0.0f, 4, 4), noise.fbm(v, 1.0f, 4, 4), 1e-5f);
        EXPECT_EQ(noise.cells(0.0f, v, 5).id, noise.cells(1.0f, v, 5).id);
    }
    EXPECT_NE(PeriodicNoise(1).fbm(0.3f, 0.3f, 4, 3), PeriodicNoise(2).fbm(0.3f, 0.3f, 4, 3)) << "seeds matter";
}

TEST(Canvas, CoverageOverTransparencyKeepsTheColour)
{
    Canvas canvas(2, 2, Colour{0, 0, 0, 0});
    canvas.blend(0, 0, rgb(255, 0, 0), 0.5f);
    EXPECT_NEAR(canvas.at(0, 0).r, 1.0f, 1e-6f) << "not darkened by the transparent black below";
    EXPECT_NEAR(canvas.at(0, 0).a, 0.5f, 1e-6f);
    canvas.blend(5, 5, rgb(255, 0, 0), 1.0f); // outside: ignored
}

TEST(Canvas, TurningLeftMovesTheTopRightCornerToTheTopLeft)
{
    Canvas canvas(4, 2);
    canvas.at(3, 0) = rgb(255, 0, 0);
    const Canvas turned = canvas.turnedLeft();
    ASSERT_EQ(turned.width(), 2);
    ASSERT_EQ(turned.height(), 4);
    EXPECT_FLOAT_EQ(turned.at(0, 0).r, 1.0f);
}

TEST(Synth, WholeHertzPartialsCloseTheLoop)
{
    const Sound tone = additive({{{1, 1}, {3, 0.5f}, {1, 0.3f, 2}}, 4, 0.2f}, 441, 1.0f);
    ASSERT_EQ(tone.frames(), 44100u);
    // The sample after the last one would be the first again.
    const Sound longer = additive({{{1, 1}, {3, 0.5f}, {1, 0.3f, 2}}, 4, 0.2f}, 441, 1.1f);
    EXPECT_NEAR(longer.samples[44100], tone.samples[0], 1e-4f);
}

TEST(Synth, FoldingWrapsTheTailOntoTheStart)
{
    Sound sound = Sound::silence(0.0f);
    sound.samples = {1, 2, 3, 4, 5, 6};
    sound.foldIntoLoop(4);
    EXPECT_EQ(sound.samples, (std::vector<float>{6, 8, 3, 4}));
}

TEST(Music, ScaleDegreesClimbByOctaves)
{
    EXPECT_FLOAT_EQ(degreeFrequency(0), 294);
    EXPECT_FLOAT_EQ(degreeFrequency(3), 494);
    EXPECT_FLOAT_EQ(degreeFrequency(4), 588);
    EXPECT_FLOAT_EQ(degreeFrequency(-4), 147);
    EXPECT_FLOAT_EQ(degreeFrequency(-1), 247);
}

TEST(XFileWriter, WrittenMeshReadsBackWithItsMaterialsAndCoordinates)
{
    testsupport::TempWorkDir work;
    Mesh mesh;
    const unsigned stone = mesh.addMaterial("stone.png");
    const unsigned glow = mesh.addMaterial("glow.png");
    mesh.addBox({-1, 0, -1}, {1, 2, 1}, stone);
    mesh.addBox({-0.5f, 2, -0.5f}, {0.5f, 3, 0.5f}, glow);
    ASSERT_TRUE(writeXFile(mesh, work.path() + "/objects/piece.x"));

    irr::SIrrlichtCreationParameters parameters;
    parameters.DriverType = irr::video::EDT_NULL;
    parameters.LoggingLevel = irr::ELL_NONE;
    irr::IrrlichtDevice* device = irr::createDeviceEx(parameters);
    irr::scene::IAnimatedMesh* loaded = device->getSceneManager()->getMesh((work.path() + "/objects/piece.x").c_str());
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->getMeshBufferCount(), 2u);
    EXPECT_EQ(loaded->getMeshBuffer(0)->getIndexCount(), 36u);
    EXPECT_EQ(loaded->getMeshBuffer(1)->getIndexCount(), 36u);
    const irr::core::aabbox3df box = loaded->getBoundingBox();
    EXPECT_NEAR(box.MaxEdge.Y, 3, 1e-3f);
    EXPECT_NEAR(box.MinEdge.X, -1, 1e-3f);
    // Winding and coordinates survive: the first triangle keeps its order.
    irr::scene::IMeshBuffer* buffer = loaded->getMeshBuffer(0);
    const Triangle& first = mesh.triangles()[0];
    const irr::core::vector3df p = buffer->getPosition(buffer->getIndices()[1]);
    const Vec3& expected = mesh.vertices()[first.b].position;
    EXPECT_NEAR(p.X, expected.x, 1e-3f);
    EXPECT_NEAR(p.Y, expected.y, 1e-3f);
    EXPECT_NEAR(p.Z, expected.z, 1e-3f);
    device->drop();
}

TEST(XFileWriter, RefusesAnUnwritablePlace)
{
    testsupport::TempWorkDir work;
    testsupport::writeFile(work.path() + "/file", "x");
    Mesh mesh;
    mesh.addBox({0, 0, 0}, {1, 1, 1}, mesh.addMaterial(""));
    EXPECT_FALSE(writeXFile(mesh, work.path() + "/file/piece.x"));
}
} // namespace
