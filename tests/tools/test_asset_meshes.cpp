// Every generated mesh loads through Irrlicht's .x loader with the materials, extents and
// facing the level code relies on.
#include "tests/support/quietnulldevice.h"
#include "tools/assetgen/assettable.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace
{
using namespace irr;
namespace fs = std::filesystem;

const std::string kGameDir = BELGARUNE_GAME_DIR;

class GeneratedMeshes : public testsupport::QuietNullDeviceTest
{
protected:
    scene::IMesh* load(const std::string& name)
    {
        scene::IAnimatedMesh* mesh = m_device->getSceneManager()->getMesh((kGameDir + "/gamedata/objects/" + name).c_str());
        return mesh ? mesh->getMesh(0) : nullptr;
    }
};

std::vector<std::string> meshFiles()
{
    std::vector<std::string> files;
    for (const assetgen::AssetEntry& entry : assetgen::assetTable())
        if (entry.family == assetgen::AssetFamily::Mesh)
            files.push_back(fs::path(entry.path).filename().string());
    return files;
}

//! Largest triangle of the mesh whose winding normal points along `direction`, in area units.
float largestFacingArea(scene::IMesh* mesh, const core::vector3df& direction)
{
    float largest = 0;
    for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b)
    {
        scene::IMeshBuffer* buffer = mesh->getMeshBuffer(b);
        for (u32 i = 0; i + 2 < buffer->getIndexCount(); i += 3)
        {
            const core::vector3df a = buffer->getPosition(buffer->getIndices()[i]);
            const core::vector3df edge1 = buffer->getPosition(buffer->getIndices()[i + 1]) - a;
            const core::vector3df edge2 = buffer->getPosition(buffer->getIndices()[i + 2]) - a;
            const core::vector3df normal = edge1.crossProduct(edge2);
            if (normal.getLength() > 0 && normal.dotProduct(direction) / normal.getLength() > 0.99f)
                largest = std::max(largest, normal.getLength() * 0.5f);
        }
    }
    return largest;
}

TEST_F(GeneratedMeshes, EveryMeshLoadsAndUsesAllItsMaterials)
{
    const std::vector<std::string> files = meshFiles();
    ASSERT_EQ(files.size(), 38u);
    for (const std::string& file : files)
    {
        scene::IMesh* mesh = load(file);
        ASSERT_NE(mesh, nullptr) << file;
        ASSERT_GE(mesh->getMeshBufferCount(), 1u) << file;
        for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b)
            EXPECT_GT(mesh->getMeshBuffer(b)->getIndexCount(), 0u) << file << " material " << b << " unused";
    }
}

TEST_F(GeneratedMeshes, MaterialCountsTheCodeIndexes)
{
    const std::map<std::string, u32> minimum = {
        {"grave_1.X", 6}, {"grave_2.X", 7}, {"grave_3.X", 7}, {"door1.X", 2},   {"door1_2.X", 2},
        {"door1_3.X", 2}, {"door1_4.X", 2}, {"door1_6.X", 2}, {"door1_7.X", 2}, {"inst.X", 1}};
    for (const auto& [file, count] : minimum)
    {
        scene::IMesh* mesh = load(file);
        ASSERT_NE(mesh, nullptr) << file;
        EXPECT_GE(mesh->getMeshBufferCount(), count) << file;
    }
    EXPECT_EQ(load("inst.X")->getMeshBufferCount(), 1u); // the shell shader sits on material 0 only
    EXPECT_EQ(load("wall1.x")->getMeshBufferCount(), 1u);
}

TEST_F(GeneratedMeshes, ExtentsInMeshUnits)
{
    struct Expected
    {
        const char* file;
        core::aabbox3df box;
    };
    const Expected expected[] = {
        {"wall1.x", {-25, -10, -50, 25, 3, 60}},   // Z-up, front toward +Y
        {"wall3.x", {-25, 0, -3, 25, 110, 10}},    // Y-up, front toward -Z
        {"git1.x", {-12.5f, 0, -2.2f, 37.5f, 110, 2.2f}},
        {"door1.X", {-26, 0, -6, 26, 110, 6}},
        {"kill1.X", {-125, 0, -125, 125, 50, 125}},
        {"plat.X", {-25, -100, -25, 25, 2, 25}},
        {"timebubble.x", {-50, -50, -50, 50, 50, 50}},
    };
    for (const Expected& e : expected)
    {
        scene::IMesh* mesh = load(e.file);
        ASSERT_NE(mesh, nullptr) << e.file;
        const core::aabbox3df box = mesh->getBoundingBox();
        EXPECT_NEAR(box.MinEdge.X, e.box.MinEdge.X, 0.6f) << e.file;
        EXPECT_NEAR(box.MaxEdge.X, e.box.MaxEdge.X, 0.6f) << e.file;
        EXPECT_NEAR(box.MinEdge.Y, e.box.MinEdge.Y, 0.6f) << e.file;
        EXPECT_NEAR(box.MaxEdge.Y, e.box.MaxEdge.Y, 0.6f) << e.file;
        EXPECT_NEAR(box.MinEdge.Z, e.box.MinEdge.Z, 0.6f) << e.file;
        EXPECT_NEAR(box.MaxEdge.Z, e.box.MaxEdge.Z, 0.6f) << e.file;
    }
}

