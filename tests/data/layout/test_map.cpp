// The level's floor plan as the game reads it: kept clear of the border, closed
// by walls, and holding the places the game's code expects.

#include "code/src/view/storytexts.h"
#include "code/src/view/textfieldnode.h"
#include "tests/data/builtlevel.h"

#include <irrlicht.h>

#include <cmath>
#include <set>
#include <string>

namespace
{
using datatest::BuiltLevelTest;

struct Pixel
{
    irr::s32 x;
    irr::s32 y;
};

//! The map pixel whose cell holds the world point.
Pixel pixelOf(const irr::core::vector3df& point)
{
    return {static_cast<irr::s32>(std::floor((point.X + 5.0f) / 10.0f)),
            static_cast<irr::s32>(std::floor((5000.0f - point.Z + 5.0f) / 10.0f))};
}

TEST_F(BuiltLevelTest, FloorsKeepTwoPixelsFromTheBorderAndAreClosedByWalls)
{
    int floors = 0;
    for (irr::s32 y = 0; y < m_pixels->getHeight(); ++y)
        for (irr::s32 x = 0; x < m_pixels->getWidth(); ++x)
        {
            if (!isFloor(x, y))
                continue;
            ++floors;
            EXPECT_TRUE(x >= 2 && y >= 2 && x <= 497 && y <= 497) << "floor at " << x << "," << y;
            for (irr::s32 dy = -1; dy <= 1; ++dy)
                for (irr::s32 dx = -1; dx <= 1; ++dx)
                    EXPECT_TRUE(isFloor(x + dx, y + dy) || isWall(x + dx, y + dy))
                        << "open edge beside " << x << "," << y;
        }
    EXPECT_GT(floors, 300);
}

TEST_F(BuiltLevelTest, EveryFloorCodeAndWallTypeIsUsed)
{
    std::set<int> floors, walls;
    for (irr::s32 y = 0; y < m_pixels->getHeight(); ++y)
        for (irr::s32 x = 0; x < m_pixels->getWidth(); ++x)
        {
            floors.insert(static_cast<int>(m_pixels->floorAt(x, y)));
            walls.insert(static_cast<int>(m_pixels->wallAt(x, y)));
        }
    EXPECT_EQ(floors, (std::set<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(walls, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(BuiltLevelTest, FixedPlacesStandOnWalkableFloor)
{
    struct Place
    {
        const char* what;
        Pixel pixel;
    };
    // The threat's corridor runs north to south under it.
    const Place places[] = {{"hall of the level music", {251, 250}}, {"under the threat", {260, 260}},
                            {"north of the threat", {260, 259}},     {"south of the threat", {260, 261}}};
    for (const Place& place : places)
        EXPECT_TRUE(isWalkable(place.pixel.x, place.pixel.y)) << place.what;
}

// A body walking straight east anywhere within half a cell of a passage's
// middle line goes through without touching a jamb.
TEST_F(BuiltLevelTest, PassagesBetweenHallsLetAStraightWalkThrough)
{
    struct Passage
    {
        const char* what;
        Pixel west;
        irr::s32 eastX;
    };
    // Two rows wide: the middle line is the border between row y and row y + 1.
    const Passage passages[] = {{"prologue room to the hub", {246, 243}, 250},
                                {"hub to the queen's hall", {256, 250}, 279},
                                {"queen's hall to the sister's hall", {281, 250}, 286}};
    for (const Passage& passage : passages)
    {
        const irr::f32 middle = 5000.0f - 10.0f * static_cast<irr::f32>(passage.west.y) - 5.0f;
        for (irr::f32 offset = -5.0f; offset <= 5.0f; offset += 1.0f)
            for (irr::f32 x = 10.0f * static_cast<irr::f32>(passage.west.x);
                 x <= 10.0f * static_cast<irr::f32>(passage.eastX); x += 1.0f)
                ASSERT_FALSE(m_world->collides(irr::core::vector3df(x, 0.0f, middle + offset), false))
                    << passage.what << ": caught at x " << x << ", " << offset << " off the middle";
    }
}

TEST_F(BuiltLevelTest, DarkFloorTurnsSafeOnlyBesideThePlainNiche)
{
    std::set<std::pair<irr::s32, irr::s32>> edges;
    for (irr::s32 y = 1; y < Belgarune::GameWorld::kGridSize; ++y)
        for (irr::s32 x = 1; x < Belgarune::GameWorld::kGridSize; ++x)
            if (m_world->getCellValue(x, Belgarune::GameWorld::kGridSize - y) ==
                static_cast<irr::s32>(Belgarune::FloorCode::DarkEdge))
                edges.insert({x, y});
    EXPECT_EQ(edges, (std::set<std::pair<irr::s32, irr::s32>>{{313, 250}, {314, 250}}));
}

// Every letter of every story text stands in front of a wall pixel, with floor
// between it and the reader.
TEST_F(BuiltLevelTest, StoryTextsStandOnWallsFacingFloor)
{
    const irr::core::array<Belgarune::TextFieldNode*> texts = Belgarune::buildStoryTexts(m_device->getSceneManager());
    ASSERT_EQ(texts.size(), 15u);
    for (irr::u32 t = 0; t < texts.size(); ++t)
    {
        const auto& vertices = texts[t]->getVertices();
        ASSERT_GE(vertices.size(), 4u);
        const irr::core::vector3df origin = texts[t]->getPosition();
        irr::core::vector3df along = vertices[1].Pos - vertices[0].Pos;
        along.Y = 0.0f;
        along.normalize();
        bool fits = false;
        for (const irr::f32 sign : {1.0f, -1.0f})
        {
            const irr::core::vector3df out(sign * along.Z, 0.0f, -sign * along.X);
            bool allFit = true;
            for (irr::u32 v = 0; v < vertices.size(); ++v)
            {
                const irr::core::vector3df point = origin + vertices[v].Pos;
                const Pixel front = pixelOf(point + out);
                const Pixel back = pixelOf(point - out);
                allFit = allFit && isFloor(front.x, front.y) && isWall(back.x, back.y);
            }
            fits = fits || allFit;
        }
        EXPECT_TRUE(fits) << "story text " << t + 1;
    }
}
} // namespace
