// One frame of 50 enemies: patrol on a lattice of nodes, spotting and chase
// around the player, song 2 on their tone sounds. Goal: 0.5 ms a frame.
// OpenAL Soft's null backend plays the tones without output.

#include "code/src/enemies/enemyinputcomponent.h"
#include "code/src/events/gameevents.h"
#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/songs/playermusicalcomponent.h"
#include "code/src/songs/songbook.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/nodegraph.h"
#include "code/src/world/visualcomponent.h"
#include "platform/sound/createsoundengine.h"
#include "platform/sound/isoundengine.h"
#include "talvoren/eventmanager.h"
#include "tests/code/logic/manualclock.h"
#include "tests/support/soundfiles.h"

#include <benchmark/benchmark.h>
#include <irrlicht.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

using namespace Belgarune;
using irr::core::vector3df;

namespace
{
const testsupport::OpenAlTestConfig g_openAl("null");
const int kEnemies = 50;
const int kLattice = 10;

//! A lattice of 10 x 10 nodes 20 units apart from map (20, 480), each linked to its right and lower neighbour.
void writeNodes(const std::string& path)
{
    std::ofstream file(path);
    file << "[points]\n";
    for (int i = 0; i < kLattice; ++i)
        for (int j = 0; j < kLattice; ++j)
            file << i * kLattice + j << "," << 20 + 2 * i << "," << 480 - 2 * j << "\n";
    file << "[connections]\n";
    for (int i = 0; i < kLattice; ++i)
        for (int j = 0; j < kLattice; ++j)
        {
            if (i + 1 < kLattice)
                file << i * kLattice + j << "," << (i + 1) * kLattice + j << "\n";
            if (j + 1 < kLattice)
                file << i * kLattice + j << "," << i * kLattice + j + 1 << "\n";
        }
}

void BM_EnemiesFrame(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::path(g_openAl.outputPath()).parent_path();
    std::filesystem::current_path(folder);
    for (int set = 2; set <= 4; ++set)
        for (int tone = 0; tone < PlayerMusicalComponent::kToneCount; ++tone)
            if (!std::filesystem::exists(PlayerMusicalComponent::toneFile(set, tone)))
                testsupport::writeTone(PlayerMusicalComponent::toneFile(set, tone), 1.0, 1);
    std::ofstream("songs.txt") << "song=2\nspeed=250\n----X---\n--X-----\n-X------\n--------\nX---XX--\nend\n";
    writeNodes("nodes.txt");

    irr::SIrrlichtCreationParameters parameters;
    parameters.DriverType = irr::video::EDT_NULL;
    parameters.LoggingLevel = irr::ELL_NONE;
    irr::IrrlichtDevice* device = irr::createDeviceEx(parameters);
    platform::sound::SoundRef<platform::sound::ISoundEngine> engine(platform::sound::createIrrKlangDevice());
    // Hunters that reach the player trigger their deaths through it.
    EventManager events("BenchEventManager", true);
    registerGameEventTypes(events);

    g_gameBase->m_world = std::make_unique<GameWorld>();
    GameWorld& world = *g_gameBase->m_world;
    for (irr::s32 i = 15; i <= 45; ++i)
        for (irr::s32 j = 15; j <= 45; ++j)
            world.setCell(MapCoord(i, 0, j), FloorCode::Plain);
    world.getNodeGraph().load("nodes.txt");
    g_gameBase->m_songBook = std::make_unique<SongBook>();
    g_gameBase->m_songBook->loadSongs("songs.txt");
    const vector3df player(290.0f, 7.0f, 290.0f);
    g_gameBase->m_playerPosition = player;
    g_gameBase->m_camera = device->getSceneManager()->addCameraSceneNode(nullptr, player);

    logictest::ManualClock clock;
    for (int i = 0; i < kEnemies; ++i)
    {
        auto physics = std::make_unique<StandardPhysicsComponent>(5, [&clock] { return clock.frameMs(); });
        auto enemy = std::make_unique<GameActor>(
            i + 1, std::make_unique<EnemyInputComponent>(engine.get(), clock), std::move(physics), nullptr,
            std::make_unique<PlayerMusicalComponent>(2 + i % 3, 0.2f, engine.get(), clock));
        enemy->setPosition(vector3df(200.0f + 4.0f * static_cast<irr::f32>(i % 45), 5.0f,
                                     200.0f + 3.5f * static_cast<irr::f32>(i % 50)));
        enemy->setRotation(vector3df(1.0f, 5.0f, 0.0f));
        world.addActor(std::move(enemy));
    }

    for (auto _ : state)
    {
        clock.timer += clock.frame;
        clock.game += clock.frame;
        world.updateActors(nullptr);
    }
    state.SetItemsProcessed(state.iterations() * kEnemies);

    g_gameBase->m_camera = nullptr;
    g_gameBase->m_world = std::make_unique<GameWorld>();
    engine.reset();
    device->drop();
}
BENCHMARK(BM_EnemiesFrame)->Unit(benchmark::kMicrosecond);
} // namespace