TEST_F(GeneratedMeshes, PropsStandAlongTheAxisTheirNodesTurnUp)
{
    // Height along the mesh's own up axis (X, Y or Z), from the origin for pieces standing on the
    // floor, and the farthest reach across it.
    enum Up
    {
        AlongX,
        AlongY,
        AlongZ
    };
    struct Expected
    {
        const char* file;
        Up up;
        float minHeight, maxHeight;
        float maxReach;
        bool standsOnOrigin;
    };
    const Expected expected[] = {
        {"keystone.X", AlongZ, 27, 33, 10.5f, true},  {"item_vio.X", AlongZ, 20, 30, 10, false},
        {"item_bass.X", AlongZ, 20, 30, 12, false},   {"inst.X", AlongZ, 20, 30, 12, false},
        {"item_alt.X", AlongX, 20, 30, 10, false},    {"topf1.X", AlongY, 35, 45, 25, true},
        {"podest1.X", AlongY, 25, 35, 35, true},      {"saule1.X", AlongY, 105, 110, 23, true},
        {"hs.X", AlongY, 25, 40, 21, true},           {"grave_1.X", AlongY, 50, 110, 55, true},
    };
    for (const Expected& e : expected)
    {
        scene::IMesh* mesh = load(e.file);
        ASSERT_NE(mesh, nullptr) << e.file;
        const core::aabbox3df box = mesh->getBoundingBox();
        const float lows[3] = {box.MinEdge.X, box.MinEdge.Y, box.MinEdge.Z};
        const float highs[3] = {box.MaxEdge.X, box.MaxEdge.Y, box.MaxEdge.Z};
        const float height = highs[e.up] - lows[e.up];
        EXPECT_GE(height, e.minHeight) << e.file;
        EXPECT_LE(height, e.maxHeight) << e.file;
        for (int axis = 0; axis < 3; ++axis)
        {
            if (axis != e.up)
            {
                EXPECT_LE(std::max(-lows[axis], highs[axis]), e.maxReach) << e.file << " across axis " << axis;
            }
        }
        if (e.standsOnOrigin)
        {
            EXPECT_NEAR(lows[e.up], 0, 0.5f) << e.file << " stands on its origin";
        }
    }
}

TEST_F(GeneratedMeshes, WallFrontsFaceTheFloorCell)
{
    // Z-up panels show a full face toward +Y; Y-up panels toward -Z (back faces are culled).
    for (const char* file : {"wall1.x", "wall2.x"})
        EXPECT_GT(largestFacingArea(load(file), {0, 1, 0}), 2000.0f) << file;
    for (const char* file : {"wall3.x", "wall4.x"})
        EXPECT_GT(largestFacingArea(load(file), {0, 0, -1}), 2000.0f) << file;
}

//! Texture direction of the largest triangle facing `direction`: how v changes toward `up` and u toward +X,
//! and whether the image reads unmirrored (> 0) seen from that side.
struct TextureSlope
{
    float vTowardUp = 0;
    float uTowardX = 0;
    float unmirrored = 0;
};

