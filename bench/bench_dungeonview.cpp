// Frame time of the dungeon view in the game's level (map.png) against the
// scene manager's bare drawAll of the same visible nodes, in one run; the
// counter "ratio" is view / bare (goal: at most 1.1). OpenGL: run under Xvfb.

#include "code/src/dungeonvisual.h"
#include "code/src/layout/dungeonlayout.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameworld.h"
#include "talvoren/ombeldevice.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <irrlicht.h>

#include <chrono>
#include <filesystem>
#include <memory>

namespace
{
const irr::core::vector3df kEye(2510.0f, 11.0f, 2500.0f);

class LevelView
{
public:
    LevelView()
    {
        std::filesystem::current_path(BELGARUNE_GAME_DIR);
        g_device = new Talvoren::OmbelDevice();
        if (!g_device->init(irr::video::EDT_OPENGL, irr::core::dimension2du(640, 480), 32, false, false, false, 0))
            return;
        m_view = std::make_unique<Belgarune::DungeonVisual>();
        m_view->init();
        Belgarune::readDungeonLayout(*g_device->getVideoDriver(), "gamedata/map.png", *g_gameBase->m_world, *m_view);
        m_view->setCameraPose(kEye, kEye + irr::core::vector3df(100.0f, -5.0f, 30.0f));
        g_gameBase->m_hasItem[0] = true;
    }
    ~LevelView()
    {
        m_view.reset();
        g_gameBase->m_world.reset();
        g_gameBase->m_camera = nullptr;
        delete g_device;
        g_device = nullptr;
    }

    bool ready() const { return m_view != nullptr; }

    //! Milliseconds of one finished frame drawn by draw.
    template <typename Draw>
    double timeFrame(Draw draw)
    {
        irr::video::IVideoDriver* driver = g_device->getVideoDriver();
        const auto start = std::chrono::steady_clock::now();
        driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        draw();
        glFinish();
        driver->endScene();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }

    Belgarune::DungeonVisual& view() { return *m_view; }

private:
    std::unique_ptr<Belgarune::DungeonVisual> m_view;
};

void viewAgainstBareDrawAll(benchmark::State& state)
{
    LevelView level;
    if (!level.ready())
    {
        state.SkipWithError("no OpenGL display (run under xvfb-run)");
        return;
    }
    irr::scene::ISceneManager* scene = g_device->getSceneManager();
    level.timeFrame([&] { level.view().draw(); });
    double viewMs = 0.0;
    double bareMs = 0.0;
    for (auto _ : state)
    {
        viewMs += level.timeFrame([&] { level.view().draw(); });
        bareMs += level.timeFrame([&] { scene->drawAll(); });
    }
    state.counters["view_ms"] = viewMs / state.iterations();
    state.counters["bare_ms"] = bareMs / state.iterations();
    state.counters["ratio"] = viewMs / bareMs;
}
BENCHMARK(viewAgainstBareDrawAll)->Unit(benchmark::kMillisecond)->Iterations(60);
} // namespace
