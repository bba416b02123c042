// Frame time of a 100 x 100-cell walled layout drawn with the spatial grid's
// culling against the same layout with every node visible (OpenGL; run under Xvfb).

#include "code/src/world/mapcoord.h"
#include "code/src/shaders/shadermaterials.h"
#include "code/src/level/visualspace.h"
#include "talvoren/shadermanager.h"
#include "tests/support/levelassets.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <irrlicht.h>

#include <malloc.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace
{
const irr::s32 kFirstCell = 250;
const irr::s32 kCellsPerSide = 100;
const irr::core::vector3df kEye(3000.0f, 10.0f, 3000.0f);

//! The layout in its own working directory; built once for both benchmarks.
class CullingScene
{
public:
    CullingScene()
    {
        char folder[] = "/tmp/belgarune-bench-XXXXXX";
        if (!::mkdtemp(folder))
            std::abort();
        m_folder = folder;
        std::filesystem::current_path(m_folder);
        // Mesa's software rasteriser allocates and frees large blocks on every draw;
        // with the allocator's defaults the heap is trimmed and faulted in again
        // each time, which would measure page faults instead of the scene.
        mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TOP_PAD, 64 * 1024 * 1024);
        m_device = testlevel::createGlDevice(320, 240);
        if (!m_device)
            return;
        irr::video::IVideoDriver* driver = m_device->getVideoDriver();
        testlevel::writeLevelAssets(driver);
        std::filesystem::copy(std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "gamedata" /
                                  "shader",
                              "gamedata/shader");
        m_shaders = std::make_unique<Talvoren::ShaderManager>(driver);
        m_materials.registerMaterials(*m_shaders);
        irr::scene::ISceneManager* scene = m_device->getSceneManager();
        m_space = std::make_unique<Belgarune::VisualSpace>(scene, m_shaders.get());
        buildLayout();
        scene->addCameraSceneNode(nullptr, kEye, kEye + irr::core::vector3df(100.0f, -5.0f, 30.0f));
    }

    ~CullingScene()
    {
        m_space.reset();
        m_shaders.reset();
        if (m_device)
            m_device->drop();
        std::filesystem::remove_all(m_folder);
    }

    bool ready() const { return m_device != nullptr; }

    //! Nodes that are shown and inside the camera's view.
    irr::u32 countDrawnNodes() const
    {
        irr::scene::ISceneManager* scene = m_device->getSceneManager();
        irr::u32 drawn = 0;
        for (irr::scene::ISceneNode* node : scene->getRootSceneNode()->getChildren())
            if (node->isVisible() && !scene->isCulled(node))
                ++drawn;
        return drawn;
    }

    void showAround(const irr::core::vector3df& viewer)
    {
        m_space->updateVisibility(irr::core::vector3df(-500.0f, 0.0f, -500.0f));
        m_space->updateVisibility(viewer);
    }

    void showEverything()
    {
        for (irr::s32 i = 0; i < Belgarune::VisualSpace::kCellCount; ++i)
            for (irr::s32 j = 0; j < Belgarune::VisualSpace::kCellCount; ++j)
                m_space->setCellVisible(Belgarune::VisualSpace::Cell(i, j), true);
    }

    //! One frame; returns the primitives drawn.
    irr::u32 drawFrame()
    {
        irr::video::IVideoDriver* driver = m_device->getVideoDriver();
        driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        m_device->getSceneManager()->drawAll();
        glFinish();
        driver->endScene();
        return driver->getPrimitiveCountDrawn();
    }

private:
    //! Floors everywhere, rooms of 4 x 4 cells walled on two sides with doorways.
    void buildLayout()
    {
        for (irr::s32 x = kFirstCell; x < kFirstCell + kCellsPerSide; ++x)
            for (irr::s32 z = kFirstCell; z < kFirstCell + kCellsPerSide; ++z)
            {
                const Belgarune::MapCoord cell(x, 0, z);
                m_space->placeFloor(cell, static_cast<Belgarune::FloorCode>(1 + (x + z) % 2));
                if (z % 4 == 3 && x % 4 != 1)
                    m_space->placeWall(cell, static_cast<Belgarune::WallType>(1 + x % 3), Belgarune::WallSide::PlusZ);
                if (x % 4 == 3 && z % 4 != 1)
                    m_space->placeWall(cell, static_cast<Belgarune::WallType>(4 + z % 2), Belgarune::WallSide::PlusX);
            }
    }

    std::string m_folder;
    irr::IrrlichtDevice* m_device = nullptr;
    std::unique_ptr<Talvoren::ShaderManager> m_shaders;
    Belgarune::ShaderMaterials m_materials;
    std::unique_ptr<Belgarune::VisualSpace> m_space;
};

//! The scene built once, or null after the run was marked as skipped.
CullingScene* readyScene(benchmark::State& state)
{
    static CullingScene scene;
    if (scene.ready())
        return &scene;
    state.SkipWithError("no OpenGL display (run under xvfb-run)");
    return nullptr;
}

void runFrames(benchmark::State& state, CullingScene& scene)
{
    irr::u32 primitives = 0;
    for (auto _ : state)
        primitives = scene.drawFrame();
    state.counters["primitives"] = primitives;
    state.counters["draws"] = scene.countDrawnNodes();
}

void BM_FrameWithCulling(benchmark::State& state)
{
    CullingScene* scene = readyScene(state);
    if (!scene)
        return;
    scene->showAround(kEye);
    runFrames(state, *scene);
}

void BM_FrameEverythingVisible(benchmark::State& state)
{
    CullingScene* scene = readyScene(state);
    if (!scene)
        return;
    scene->showEverything();
    runFrames(state, *scene);
}

void BM_VisibilityUpdateOnCellChange(benchmark::State& state)
{
    CullingScene* scene = readyScene(state);
    if (!scene)
        return;
    bool flip = false;
    for (auto _ : state)
    {
        flip = !flip;
        scene->showAround(kEye + irr::core::vector3df(flip ? 100.0f : 0.0f, 0.0f, 0.0f));
    }
}
} // namespace

BENCHMARK(BM_FrameWithCulling)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameEverythingVisible)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VisibilityUpdateOnCellChange)->Unit(benchmark::kMicrosecond);