TextureSlope frontTextureSlope(scene::IMesh* mesh, const core::vector3df& direction, const core::vector3df& up)
{
    TextureSlope slope;
    float largest = 0;
    for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b)
    {
        scene::IMeshBuffer* buffer = mesh->getMeshBuffer(b);
        const u16* indices = buffer->getIndices();
        for (u32 i = 0; i + 2 < buffer->getIndexCount(); i += 3)
        {
            const core::vector3df p[3] = {buffer->getPosition(indices[i]), buffer->getPosition(indices[i + 1]),
                                          buffer->getPosition(indices[i + 2])};
            const core::vector3df normal = (p[1] - p[0]).crossProduct(p[2] - p[0]);
            const float area = normal.getLength() * 0.5f;
            if (area <= largest || normal.dotProduct(direction) / normal.getLength() < 0.99f)
                continue;
            largest = area;
            // Gradients of u and v over the triangle's plane, projected on the wanted directions.
            const core::vector2df t[3] = {buffer->getTCoords(indices[i]), buffer->getTCoords(indices[i + 1]),
                                          buffer->getTCoords(indices[i + 2])};
            const core::vector3df e1 = p[1] - p[0], e2 = p[2] - p[0];
            const float d1u = t[1].X - t[0].X, d2u = t[2].X - t[0].X, d1v = t[1].Y - t[0].Y, d2v = t[2].Y - t[0].Y;
            const core::vector3df n = e1.crossProduct(e2);
            const float nn = n.dotProduct(n);
            const core::vector3df gradU = (e2.crossProduct(n) * d1u + n.crossProduct(e1) * d2u) / nn;
            const core::vector3df gradV = (e2.crossProduct(n) * d1v + n.crossProduct(e1) * d2v) / nn;
            slope = {gradV.dotProduct(up), gradU.dotProduct({1, 0, 0}),
                     gradU.crossProduct(gradV).dotProduct(direction)};
        }
    }
    return slope;
}

TEST_F(GeneratedMeshes, WallTexturesReadUprightAndUnmirroredFromTheFloorCell)
{
    // Image rows run downward (v grows) as the wall goes down, columns rightward along +X.
    struct Front
    {
        const char* file;
        core::vector3df facing, up;
    };
    for (const Front& f : {Front{"wall1.x", {0, 1, 0}, {0, 0, 1}}, Front{"wall2.x", {0, 1, 0}, {0, 0, 1}},
                           Front{"wall3.x", {0, 0, -1}, {0, 1, 0}}, Front{"wall4.x", {0, 0, -1}, {0, 1, 0}}})
    {
        const TextureSlope slope = frontTextureSlope(load(f.file), f.facing, f.up);
        EXPECT_LT(slope.vTowardUp, 0) << f.file << " is upside down";
        EXPECT_GT(slope.uTowardX, 0) << f.file << " is mirrored";
    }
}

TEST_F(GeneratedMeshes, KeystoneLettersReadUprightAndUnmirroredFromEitherFace)
{
    for (const core::vector3df& facing : {core::vector3df(0, 1, 0), core::vector3df(0, -1, 0)})
    {
        const TextureSlope slope = frontTextureSlope(load("keystone.X"), facing, {0, 0, 1});
        EXPECT_LT(slope.vTowardUp, 0) << "upside down facing Y " << facing.Y;
        EXPECT_GT(slope.unmirrored, 0) << "mirrored facing Y " << facing.Y;
    }
}

TEST_F(GeneratedMeshes, MasksFaceTheWayTheirNodesExpect)
{
    const core::aabbox3df mask1 = load("mask1.x")->getBoundingBox();
    EXPECT_GT(-mask1.MinEdge.X, mask1.MaxEdge.X) << "mask1 bulges toward -X";
    EXPECT_NEAR(mask1.getExtent().Y, 30, 3);
    for (const char* file : {"mask2.x", "mask3.x"})
    {
        const core::aabbox3df box = load(file)->getBoundingBox();
        EXPECT_GT(box.MaxEdge.Y, -box.MinEdge.Y) << file << " bulges toward +Y";
        EXPECT_GT(box.getExtent().Z, box.getExtent().Y) << file << " is upright along Z";
    }
    const core::aabbox3df sister = load("mask4.x")->getBoundingBox();
    EXPECT_NEAR(sister.MaxEdge.Z, 0, 0.5f) << "origin at the lower edge, up is -Z";
    EXPECT_NEAR(sister.MinEdge.Z, -36, 1);
    EXPECT_GT(sister.MaxEdge.Y, -sister.MinEdge.Y);
    const core::aabbox3df jaw = load("mask2_m.x")->getBoundingBox();
    EXPECT_LE(jaw.MaxEdge.Z, 0.5f) << "the jaw hangs below its hinge";
}

TEST_F(GeneratedMeshes, TexturesNamedInsideMeshesExist)
{
    const std::regex textureName("TextureFilename \\{ \"([^\"]+)\"; \\}");
    for (const std::string& file : meshFiles())
    {
        std::ifstream in(kGameDir + "/gamedata/objects/" + file);
        std::stringstream text;
        text << in.rdbuf();
        const std::string content = text.str();
        int textures = 0;
        for (std::sregex_iterator it(content.begin(), content.end(), textureName), end; it != end; ++it, ++textures)
            EXPECT_TRUE(fs::is_regular_file(kGameDir + "/gamedata/objects/" + (*it)[1].str())) << file << ": " << (*it)[1];
        EXPECT_GT(textures, 0) << file;
    }
}
} // namespace
