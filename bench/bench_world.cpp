// World grid queries and reading a full-size map.png.

#include "code/src/layout/dungeonlayout.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/mapcoord.h"
#include "tests/support/countingview.h"

#include <benchmark/benchmark.h>
#include <irrlicht.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace
{
using Belgarune::GameWorld;
using irr::core::vector2d;
using irr::core::vector3df;
using irr::video::SColor;

using testsupport::CountingView;

// A dungeon of 12 x 12 rooms with one-pixel walls and doorways, the way map.png draws it.
SColor dungeonPixel(int x, int y)
{
    const bool wallColumn = x % 13 == 0;
    const bool wallRow = y % 13 == 0;
    const bool doorway = (wallColumn && y % 13 == 6) || (wallRow && x % 13 == 6);
    if (y == 0 || x == 0 || x == 499 || y == 499)
        return y == 0 ? SColor(0, 0, 0, 0) : SColor(255, 255, 255, 255);
    if ((wallColumn || wallRow) && !doorway)
        return ((x / 13 + y / 13) % 2) ? SColor(255, 255, 255, 255) : SColor(255, 255, 200, 200);
    switch ((x / 13 * 7 + y / 13 * 3) % 9)
    {
    case 0:
        return SColor(255, 150, 150, 150);
    case 1:
        return SColor(255, 100, 100, 100);
    case 2:
        return SColor(255, 150, 150, 255);
    default:
        return SColor(255, 0, 0, 255);
    }
}

void openHall(GameWorld& world)
{
    for (irr::s32 i = 1; i < GameWorld::kGridSize; ++i)
        for (irr::s32 j = 1; j < GameWorld::kGridSize; ++j)
            world.setCell(Belgarune::MapCoord(i, 0, j), Belgarune::FloorCode::Plain);
    for (irr::s32 i = 100; i < 400; i += 9)
        world.setWalkable(Belgarune::MapCoord(i, 0, 250), false);
    for (irr::s32 k = 0; k < 20; ++k)
        world.addRoundCollision(vector3df(1000.0f + 100.0f * k, 0.0f, 3000.0f), 6);
}

//! A null device, a 500 x 500 map.png written from dungeonPixel, and its removal.
class MapFile
{
public:
    MapFile()
    {
        irr::SIrrlichtCreationParameters parameters;
        parameters.DriverType = irr::video::EDT_NULL;
        parameters.LoggingLevel = irr::ELL_NONE;
        m_device = irr::createDeviceEx(parameters);
        const std::string name = "belgarune-bench-map-" + std::to_string(::getpid()) + ".png";
        m_path = (std::filesystem::temp_directory_path() / name).string();
        irr::video::IImage* image =
            driver().createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(500, 500));
        for (int y = 0; y < 500; ++y)
            for (int x = 0; x < 500; ++x)
                image->setPixel(x, y, dungeonPixel(x, y));
        driver().writeImageToFile(image, m_path.c_str());
        image->drop();
    }
    ~MapFile()
    {
        std::filesystem::remove(m_path);
        m_device->drop();
    }
    MapFile(const MapFile&) = delete;
    MapFile& operator=(const MapFile&) = delete;

    irr::video::IVideoDriver& driver() { return *m_device->getVideoDriver(); }
    const std::string& path() const { return m_path; }

private:
    irr::IrrlichtDevice* m_device;
    std::string m_path;
};

void BM_Collides(benchmark::State& state)
{
    auto world = std::make_unique<GameWorld>();
    openHall(*world);
    irr::f32 x = 900.0f;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(world->collides(vector3df(x, 7.0f, 2996.0f), false));
        x = x > 3000.0f ? 900.0f : x + 0.7f;
    }
}
BENCHMARK(BM_Collides);

void BM_IsPathFreeAcross20Cells(benchmark::State& state)
{
    auto world = std::make_unique<GameWorld>();
    openHall(*world);
    for (auto _ : state)
        benchmark::DoNotOptimize(world->isPathFree(vector3df(1500.0f, 0.0f, 1500.0f),
                                                   vector3df(1500.0f + 160.0f, 0.0f, 1500.0f + 120.0f), false));
}
BENCHMARK(BM_IsPathFreeAcross20Cells);

void BM_GetVisibleCells(benchmark::State& state)
{
    auto world = std::make_unique<GameWorld>();
    openHall(*world);
    for (auto _ : state)
        benchmark::DoNotOptimize(world->getVisibleCells(vector2d<irr::s32>(150, 249)));
}
BENCHMARK(BM_GetVisibleCells)->Unit(benchmark::kMicrosecond);

void BM_ReadFullMap(benchmark::State& state)
{
    MapFile map;
    CountingView view;
    for (auto _ : state)
    {
        state.PauseTiming();
        auto world = std::make_unique<GameWorld>();
        state.ResumeTiming();
        if (!Belgarune::readDungeonLayout(map.driver(), map.path(), *world, view))
            state.SkipWithError("map.png could not be read");
    }
    state.counters["placements"] = benchmark::Counter(static_cast<double>(view.placements),
                                                      benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ReadFullMap)->Unit(benchmark::kMillisecond);
} // namespace
